#include "drill/record_dlg.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "drill/drill.h"
#include "drill/drill_marking.h"
#include "platform/dc.h"
#include "platform/text.h"

namespace vl {

namespace {

constexpr int kIdSaveCsv = 190;
constexpr int kIdAgain = 200;  // 200 + row of the recent list
constexpr int kTop = 8, kRowHeight = 20, kFirstRow = 32;
// Summary columns: name, right edges of the three numbers, the bar, the last date.
constexpr int kNameX = 8, kCountRight = 168, kRightRight = 216, kRateRight = 280;
constexpr int kBarLeft = 292, kBarWidth = 100, kDateX = 404;
// Recent columns.
constexpr int kWhenX = 500, kKindX = 596, kMarkX = 684;
constexpr Color kBarColor = Rgb(96, 160, 208);
constexpr Color kGrid = Rgb(192, 192, 192);
constexpr Color kRightColor = Rgb(0, 128, 64);

std::string Strftime(int64_t t, const char* format) {
  const std::time_t tt = static_cast<std::time_t>(t);
  std::tm tm{};
  localtime_r(&tt, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, format, &tm);
  return buf;
}

std::u16string U16(const std::string& s) { return Utf8ToUtf16(s); }

// "2026年12月9日" (with the year) or "12月9日10時5分", for reading aloud.
std::u16string SpokenDate(int64_t t, bool withYear) {
  const std::time_t tt = static_cast<std::time_t>(t);
  std::tm tm{};
  localtime_r(&tt, &tm);
  auto n = [](int v) { return U16(std::to_string(v)); };
  if (withYear)
    return n(tm.tm_year + 1900) + u"年" + n(tm.tm_mon + 1) + u"月" + n(tm.tm_mday) + u"日";
  return n(tm.tm_mon + 1) + u"月" + n(tm.tm_mday) + u"日" + n(tm.tm_hour) + u"時" + n(tm.tm_min) +
         u"分";
}

void TextRight(Dc& dc, int right, int y, std::u16string_view text) {
  dc.TextOut(right - dc.GetTextExtent(text).cx, y, text);
}

}  // namespace

const MessageEntry<CRecordDlg> CRecordDlg::kMessages[] = {
    {kIdSaveCsv, kBnClicked, &CRecordDlg::OnSaveCsv},
};

CRecordDlg::CRecordDlg(Window* parent) : Dialog(119, parent) {}

bool CRecordDlg::OnInitDialog() {
  Dialog::OnInitDialog();
  Reload();
  return true;
}

void CRecordDlg::Reload() {
  LearningRecord& record = LearningRecord::Current();
  summaries_ = record.Summaries();
  recent_ = record.Last(kRecent);
  for (int i = 0; i < kRecent; ++i)
    ShowItem(kIdAgain + i, i < static_cast<int>(recent_.size()) && !recent_[i].correct);
}

bool CRecordDlg::OnCommand(int id, int code) {
  if (code == kBnClicked && id >= kIdAgain && id < kIdAgain + kRecent) {
    Again(id - kIdAgain);
    return true;
  }
  return DispatchMessage(*this, kMessages, id, code);
}

// The same exercise again: the drill code, the sub-mode it was opened with and its seed.
void CRecordDlg::Again(int row) {
  if (row < 0 || row >= static_cast<int>(recent_.size())) return;
  const Attempt a = recent_[row];
  CDrill drill(this, static_cast<int16_t>(a.code), static_cast<int16_t>(a.subMode), a.seed);
  drill.DoModal();
  Reload();
  Invalidate(true);
}

void CRecordDlg::OnSaveCsv() {
  const std::optional<std::string> path =
      Host::Current().AskSaveFileName(u"学習記録.csv", u"CSV (*.csv)");
  if (!path) return;
  const std::string csv = AttemptsCsv(LearningRecord::Current().All(),
                                      [](int code) { return std::u16string(DrillKindName(code)); });
  // Written beside the target and then renamed, so a failed write leaves an older file whole.
  namespace fs = std::filesystem;
  const std::string temp = *path + ".tmp";
  bool ok = false;
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    ok = static_cast<bool>(out.write(csv.data(), static_cast<std::streamsize>(csv.size())));
    out.close();
    ok = ok && !out.fail();
  }
  std::error_code ec;
  if (ok) fs::rename(temp, *path, ec);
  if (!ok || ec) {
    fs::remove(temp, ec);
    MessageBox(u"ファイル「" + U16(*path) + u"」に書き込めません。", kAppCaption,
               kMbOk | kMbIconExclamation);
  }
}

