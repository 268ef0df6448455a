#include "topics/statistics/correlate.h"

#include "notation/notation.h"
#include "notation/reading.h"
#include "platform/dc.h"
#include "topics/level.h"

namespace vl {

namespace {
constexpr int kEditCount = 114;
constexpr int kClasses = correlate::kClasses;
constexpr Color kBlue = colors::kBlue;

constexpr const char16_t* kColumnHeads[] = {u"50-60",  u"60-70",  u"70-80", u"80-90",
                                            u"90-100", u"階級値", u"度数f", u"  y",
                                            u" fy",    u" fy^2",  u" ∑x",   u" y∑x"};
constexpr const char16_t* kRowHeads[] = {u"50-60",  u"60-70",  u"70-80", u"80-90",
                                         u"90-100", u"階級値", u"度数f", u"  x",
                                         u" fx",    u" fx^2",  u" ∑y",   u" x∑y"};
}  // namespace

CCorrelate::CCorrelate(Window* parent) : TopicDialog(118, parent) {}

Rect CCorrelate::GridRect(int j, int i) const {
  const int ux = m_nGridX, uy = m_nGridY;
  return {40 + 6 * ux * j, m_nTop + uy * i, 40 + 6 * ux * (j + 1), m_nTop + uy * (i + 1)};
}

bool CCorrelate::OnInitDialog() {
  m_nTable = correlate::InitialTable();
  m_bNewLayout = 1;
  return true;
}

void CCorrelate::Layout() {
  Rect rc = GetClientRect();
  m_nGridX = 5;
  m_nGridY = 11;
  if (rc.Width() > 430) {
    m_nGridX = 7;
    m_nGridY = 12;
  }
  if (rc.Height() < 20 * m_nGridY + 40) {
    m_nGridX = 6;
    m_nGridY = 10;
  }
  m_nTop = static_cast<int16_t>(3 * m_nGridY);
  // The radical and power helpers size themselves by the page units: they are the table's.
  m_nUnitX = m_nGridX;
  m_nUnitY = m_nGridY;
  m_nSelCol = m_nSelRow = -1;
  m_bNewLayout = 0;
}

void CCorrelate::OnLButtonDown(Point p) {
  if (m_bNewLayout) return;  // no table drawn yet
  const int ux = m_nGridX, uy = m_nGridY, top = m_nTop;
  if (p.x < 6 * ux + 40 || p.x >= 36 * ux + 40 || p.y < top + uy || p.y >= top + 6 * uy) return;
  if (m_nSelCol >= 0) InvalidateRect(GridRect(m_nSelCol + 1, m_nSelRow + 1), true);
  m_nSelCol = static_cast<int16_t>((p.x - 6 * ux - 40) / (6 * ux));
  m_nSelRow = static_cast<int16_t>((p.y - top - uy) / uy);
  InvalidateRect(GridRect(m_nSelCol + 1, m_nSelRow + 1), false);
  FormatText(m_szText, u"%d", m_nTable[kClasses * m_nSelCol + m_nSelRow]);
  SetDlgItemText(kEditCount, m_szText);
  GotoDlgCtrl(kEditCount);
}

void CCorrelate::OnCountChange() {
  if (m_nSelCol < 0) return;
  Text<6> typed;  // the box takes five characters
  GetDlgItemText(kEditCount, typed);
  // Only a whole number 0..999 is taken; while the box holds anything else the cell keeps its
  // count, so half-typed text never turns into a wrong total.
  std::optional<int16_t> v = correlate::ReadCellCount(typed);
  if (!v) return;
  m_nTable[kClasses * m_nSelCol + m_nSelRow] = *v;
  InvalidateRect(GridRect(m_nSelCol + 1, m_nSelRow + 1), false);
}

void CCorrelate::OnStart() {
  m_nSelCol = m_nSelRow = -1;
  Invalidate(true);
}

void CCorrelate::NumberAt(Dc& dc, int j, int i, int32_t v) {
  FormatText(m_szText, u"%3d", v);
  Rect cell = GridRect(j, i);
  dc.TextOut(cell.left + 2 * m_nGridX, cell.top + 2, m_szText);
}

void CCorrelate::OnPaint(Dc& dc) {
  if (m_bNewLayout) Layout();
  const bool senior = g_nLevel != 0;
  const correlate::Sums sums = correlate::SumsOf(m_nTable);
  dc.SetBkMode(BkMode::kTransparent);
  DrawTable(dc, sums, senior ? 14 : 12);
  if (senior)
    DrawSeniorTexts(dc, sums);
  else
    DrawJuniorTexts(dc, sums);
}

void CCorrelate::DrawTable(Dc& dc, const correlate::Sums& sums, int lines) {
  const int ux = m_nGridX, uy = m_nGridY, top = m_nTop;
  auto font = dc.SelectFont(Font{u"ＭＳ  明朝", uy, 700, 128});

  // The corner emblem: a small pie chart with a pointer.
  const int y0 = top - uy - 4;
  const int cx = 14 + uy / 2;
  dc.FillRect({10, y0, uy + 18, top + uy}, SolidBrush(PaletteIndex(10)));
  dc.Ellipse(14, y0, 14 + uy, y0 + 2 * uy);
  {
    auto red = dc.SelectBrush(SolidBrush(PaletteIndex(13)));
    dc.Pie(14, y0, 14 + uy, y0 + 2 * uy, cx, y0, 14, y0 + uy);
  }
  dc.MoveTo(14, y0 + uy);
  dc.LineTo(14 + uy, y0 + uy);
  dc.MoveTo(cx, y0);
  dc.LineTo(cx, y0 + uy);
  dc.MoveTo(cx, y0 + 2 * uy);
  dc.LineTo(14 + uy, y0 + 2 * uy + 6);

  dc.FillRect({6 * ux + 41, top + uy + 1, 36 * ux + 39, top + 6 * uy - 1},
              SolidBrush(PaletteIndex(10)));
  if (m_nSelCol >= 0)
    dc.FillRect(GridRect(m_nSelCol + 1, m_nSelRow + 1), SolidBrush(PaletteIndex(18)));

  dc.SetTextColor(colors::kBlack);
  dc.TextOut(120, top - uy, u"理    科");
  dc.TextOut(16, 80, u"数");
  dc.TextOut(16, 120, u"学");
  dc.TextOut(42, top + 2, u"Y");
  dc.TextOut(4 * ux + 40, top + 2, u"X");
  dc.MoveTo(2 * ux + 40, top);
  dc.LineTo(4 * ux + 40, top + uy);

  // Grid: lines - 1 columns and rows; those beyond 7 reach only to the end of column/row 6.
  for (int j = 0; j < lines; ++j) {
    const int reach = j <= 7 ? lines - 1 : 7;
    dc.MoveTo(40 + 6 * ux * j, top);
    dc.LineTo(40 + 6 * ux * j, top + uy * reach);
    dc.MoveTo(40, top + uy * j);
    dc.LineTo(40 + 6 * ux * reach, top + uy * j);
  }
  for (int j = 1; j <= lines - 2; ++j) {
    dc.TextOut(40 + 6 * ux * j + 2, top + 2, kColumnHeads[j - 1]);
    dc.TextOut(42, top + uy * j + 2, kRowHeads[j - 1]);
  }
  dc.TextOut(36 * ux + 42, top + 6 * uy + 2, u"計");

  Color old = dc.SetTextColor(kBlue);
  for (int c = 0; c < kClasses; ++c)
    for (int r = 0; r < kClasses; ++r) {
      FormatText(m_szText, u"%2d", m_nTable[kClasses * c + r]);
      dc.TextOut(40 + 6 * ux * (c + 1) + 2 * ux, top + uy * (r + 1) + 2, m_szText);
    }
  dc.SetTextColor(old);

  // Per class: class value, total, u, total·u, total·u², then the cross sums at level 1.
  const bool senior = lines > 12;
  auto margin = [&](const correlate::Margin& m, auto place) {
    for (int k = 0; k < kClasses; ++k) {
      place(6, k + 1, correlate::ClassValue(k));
      place(7, k + 1, m.n[k]);
      place(8, k + 1, correlate::Coded(k));
      place(9, k + 1, m.nu[k]);
      place(10, k + 1, m.nu2[k]);
      if (senior) {
        place(11, k + 1, m.cross[k]);
        place(12, k + 1, m.ucross[k]);
      }
    }
    place(7, 6, m.total);
    place(9, 6, m.sumU);
    place(10, 6, m.sumU2);
    if (senior) {
      place(11, 6, m.sumCross);
      place(12, 6, m.sumUCross);
    }
  };
  // Mathematics rows run across the columns; science columns run down the rows.
  margin(sums.maths, [&](int across, int along, int32_t v) { NumberAt(dc, across, along, v); });
  margin(sums.science, [&](int across, int along, int32_t v) { NumberAt(dc, along, across, v); });
}

void CCorrelate::DrawJuniorTexts(Dc& dc, const correlate::Sums& sums) {
  const int uy = m_nGridY;
  const int b = m_nTop + 11 * uy;
  dc.SetTextColor(colors::kBlack);
  dc.TextOut(10, b + 2, u"(1)数学と理科の得点の平均を求めよ。");
  dc.TextOut(10, b + 4 * uy, u"(2) 数学の得点が理科の得点より高いといえる人は何人か。");
  dc.SetTextColor(kBlue);
  const correlate::Margin& y = sums.maths;
  const correlate::Margin& x = sums.science;
  FormatText(m_szText, u"数学の平均=75+10(%d)/(%d)=%2.1f  理科の平均=75+10(%d)/(%d)=%2.1f", y.sumU,
             y.total, correlate::MeanScore(y.sumU, y.total), x.sumU, x.total,
             correlate::MeanScore(x.sumU, x.total));
  dc.TextOut(10, b + 2 * uy, m_szText);
  dc.TextOut(10, b + 6 * uy, correlate::BetterInMathsLine(m_nTable));
}

void CCorrelate::DrawSeniorTexts(Dc& dc, const correlate::Sums& sums) {
  const int ux = m_nGridX, uy = m_nGridY, top = m_nTop;
  const correlate::Margin& y = sums.maths;
  const correlate::Margin& x = sums.science;
  const correlate::Coefficient k = correlate::CoefficientOf(sums);

  // The rule box.
  dc.SetTextColor(colors::kBlack);
  const int xr = 42 * ux + 50, yr = 8 * uy + top + 10;
  const std::u16string_view rule = u"相関係数ｒ=───────";
  const std::u16string_view numerator = u"(1/N)∑xi*yi-x*y";
  const int w11 = dc.GetTextExtent(rule.substr(0, 11)).cx;
  // The bars of the two means start over the x, the 13th character of the numerator.
  const int w12 = dc.GetTextExtent(numerator.substr(0, 12)).cx;
  dc.TextOut(xr, yr, rule);
  dc.TextOut(xr + w11, yr - uy, numerator);
  dc.TextOut(xr + w11 + w12, yr - uy - 6, u"- -");
  dc.TextOut(xr + w11 + 4 * ux, yr + uy / 2, u"sx*sy");
  dc.TextOut(xr, yr + 2 * uy - 1, u"r > 0.5のとき,正の相関がある");
  dc.TextOut(xr, yr + 3 * uy + 1, u"r <-0.5のとき,負の相関がある");

  const int o = top + 13 * uy;
  dc.TextOut(10, o + 2, u"(1) 数学と理科の得点に相関があるといえるか。");

  dc.SetTextColor(kBlue);
  FormatText(m_szText, u"x=%d/%d=%1.3f", x.sumU, x.total, k.xbar);
  dc.TextOut(10, o + 2 * uy, m_szText);
  dc.TextOut(10, o + 2 * uy - 6, u"-");
  FormatText(m_szText, u"y=%d/%d=%1.3f", y.sumU, y.total, k.ybar);
  dc.TextOut(42 * ux + 10, o + 2 * uy, m_szText);
  dc.TextOut(42 * ux + 10, o + 2 * uy - 6, u"-");

  const int e = GetClientRect().Height() - o > 6 * uy ? uy / 2 : 0;
  const int m = o + 7 * uy / 2 + e;
  FormatText(m_szText, u"sx^2 =%d/%d-(%1.3f)^2 =%1.3f", x.sumU2, x.total, k.xbar, k.sx2);
  DrawPowerText(dc, *this, 10, m, m_szText);
  FormatText(m_szText, u"sy^2 =%d/%d-(%1.3f)^2 =%1.3f", y.sumU2, y.total, k.ybar, k.sy2);
  DrawPowerText(dc, *this, 42 * ux + 10, m, m_szText);

  const int nr = m + 3 * uy / 2 + e;
  if (!k.hasR) {
    // No pupils, or everyone in one class of a subject: r has no value.
    dc.TextOut(10, nr, u"相関係数は計算できません。");
    return;
  }
  FormatText(m_szText, u"r={%d/%d-(%1.3f)(%1.3f)}/  ", x.sumUCross, x.total, k.xbar, k.ybar);
  dc.TextOut(10, nr, m_szText);
  const int p = dc.GetTextExtent(m_szText).cx + 10;
  FormatText(m_szText, u"(%1.3f)(%1.3f)", k.sx2, k.sy2);
  dc.TextOut(p, nr, m_szText);
  DrawRadical(m_szText, *this, dc, p, nr + 3, kBlue);
  const int after = p + dc.GetTextExtent(m_szText).cx + ux;
  FormatText(m_szText, u"= %1.3f", k.r);
  dc.TextOut(after, nr, m_szText);
  dc.TextOut(10, nr + e + 3 * uy / 2, correlate::Verdict(k.r));
}

// Every cell holds 0 to 999 pupils; a selection is a cell of the table or none at all.
std::string CCorrelate::InvariantViolation() const {
  for (int16_t n : m_nTable)
    if (n < 0 || n > 999) return "a cell count outside 0..999: " + std::to_string(n);
  const bool none = m_nSelCol == -1 && m_nSelRow == -1;
  const bool cell = m_nSelCol >= 0 && m_nSelCol < correlate::kClasses && m_nSelRow >= 0 &&
                    m_nSelRow < correlate::kClasses;
  if (!none && !cell) return "selection outside the table";
  return {};
}

namespace {
// A heading as spoken: a class "50-60" as "50から60", anything else as an expression.
std::u16string SpeakHead(std::u16string_view head) {
  const size_t dash = head.find(u'-');
  if (dash != std::u16string_view::npos && dash > 0 && head[0] >= u'0' && head[0] <= u'9')
    return std::u16string(head.substr(0, dash)) + u"から" + std::u16string(head.substr(dash + 1));
  return SpeakExpression(head);
}
std::u16string Fixed3(double x) { return SpeakNumber(x, 3); }
}  // namespace

std::u16string CCorrelate::Reading() const {
  const bool senior = g_nLevel != 0;
  const int margins = senior ? 7 : 5;
  const correlate::Sums sums = correlate::SumsOf(m_nTable);
  const correlate::Margin& y = sums.maths;
  const correlate::Margin& x = sums.science;
  Speech r;
  r << u"下の表は、数学と理科の得点を人数で表した相関表である。縦が数学 Y、横が理科 X";
  // Mathematics classes row by row, each with its margin; then the science margin rows.
  std::vector<std::u16string> heads{u"数学"};
  for (int j = 0; j < kClasses + margins; ++j) heads.push_back(SpeakHead(kColumnHeads[j]));
  std::vector<std::vector<std::u16string>> rows;
  for (int k = 0; k < kClasses; ++k) {
    std::vector<std::u16string> row{SpeakHead(kRowHeads[k])};
    for (int c = 0; c < kClasses; ++c) row.push_back(SpeakNumber(m_nTable[kClasses * c + k]));
    for (int32_t v : {correlate::ClassValue(k), y.n[k], correlate::Coded(k), y.nu[k], y.nu2[k],
                      y.cross[k], y.ucross[k]})
      if (row.size() < heads.size()) row.push_back(SpeakNumber(v));
    rows.push_back(row);
  }
  for (int m = 0; m < margins; ++m) {
    std::vector<std::u16string> row{SpeakHead(kRowHeads[kClasses + m])};
    for (int c = 0; c < kClasses; ++c) {
      const int32_t v[] = {correlate::ClassValue(c),
                           x.n[c],
                           correlate::Coded(c),
                           x.nu[c],
                           x.nu2[c],
                           x.cross[c],
                           x.ucross[c]};
      row.push_back(SpeakNumber(v[m]));
    }
    rows.push_back(row);
  }
  r << SpeakTable(heads, rows);
  auto totals = [&](const correlate::Margin& t) {
    std::u16string s = Say(u"度数f %d、%s %d、%s %d", t.total, &t == &y ? u"fy" : u"fx", t.sumU,
                           SpeakPower(&t == &y ? u"fy" : u"fx", u"2"), t.sumU2);
    if (senior) s += Say(u"、シグマ %d、%d", t.sumCross, t.sumUCross);
    return s;
  };
  r << u"計は、数学 " + totals(y) + u"。理科 " + totals(x);
  if (!senior) {
    r << u"(1)数学と理科の得点の平均を求めよ";
    r << Say(u"数学の平均 イコール 75たす10かける%s イコール %s",
             SpeakFraction(SpeakNumber(y.sumU), SpeakNumber(y.total)),
             SpeakNumber(correlate::MeanScore(y.sumU, y.total), 1));
    r << Say(u"理科の平均 イコール 75たす10かける%s イコール %s",
             SpeakFraction(SpeakNumber(x.sumU), SpeakNumber(x.total)),
             SpeakNumber(correlate::MeanScore(x.sumU, x.total), 1));
    r << u"(2) 数学の得点が理科の得点より高いといえる人は何人か";
    r << SpeakExpression(correlate::BetterInMathsLine(m_nTable)) + u"人";
    return r;
  }
  const correlate::Coefficient k = correlate::CoefficientOf(sums);
  r << u"相関係数 r イコール、sx かける sy 分の、N分の1 シグマ xi かける yi、ひく xバー かける "
       u"yバー";
  r << u"r 大なり 0.5のとき、正の相関がある。r 小なり マイナス0.5のとき、負の相関がある";
  r << u"(1) 数学と理科の得点に相関があるといえるか";
  r << Say(u"xバー イコール %s イコール %s",
           SpeakFraction(SpeakNumber(x.sumU), SpeakNumber(x.total)), Fixed3(k.xbar));
  r << Say(u"yバー イコール %s イコール %s",
           SpeakFraction(SpeakNumber(y.sumU), SpeakNumber(y.total)), Fixed3(k.ybar));
  r << Say(u"%s イコール %sひく%s イコール %s", SpeakPower(u"sx", u"2"),
           SpeakFraction(SpeakNumber(x.sumU2), SpeakNumber(x.total)),
           SpeakPower(Fixed3(k.xbar), u"2"), Fixed3(k.sx2));
  r << Say(u"%s イコール %sひく%s イコール %s", SpeakPower(u"sy", u"2"),
           SpeakFraction(SpeakNumber(y.sumU2), SpeakNumber(y.total)),
           SpeakPower(Fixed3(k.ybar), u"2"), Fixed3(k.sy2));
  if (!k.hasR) {
    r << u"相関係数は計算できません";
    return r;
  }
  r << Say(u"r イコール、%s分の、%sひく%sかける%s イコール %s",
           SpeakRoot(Fixed3(k.sx2) + u"かける" + Fixed3(k.sy2)),
           SpeakFraction(SpeakNumber(x.sumUCross), SpeakNumber(x.total)), Fixed3(k.xbar),
           Fixed3(k.ybar), Fixed3(k.r));
  r << correlate::Verdict(k.r);
  return r;
}

}  // namespace vl
