#include "app/velorin_view.h"

#include <vector>

#include "app/globals.h"
#include "app/view_logic.h"
#include "notation/notation.h"
#include "notation/reading.h"
#include "platform/dc.h"
#include "platform/runtime.h"

namespace vl {

namespace {
constexpr const char16_t* kClassLabels[kClassFrames] = {u"複素数Ｃ", u"実数Ｒ", u"有理数Ｑ",
                                                        u"整数Ｚ", u"自然数Ｎ"};
constexpr const char16_t* kClassDefinitions[kClassFrames] = {
    u"%s={a+bi |a,bは実数}", u"%s={有理数と無理数}", u"%s={m/n |m,nは整数,n≠0}",
    u"%s={･･･,-3,-2,-1,0,1,2,3,･･･}", u"%s={1,2,3,･･･}"};
// The definitions as they are spoken, in the same order.
constexpr const char16_t* kClassSpoken[kClassFrames] = {
    u"%sは、a たす b i、ただし a、bは実数", u"%sは、有理数と無理数",
    u"%sは、n分のm、ただし m、nは整数、nは0でない",
    u"%sは、…、マイナス3、マイナス2、マイナス1、0、1、2、3、…", u"%sは、1、2、3、…"};
}  // namespace

// The view starts on the diagram's outermost class with no puzzle dealt.
CVelorinView::CVelorinView() {
  g_nViewState = 0;
  for (Point& cell : g_ptTile) cell = {};
}

void CVelorinView::OnDraw(Dc& dc) {
  TextMetrics tm = dc.GetTextMetrics();
  m_nUnitX = static_cast<int16_t>(tm.aveCharWidth);
  m_nUnitY = static_cast<int16_t>(tm.height + tm.externalLeading);
  dc.DrawIcon(10, 10, Icon::kApplication);
  if (g_bPuzzle)
    DrawPuzzle(dc);
  else
    DrawDiagram(dc);
}

void CVelorinView::DrawDiagram(Dc& dc) {
  dc.TextOut(60, 20, u"数の分類 (枠内をクリック)");
  for (int k = 0; k < kClassFrames; ++k) {
    Rect r = ClassFrame(k);
    auto brush = dc.SelectBrush(SolidBrush(PaletteIndex(6 + k)));
    dc.Rectangle(r.left, r.top, r.right, r.bottom);
  }
  // Each label sits on the top edge of its frame, on its own white background.
  for (int k = 0; k < kClassFrames; ++k) dc.TextOut(90 + 20 * k, 70 + 20 * k, kClassLabels[k]);
  dc.SetBkMode(BkMode::kTransparent);
  dc.TextOut(100, 280, u"虚数  i");
  dc.TextOut(400, 160, u"無理数");
  dc.TextOut(400, 180, u"  π");
  dc.TextOut(420, 200, u"3");
  DrawRadical(u"3", *this, dc, 420, 202, colors::kBlack);

  if (g_nViewState >= 0 && g_nViewState < kClassFrames) {
    FormatText(m_szText, kClassDefinitions[g_nViewState], kClassLabels[g_nViewState]);
    dc.TextOut(190, 320, m_szText.view());
    if (g_nViewState == 0) {
      dc.TextOut(500, 320, u"i=  -1");
      DrawRadical(u"-1", *this, dc, 522, 322, colors::kBlack);
    }
  }
}

void CVelorinView::DrawPuzzle(Dc& dc) {
  dc.TextOut(280, 120, u"黒の回りをクリックして、");
  dc.TextOut(280, 160, u"１から１５を並べます。");
  FormatText(m_szText, u"移動回数： %d回", g_nViewState);
  dc.TextOut(280, 200, m_szText.view());
  dc.SetBkMode(BkMode::kTransparent);
  // No grid and no frame: the coloured cells are the board.
  for (int i = 0; i < 16; ++i) {
    Rect cell = CellRect(g_ptTile[i]);
    dc.FillRect(cell, SolidBrush(PaletteIndex(i)));
    if (i == 0) continue;
    dc.SetTextColor(i < 7 ? colors::kWhite : colors::kBlack);
    FormatText(m_szText, u"%2d", i);
    dc.TextOut(cell.left + 12, cell.top + 12, m_szText.view());
  }
}

void CVelorinView::StartPuzzle() {
  g_nViewState = 0;
  g_bPuzzle = 1;
  Srand(static_cast<uint32_t>(Time()));
  DealSolvableTiles(g_ptTile);
  Invalidate(true);
}

void CVelorinView::OnLButtonDown(Point p) {
  if (!g_bPuzzle) {
    g_nViewState = HitClassFrame(p, g_nViewState);
    if (g_nViewState < kClassFrames) Invalidate(true);
    return;
  }
  PuzzleClick click = ClickTile(g_ptTile, p);
  if (click == PuzzleClick::kIgnored) return;
  if (click == PuzzleClick::kNoTile) MessageBox(u"パズルの数が異常になりました。");
  // The counter stops at the largest value it can hold instead of turning negative.
  if (g_nViewState < INT16_MAX) ++g_nViewState;
  Invalidate(true);
}

std::u16string CVelorinView::Reading() const {
  Speech r;
  if (!g_bPuzzle) {
    r << u"数の分類、枠内をクリック";
    std::u16string frames;
    for (int k = 0; k < kClassFrames; ++k)
      frames += k ? Say(u"の中に%s", kClassLabels[k]) : kClassLabels[k];
    r << frames;
    r << u"枠の外に虚数 i、実数の中に無理数 パイ、" + SpeakRoot(u"3");
    if (g_nViewState >= 0 && g_nViewState < kClassFrames) {
      r << Say(kClassSpoken[g_nViewState], kClassLabels[g_nViewState]);
      if (g_nViewState == 0) r << u"i イコール " + SpeakRoot(u"マイナス1");
    }
    return r;
  }
  r << u"黒の回りをクリックして、1から15を並べます";
  r << Say(u"移動回数 %d回", g_nViewState);
  // The board row by row; tile 0 is the black gap.
  std::vector<std::vector<std::u16string>> rows(4, std::vector<std::u16string>(4));
  for (int i = 0; i < 16; ++i) {
    const Point c = g_ptTile[i];
    if (c.y >= 0 && c.y < 4 && c.x >= 0 && c.x < 4) rows[c.y][c.x] = i ? SpeakNumber(i) : u"黒";
  }
  r << SpeakTable({}, rows);
  return r;
}

}  // namespace vl
