#include "topics/statistics/arrange_logic.h"

#include <utility>

#include "notation/format_text.h"
#include "notation/notation.h"
#include "platform/runtime.h"

namespace vl::arrange {

void DrawScores(Scores& scores) {
  for (auto& s : scores) s = static_cast<int16_t>(Rand() % (kTopScore + 1));
}

std::optional<int16_t> ReadScore(std::u16string_view text) {
  if (IsSignedInteger(text) != 0) return std::nullopt;
  std::optional<int16_t> v = ReadInt16(text);
  if (!v || *v > kTopScore) return std::nullopt;
  return v;
}

void SortDescending(Scores& scores) {
  for (int i = 0; i < kPupils - 1; ++i)
    for (int j = i + 1; j < kPupils; ++j)
      if (scores[i] <= scores[j]) std::swap(scores[i], scores[j]);
}

ScoreStats Summarize(const Scores& scores) {
  ScoreStats st;
  for (int16_t s : scores) {
    if (s < 0) continue;
    ++st.present;
    st.total += s;
    if (s > st.highest) st.highest = s;
    if (s < st.lowest) st.lowest = s;
  }
  if (st.present > 0) st.mean = static_cast<double>(st.total) / st.present;
  return st;
}

MedianLines MedianOf(const Scores& scores, int present) {
  MedianLines lines;
  if (present <= 0 || present > kPupils) return lines;
  int h = present / 2;
  if (present % 2 == 1) {
    lines.first = FormatString(64, u"メジアン= %d番目の点数 = %d", {h + 1, scores[h]});
  } else {
    int a = scores[h - 1], b = scores[h];
    lines.first = FormatString(64, u"メジアン= (%d番目の点数+%d番目の点数)/2", {h, h + 1});
    lines.second = FormatString(64, u"= (%d + %d)/2 = %3.1f", {a, b, (a + b) * 0.5});
  }
  return lines;
}

int ClassOf(int score) {
  if (score < 0) return -1;
  return (score - 1) / 10;  // truncates toward zero, so 0 joins 1..10
}

Frequencies ClassFrequencies(const Scores& scores) {
  Frequencies f{};
  for (int16_t s : scores) {
    int k = ClassOf(s);
    if (k >= 0 && k < kClasses) ++f[k];
  }
  return f;
}

}  // namespace vl::arrange
