// What the Qt tests share: one application object on the offscreen platform, and running a
// piece of test code while a modal window waits.
#pragma once
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QTimer>
#include <cstdlib>
#include <functional>

namespace vl::testing {

inline QApplication& TestApp() {
  if (auto* a = qobject_cast<QApplication*>(QCoreApplication::instance())) return *a;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "qt_tests";
  static char* argv[] = {name, nullptr};
  // Kept for the whole run, as the program keeps its own.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Runs f once the event loop that the next call starts is running (a modal window's loop).
inline void WhenModal(std::function<void()> f) {
  QTimer::singleShot(0, QCoreApplication::instance(), std::move(f));
}

// True when the image holds more than one colour.
inline bool HasContent(const QImage& img) {
  if (img.isNull()) return false;
  const QRgb first = img.pixel(0, 0);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != first) return true;
  return false;
}

}  // namespace vl::testing
