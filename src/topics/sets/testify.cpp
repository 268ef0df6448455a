#include "topics/sets/testify.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "notation/notation.h"
#include "notation/reading.h"

namespace vl {

namespace {
constexpr int kList = 142;

constexpr Color kCyan = Rgb(0, 255, 255);
constexpr Color kMagenta = Rgb(255, 0, 255);

constexpr MessageEntry<CTestify> kMessages[] = {
    {kList, kCbnSelEndOk, &CTestify::OnSelectItem},
    {133, kBnClicked, &CTestify::OnDrill},
};

// Truncation toward zero, as the page's integer positions take it.
int Trunc(double v) { return static_cast<int>(v); }

void Circle(Dc& dc, Point c, int r) { dc.Ellipse(c.x - r, c.y - r, c.x + r, c.y + r); }

// The whole outline of a circle: an arc from its leftmost point back to itself.
void CircleOutline(Dc& dc, const Rect& box) {
  const int midY = (box.top + box.bottom) / 2;
  dc.Arc(box.left, box.top, box.right, box.bottom, box.left, midY, box.left, midY);
}
}  // namespace

CTestify::CTestify(Window* parent) : TopicDialog(112, parent) {}

bool CTestify::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

bool CTestify::OnInitDialog() {
  UnitsFromClient(42, 14);
  if (m_nMode == kSetsMode) SetWindowText(u"集合の基礎");
  // Every item text sorts after the one before it, so the sorted list keeps this order.
  for (std::u16string_view item : TestifyItems(m_nMode)) ComboAddString(kList, item);
  m_nChoice = 0;
  ComboSetCurSel(kList, 0);
  return true;
}

void CTestify::OnSelectItem() {
  m_nChoice = static_cast<int16_t>(ComboGetCurSel(kList));
  Invalidate(true);
}

void CTestify::OnDrill() {
  auto drill = TestifyDrill(m_nMode, m_nChoice);
  if (!drill) {
    MessageBox(kNoDrillMessage);
    return;
  }
  m_nDrillTopic = drill->code;
  m_nDrillItem = drill->item;
  RunDrill(m_nDrillTopic, m_nDrillItem);
}

void CTestify::OnPaint(Dc& dc) {
  dc.SetBkMode(BkMode::kTransparent);
  for (auto& line : m_szLines) line.Clear();
  if (m_nMode == kSetsMode) {
    DrawSetPage(dc);
    return;
  }
  const int x = m_nUnitX, y = m_nUnitY;
  {
    auto pen = dc.SelectPen(SolidPen(PaletteIndex(m_nChoice + 5)));
    DrawEmblem(dc, {30 * x, 6 * y, 42 * x, 12 * y});
  }
  if (m_nChoice == 0)
    DrawOpening(dc);
  else
    DrawProofPage(dc);
}

const Region& CTestify::Emblem(const Rect& box) {
  if (!emblem_ || emblem_->first != box) emblem_.emplace(box, EmblemRegion(box));
  return emblem_->second;
}

const Region& CTestify::Hatched(int item, const SetDiagram& d) {
  if (!hatched_ || std::get<0>(*hatched_) != item || std::get<1>(*hatched_) != d.universe)
    hatched_.emplace(item, d.universe, SetPageRegion(item, d));
  return std::get<2>(*hatched_);
}

void CTestify::DrawEmblem(Dc& dc, const Rect& box) {
  const int w = box.Width(), h = box.Height();
  const int cx = box.left + w / 2, cy = box.top + h / 2;
  // Rays from the centre, one per degree, clipped to the four lobes.
  const Region& lobes = Emblem(box);
  dc.SelectClipRegion(&lobes);
  const double length = std::sqrt((w / 2.0) * (w / 2.0) + (h / 2.0) * (h / 2.0));
  constexpr double kStep = 0.017453277777777776;
  for (double a = 0; a < 6.28318; a += kStep) {
    dc.MoveTo(cx, cy);
    dc.LineTo(cx + Trunc(std::cos(a) * length + 0.5), cy + Trunc(0.5 - std::sin(a) * length));
  }
  dc.SelectClipRegion(nullptr);
  // Twelve small circles on a ring.
  const int q = (w / 2) / 2;
  for (int deg = 0; deg < 360; deg += 30) {
    const double a = Radians(deg);
    Circle(dc, {cx + Trunc(std::cos(a) * q), cy - Trunc(std::sin(a) * q)}, q / 6);
  }
}

void CTestify::DrawOpening(Dc& dc) {
  const int x = m_nUnitX, y = m_nUnitY;
  const Point face{5 * y, 10 * y};
  {
    auto brush = dc.SelectBrush(SolidBrush(colors::kYellow));
    dc.Ellipse(2 * y, 7 * y, 8 * y, 13 * y);
    // The chain of what one doubts: each oval joined back to the cyan chain.
    constexpr std::u16string_view kDoubts[] = {u"物理", u"心理", u"哲学", u"宗教"};
    for (int i = 0; i < 4; ++i) {
      const int v = (4 + 2 * i) * y;
      if (i > 0) dc.LineTo(40 * x, v);
      dc.MoveTo(40 * x, v);
      dc.LineTo(34 * x, (5 + 2 * i) * y);
      dc.Ellipse(40 * x - y, v - y, 41 * x + y, v + y);
      dc.TextOut(39 * x, v - 8, kDoubts[i]);
    }
  }
  {
    auto brush = dc.SelectBrush(SolidBrush(kCyan));
    constexpr std::u16string_view kThings[] = {u"自然", u"心", u"人生", u"神"};
    for (int i = 0; i < 4; ++i) {
      const int v = (5 + 2 * i) * y;
      if (i < 3) {
        dc.MoveTo(12 * y, 11 * y);
        dc.LineTo(34 * x, v);
      }
      dc.Ellipse(34 * x - y, v - y, 35 * x + y, v + y);
      dc.TextOut(33 * x, v - 8, kThings[i]);
    }
  }
  // The halo and the three discs on it.
  const int halo = 13 * y / 2;
  auto onHalo = [&](int deg, int r) {
    const double a = Radians(deg);
    return Point{face.x + Trunc(std::cos(a) * r), face.y - Trunc(std::sin(a) * r)};
  };
  {
    auto pen = dc.SelectPen(SolidPen(kCyan, 12));
    const Point from = onHalo(20, halo), to = onHalo(120, halo);
    dc.Arc(face.x - halo, face.y - halo, face.x + halo, face.y + halo, from.x, from.y, to.x, to.y);
  }
  struct Disc {
    int deg, palette;
    std::u16string_view label;
  };
  constexpr Disc kHaloDiscs[] = {{60, 4, u"定義"}, {90, 5, u"定理"}, {120, 6, u"一般化"}};
  dc.SetTextColor(colors::kWhite);
  for (const auto& d : kHaloDiscs) {
    const Point c = onHalo(d.deg, halo);
    auto brush = dc.SelectBrush(SolidBrush(PaletteIndex(d.palette)));
    Circle(dc, c, 3 * y / 2);
    dc.TextOut(c.x - 2 * x, c.y - 4, d.label);
  }
  // Mouth and eyes: lower halves of circles, from the left point to the right one.
  dc.SetTextColor(colors::kBlack);
  auto lowerHalf = [&dc](Point c, int r) {
    dc.Arc(c.x - r, c.y - r, c.x + r, c.y + r, c.x - r, c.y, c.x + r, c.y);
  };
  lowerHalf({5 * y, 11 * y}, 4 * y / 3);
  lowerHalf({4 * y, 10 * y}, 2 * y / 3);
  lowerHalf({6 * y, 10 * y}, 2 * y / 3);
  dc.SetTextColor(kMagenta);
  for (int deg = 180; deg >= 40; deg -= 10) {
    const Point p = onHalo(deg, 4 * y);
    dc.TextOut(p.x, p.y, u"?");
  }
  // Two speech balloons pointing at the face.
  dc.SetTextColor(colors::kBlack);
  auto balloon = [&](int top) {
    dc.Polygon({{9 * y, top},
                {15 * y, top},
                {15 * y, top + 3 * y},
                {9 * y, top + 3 * y},
                {9 * y, top + y},
                face});
  };
  balloon(10 * y + y / 2);
  dc.TextOut(10 * y, 11 * y, u"我思う。");
  dc.TextOut(10 * y, 12 * y, u"ゆえに、我あり");
  balloon(7 * y);
  dc.TextOut(11 * y, 8 * y, u"公理");
  dc.TextOut(11 * y, 9 * y, u"(疑えない)");
  constexpr struct {
    int cx, cy, palette;
    std::u16string_view label;
  } kSenses[] = {{3, 8, 3, u"形"}, {5, 7, 4, u"色"}, {7, 8, 5, u"時"}};
  dc.SetTextColor(colors::kWhite);
  for (const auto& s : kSenses) {
    const Point c{s.cx * y, s.cy * y};
    auto brush = dc.SelectBrush(SolidBrush(PaletteIndex(s.palette)));
    Circle(dc, c, y);
    dc.TextOut(c.x - 8, c.y - 8, s.label);
  }
  dc.SetTextColor(colors::kBlack);
  dc.TextOut(2 * y, 9 * y, u"どれも確かでない");
}

void CTestify::DrawProofPage(Dc& dc) {
  const int x = m_nUnitX, y = m_nUnitY;
  dc.SetTextColor(colors::kBlack);
  int row = 3;
  for (std::u16string_view line : ProofLines(m_nChoice)) {
    if (!line.empty()) dc.TextOut(x, row * y, line);
    ++row;
  }
  if (m_nChoice == 12) DrawEqualities(dc);
  if (m_nChoice == 13) DrawInequalities(dc);
}

// a²+b²+c² = 0 under "<=> abc=0".
void CTestify::DrawEqualities(Dc& dc) {
  const int x = m_nUnitX, y = m_nUnitY;
  DrawSuperscriptText(u"<=> a", dc, y, 5 * x, 11 * y, u"2");
  DrawSuperscriptText(u"+b", dc, y, 9 * x, 11 * y, u"2");
  DrawSuperscriptText(u"+c", dc, y, 11 * x, 11 * y, u"2");
  dc.TextOut(13 * x, 11 * y, u"= 0");
}

// A² > B², (real)² ≧ 0 and the mean inequality (a+b)/2 ≧ √ab.
void CTestify::DrawInequalities(Dc& dc) {
  const int x = m_nUnitX, y = m_nUnitY;
  const int v = Trunc(10.5 * y);
  DrawSuperscriptText(u"A", dc, y, 17 * x, 5 * y, u"2");
  DrawSuperscriptText(u" > B", dc, y, 19 * x, 5 * y, u"2");
  dc.TextOut(24 * x, 5 * y, u"を示してもよい。");
  // (real)² ≧ 0 continues the row of line (1); where that line runs past its place, the
  // formula moves right so that the two never overprint.
  const int lineEnd = x + dc.GetTextExtent(ProofLines(13)[5]).cx + dc.GetTextExtent(u" ").cx;
  const int realX = std::max(19 * x, lineEnd);
  const int realEnd = realX + DrawSuperscriptText(u"(実数)", dc, y, realX, 8 * y, u"2");
  dc.TextOut(std::max(23 * x, realEnd + dc.GetTextExtent(u" ").cx), 8 * y, u"≧ 0");
  dc.TextOut(5 * x, v, u"───≧");
  dc.TextOut(6 * x, 10 * y, u"a+b");
  dc.TextOut(7 * x, 11 * y, u"2");
  dc.TextOut(13 * x, v, u"ab");
  DrawTallRadical(0, dc, 12 * x, v, u"ab", 1);
  dc.TextOut(15 * x, v, u"（等号は a=bのとき）");
}

void CTestify::DrawSetPage(Dc& dc) {
  const int x = m_nUnitX, y = m_nUnitY;
  const SetDiagram d = MakeSetDiagram(x, y);
  const Rect& u = d.universe;
  dc.Rectangle(u.left, u.top, u.right, u.bottom);
  dc.DrawIcon(0, 11 * y, Icon::kExclamation);

  const SetPageText text = SetPageLines(m_nChoice);
  for (int i = 0; i < 4; ++i) m_szLines[i] = text.lines[i];
  m_szLines[7] = text.line7;
  m_szLines[8] = text.line8;
  DrawSetExtras(dc, d);

  // Only the region of the notion shows the hatching.
  {
    const Region& hatched = Hatched(m_nChoice, d);
    auto brush = dc.SelectBrush(HatchBrush(colors::kRed));
    dc.SelectClipRegion(&hatched);
    dc.Rectangle(u.left, u.top, u.right, u.bottom);
    dc.SelectClipRegion(nullptr);
  }

  CircleOutline(dc, d.BoxA());
  CircleOutline(dc, d.BoxB());
  dc.TextOut(x, 3 * y - y / 2, u"全体集合Ｕ");
  dc.TextOut(4 * y, 4 * y, u"A");
  dc.TextOut(8 * y, 4 * y, u"B");
  if (m_nChoice != 0) dc.TextOut(13 * y, 3 * y, u"<<例>>");

  constexpr int kRows[] = {4, 5, 7, 8};
  for (int i = 0; i < 4; ++i)
    if (!m_szLines[i].empty()) dc.TextOut(13 * y, kRows[i] * y, m_szLines[i]);
  dc.SetTextColor(colors::kBlue);
  if (!m_szLines[7].empty()) dc.TextOut(9 * y, 10 * y, m_szLines[7]);
  if (!m_szLines[8].empty()) {
    dc.TextOut(9 * y, 11 * y, u"=>");
    dc.TextOut(10 * y, 11 * y, m_szLines[8]);
  }
  dc.SetTextColor(colors::kBlack);
}

// The notation each set page writes under the diagram.
void CTestify::DrawSetExtras(Dc& dc, const SetDiagram& d) {
  const int x = m_nUnitX, y = m_nUnitY;
  const int left = 2 * y, row1 = 11 * y, row2 = 12 * y;
  dc.SetTextColor(colors::kBlack);
  // De Morgan's laws: the complement of the left side, the swapped right side, the law in words
  // with red underlines under "または" and "かつ", which swap sides.
  struct Law {
    std::u16string_view left, right, words;
    size_t before;  // characters of the words before the second underline
    std::u16string_view first, second;
  };
  auto deMorgan = [&](const Law& law) {
    dc.TextOut(left, row1, law.left);
    dc.TextOut(left, row1, u"￣￣");
    dc.TextOut(5 * x + left, row1, law.right);
    dc.TextOut(5 * x + left, row1, u"￣ ￣");
    dc.TextOut(left, row2, law.words);
    const int w = dc.GetTextExtent(law.words.substr(0, law.before)).cx;
    dc.SetTextColor(colors::kRed);
    dc.TextOut(3 * y, row2, law.first);
    dc.TextOut(left + w, row2, law.second);
    dc.SetTextColor(colors::kBlack);
  };
  switch (m_nChoice) {
    case 0: dc.TextOut(left, row1, u"ベン図"); break;
    case 1:
      dc.TextOut(left, row1, u"A");
      dc.TextOut(left, row2, u"元のない集合を空集合{}という。");
      dc.TextOut(13 * y + x + 4, 8 * y, u"/");  // strikes the ∈ of line 3 through
      break;
    case 2:
      CircleOutline(dc, d.BoxC());
      dc.TextOut(4 * y, 7 * y - y / 2 - d.radius / 2, u"C");
      dc.TextOut(left, row1, u"C⊂A");
      dc.TextOut(left, row2, u"Cは Aに含まれる。");
      break;
    case 3:
    case 4:
    case 5: {
      // The notation and its words.
      constexpr std::u16string_view kNotation[][2] = {
          {u"A∪B", u"A または B"}, {u"A∩B", u"A かつ B"}, {u"A - B", u"Aで かつ Bでない"}};
      const auto& rows = kNotation[m_nChoice - 3];
      dc.TextOut(left, row1, rows[0]);
      dc.TextOut(left, row2, rows[1]);
      break;
    }
    case 6:
      dc.TextOut(left, row1, u"A");
      dc.TextOut(left, row1, u"￣");
      dc.TextOut(left, row2, u"A でない");
      break;
    case 7:
      deMorgan(
          {u"A∪B=", u"A∩B", u"(AまたはB)でない=(Aでない)かつ(Bでない)", 17, u"＿＿＿", u"＿＿"});
      break;
    case 8:
      deMorgan(
          {u"A∩B=", u"A∪B", u"(AかつB)でない=(Aでない)または(Bでない)", 16, u"＿＿", u"＿＿＿"});
      break;
    default: break;
  }
}

std::u16string CTestify::Reading() const {
  Speech r;
  const auto items = TestifyItems(m_nMode);
  if (m_nChoice >= 0 && static_cast<size_t>(m_nChoice) < items.size())
    r << SpeakExpression(items[m_nChoice]);
  if (m_nMode == kSetsMode) {
    const SetPageText text = SetPageLines(m_nChoice);
    r << u"図は、全体集合Uの中に集合Aと集合B";
    if (m_nChoice != 0) r << u"例";
    for (int i = 0; i < 4; ++i) {
      std::u16string line(text.lines[i]);
      // Item 1 strikes the sign of its last line through: 8 is not an element.
      if (m_nChoice == 1 && i == 3) line[line.find(u'∈')] = u'∉';
      r << SpeakExpression(line);
    }
    r << SpeakExpression(text.line7);
    if (!text.line8.empty()) r << u"斜線の部分は " + SpeakExpression(text.line8);
    static constexpr std::u16string_view kExtras[] = {
        u"ベン図",
        u"元のない集合を空集合という",
        u"Cは集合Aの中にある。C含まれるA。Cは Aに含まれる",
        u"A カップ B、AとBの和集合。A または B",
        u"A キャップ B、AとBの共通部分。A かつ B",
        u"A ひく B。Aで かつ Bでない",
        u"Aバー、Aの補集合。A でない",
        u"A カップ B のバー イコール Aバー キャップ Bバー。(AまたはB)でない イコール (Aでない)"
        u"かつ(Bでない)",
        u"A キャップ B のバー イコール Aバー カップ Bバー。(AかつB)でない イコール (Aでない)"
        u"または(Bでない)",
    };
    if (m_nChoice >= 0 && m_nChoice <= 8) r << kExtras[m_nChoice];
    return r;
  }
  if (m_nChoice == 0) {
    r << u"自然、心、人生、神は、物理、心理、哲学、宗教で疑われる。形、色、時、どれも確かでない";
    r << u"疑えないものは公理。そこから定義、定理、一般化へ。我思う。ゆえに、我あり";
    return r;
  }
  // The explanations run on across their lines; the last two pages list one formula a line.
  std::u16string text;
  for (std::u16string_view line : ProofLines(m_nChoice)) {
    if (m_nChoice >= 12) {
      r << SpeakExpression(line);
      continue;
    }
    text += line;
  }
  r << SpeakExpression(text);
  if (m_nChoice == 12)
    r << u"同値 " + SpeakPower(u"a", u"2") + u"たす" + SpeakPower(u"b", u"2") + u"たす" +
             SpeakPower(u"c", u"2") + u" イコール 0";
  if (m_nChoice == 13) {
    r << SpeakPower(u"A", u"2") + u" 大なり " + SpeakPower(u"B", u"2") + u" を示してもよい";
    r << SpeakPower(u"実数", u"2") + u" 以上 0";
    r << SpeakFraction(u"aたすb", u"2") + u" 以上 " + SpeakRoot(u"ab") +
             u"、等号は a イコール bのとき";
  }
  return r;
}

}  // namespace vl