void CRecordDlg::OnPaint(Dc& dc) {
  dc.SetBkMode(BkMode::kTransparent);
  dc.SetTextColor(colors::kBlack);
  if (summaries_.empty()) {
    dc.TextOut(kNameX, kTop, u"まだ記録がありません。");
    dc.TextOut(kNameX, kTop + kRowHeight, u"ドリルで「採点」すると、ここに結果が出ます。");
    return;
  }
  // The summary with a bar of each rate.
  dc.TextOut(kNameX, kTop, u"ドリル");
  TextRight(dc, kCountRight, kTop, u"回数");
  TextRight(dc, kRightRight, kTop, u"正解");
  TextRight(dc, kRateRight, kTop, u"正答率");
  dc.TextOut(kDateX, kTop, u"最後の日");
  const int rows = static_cast<int>(summaries_.size());
  const int chartBottom = kFirstRow + rows * kRowHeight;
  {
    auto pen = dc.SelectPen(SolidPen(kGrid, 1));
    for (int pct : {0, 50, 100}) {
      const int x = kBarLeft + pct * kBarWidth / 100;
      dc.MoveTo(x, kFirstRow - 4);
      dc.LineTo(x, chartBottom);
      const std::u16string label = U16(std::to_string(pct) + "%");
      dc.TextOut(x - dc.GetTextExtent(label).cx / 2, chartBottom + 2, label);
    }
  }
  for (int i = 0; i < rows; ++i) {
    const KindSummary& s = summaries_[i];
    const int y = kFirstRow + i * kRowHeight;
    const int rate = s.attempts ? (s.correct * 100 + s.attempts / 2) / s.attempts : 0;
    dc.TextOut(kNameX, y, DrillKindName(s.code));
    TextRight(dc, kCountRight, y, U16(std::to_string(s.attempts)));
    TextRight(dc, kRightRight, y, U16(std::to_string(s.correct)));
    TextRight(dc, kRateRight, y, U16(std::to_string(rate) + "%"));
    if (rate > 0)
      dc.FillRect({kBarLeft, y + 2, kBarLeft + rate * kBarWidth / 100, y + 14},
                  SolidBrush(kBarColor));
    dc.TextOut(kDateX, y, U16(Strftime(s.last, "%Y-%m-%d")));
  }

  // The last attempts, newest first, right of a rule.
  {
    auto pen = dc.SelectPen(SolidPen(kGrid, 1));
    dc.MoveTo(kWhenX - 10, kTop);
    dc.LineTo(kWhenX - 10, kFirstRow + kRecent * kRowHeight);
  }
  dc.TextOut(kWhenX, kTop, u"最近の答え");
  for (int i = 0; i < static_cast<int>(recent_.size()); ++i) {
    const Attempt& a = recent_[i];
    const int y = kFirstRow + i * kRowHeight;
    dc.SetTextColor(colors::kBlack);
    dc.TextOut(kWhenX, y, U16(Strftime(a.time, "%m/%d %H:%M")));
    dc.TextOut(kKindX, y, DrillKindName(a.code));
    dc.SetTextColor(a.correct ? kRightColor : colors::kRed);
    dc.TextOut(kMarkX, y, a.correct ? u"○" : u"×");
  }
  dc.SetTextColor(colors::kBlack);
}

// The summary row by row, the scale of the chart, then the last attempts, newest first.
std::u16string CRecordDlg::Reading() const {
  if (summaries_.empty())
    return u"学習記録。まだ記録がありません。ドリルで「採点」すると、ここに結果が出ます。";
  auto n = [](long long v) { return U16(std::to_string(v)); };
  std::u16string r = u"学習記録。";
  for (const KindSummary& s : summaries_) {
    const int rate = s.attempts ? (s.correct * 100 + s.attempts / 2) / s.attempts : 0;
    r += std::u16string(DrillKindName(s.code)) + u"、" + n(s.attempts) + u"回中" + n(s.correct) +
         u"回正解、正答率" + n(rate) + u"パーセント、最後の日は" + SpokenDate(s.last, true) + u"。";
  }
  r += u"グラフの目盛りは0、50、100パーセント。最近の答え。";
  for (const Attempt& a : recent_)
    r += SpokenDate(a.time, false) + u"、" + std::u16string(DrillKindName(a.code)) +
         (a.correct ? u"、正解。" : u"、ちがいます。");
  return r;
}

}  // namespace vl
