#include "platform/qt/qt_dc.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QPainter>
#include <functional>

#include "platform/recording_dc.h"
#include "platform/region.h"
#include "qt_support.h"

namespace vl::testing {
namespace {

using qt::QtDc;

constexpr QRgb kWhite = 0xffffffff, kBlack = 0xff000000, kRed = 0xffff0000;

QImage Draw(const std::function<void(Dc&)>& f, int w = 48, int h = 48, qreal dpr = 1,
            QColor bg = Qt::white) {
  TestApp();
  QImage img(QSize(qRound(w * dpr), qRound(h * dpr)), QImage::Format_RGB32);
  img.setDevicePixelRatio(dpr);
  img.fill(bg);
  QPainter p(&img);
  QtDc dc(&p);
  f(dc);
  return img;
}

bool HaveIpaFonts() {
  TestApp();
  const QStringList all = QFontDatabase::families();
  return all.contains("IPAGothic") && all.contains("IPAMincho") && all.contains("IPAPGothic");
}

TEST(QtDcShapes, RectangleAndFillsLeaveRightAndBottomEdgesOut) {
  QImage img = Draw([](Dc& dc) {
    auto pen = dc.SelectPen(SolidPen(colors::kBlack));
    auto brush = dc.SelectBrush(SolidBrush(colors::kRed));
    dc.Rectangle(2, 2, 10, 8);
    auto none = dc.SelectPen(Pen{PenStyle::kNull, 1, colors::kBlack});
    dc.Rectangle(20, 2, 28, 8);
    dc.FillRect({2, 20, 10, 26}, SolidBrush(colors::kBlack));
  });
  // Outline on the first and last row and column inside the rectangle, brush within.
  EXPECT_EQ(img.pixel(2, 2), kBlack);
  EXPECT_EQ(img.pixel(9, 7), kBlack);
  EXPECT_EQ(img.pixel(5, 5), kRed);
  EXPECT_EQ(img.pixel(10, 5), kWhite);
  EXPECT_EQ(img.pixel(5, 8), kWhite);
  // Without a pen the inside is one pixel smaller to the right and below.
  EXPECT_EQ(img.pixel(20, 2), kRed);
  EXPECT_EQ(img.pixel(26, 6), kRed);
  EXPECT_EQ(img.pixel(27, 6), kWhite);
  EXPECT_EQ(img.pixel(26, 7), kWhite);
  // FillRect covers exactly [left, right) x [top, bottom).
  EXPECT_EQ(img.pixel(2, 20), kBlack);
  EXPECT_EQ(img.pixel(9, 25), kBlack);
  EXPECT_EQ(img.pixel(10, 25), kWhite);
  EXPECT_EQ(img.pixel(9, 26), kWhite);
  EXPECT_EQ(img.pixel(1, 20), kWhite);
}

TEST(QtDcShapes, LinesStopBeforeTheirEndPoint) {
  QImage img = Draw([](Dc& dc) {
    dc.MoveTo(2, 5);
    dc.LineTo(12, 5);
    dc.MoveTo(20, 2);
    dc.LineTo(20, 12);
    auto b = dc.SelectBrush(SolidBrush(colors::kRed));
    dc.Polygon({{30, 2}, {40, 2}, {40, 12}, {30, 12}});
  });
  EXPECT_EQ(img.pixel(30, 2), kBlack);
  EXPECT_EQ(img.pixel(40, 12), kBlack);
  EXPECT_EQ(img.pixel(35, 7), kRed);
  EXPECT_EQ(img.pixel(41, 7), kWhite);
  EXPECT_EQ(img.pixel(2, 5), kBlack);
  EXPECT_EQ(img.pixel(11, 5), kBlack);
  EXPECT_EQ(img.pixel(12, 5), kWhite);
  EXPECT_EQ(img.pixel(2, 4), kWhite);
  EXPECT_EQ(img.pixel(2, 6), kWhite);
  EXPECT_EQ(img.pixel(20, 2), kBlack);
  EXPECT_EQ(img.pixel(20, 11), kBlack);
  EXPECT_EQ(img.pixel(20, 12), kWhite);
}

TEST(QtDcShapes, DottedThinPensAndRoundWidePens) {
  QImage img = Draw([](Dc& dc) {
    {
      auto dot = dc.SelectPen(Pen{PenStyle::kDot, 1, colors::kBlack});
      dc.MoveTo(0, 4);
      dc.LineTo(40, 4);
    }
    auto wide = dc.SelectPen(SolidPen(colors::kBlack, 7));
    dc.MoveTo(10, 30);
    dc.LineTo(30, 30);
  });
  int on = 0, off = 0;
  for (int x = 0; x < 39; ++x) (img.pixel(x, 4) == kBlack ? on : off)++;
  EXPECT_GT(on, 10);
  EXPECT_GT(off, 10);
  // A round cap reaches past the end point; a flat one would stop at it.
  EXPECT_EQ(img.pixel(32, 30), kBlack);
  EXPECT_EQ(img.pixel(8, 30), kBlack);
  EXPECT_EQ(img.pixel(20, 26), kWhite);
}

TEST(QtDcShapes, ArcsRunCounterClockwiseAndEqualRadialsDrawTheWholeEllipse) {
  // From 3 o'clock to 12 o'clock: the upper right quarter.
  QImage quarter = Draw([](Dc& dc) { dc.Arc(0, 0, 41, 41, 40, 20, 20, 0); });
  auto anyBlackNear = [](const QImage& img, int cx, int cy) {
    for (int y = cy - 2; y <= cy + 2; ++y)
      for (int x = cx - 2; x <= cx + 2; ++x)
        if (img.pixel(x, y) == kBlack) return true;
    return false;
  };
  EXPECT_TRUE(anyBlackNear(quarter, 34, 6));
  EXPECT_FALSE(anyBlackNear(quarter, 6, 34));
  EXPECT_FALSE(anyBlackNear(quarter, 6, 6));
  QImage whole = Draw([](Dc& dc) { dc.Arc(0, 0, 41, 41, 40, 20, 40, 20); });
  EXPECT_TRUE(anyBlackNear(whole, 34, 6));
  EXPECT_TRUE(anyBlackNear(whole, 6, 34));
  // A pie fills its own quarter only.
  QImage pie = Draw([](Dc& dc) {
    auto b = dc.SelectBrush(SolidBrush(colors::kRed));
    dc.Pie(0, 0, 41, 41, 40, 20, 20, 0);
  });
  EXPECT_EQ(pie.pixel(27, 13), kRed);
  EXPECT_EQ(pie.pixel(13, 27), kWhite);
}

TEST(QtDcShapes, BackDiagonalHatchRisesToTheRight) {
  QImage img = Draw([](Dc& dc) { dc.FillRect({0, 0, 32, 32}, HatchBrush(colors::kBlack)); });
  int black = 0;
  for (int y = 1; y < 31; ++y)
    for (int x = 0; x < 30; ++x)
      if (img.pixel(x, y) == kBlack) {
        ++black;
        EXPECT_EQ(img.pixel(x + 1, y - 1), kBlack) << x << "," << y;
      }
  EXPECT_GT(black, 50);
  EXPECT_LT(black, 32 * 32 / 2);
}

TEST(QtDcClip, SpanRegionsClipAndStayInsideTheRepaintedArea) {
  TestApp();
  QImage img(48, 48, QImage::Format_RGB32);
  img.fill(Qt::white);
  {
    QPainter p(&img);
    QtDc dc(&p, QRegion(0, 0, 30, 48));  // only the left 30 columns are being repainted
    Region circle = Region::FromEllipse({0, 0, 20, 20});
    dc.SelectClipRegion(&circle);
    dc.FillRect({0, 0, 48, 48}, SolidBrush(colors::kRed));
    dc.SelectClipRegion(nullptr);
    dc.FillRect({0, 30, 48, 40}, SolidBrush(colors::kBlack));
  }
  EXPECT_EQ(img.pixel(10, 10), kRed);
  EXPECT_EQ(img.pixel(1, 1), kWhite);  // corner outside the ellipse
  EXPECT_EQ(img.pixel(25, 10), kWhite);
  EXPECT_EQ(img.pixel(29, 35), kBlack);
  EXPECT_EQ(img.pixel(30, 35), kWhite);  // removing the clip does not leave the area
}

TEST(QtDcText, OpaqueTextPaintsItsCellTransparentTextDoesNot) {
  auto draw = [](BkMode mode) {
    return Draw(
        [mode](Dc& dc) {
          dc.SetBkMode(mode);
          dc.TextOut(4, 4, u"ab");
        },
        48, 48, 1, Qt::red);
  };
  QImage opaque = draw(BkMode::kOpaque), clear = draw(BkMode::kTransparent);
  EXPECT_EQ(opaque.pixel(5, 5), kWhite);
  EXPECT_EQ(clear.pixel(5, 5), kRed);
  EXPECT_EQ(opaque.pixel(3, 5), kRed);  // nothing left of the text
}

TEST(QtDcScale, TwiceTheResolutionKeepsEdgesOnWholePixels) {
  QImage img = Draw(
      [](Dc& dc) {
        auto b = dc.SelectBrush(SolidBrush(colors::kRed));
        dc.Rectangle(2, 2, 10, 8);
        dc.MoveTo(2, 15);
        dc.LineTo(10, 15);
      },
      24, 24, 2);
  EXPECT_EQ(img.pixel(4, 30), kBlack);
  EXPECT_EQ(img.pixel(19, 31), kBlack);
  EXPECT_EQ(img.pixel(20, 30), kWhite);
  EXPECT_EQ(img.pixel(4, 29), kWhite);
  EXPECT_EQ(img.pixel(4, 32), kWhite);
  ASSERT_EQ(img.width(), 48);
  // A one-pixel outline is two device pixels thick and sharp: no blended colours.
  EXPECT_EQ(img.pixel(3, 4), kWhite);
  EXPECT_EQ(img.pixel(4, 4), kBlack);
  EXPECT_EQ(img.pixel(5, 5), kBlack);
  EXPECT_EQ(img.pixel(6, 6), kRed);
  EXPECT_EQ(img.pixel(19, 10), kBlack);
  EXPECT_EQ(img.pixel(20, 10), kWhite);
}

// Small ellipses are copied from pictures drawn once; the copies must be the very pixels a
// direct drawing gives, in the right colours, at both ratios and at odd positions.
TEST(QtDcShapes, RepeatedEllipsesMatchDirectDrawing) {
  for (qreal dpr : {1.0, 2.0}) {
    auto ellipses = [](QPainter& p, bool direct) {
      struct Case {
        Rect r;
        Pen pen;
        Brush brush;
      };
      const Case cases[] = {
          {{1, 1, 9, 9}, SolidPen(colors::kBlack), SolidBrush(colors::kRed)},
          {{12, 3, 20, 11}, SolidPen(colors::kBlack), SolidBrush(colors::kBlue)},  // same size
          {{23, 2, 30, 13}, SolidPen(colors::kBlue, 2), HollowBrush()},
          {{3, 14, 10, 21}, Pen{PenStyle::kNull, 1, colors::kBlack}, SolidBrush(colors::kRed)},
          {{13, 15, 19, 20}, SolidPen(colors::kRed), SolidBrush(colors::kRed)},
      };
      QtDc dc(&p);
      for (const Case& c : cases) {
        if (direct) {
          p.setPen(c.pen.style == PenStyle::kNull ? QPen(Qt::NoPen)
                                                  : QPen(qt::ToQColor(c.pen.color), c.pen.width));
          p.setBrush(c.brush.style == BrushStyle::kHollow ? QBrush(Qt::NoBrush)
                                                          : QBrush(qt::ToQColor(c.brush.color)));
          const Rect& r = c.r;
          p.drawEllipse(QRectF(r.left + 0.5, r.top + 0.5, r.Width() - 1, r.Height() - 1));
        } else {
          auto pen = dc.SelectPen(c.pen);
          auto brush = dc.SelectBrush(c.brush);
          dc.Ellipse(c.r.left, c.r.top, c.r.right, c.r.bottom);
        }
      }
    };
    QImage a(qRound(32 * dpr), qRound(24 * dpr), QImage::Format_RGB32);
    a.setDevicePixelRatio(dpr);
    QImage b = a;
    for (auto [img, direct] : {std::pair{&a, true}, std::pair{&b, false}}) {
      img->fill(Qt::white);
      QPainter p(img);
      ellipses(p, direct);
    }
    EXPECT_EQ(a, b) << "ratio " << dpr;
    EXPECT_EQ(b.pixel(qRound(16 * dpr), qRound(7 * dpr)), QColor(Qt::blue).rgb()) << dpr;
    EXPECT_EQ(b.pixel(qRound(5 * dpr), qRound(5 * dpr)), kRed) << dpr;
  }
}

TEST(QtFonts, FaceNamesMapToTheIpaFamilies) {
  using qt::FaceKind;
  EXPECT_EQ(qt::FaceKindOf(u"system"), FaceKind::kGothic);
  EXPECT_EQ(qt::FaceKindOf(u"ＭＳ ゴシック"), FaceKind::kGothic);
  EXPECT_EQ(qt::FaceKindOf(u"MS UI Gothic"), FaceKind::kGothic);
  EXPECT_EQ(qt::FaceKindOf(u"ＭＳ Ｐゴシック"), FaceKind::kPGothic);
  EXPECT_EQ(qt::FaceKindOf(u"ＭＳ 明朝"), FaceKind::kMincho);
  EXPECT_EQ(qt::FaceKindOf(u"ＭＳ　　明朝"), FaceKind::kMincho);
  EXPECT_EQ(qt::FaceKindOf(u"ＭＳ明朝"), FaceKind::kMincho);
  EXPECT_EQ(qt::FaceKindOf(u"MS Serif"), FaceKind::kMincho);
  if (!HaveIpaFonts()) GTEST_SKIP() << "the IPA fonts are not installed";
  EXPECT_EQ(qt::ToQFont(Font{u"ＭＳ 明朝", 20, 400, 128}).family(), "IPAMincho");
  EXPECT_EQ(qt::ToQFont(Font{u"ＭＳ Ｐゴシック", 20, 400, 128}).family(), "IPAPGothic");
  QFont bold = qt::ToQFont(Font{u"system", 24, 700, 0});
  EXPECT_EQ(bold.family(), "IPAGothic");
  EXPECT_EQ(bold.pixelSize(), 24);
  EXPECT_EQ(bold.weight(), QFont::Bold);
}

TEST(QtFonts, MonospacedFacesMeasureAsTheReference) {
  if (!HaveIpaFonts()) GTEST_SKIP() << "the IPA fonts are not installed";
  QtDc dc(nullptr);
  for (const char16_t* face : {u"system", u"ＭＳ ゴシック", u"ＭＳ 明朝"}) {
    for (int h : {12, 16, 20, 24, 32}) {
      Font f{face, h, 400, 128};
      SCOPED_TRACE(h);
      for (const char16_t* s : {u"5*4*3", u"(n-r)!*r! = 10", u"組合せ ｶﾅ abc", u""}) {
        EXPECT_EQ(dc.MeasureText(f, s), ReferenceTextExtent(f, s));
      }
      TextMetrics tm = dc.MeasureMetrics(f), ref = ReferenceMetrics(f);
      EXPECT_EQ(tm.height, ref.height);
      EXPECT_EQ(tm.aveCharWidth, ref.aveCharWidth);
      EXPECT_EQ(tm.externalLeading, 0);
    }
  }
}

}  // namespace
}  // namespace vl::testing
