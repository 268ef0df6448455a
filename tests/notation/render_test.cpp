// A sample page of notation, drawn as the pages draw it and written as an SVG picture, so the
// notation can be looked at: set VELORIN_RENDER_DIR to keep notation.svg there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "notation/notation.h"
#include "notation/ops.h"
#include "platform/script/svg.h"

namespace vl {
namespace {

DisplayList SamplePage() {
  PageMembers m;
  m.m_nUnitX = 8;
  m.m_nUnitY = 16;
  RecordingDc dc;
  dc.SetBkMode(BkMode::kTransparent);
  dc.SetTextColor(colors::kBlue);
  const int h = 2 * 16 / 3;  // the size the normal-distribution page passes
  dc.TextOut(24, 40, u"m =");
  DrawIntegralSign(m, dc, h, 48, 40, u"xf(x)");
  DrawSuperscriptText(u"σ", dc, 16, 168, 40, u"2");
  dc.TextOut(192, 40, u"=");
  DrawIntegralSign(m, dc, h, 208, 40, u"(x-m)^2 f(x)");

  dc.SetTextColor(colors::kBlack);
  DrawCombinatorialSymbol(u"C", dc, 16, 40, 100, 5, 3);
  DrawBinomialTerm(16, dc, u"1", m, 100, 100, u"p", u"q");
  dc.TextOut(200, 100, u"2π");
  DrawRadical(u"2π", m, dc, 200, 104, colors::kRed);
  DrawPowerText(dc, m, 280, 100, u"aab");

  dc.SetTextColor(colors::kRed);
  int x = 24;
  for (std::u16string_view f : {u"(a+b)/2=1/(1/a+1/b)", u"-1*(x+1)/2", u"2*x^(2/3)+3^(1/2)",
                                u"1;(a/b);1;2", u"x_1+x_(n+1)<y^n"}) {
    x += DrawFormula(m, dc, x, 170, f, nullptr, 0) + 24;
  }
  return dc.Take();
}

TEST(RenderNotation, SamplePageReadsAsPrinted) {
  const DisplayList ops = SamplePage();
  // Nothing drawn sits left of or above the page, and every message stays away.
  for (const TextOp& t : test::TextsOf(ops)) {
    EXPECT_GE(t.x, 0) << std::string(t.text.begin(), t.text.end());
    EXPECT_GE(t.y, 0);
    EXPECT_EQ(t.text.find(u"誤り"), std::u16string::npos);
    EXPECT_EQ(t.text.find(u"以上"), std::u16string::npos);
  }
  const std::string svg = RenderSvg({640, 240}, ops, nullptr, colors::kWhite);
  EXPECT_NE(svg.find("∫"), std::string::npos);
  const char* dir = std::getenv("VELORIN_RENDER_DIR");
  const std::string path = (dir ? std::string(dir) : ::testing::TempDir()) + "/notation.svg";
  std::ofstream(path) << svg;
}

}  // namespace
}  // namespace vl
