// Painting a page straight onto a surface that keeps its pixels: what the window invalidated is
// painted as it asked, anything else is erased and drawn afresh.
#include "platform/qt/page_surface.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/dc.h"
#include "qt_support.h"

namespace vl::testing {
namespace {

// Each paint draws a 10 x 10 red square ten pixels right of the one before.
class MovingSquare : public Window {
 protected:
  void DoPaint(Dc& dc) override {
    const int x = 10 * PaintCount();
    dc.FillRect({x, 0, x + 10, 10}, SolidBrush(colors::kRed));
  }
};

TEST(PaintInPlace, KeepsOrErasesAsTheWindowAsked) {
  TestApp();
  const QColor green(0, 255, 0);
  QImage image(100, 20, QImage::Format_RGB32);
  image.fill(green);  // what an untouched backing store might hold
  MovingSquare w;
  w.SetClientSize({100, 20});
  auto paint = [&](const QRegion& asked) {
    QPainter p(&image);
    qt::PaintInPlace(p, w, asked, Qt::white);
  };
  auto at = [&](int x) { return QColor(image.pixel(x, 5)); };

  // Nothing invalidated: the toolkit's own request is erased and drawn whole.
  paint(QRegion(0, 0, 100, 20));
  EXPECT_EQ(at(15), QColor(Qt::red));
  EXPECT_EQ(at(50), QColor(Qt::white));

  // Invalidated without erasing: the old square stays beside the new one.
  w.InvalidateRect({0, 0, 100, 20}, false);
  paint(QRegion(0, 0, 100, 20));
  EXPECT_EQ(at(15), QColor(Qt::red));
  EXPECT_EQ(at(25), QColor(Qt::red));
  EXPECT_FALSE(w.NeedsPaint());

  // Invalidated with erasing: only the new square is left.
  w.InvalidateRect({0, 0, 100, 20}, true);
  paint(QRegion(0, 0, 100, 20));
  EXPECT_EQ(at(25), QColor(Qt::white));
  EXPECT_EQ(at(35), QColor(Qt::red));

  // A request wider than what was invalidated holds unknown pixels: erased, then drawn.
  image.fill(green);
  w.InvalidateRect({0, 0, 10, 10}, false);
  paint(QRegion(0, 0, 100, 20));
  EXPECT_EQ(at(5), QColor(Qt::white));
  EXPECT_EQ(at(45), QColor(Qt::red));
  EXPECT_EQ(at(90), QColor(Qt::white));
}

}  // namespace
}  // namespace vl::testing
