#include "platform/record/learning_record.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>

#include "platform/text.h"

namespace vl {

namespace {

LearningRecord* g_current = nullptr;

// A CSV field: quoted when it holds a separator, a quote or a line break.
void AppendField(std::string& out, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (char ch : field) {
    if (ch == '"') out += '"';
    out += ch;
  }
  out += '"';
}

}  // namespace

LearningRecord& LearningRecord::Current() {
  static MemoryRecord fallback;
  return g_current ? *g_current : fallback;
}

void LearningRecord::SetCurrent(LearningRecord* record) { g_current = record; }

std::vector<Attempt> LearningRecord::Last(size_t n) {
  std::vector<Attempt> all = All();
  std::vector<Attempt> out(all.rbegin(), all.rbegin() + static_cast<long>(std::min(n, all.size())));
  return out;
}

std::vector<KindSummary> LearningRecord::Summaries() { return Summarize(All()); }

bool MemoryRecord::Append(const Attempt& a) {
  rows_.push_back(a);
  if (onAppend_) onAppend_(a);
  return true;
}

std::vector<Attempt> MemoryRecord::Last(size_t n) {
  n = std::min(n, rows_.size());
  return {rows_.rbegin(), rows_.rbegin() + static_cast<long>(n)};
}

std::vector<KindSummary> Summarize(const std::vector<Attempt>& attempts) {
  std::map<int, KindSummary> byCode;
  for (const Attempt& a : attempts) {
    KindSummary& s = byCode[a.code];
    s.code = a.code;
    ++s.attempts;
    if (a.correct) ++s.correct;
    s.last = std::max(s.last, a.time);
  }
  std::vector<KindSummary> out;
  for (auto& [code, s] : byCode) out.push_back(s);
  return out;
}

std::string IsoTime(int64_t t) {
  const std::time_t tt = static_cast<std::time_t>(t);
  std::tm tm{};
  localtime_r(&tt, &tm);
  const long off = tm.tm_gmtoff;
  const int mins = static_cast<int>((off < 0 ? -off : off) / 60 % (24 * 60));
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", tm.tm_year + 1900,
                tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, off < 0 ? '-' : '+',
                mins / 60, mins % 60);
  return buf;
}

std::string AttemptsCsv(const std::vector<Attempt>& attempts,
                        const std::function<std::u16string(int code)>& kindName) {
  std::string out = "\xEF\xBB\xBF";  // the byte-order mark that spreadsheets look for
  out += "日時,ドリル,コード,サブモード,シード,答え,正しい答え,判定\r\n";
  for (const Attempt& a : attempts) {
    AppendField(out, IsoTime(a.time));
    out += ',';
    AppendField(out, Utf16ToUtf8(kindName ? kindName(a.code) : std::u16string()));
    out += ',' + std::to_string(a.code) + ',' + std::to_string(a.subMode) + ',' +
           std::to_string(a.seed) + ',';
    AppendField(out, Utf16ToUtf8(a.answer));
    out += ',';
    AppendField(out, Utf16ToUtf8(a.expected));
    out += a.correct ? ",正解\r\n" : ",不正解\r\n";
  }
  return out;
}

}  // namespace vl
