// The small drawing helpers: exponents, combinatorial symbols, the binomial term, radical signs,
// the integral sign and power text.
#include "notation/notation.h"

#include <algorithm>
#include <vector>

#include "notation/notation_fonts.h"

namespace vl {

Font SmallSerifFont(int height) { return Font{u"MS Serif", height, 700, 0}; }
Font MinchoFont(int height) { return Font{u"ＭＳ 明朝", height, 100, 128}; }

int DrawSuperscriptText(std::u16string_view base, Dc& dc, int height, int x, int y,
                        std::u16string_view exponent) {
  if (base.empty()) return 0;
  dc.TextOut(x, y, base);
  const Size b = dc.GetTextExtent(base);
  auto small = dc.SelectFont(SmallSerifFont(height / 2));
  if (!exponent.empty()) dc.TextOut(x + b.cx, y - b.cy / 3, exponent);
  return b.cx + dc.GetTextExtent(exponent).cx;
}

void DrawCombinatorialSymbol(std::u16string_view letter, Dc& dc, int size, int x, int y,
                             std::u16string_view left, std::u16string_view right) {
  if (letter.empty()) return;
  dc.TextOut(x, y, letter);
  const int w = dc.GetTextExtent(letter).cx;
  auto small = dc.SelectFont(SmallSerifFont(2 * size / 3));
  const int ave = dc.GetTextMetrics().aveCharWidth;
  const int sy = y + size / 2 + 2;
  if (!left.empty()) dc.TextOut(x - static_cast<int>(left.size()) * ave, sy, left);
  if (!right.empty()) dc.TextOut(x + w, sy, right);
}

void DrawCombinatorialSymbol(std::u16string_view letter, Dc& dc, int size, int x, int y, int left,
                             int right) {
  if (letter.empty()) return;
  Text<8> l, r;
  FormatText(l, u"%d", left);
  FormatText(r, u"%d", right);
  DrawCombinatorialSymbol(letter, dc, size, x, y, l.view(), r.view());
}

void DrawBinomialTerm(int size, Dc& dc, std::u16string_view r, const PageMembers& layout, int x,
                      int y, std::u16string_view p, std::u16string_view q) {
  const int w = layout.m_nUnitX;
  DrawCombinatorialSymbol(u"C", dc, size - 2, x, y, u"n", r);
  int pos = x + 2 * w;
  Text<8> qExponent(u"n");
  if (!p.empty()) {
    DrawSuperscriptText(p, dc, 3 * size / 2, pos, y, r);
    FormatText(qExponent, u"%s-%s", u"n", r);
    pos += 3 * w / 2 + 1;
  }
  if (!q.empty()) DrawSuperscriptText(q, dc, 3 * size / 2, pos, y, qExponent.view());
}

void DrawRadical(std::u16string_view text, const PageMembers& layout, Dc& dc, int x, int y,
                 Color colour) {
  const int w = layout.m_nUnitX;
  const int lineHeight = layout.m_nUnitY;
  const int t = dc.GetTextExtent(text).cx;
  auto pen = dc.SelectPen(SolidPen(colour, 1));
  dc.Polyline({{x - w, y + lineHeight - 10},
               {x - w / 2, y + lineHeight - 3},
               {x, y - 4},
               {x + w + t, y - 4}});
}

void DrawTallRadical(int width, Dc& dc, int x, int y, std::u16string_view text, int lines) {
  const TextMetrics tm = dc.GetTextMetrics();
  const int d = tm.height;
  const int w = tm.aveCharWidth;
  int bar = width + w;
  if (width == 0) {
    int raised = 0;
    for (char16_t c : text) raised += c == u'^';
    bar = w + dc.GetTextExtent(text).cx - (7 * w * raised) / 5;
  }
  const int e = d - d / 8 - 2;
  const int h = lines == 1 ? y : y - d / 3;
  dc.Polyline({{x - 3 * w / 4, h + e * lines - e / 2},
               {x - w / 2, h + e * lines - e / 8},
               {x, h - 4},
               {x + bar, h - 4}});
}

void DrawIntegralSign(const PageMembers& layout, Dc& dc, int size, int x, int y,
                      std::u16string_view integrand) {
  if (integrand.empty()) return;
  const int d = size;
  const Font limitFont = MinchoFont(3 * d / 4);
  {
    auto sign = dc.SelectFont(MinchoFont(2 * d));
    dc.TextOut(x, y - d / 2, u"∫");
  }
  // The integrand starts 2d after the sign, or just clear of the lower limit where that limit
  // would run into it.
  const int limitsEnd = x + 3 * d / 2 + dc.MeasureText(limitFont, u"-∞").cx;
  const int shift = std::max(0, limitsEnd + 1 - (x + 2 * d));
  const int t = DrawFormula(layout, dc, x + 2 * d + shift, y, integrand, nullptr, 0);
  if (t < 0) return;  // the typesetter drew its message instead
  dc.TextOut(x + 5 * d / 2 + shift + t, y, u"dx");
  auto limits = dc.SelectFont(limitFont);
  dc.TextOut(x + 3 * d / 2, y - d / 2, u"∞");
  dc.TextOut(x + 3 * d / 2, y + d, u"-∞");
}

namespace {

constexpr int kMaxPowerItems = 36;
constexpr int kMaxExponent = 999;  // the exponent holds up to three digits

struct PowerItem {
  std::u16string_view text;  // the letter, or a run of plain characters
  int count = 1;             // the exponent; 1 draws none
};

bool IsLetter(char16_t c) { return c >= 64; }

// Length of the character at i: a surrogate pair is one letter.
size_t CharLength(std::u16string_view s, size_t i) {
  if (s[i] >= 0xD800 && s[i] <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
      s[i + 1] <= 0xDFFF)
    return 2;
  return 1;
}

// Cuts text into items; returns false when more than the limit would be needed.
bool SplitPowerItems(std::u16string_view text, std::vector<PowerItem>& items) {
  size_t i = 0;
  while (i < text.size()) {
    if (items.size() == kMaxPowerItems) return false;
    if (!IsLetter(text[i])) {
      size_t j = i;
      while (j < text.size() && !IsLetter(text[j])) ++j;
      items.push_back({text.substr(i, j - i), 1});
      i = j;
      continue;
    }
    const size_t len = CharLength(text, i);
    const std::u16string_view letter = text.substr(i, len);
    int count = 0;
    // A longer run starts a new item rather than losing digits of its exponent.
    while (i < text.size() && count < kMaxExponent && text.substr(i, len) == letter) {
      i += len;
      ++count;
    }
    items.push_back({letter, count});
  }
  return true;
}

}  // namespace

int DrawPowerText(Dc& dc, const PageMembers& layout, int x, int y, std::u16string_view text) {
  auto z = text.find(u'\0');
  if (z != std::u16string_view::npos) text = text.substr(0, z);
  if (text.empty()) return 0;
  std::vector<PowerItem> items;
  items.reserve(kMaxPowerItems);
  if (!SplitPowerItems(text, items)) {
    dc.TextOut(20 * dc.GetTextMetrics().aveCharWidth, y, u"項目が多すぎ表示不可能。");
    return 0;
  }
  int pos = x;
  for (const PowerItem& item : items) {
    if (item.count > 1) {
      Text<4> exponent;
      FormatText(exponent, u"%d", item.count);
      pos += DrawSuperscriptText(item.text, dc, layout.m_nUnitY, pos, y, exponent.view());
    } else {
      dc.TextOut(pos, y, item.text);
      pos += dc.GetTextExtent(item.text).cx;
    }
  }
  return pos - x;
}

}  // namespace vl
