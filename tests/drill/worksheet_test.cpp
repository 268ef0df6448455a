#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "drill/worksheet_layout.h"
#include "platform/script/worksheet_html.h"

namespace vl {
namespace {

struct Placed {
  double left, top, right, bottom;
};

Placed PlacedBounds(const SheetItem& item) {
  const Rect b = OpsBounds(item.ops);
  return {item.left + b.left * item.scale, item.top + b.top * item.scale,
          item.left + b.right * item.scale, item.top + b.bottom * item.scale};
}

std::vector<std::u16string> Labels(const Worksheet& w) {
  std::vector<std::u16string> out;
  for (const SheetPage& p : w.pages)
    for (const SheetItem& item : p.items)
      if (item.scale == 1 && item.ops.size() == 1)
        if (auto* t = std::get_if<TextOp>(&item.ops[0]); t && t->font.height == 16)
          out.push_back(t->text);
  return out;
}

TEST(Worksheet, EveryExerciseIsNumberedOnThePageAndNothingOverlaps) {
  WorksheetOptions o;
  o.count = 40;
  o.seed = 7;
  o.versions = 2;
  const Worksheet w = LayOutWorksheet(o);
  ASSERT_GE(w.pages.size(), 4u);
  for (const SheetPage& page : w.pages) {
    std::vector<Placed> boxes;
    for (const SheetItem& item : page.items) boxes.push_back(PlacedBounds(item));
    for (size_t i = 0; i < boxes.size(); ++i) {
      const Placed& a = boxes[i];
      EXPECT_TRUE(a.left >= 40 && a.top >= 40 && a.right <= kSheetWidth - 40 &&
                  a.bottom <= kSheetHeight - 40)
          << "item " << i << " leaves the printable area";
      for (size_t j = i + 1; j < boxes.size(); ++j) {
        const Placed& b = boxes[j];
        EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
            << "items " << i << " and " << j << " overlap";
      }
    }
  }
  // Each version: the sheet's numbers ①…㊵, then the key's.
  std::vector<std::u16string> expected;
  for (int v = 0; v < 2; ++v)
    for (int part = 0; part < 2; ++part)
      for (int n = 1; n <= 40; ++n) expected.push_back(CircledNumber(n));
  EXPECT_EQ(Labels(w), expected);
}

TEST(Worksheet, KindsComeInBlocksAndEachVersionAndSeedHasItsOwnExercises) {
  WorksheetOptions o;
  o.drills = {2775, 2769};
  o.count = 5;
  o.seed = 12345;
  // Kinds come in blocks, in the order chosen.
  const std::vector<DrillPage> first = WorksheetExercises(o, 0);
  std::vector<int> codes;
  for (const DrillPage& e : first) codes.push_back(e.m_nTopic);
  EXPECT_EQ(codes, (std::vector<int>{2775, 2775, 2775, 2769, 2769}));
  auto answers = [](const std::vector<DrillPage>& ex) {
    std::vector<int> out;
    for (const DrillPage& e : ex) out.push_back(e.m_nAns);
    return out;
  };
  WorksheetOptions other = o;
  other.seed = 12346;
  other.count = 40;
  o.count = 40;
  EXPECT_NE(answers(WorksheetExercises(o, 0)), answers(WorksheetExercises(other, 0)));
  EXPECT_NE(answers(WorksheetExercises(o, 0)), answers(WorksheetExercises(o, 1)));
}

TEST(Worksheet, DrillListsAreReadStrictly) {
  std::string why;
  EXPECT_EQ(ParseDrillList("2769,2775", why), (std::vector<int>{2769, 2775}));
  for (const char* bad : {"", "2769,", "2769,,2775", "2768", "2769,2769", "27x9", " 2769"}) {
    why.clear();
    EXPECT_FALSE(ParseDrillList(bad, why)) << bad;
    EXPECT_FALSE(why.empty()) << bad;
  }
}

TEST(Worksheet, HtmlIsOneA4SheetPerPageWithTheTitleEscaped) {
  WorksheetOptions o;
  o.count = 3;
  o.title = u"<小テスト & 復習>";
  const Worksheet w = LayOutWorksheet(o);
  const std::string html = WorksheetHtml(w);
  EXPECT_NE(html.find("@page { size: A4 portrait"), std::string::npos);
  EXPECT_NE(html.find("<title>&lt;小テスト &amp; 復習&gt;</title>"), std::string::npos);
  size_t sheets = 0;
  for (size_t at = 0; (at = html.find("<svg class=\"sheet\"", at)) != std::string::npos; ++at)
    ++sheets;
  EXPECT_EQ(sheets, w.pages.size());
  EXPECT_NE(html.find("①"), std::string::npos);
}

}  // namespace
}  // namespace vl
