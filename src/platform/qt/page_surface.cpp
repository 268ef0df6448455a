#include "platform/qt/page_surface.h"

#include <QPainter>

#include "platform/qt/qt_dc.h"

namespace vl::qt {

bool PageSurface::Fit(const Window& w, qreal dpr) {
  const Size s = w.ClientSize();
  const QSize want(qMax(1, qRound(s.cx * dpr)), qMax(1, qRound(s.cy * dpr)));
  if (!image_.isNull() && image_.size() == want && image_.devicePixelRatio() == dpr) return false;
  image_ = QImage(want, QImage::Format_RGB32);
  image_.setDevicePixelRatio(dpr);
  image_.fill(background_);
  return true;
}

void PageSurface::Update(Window& w, qreal dpr) {
  const bool fresh = Fit(w, dpr);
  if (!fresh && !w.NeedsPaint()) return;
  const Rect area = fresh ? w.GetClientRect() : w.InvalidArea();
  const bool erase = fresh || w.InvalidErase();
  QPainter p(&image_);
  const QRect qarea(area.left, area.top, area.Width(), area.Height());
  if (erase) p.fillRect(qarea, background_);
  QtDc dc(&p, QRegion(qarea));
  w.Paint(dc);
}

void PageSurface::Redraw(Window& w, qreal dpr) {
  Fit(w, dpr);
  image_.fill(background_);
  QPainter p(&image_);
  QtDc dc(&p);
  w.DrawTo(dc);
}

void PaintInPlace(QPainter& p, Window& w, const QRegion& asked, QColor background) {
  const Rect inv = w.InvalidArea();
  const bool own =
      w.NeedsPaint() && (asked - QRegion(inv.left, inv.top, inv.Width(), inv.Height())).isEmpty();
  if (!own || w.InvalidErase())
    for (const QRect& r : asked) p.fillRect(r, background);
  QtDc dc(&p, asked);
  w.Paint(dc);
}

void WindowTimers::Sync() {
  const auto& want = window_.Timers();
  for (auto it = timers_.begin(); it != timers_.end();) {
    if (!want.count(it->first)) {
      delete it->second;
      periods_.erase(it->first);
      it = timers_.erase(it);
    } else {
      ++it;
    }
  }
  for (const auto& [id, ms] : want) {
    QTimer*& t = timers_[id];
    if (!t) {
      t = new QTimer(owner_);
      const int timerId = id;
      QObject::connect(t, &QTimer::timeout, owner_, [this, timerId] {
        if (!window_.Timers().count(timerId)) return;
        window_.FireTimer(timerId);
        if (after_) after_();
      });
    }
    // A new timer starts; a running one restarts only when its period changed.
    if (!t->isActive() || periods_[id] != ms) {
      periods_[id] = ms;
      t->start(qMax(0, ms));
    }
  }
}

void WindowTimers::StopAll() {
  for (auto& [id, t] : timers_) delete t;
  timers_.clear();
  periods_.clear();
}

}  // namespace vl::qt
