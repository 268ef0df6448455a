#include "topics/sets/testify_logic.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(TestifyItems, ProofListHasAPromptThenThirteenItemsSetListNine) {
  auto proof = TestifyItems(kProofMode);
  ASSERT_EQ(proof.size(), 14u);
  EXPECT_EQ(proof[0], u"      項目を選択して下さい。");
  EXPECT_EQ(proof[8], u"(08)  間接証明法 (背理法)");
  EXPECT_EQ(proof[13], u"(13)  不等式の証明");
  auto sets = TestifyItems(kSetsMode);
  ASSERT_EQ(sets.size(), 9u);
  EXPECT_EQ(sets[0], u"(01)  集合の表し方");
  EXPECT_EQ(sets[8], u"(09)  ド・モルガンの法則（２）");
  // The list keeps its items sorted; these texts must already be in sorted order so that
  // the list shows them by position.
  for (auto items : {proof, sets})
    for (size_t i = 1; i < items.size(); ++i) EXPECT_LT(items[i - 1], items[i]) << i;
}

TEST(TestifyDrill, SetItemsAlwaysDrillProofOnlyFromItemEight) {
  for (int item = 0; item <= 8; ++item)
    EXPECT_EQ(TestifyDrill(kSetsMode, item), (DrillChoice{2787, static_cast<int16_t>(item)}));
  for (int item = 0; item < 8; ++item) EXPECT_FALSE(TestifyDrill(kProofMode, item)) << item;
  for (int item = 8; item <= 13; ++item)
    EXPECT_EQ(TestifyDrill(kProofMode, item), (DrillChoice{2779, static_cast<int16_t>(item)}));
}

TEST(ProofLines, EveryItemHasItsPageAndOthersNone) {
  EXPECT_TRUE(ProofLines(0).empty());
  EXPECT_TRUE(ProofLines(14).empty());
  EXPECT_EQ(ProofLines(1).size(), 6u);
  EXPECT_EQ(ProofLines(1)[0], u" 証明はすべての人に対して有効でなければならない。");
  EXPECT_EQ(ProofLines(11).back(), u"する。この証明法を「数学的帰納法」という。");
  EXPECT_EQ(ProofLines(12).size(), 8u);
  EXPECT_EQ(ProofLines(12)[0], u"等式 A=B を示すには ");
  EXPECT_EQ(ProofLines(13)[6], u"  (2) 相加平均≧相乗平均");
}

TEST(EmblemRegion, FourLobesWithoutTheirCommonCentre) {
  const Rect box{330, 120, 462, 240};  // the proof pages' box at units 11 and 20
  const Region r = EmblemRegion(box);
  EXPECT_FALSE(r.Contains({396, 180}));  // the centre lies in both unions: cut away
  EXPECT_TRUE(r.Contains({340, 180}));   // left lobe
  EXPECT_TRUE(r.Contains({452, 180}));   // right lobe
  EXPECT_TRUE(r.Contains({396, 125}));   // top lobe
  EXPECT_TRUE(r.Contains({396, 235}));   // bottom lobe
  EXPECT_FALSE(r.Contains({333, 123}));  // corners of the box stay empty
  EXPECT_FALSE(r.Contains({458, 236}));
  EXPECT_EQ(r.Bounds(), box);
}

TEST(SetPageRegion, HatchesTheRegionOfEachNotion) {
  const SetDiagram d = MakeSetDiagram(11, 20);
  EXPECT_EQ(d.universe, (Rect{11, 60, 240, 200}));
  EXPECT_EQ(d.BoxA(), (Rect{30, 90, 130, 190}));
  EXPECT_EQ(d.BoxB(), (Rect{110, 90, 210, 190}));
  EXPECT_EQ(d.BoxC(), (Rect{55, 115, 105, 165}));
  // One point in each part of the diagram.
  const Point onlyA{45, 140}, both{120, 140}, onlyB{195, 140}, neither{20, 70}, outside{300, 250},
      inC{80, 140};
  struct Case {
    int item;
    bool onlyA, both, onlyB, neither;
  } cases[] = {
      {0, true, true, false, false},  {1, true, true, false, false},  {3, true, true, true, false},
      {4, false, true, false, false}, {5, true, false, false, false}, {6, false, false, true, true},
      {7, false, false, false, true}, {8, true, false, true, true},
  };
  for (const auto& c : cases) {
    const Region r = SetPageRegion(c.item, d);
    EXPECT_EQ(r.Contains(onlyA), c.onlyA) << c.item;
    EXPECT_EQ(r.Contains(both), c.both) << c.item;
    EXPECT_EQ(r.Contains(onlyB), c.onlyB) << c.item;
    EXPECT_EQ(r.Contains(neither), c.neither) << c.item;
    EXPECT_FALSE(r.Contains(outside)) << c.item;
  }
  const Region c = SetPageRegion(2, d);
  EXPECT_TRUE(c.Contains(inC));
  EXPECT_FALSE(c.Contains(onlyA));
  EXPECT_TRUE(SetPageRegion(9, d).IsEmpty());
}

TEST(SetPageLines, ComplementPagesNameTheUniverse) {
  EXPECT_EQ(SetPageLines(0).lines[1], u"例 A ={1,2,3,4,6,12}");
  EXPECT_TRUE(SetPageLines(0).line8.empty());
  EXPECT_TRUE(SetPageLines(5).line7.empty());
  EXPECT_TRUE(SetPageLines(6).lines[2].empty());
  for (int item : {6, 7, 8})
    EXPECT_EQ(SetPageLines(item).line7, u"全体集合Ｕ={16以下の自然数}とすると") << item;
  EXPECT_EQ(SetPageLines(7).line8, u"{5,7,9,10,11,13,14,15}");
}

}  // namespace
}  // namespace vl
