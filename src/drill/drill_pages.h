// The drill's exercise pages: each draws its problem from the slots and, once the answer is
// shown, the worked answer. Pages never draw random numbers; only the inference page writes a
// slot back (see PaintQuadraticPage).
#pragma once
#include <cstdint>
#include <string_view>

#include "drill/drill_generators.h"
#include "notation/format_text.h"
#include "notation/page_members.h"
#include "platform/dc.h"

namespace vl {

// Everything a page reads: the page members, the slots, the drill code and the answer state.
struct DrillPage : PageMembers, DrillSlots {
  int16_t m_nTopic = 0;
  int32_t m_bShowAnswer = 0;
};

// Paints the page of page.m_nTopic; a code without a page paints nothing.
void PaintDrillPage(Dc& dc, DrillPage& page);

// The quarter circle that sags below the segment PQ, in the current pen.
void DrawChordArc(Dc& dc, Point p, Point q);

// Counting pages.
void PaintRoutesPage(Dc& dc, DrillPage& page);          // 2769
void PaintFiguresPage(Dc& dc, DrillPage& page);         // 2770
void PaintDistinctDigitsPage(Dc& dc, DrillPage& page);  // 2771
void PaintDigitChoicePage(Dc& dc, DrillPage& page);     // 2772
void PaintTrinomialPage(Dc& dc, DrillPage& page);       // 2775
void PaintClosedStreetPage(Dc& dc, DrillPage& page);    // 2777
// Set, logic and proof pages.
void PaintBooksPage(Dc& dc, DrillPage& page);      // 2776
void PaintSetBasicsPage(Dc& dc, DrillPage& page);  // 2787
void PaintQuadraticPage(Dc& dc, DrillPage& page);  // 2778
void PaintProofPage(Dc& dc, DrillPage& page);      // 2779
// Probability pages.
void PaintMultiplePage(Dc& dc, DrillPage& page);   // 2781
void PaintViewpointPage(Dc& dc, DrillPage& page);  // 2782

// Formats a line into the page's scratch text and draws it at (x, y).
template <class... Args>
void PageText(Dc& dc, DrillPage& page, int x, int y, std::u16string_view format,
              const Args&... args) {
  FormatText(page.m_szText, format, args...);
  dc.TextOut(x, y, page.m_szText);
}

}  // namespace vl
