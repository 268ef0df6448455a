#include "platform/region.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

// The two overlapping circles of the set pages: A on the left, B on the right.
class TwoCircles : public ::testing::Test {
 protected:
  Region a = Region::FromEllipse({100, 100, 300, 300});
  Region b = Region::FromEllipse({200, 100, 400, 300});
  const Point onlyA{130, 200};
  const Point onlyB{370, 200};
  const Point both{250, 200};
  const Point neither{250, 110};  // above the lens, inside the bounding boxes of both
  const Point outside{10, 10};

  void Expect(CombineMode mode, bool inA, bool inB, bool inBoth, bool inNeither) {
    Region r = Region::Combined(a, b, mode);
    EXPECT_EQ(r.Contains(onlyA), inA);
    EXPECT_EQ(r.Contains(onlyB), inB);
    EXPECT_EQ(r.Contains(both), inBoth);
    EXPECT_EQ(r.Contains(neither), inNeither);
    EXPECT_FALSE(r.Contains(outside));
  }
};

TEST_F(TwoCircles, PointsBeforeCombining) {
  EXPECT_TRUE(a.Contains(onlyA));
  EXPECT_FALSE(a.Contains(onlyB));
  EXPECT_TRUE(a.Contains(both));
  EXPECT_TRUE(b.Contains(both));
  EXPECT_FALSE(a.Contains(neither));
  EXPECT_FALSE(b.Contains(neither));
}

TEST_F(TwoCircles, Or) { Expect(CombineMode::kOr, true, true, true, false); }
TEST_F(TwoCircles, And) { Expect(CombineMode::kAnd, false, false, true, false); }
TEST_F(TwoCircles, Xor) { Expect(CombineMode::kXor, true, true, false, false); }
TEST_F(TwoCircles, Diff) { Expect(CombineMode::kDiff, true, false, false, false); }

TEST_F(TwoCircles, UniverseLessUnion) {
  Region u = Region::FromRect({50, 50, 450, 350});
  Region outsideBoth = Region::Combined(u, Region::Combined(a, b, CombineMode::kOr),
                                        CombineMode::kDiff);
  EXPECT_TRUE(outsideBoth.Contains(neither));
  EXPECT_TRUE(outsideBoth.Contains({60, 60}));
  EXPECT_FALSE(outsideBoth.Contains(onlyA));
  EXPECT_FALSE(outsideBoth.Contains(both));
  EXPECT_FALSE(outsideBoth.Contains(outside));
}

TEST(Region, RectExcludesRightAndBottomEdges) {
  Region r = Region::FromRect({10, 20, 30, 40});
  EXPECT_TRUE(r.Contains({10, 20}));
  EXPECT_TRUE(r.Contains({29, 39}));
  EXPECT_FALSE(r.Contains({30, 25}));
  EXPECT_FALSE(r.Contains({15, 40}));
  EXPECT_TRUE(Region::FromRect({5, 5, 5, 9}).IsEmpty());
}

TEST(Region, EllipseIsSymmetricAndInsideItsBox) {
  Region e = Region::FromEllipse({0, 0, 41, 21});
  Rect bounds = e.Bounds();
  EXPECT_GE(bounds.left, 0);
  EXPECT_LE(bounds.right, 41);
  EXPECT_GE(bounds.top, 0);
  EXPECT_LE(bounds.bottom, 21);
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 41; ++x)
      EXPECT_EQ(e.Contains({x, y}), e.Contains({40 - x, 20 - y})) << x << "," << y;
}

TEST(Region, RectsMergeRowsIntoBandsAndCoverExactlyTheRegion) {
  Region a = Region::FromRect({0, 0, 10, 10});
  Region b = Region::FromRect({5, 5, 15, 15});
  Region x = Region::Combined(a, b, CombineMode::kXor);
  auto rects = x.Rects();
  EXPECT_EQ(rects.size(), 4u);  // top band, two middle pieces, bottom band
  Region rebuilt;
  for (auto& r : rects) rebuilt = Region::Combined(rebuilt, Region::FromRect(r), CombineMode::kOr);
  EXPECT_EQ(rebuilt, x);
  EXPECT_EQ(x.Offset(3, 4).Bounds(), (Rect{3, 4, 18, 19}));
}

}  // namespace
}  // namespace vl
