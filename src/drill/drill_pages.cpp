#include "drill/drill_pages.h"

namespace vl {

void PaintDrillPage(Dc& dc, DrillPage& page) {
  switch (page.m_nTopic) {
    case 2769: PaintRoutesPage(dc, page); break;
    case 2770: PaintFiguresPage(dc, page); break;
    case 2771: PaintDistinctDigitsPage(dc, page); break;
    case 2772: PaintDigitChoicePage(dc, page); break;
    case 2775: PaintTrinomialPage(dc, page); break;
    case 2776: PaintBooksPage(dc, page); break;
    case 2777: PaintClosedStreetPage(dc, page); break;
    case 2778: PaintQuadraticPage(dc, page); break;
    case 2779: PaintProofPage(dc, page); break;
    case 2781: PaintMultiplePage(dc, page); break;
    case 2782: PaintViewpointPage(dc, page); break;
    case 2787: PaintSetBasicsPage(dc, page); break;
    default: break;  // no exercise for this code
  }
}

}  // namespace vl
