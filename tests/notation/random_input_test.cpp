// Random texts over the notation's alphabet: the typesetter and the power text draw them or
// refuse them with a message, and never misbehave (run under the sanitizers in CI).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "notation/notation.h"
#include "notation/ops.h"

namespace vl {
namespace {

constexpr std::u16string_view kAlphabet = u"0123456789abcxyzmnpqABCXYZ+-*/^_();,=<> .あ組合ｐσπ";
constexpr std::u16string_view kMessages[] = {
    u"項目が多すぎ表示不可能。", u"式の長さが４８以上です。", u"右括弧なし", u"根号表記に誤り"};

bool IsMessage(const DisplayList& ops) {
  if (ops.size() != 1) return false;
  auto* t = std::get_if<TextOp>(&ops[0]);
  if (!t) return false;
  for (auto m : kMessages)
    if (t->text == m) return true;
  return false;
}

std::u16string RandomText(std::mt19937& rng) {
  // Mostly short texts, now and then long ones that reach the limits.
  const int len = rng() % 10 == 0 ? rng() % 200 : rng() % 48;
  std::u16string s;
  for (int i = 0; i < len; ++i) s += kAlphabet[rng() % kAlphabet.size()];
  if (rng() % 2) {
    // Half of them closed, so that the typesetter gets past its parenthesis check.
    int depth = 0;
    for (char16_t c : s)
      depth = c == u'(' ? depth + 1 : (c == u')' && depth > 0 ? depth - 1 : depth);
    s.append(static_cast<size_t>(depth), u')');
  }
  return s;
}

// Everything a successful call draws lies between x and x + the width it returned.
void ExpectInside(const DisplayList& ops, int x, int width, const std::u16string& text) {
  RecordingDc measure;
  for (const auto& op : ops) {
    if (auto* t = std::get_if<TextOp>(&op)) {
      const int w = measure.MeasureText(t->font, t->text).cx;
      ASSERT_GE(t->x, x) << Utf16ToUtf8(text);
      ASSERT_LE(t->x + w, x + width) << Utf16ToUtf8(text);
    } else if (auto* l = std::get_if<LineOp>(&op)) {
      ASSERT_GE(std::min(l->from.x, l->to.x), x) << Utf16ToUtf8(text);
      ASSERT_LE(std::max(l->from.x, l->to.x), x + width) << Utf16ToUtf8(text);
    }
  }
}

TEST(RandomInput, FormulaAndPowerTextDrawOrRefuse) {
  PageMembers m;
  m.m_nUnitX = 8;
  m.m_nUnitY = 16;
  std::mt19937 rng(20261208);
  int drawn = 0, refused = 0;
  for (int i = 0; i < 100000; ++i) {
    const std::u16string text = RandomText(rng);
    RecordingDc dc;
    Size measured, size;
    const int w1 = DrawFormula(m, dc, 50, 300, text, &measured, 1);
    ASSERT_TRUE(dc.ops().empty()) << Utf16ToUtf8(text);
    const int w0 = DrawFormula(m, dc, 50, 300, text, &size, 0);
    ASSERT_EQ(w0, w1) << Utf16ToUtf8(text);
    ASSERT_EQ(size, measured) << Utf16ToUtf8(text);
    ASSERT_EQ(dc.CurrentFont(), Font{});
    ASSERT_EQ(dc.CurrentPen(), Pen{});
    if (w0 == -1) {
      ASSERT_TRUE(IsMessage(dc.ops())) << Utf16ToUtf8(text);
      ++refused;
    } else {
      ASSERT_GE(w0, 0) << Utf16ToUtf8(text);
      ExpectInside(dc.ops(), 50, w0, text);
      ++drawn;
    }

    RecordingDc power;
    const int pw = DrawPowerText(power, m, 50, 300, text);
    ASSERT_GE(pw, 0) << Utf16ToUtf8(text);
    if (pw > 0) ExpectInside(power.ops(), 50, pw, text);
    ASSERT_EQ(power.CurrentFont(), Font{});
  }
  // The generator reaches both outcomes often.
  EXPECT_GT(drawn, 10000);
  EXPECT_GT(refused, 1000);
}

TEST(RandomInput, FormatNeverOverrunsItsCapacity) {
  constexpr std::u16string_view kFormatAlphabet = u"%%%%-+ 0#*.123456789dilsxXcfegu%hlqnpz組";
  std::mt19937 rng(7);
  for (int i = 0; i < 20000; ++i) {
    std::u16string fmt;
    const int len = rng() % 24;
    for (int k = 0; k < len; ++k) fmt += kFormatAlphabet[rng() % kFormatAlphabet.size()];
    const size_t capacity = rng() % 100;
    const std::u16string out =
        FormatString(capacity, fmt, {42, -7, 3.25, u"組合せ", char16_t(u'x'), 1e300, 65535});
    ASSERT_LE(out.size(), capacity == 0 ? 0 : capacity - 1) << Utf16ToUtf8(fmt);
  }
}

}  // namespace
}  // namespace vl
