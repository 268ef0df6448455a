#include "topics/probability/kakurit2.h"

#include "notation/notation.h"
#include "notation/reading.h"
#include "platform/runtime.h"
#include "topics/probability/die_face.h"
#include "topics/probability/kakurit2_logic.h"

namespace vl {

namespace {
constexpr int kEditTarget = 114;
constexpr int kButtonAlternate = 150;

constexpr MessageEntry<CKakurit2> kMessages[] = {
    {101, kBnClicked, &CKakurit2::OnStart},
    {kButtonAlternate, kBnClicked, &CKakurit2::OnAlternate},
    {133, kBnClicked, &CKakurit2::OnDrill},
};

constexpr Color kHighlightYellow = Rgb(255, 255, 0);
constexpr Color kHighlightRed = Rgb(255, 0, 15);
}  // namespace

CKakurit2::CKakurit2(Window* parent) : TopicDialog(115, parent) {}

bool CKakurit2::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

bool CKakurit2::OnInitDialog() {
  UnitsFromClient(52, 17, 1);
  m_nUnitX = static_cast<int16_t>(m_nUnitX + 2);
  m_nTarget = 8;
  m_bAlternate = 0;
  SetDlgItemText(kEditTarget, u"8");
  if (m_nMode == 1) {
    SetWindowText(u"発想の転換");
    SetDlgItemText(1000, u"不戦勝者が最小になるように、出場者の人数");
    SetDlgItemText(152, u"のﾄｰﾅﾒﾝﾄ試合を組むとき、試合数はいくつか。");
    SetDlgItemText(kButtonAlternate, u"ひらめき");
  }
  return true;
}

void CKakurit2::OnStart() {
  Text<6> text;
  GetDlgItemText(kEditTarget, text);
  std::optional<int16_t> value;
  if (IsUnsignedInteger(text.view()) == 0) value = ReadInt16(text.view());
  if (!value) {
    Refuse(kEditTarget);
    return;
  }
  m_nTarget = *value;
  m_bAlternate = 0;
  Invalidate(true);
}

void CKakurit2::OnAlternate() {
  m_bAlternate = 1;
  Invalidate(true);
}

void CKakurit2::OnDrill() {
  m_nDrillTopic = m_nMode == 1 ? 2782 : 2781;
  RunDrill(m_nDrillTopic);
}

std::string CKakurit2::InvariantViolation() const {
  if (m_nMode != 0 && m_nMode != 1) return "mode is neither 0 nor 1";
  if (m_bAlternate != 0 && m_bAlternate != 1) return "the page flag is neither 0 nor 1";
  return {};
}

void CKakurit2::OnPaint(Dc& dc) {
  dc.SetTextColor(colors::kBlue);
  dc.SetBkMode(BkMode::kTransparent);
  if (m_nMode == 0) {
    dc.TextOut(m_nUnitX, 3 * m_nUnitY, u"２つのさいころの出る目は、全部で");
    if (m_bAlternate)
      PaintUnorderedPairs(dc);
    else
      PaintOutcomes(dc);
    return;
  }
  if (m_nTarget < kMinEntrants || m_nTarget > kMaxEntrants) {
    dc.TextOut(2 * m_nUnitX, 7 * m_nUnitY, u"試合数は６４以内です。");
    return;
  }
  if (m_bAlternate)
    PaintInsight(dc);
  else
    PaintBracket(dc);
}

void CKakurit2::PaintPair(Dc& dc, int x, int y, int a, int b) {
  const int u = m_nUnitX;
  dc.TextOut(x * u, y, u"(");
  DrawDieFace(dc, (x + 1) * u, y, a);
  DrawDieFace(dc, (x + 3) * u, y, b);
  dc.TextOut((x + 5) * u, y, u")");
}

void CKakurit2::Highlight(Dc& dc, Color colour, int row, int length, std::u16string_view text) {
  const int u = m_nUnitX, y = row * m_nUnitY;
  {
    auto pen = dc.SelectPen(SolidPen(colour, 16));
    dc.MoveTo(u, y + 8);
    dc.LineTo(length * u, y + 8);
  }
  dc.TextOut(u, y, text);
}

void CKakurit2::PaintOutcomes(Dc& dc) {
  const int u = m_nUnitX, v = m_nUnitY;
  for (int a = 1; a <= 6; ++a)
    for (int b = 1; b <= 6; ++b) PaintPair(dc, 1 + 6 * (b - 1), (3 + a) * v, a, b);
  dc.TextOut(u, 10 * v, u"6 X 6 = 36通り");
  constexpr std::u16string_view kEqually = u"どの場合も同様に確からしい！";
  Highlight(dc, kHighlightYellow, 11, static_cast<int>(kEqually.size()), kEqually);

  const SumOutcomes o = OutcomesWithSum(m_nTarget);
  FormatText(m_szText, u"目の和が %dになるのは、", m_nTarget);
  dc.TextOut(u, 12 * v, m_szText);
  for (int j = 0; j < o.count; ++j) PaintPair(dc, 1 + 6 * j, 13 * v, o.pairs[j].a, o.pairs[j].b);

  Text<8> count;
  FormatText(count, u"%d", o.count);
  FormatText(m_szText, u"の %s通り。よって", count);
  const int y = 15 * v;
  dc.TextOut(u, y, m_szText);
  dc.TextOut(20 * u, y, u"──");
  dc.TextOut(21 * u + 8, y - 10, count);
  dc.TextOut(21 * u, y + 10, u"36");
  if (!o.Reduces()) return;
  dc.TextOut(24 * u, y, u"=──");
  FormatText(m_szText, u"%d", o.count / o.g);
  dc.TextOut(26 * u + 8, y - 10, m_szText);
  FormatText(m_szText, u"%d", 36 / o.g);
  dc.TextOut(26 * u + 8, y + 10, m_szText);
}

void CKakurit2::PaintUnorderedPairs(Dc& dc) {
  const int u = m_nUnitX, v = m_nUnitY;
  // Only the upper-right triangle of the grid: each unordered pair once.
  for (int a = 1; a <= 6; ++a)
    for (int b = a; b <= 6; ++b) PaintPair(dc, 6 * b - 5, (a + 3) * v, a, b);
  dc.TextOut(u, 10 * v, u"6+5+4+3+2+1 = 21通り");
  constexpr std::u16string_view kHalf = u"(1,1)の起り方は(1,2)の起り方の半分！";
  constexpr std::u16string_view kTwoWays = u"(1,2)の起り方は(1,2),(2,1)の２通りだから。";
  constexpr std::u16string_view kEqually = u"どの起る場合も同様に確からしいことが大切！";
  Highlight(dc, kHighlightYellow, 11, static_cast<int>(kHalf.size()), kHalf);
  Highlight(dc, kHighlightYellow, 12, static_cast<int>(kTwoWays.size()), kTwoWays);
  Highlight(dc, kHighlightRed, 13, static_cast<int>(kEqually.size()) - 1, kEqually);
}

void CKakurit2::PaintInsight(Dc& dc) {
  const int u = m_nUnitX, v = m_nUnitY;
  dc.TextOut(u, 8 * v, u"１試合につき１人が負け出場できなくなり、");
  FormatText(m_szText, u"(%d-1)人が負けて優勝が決まるので、", m_nTarget);
  dc.TextOut(u, 9 * v, m_szText);
  FormatText(m_szText, u"(%d-1)試合が総試合数となる。", m_nTarget);
  dc.TextOut(u, 10 * v, m_szText);
  dc.SetTextColor(colors::kRed);
  dc.TextOut(u, 11 * v, u"(重要)");
  dc.TextOut(3 * u, 12 * v, u"物事を多方向から眺められるように!!");
}

void CKakurit2::PaintBracket(Dc& dc) {
  const int u = m_nUnitX, v = m_nUnitY;
  const Bracket b = MakeBracket(m_nTarget, u);
  const int k = b.k, d = b.spacing, y0 = 6 * v;
  auto line = [&dc](int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
  };

  dc.SetTextColor(colors::kRed);
  FormatText(m_szText, u"%d試合", b.TotalGames());
  dc.TextOut(33 * u, y0 + (k + 1) * v, m_szText);
  dc.SetTextColor(colors::kBlue);

  for (int i = 0; i < b.n; ++i) line(i * d, y0 + k * v, i * d, y0 + (k + 1) * v);

  const int y1 = y0 + k * v, yUp = y0 + (k - 1) * v;
  for (const FirstRoundSlot& s : b.firstRound) {
    if (s.game) line(s.entrant * d, y1, (s.entrant + 1) * d, y1);
    line(s.nodeX, y1, s.nodeX, yUp);
  }
  if (b.firstRoundGames > 0) {
    FormatText(m_szText, u"%d試合", b.firstRoundGames);
    dc.TextOut(33 * u, y1, m_szText);
  }

  // Each later round joins neighbouring nodes one row higher; the final reaches y0 - V.
  int t = k - 2;
  for (std::size_t r = 0; r + 1 < b.rows.size(); ++r, --t) {
    const std::vector<int>& from = b.rows[r];
    const std::vector<int>& to = b.rows[r + 1];
    const int y = y0 + (t + 1) * v;
    for (std::size_t m = 0; m < to.size(); ++m) {
      line(from[2 * m], y, from[2 * m + 1], y);
      line(to[m], y, to[m], y0 + t * v);
    }
    FormatText(m_szText, u"%d試合", static_cast<int>(to.size()));
    dc.TextOut(33 * u, y, m_szText);
  }
}

namespace {
std::u16string SpeakPair(const DicePair& p) { return Say(u"%dの目と%dの目", p.a, p.b); }
}  // namespace

std::u16string CKakurit2::Reading() const {
  Speech r;
  const int n = m_nTarget;
  if (m_nMode == 0) {
    r << Say(u"2つのさいころを投げるとき、出る目の和が%dになる確率を求める", n);
    if (m_bAlternate) {
      r << u"2つのさいころの出る目は、全部で、同じ組を1回ずつ数えると";
      r << u"6たす5たす4たす3たす2たす1 イコール 21通り";
      r << u"しかし、1と1の起り方は、1と2の起り方の半分";
      r << u"1と2の起り方は、1と2、2と1の2通りだから";
      r << u"どの起る場合も同様に確からしいことが大切";
      return r;
    }
    r << u"2つのさいころの出る目は、全部で、6かける6 イコール 36通り";
    r << u"どの場合も同様に確からしい";
    const SumOutcomes o = OutcomesWithSum(n);
    std::u16string pairs;
    for (const DicePair& p : o.pairs) pairs += (pairs.empty() ? u"" : u"、") + SpeakPair(p);
    r << Say(u"目の和が %dになるのは、%sの %d通り", n, pairs, o.count);
    std::u16string p = u"よって確率は " + SpeakFraction(SpeakNumber(o.count), u"36");
    if (o.Reduces())
      p += u" イコール " + SpeakFraction(SpeakNumber(o.count / o.g), SpeakNumber(36 / o.g));
    r << p;
    return r;
  }
  r << Say(
      u"不戦勝者が最小になるように、出場者の人数%d人のトーナメント試合を組むとき、試合数は"
      u"いくつか",
      n);
  if (n < kMinEntrants || n > kMaxEntrants) {
    r << u"試合数は64以内です";
    return r;
  }
  if (m_bAlternate) {
    r << u"1試合につき1人が負け出場できなくなり";
    r << Say(u"%dひく1人が負けて優勝が決まるので、%dひく1試合が総試合数となる", n, n);
    r << u"重要。物事を多方向から眺められるように";
    return r;
  }
  const Bracket b = MakeBracket(n, m_nUnitX);
  std::u16string rounds;
  if (b.firstRoundGames > 0) rounds = Say(u"1回戦 %d試合", b.firstRoundGames);
  for (std::size_t i = 1; i < b.rows.size(); ++i)
    rounds += Say(rounds.empty() ? u"%d試合" : u"、%d試合", static_cast<int>(b.rows[i].size()));
  r << u"トーナメント表で数えると、" + rounds;
  r << Say(u"合計 %d試合", b.TotalGames());
  return r;
}

}  // namespace vl
