// What a window widget needs around a Window: its page pixels kept between paints, and its
// window timers run as QTimers.
#pragma once
#include <QColor>
#include <QImage>
#include <QObject>
#include <QPainter>
#include <QRegion>
#include <QTimer>
#include <functional>
#include <map>

#include "platform/window.h"

namespace vl::qt {

// The pixels of a window's page. A repaint paints only the invalid area, erasing it first only
// when asked, so that a repaint without erase draws over what is already there.
class PageSurface {
 public:
  explicit PageSurface(QColor background) : background_(background) {}

  // Brings the pixels up to date with the window at this device pixel ratio: paints the invalid
  // area (everything when the size or ratio changed) through Window::Paint.
  void Update(Window& w, qreal dpr);
  // Draws the whole page afresh without counting a paint (for a picture of the window).
  void Redraw(Window& w, qreal dpr);
  const QImage& Image() const { return image_; }
  QColor Background() const { return background_; }

 private:
  bool Fit(const Window& w, qreal dpr);

  QColor background_;
  QImage image_;
};

// Paints a window's page straight onto a widget whose backing store keeps the pixels between
// paints (no second copy of the page). The area the window invalidated is painted as it asked,
// erased or not; an area the toolkit asks for on its own (a new or resized backing store) holds
// nothing yet and is erased and drawn afresh.
void PaintInPlace(QPainter& p, Window& w, const QRegion& asked, QColor background);

// A window's timers as QTimers; fire() runs after each tick.
class WindowTimers {
 public:
  WindowTimers(Window& w, QObject* owner, std::function<void()> afterTick)
      : window_(w), owner_(owner), after_(std::move(afterTick)) {}
  ~WindowTimers() { StopAll(); }
  // Starts, restarts and stops QTimers to match Window::Timers().
  void Sync();
  void StopAll();

 private:
  Window& window_;
  QObject* owner_;
  std::function<void()> after_;
  std::map<int, QTimer*> timers_;  // id -> timer; periods as set
  std::map<int, int> periods_;
};

}  // namespace vl::qt
