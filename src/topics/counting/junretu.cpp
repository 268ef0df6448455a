#include "topics/counting/junretu.h"

#include <cmath>
#include <vector>

#include "notation/notation.h"
#include "notation/reading.h"
#include "platform/runtime.h"
#include "topics/counting/counting_input.h"

namespace vl {

namespace {
constexpr int kEditN = 105;
constexpr int kEditR = 106;
constexpr int kStaticTake = 152;

constexpr MessageEntry<CJunretu> kMessages[] = {
    {101, kBnClicked, &CJunretu::OnStart},
    {161, kBnClicked, &CJunretu::OnCircular},
    {133, kBnClicked, &CJunretu::OnDrill},
};
}  // namespace

CJunretu::CJunretu(Window* parent) : TopicDialog(103, parent) {}

bool CJunretu::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

bool CJunretu::OnInitDialog() {
  UnitsFromClient(48, 18);
  Srand(static_cast<uint32_t>(Time()));
  m_nN = 2;
  m_nR = 2;
  SetDlgItemText(kEditN, u"2");
  SetDlgItemText(kEditR, u"2");
  m_bCircular = 0;
  return true;
}

void CJunretu::OnStart() { Accept(false); }

void CJunretu::OnCircular() { Accept(true); }

void CJunretu::OnDrill() { RunDrill(2771); }

void CJunretu::Accept(bool circular) {
  TwoCounts in = ReadTwoCounts(*this, kEditN, kEditR, CheckArrangement);
  if (!in.Accepted()) return;
  m_nN = in.first;
  m_nR = in.second;
  // The page kind changes only with accepted entries, so static 152 always names what is drawn.
  m_bCircular = circular ? 1 : 0;
  FormatText(m_szText, u"個をとって%sに並べる", m_bCircular ? u"円形" : u"１列");
  SetDlgItemText(kStaticTake, m_szText);
  Invalidate(true);
}

void CJunretu::OnPaint(Dc& dc) {
  const int u = m_nUnitX, v = m_nUnitY, n = m_nN, r = m_nR;
  {
    auto brush = dc.SelectBrush(SolidBrush(colors::kYellow));
    dc.Rectangle(2 * u, 13 * v, 36 * u, 17 * v + 8);
  }
  dc.SetBkMode(BkMode::kTransparent);
  dc.SetTextColor(Rgb(255, 0, 255));
  dc.TextOut(4 * u, 14 * v - 8, u"<<■に入る場合の数>>");

  // A fresh colour for every slot at every paint; the circles reuse them.
  std::vector<Color> colours;
  for (int i = 0; i < r; ++i) {
    colours.push_back(PaletteIndex(SlotColourIndex(Rand())));
    FormatText(m_szText, u"%2d", n - i);
    dc.TextOut(4 * u + 3 * u * i, 15 * v - 2, m_szText);
    dc.FillRect({4 * u + 3 * u * i, 16 * v, 6 * u + 3 * u * i, 17 * v}, SolidBrush(colours[i]));
  }

  m_szExpr = PermutationFactors(n, r);
  dc.SetTextColor(colors::kBlue);
  if (!m_bCircular) {
    FormatText(m_szText, u" = %ld", Permutations(n, r));
    m_szExpr.Append(m_szText);
    DrawCombinatorialSymbol(u"P", dc, v, 3 * u, 11 * v, n, r);
    dc.TextOut(7 * u, 11 * v, m_szExpr);
    return;
  }

  const int radius = 2 * v;
  const Point left{28 * u, 11 * v}, right{30 * u + 2 * radius, 11 * v};
  for (Point c : {left, right})
    dc.Ellipse(c.x - radius, c.y - radius, c.x + radius, c.y + radius);
  dc.TextOut(28 * u + radius, 9 * v, u"＝");
  dc.SetTextColor(colors::kRed);
  FormatText(m_szText, u"%d通り同じ", r);
  dc.TextOut(28 * u, 8 * v, m_szText);

  // The right circle shows the left arrangement turned by one step.
  const int step = 360 / r;
  auto disc = [&](Point centre, int degrees, Color colour) {
    const double theta = degrees * m_dPi / 180;
    const int x = centre.x + static_cast<int>(std::cos(theta) * radius);
    const int y = centre.y - static_cast<int>(std::sin(theta) * radius);
    auto brush = dc.SelectBrush(SolidBrush(colour));
    dc.Ellipse(x - 5, y - 5, x + 5, y + 5);
  };
  for (int i = 0; i < r; ++i) {
    disc(left, step * i, colours[i]);
    disc(right, step * (i + 1), colours[i]);
  }

  dc.SetTextColor(colors::kBlue);
  FormatText(m_szDivisor, u"/%d", r);
  m_szExpr.Append(m_szDivisor);
  FormatText(m_szText, u" = %ld", Permutations(n, r) / r);
  m_szExpr.Append(m_szText);
  DrawCombinatorialSymbol(u"P", dc, v, 3 * u, 11 * v, n, r);
  dc.TextOut(5 * u, 11 * v, m_szDivisor);
  dc.TextOut((5 + static_cast<int>(m_szDivisor.size())) * u, 11 * v, m_szExpr);
}


std::string CJunretu::InvariantViolation() const {
  if (m_nN < 1 || m_nN > 10) return "n outside 1..10";
  if (m_nR < 1 || m_nR > m_nN) return "r outside 1..n";
  if (m_bCircular != 0 && m_bCircular != 1) return "circular flag neither 0 nor 1";
  return {};
}

std::u16string CJunretu::Reading() const {
  const int n = m_nN, k = m_nR;
  const int32_t p = Permutations(n, k);
  Speech r;
  r << Say(u"%d個のものから%d個をとって1列に並べる、並べ方は何通りか", n, k);
  if (m_bCircular) r << u"円順列";
  std::u16string slots;
  for (int i = 0; i < k; ++i) slots += Say(i ? u"、%d" : u"%d", n - i);
  r << u"■に入る場合の数は、左から " + slots;
  const std::u16string symbol = SpeakSymbol(u'P', n, k);
  const std::u16string product = SpeakExpression(PermutationFactors(n, k).substr(1));
  if (!m_bCircular) {
    r << Say(u"%s イコール %s イコール %d", symbol, product, p);
    r << Say(u"答え %d通り", p);
    return r;
  }
  r << Say(u"円に並べると、回して重なる並べ方が%d通り同じなので、%dでわる", k, k);
  r << Say(u"%sわる%d イコール %sわる%d イコール %d", symbol, k, product, k, p / k);
  r << Say(u"答え %d通り", p / k);
  return r;
}

}  // namespace vl
