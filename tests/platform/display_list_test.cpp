#include <gtest/gtest.h>

#include "platform/recording_dc.h"
#include "platform/region.h"
#include "platform/script/ops_json.h"
#include "platform/script/svg.h"

namespace vl {
namespace {

// Draws one operation of every kind, with non-default state.
DisplayList EveryOp() {
  RecordingDc dc;
  dc.SetBkMode(BkMode::kTransparent);
  dc.SetTextColor(colors::kBlue);
  dc.TextOut(99, 160, u" 5*4*3");
  {
    auto f = dc.SelectFont(Font{u"MS Serif", 10, 700, 0});
    dc.SetBkMode(BkMode::kOpaque);
    dc.TextOut(1, 2, u"組<&>\"");
  }
  {
    auto p = dc.SelectPen(Pen{PenStyle::kDot, 3, colors::kRed});
    dc.MoveTo(1, 2);
    dc.LineTo(30, 40);
  }
  {
    auto b = dc.SelectBrush(SolidBrush(colors::kYellow));
    dc.Rectangle(10, 10, 50, 40);
  }
  {
    auto b = dc.SelectBrush(HatchBrush(PaletteIndex(5)));
    dc.Ellipse(0, 0, 80, 60);
    dc.Pie(0, 0, 80, 60, 80, 30, 40, 0);
  }
  dc.FillRect({100, 100, 140, 140}, SolidBrush(PaletteIndex(13)));
  {
    auto p = dc.SelectPen(Pen{PenStyle::kNull, 1, colors::kBlack});
    auto b = dc.SelectBrush(HollowBrush());
    dc.Arc(0, 0, 100, 100, 100, 50, 0, 50);
    dc.Polygon({{0, 0}, {10, 0}, {5, 8}});
  }
  dc.DrawIcon(10, 10, Icon::kApplication);
  dc.DrawIcon(20, 10, Icon::kExclamation);
  Region r = Region::Combined(Region::FromRect({0, 0, 10, 10}), Region::FromRect({5, 5, 15, 15}),
                              CombineMode::kOr);
  dc.SelectClipRegion(&r);
  dc.SelectClipRegion(nullptr);
  return dc.Take();
}

TEST(DisplayList, EveryOpSurvivesAJsonRoundTrip) {
  DisplayList ops = EveryOp();
  ASSERT_EQ(ops.size(), 13u);
  std::string text = DisplayListToJson(ops).Dump();
  auto parsed = Json::Parse(text);
  ASSERT_TRUE(parsed);
  ASSERT_EQ(parsed->AsArray().size(), ops.size());
  for (size_t i = 0; i < ops.size(); ++i) {
    auto back = OpFromJson(parsed->AsArray()[i]);
    ASSERT_TRUE(back) << "op " << i;
    EXPECT_EQ(*back, ops[i]) << "op " << i << ": " << parsed->AsArray()[i].Dump();
  }
}

TEST(DisplayList, JsonUsesTheDocumentedFormat) {
  RecordingDc dc;
  dc.SetBkMode(BkMode::kTransparent);
  dc.SetTextColor(colors::kBlue);
  dc.TextOut(99, 160, u" 5*4*3");
  EXPECT_EQ(OpToJson(dc.ops()[0]).Dump(),
            R"({"op":"text","x":99,"y":160,"text":" 5*4*3","color":"#0000ff","opaque":false,)"
            R"("font":{"face":"system","height":16,"weight":400}})");
  dc.Clear();
  dc.SelectClipRegion(nullptr);
  EXPECT_EQ(OpToJson(dc.ops()[0]).Dump(), R"({"op":"clip","rects":null})");
}

TEST(DisplayList, MalformedOpsAreRejected) {
  for (const char* bad : {R"({"op":"blob"})", R"({"op":"line","from":[1],"to":[2,3]})",
                          R"({"op":"text","x":1,"y":2,"text":"a","color":"red","font":{}})",
                          R"({"op":"rectangle","rect":[0,0,1,1],"pen":{"style":"wavy"}})",
                          R"({"op":"clip","rects":7})"}) {
    auto j = Json::Parse(bad);
    ASSERT_TRUE(j) << bad;
    EXPECT_FALSE(OpFromJson(*j)) << bad;
  }
}

TEST(DisplayList, SvgShowsEveryOpAndEscapesText) {
  DisplayList ops = EveryOp();
  std::string svg = RenderSvg({200, 100}, ops, nullptr, colors::kWhite);
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("> 5*4*3<"), std::string::npos);
  EXPECT_NE(svg.find("組&lt;&amp;&gt;&quot;"), std::string::npos);
  for (const char* element : {"<line", "<rect", "<ellipse", "<path", "<polygon", "<clipPath",
                              "icon-application", "icon-exclamation", "url(#hatch800080)"})
    EXPECT_NE(svg.find(element), std::string::npos) << element;
  EXPECT_EQ(svg.find("<\"&"), std::string::npos);
  // Every opened group is closed.
  size_t opened = 0, closed = 0;
  for (size_t p = svg.find("<g"); p != std::string::npos; p = svg.find("<g", p + 1)) ++opened;
  for (size_t p = svg.find("</g>"); p != std::string::npos; p = svg.find("</g>", p + 1)) ++closed;
  EXPECT_EQ(opened, closed);
}

TEST(RecordingDc, ReferenceMetrics) {
  RecordingDc dc;
  EXPECT_EQ(dc.GetTextExtent(u"ab"), (Size{16, 16}));
  EXPECT_EQ(dc.GetTextExtent(u"組合せ"), (Size{48, 16}));
  EXPECT_EQ(dc.GetTextExtent(u"ｱｲ"), (Size{16, 16}));  // half-width katakana
  TextMetrics tm = dc.GetTextMetrics();
  EXPECT_EQ(tm.height, 16);
  EXPECT_EQ(tm.aveCharWidth, 8);
  EXPECT_EQ(tm.externalLeading, 0);
  auto f = dc.SelectFont(Font{u"MS Serif", 10, 700, 0});
  EXPECT_EQ(dc.GetTextExtent(u"a組"), (Size{15, 10}));
}

TEST(Dc, SelectionsRestoreAndOriginShifts) {
  RecordingDc dc;
  {
    auto f = dc.SelectFont(Font{u"MS Serif", 10, 700, 0});
    auto p = dc.SelectPen(SolidPen(colors::kRed, 2));
    EXPECT_EQ(dc.CurrentFont().height, 10);
  }
  EXPECT_EQ(dc.CurrentFont(), Font{});
  EXPECT_EQ(dc.CurrentPen(), Pen{});
  {
    ItemDc item(dc, {100, 50, 200, 90}, true);
    item.dc().MoveTo(0, 0);
    item.dc().LineTo(10, 4);
  }
  dc.TextOut(1, 1, u"x");
  auto& ops = dc.ops();
  ASSERT_EQ(ops.size(), 4u);
  EXPECT_TRUE(std::holds_alternative<ClipOp>(ops[0]));
  EXPECT_EQ(std::get<LineOp>(ops[1]).to, (Point{110, 54}));
  EXPECT_FALSE(std::get<ClipOp>(ops[2]).rects.has_value());
  EXPECT_EQ(std::get<TextOp>(ops[3]).x, 1);
}

}  // namespace
}  // namespace vl
