#include "platform/qt/qt_main.h"

#include <qdrawutil.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "platform/qt/dialog_widget.h"
#include "platform/qt/main_window.h"
#include "platform/qt/qt_dc.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/worksheet_pdf.h"

#ifdef VELORIN_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace vl::qt {

namespace {

// Fusion, except for two pictures Fusion reads from image files: read that way, Qt loads every
// image-format plugin (SVG among them) on the spot, which start-up and memory pay for. The menu
// bar's overflow button gets a drawn chevron, and the group-box frame is read as the PNG it is.
class AppStyle : public QProxyStyle {
 public:
  AppStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

  QIcon standardIcon(StandardPixmap sp, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (sp != SP_ToolBarHorizontalExtensionButton && sp != SP_ToolBarVerticalExtensionButton)
      return QProxyStyle::standardIcon(sp, option, widget);
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
    if (sp == SP_ToolBarVerticalExtensionButton) {  // pointing down
      p.translate(16, 0);
      p.rotate(90);
    }
    for (qreal x : {4.0, 9.0}) p.drawPolyline(QPolygonF({{x, 4}, {x + 4, 8}, {x, 12}}));
    p.end();
    return QIcon(pm);
  }

  void drawPrimitive(PrimitiveElement pe, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (pe != PE_FrameGroupBox || !painter || !option) {
      QProxyStyle::drawPrimitive(pe, option, painter, widget);
      return;
    }
    // Fusion's frame: its nine-patch picture, below the title line.
    // Kept as an image: a static pixmap would outlive the application object.
    static const QImage frame = [] {
      QImageReader png(
          QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"), "png");
      png.setAutoDetectImageFormat(false);  // no look through the plugins for another reader
      return png.read();
    }();
    constexpr int kTopMargin = 3;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const int top =
        box && !box->isCheckable() && box->title().isEmpty()
            ? kTopMargin
            : qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                  kTopMargin;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                      QPixmap::fromImage(frame));
  }
};

void SetUpApplication() {
  QApplication::setStyle(new AppStyle);
  // Menus, message boxes and the help window write Japanese in the same family as the pages,
  // at the platform's size, instead of mixing a Latin default with a fallback.
  QFont font = QApplication::font();
  font.setFamily(Families().pgothic);  // also reports a missing font at start
  QApplication::setFont(font);
}

// The application object pictures need; made once, on the offscreen platform unless one exists.
QApplication* PictureApplication(int argc, char** argv) {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return app;
  static int s_argc = 1;
  static char s_name[] = "velorin";
  static char* s_argv[] = {argc > 0 ? argv[0] : s_name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Pictures need no session runtime folder; without one Qt only complains on stderr, which
  // a script's caller should not have to read past.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const std::string dir = "/tmp/velorin-runtime-" + std::to_string(getuid());
    if (mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST) qputenv("XDG_RUNTIME_DIR", dir.c_str());
  }
  // Lives until the process ends: later pictures reuse it.
  static QApplication* app = new QApplication(s_argc, s_argv);
  SetUpApplication();
  return app;
}

std::string RenderPng(Window& w, const std::string& file, int scale) {
  const qreal dpr = scale < 1 ? 1 : scale;
  const Size s = w.ClientSize();
  if (s.cx <= 0 || s.cy <= 0) return "the window has no area to draw";
  QImage image(QSize(qRound(s.cx * dpr), qRound(s.cy * dpr)), QImage::Format_RGB32);
  image.setDevicePixelRatio(dpr);
  image.fill(Qt::white);
  if (auto* dlg = dynamic_cast<Dialog*>(&w)) {
    // The font that gives the dialog's layout: its line height is the base unit it was laid
    // out with.
    QFont font = DialogFont(u"system", 10);
    if (const DialogTemplate* t = dlg->Template(); t && t->cy > 0)
      font.setPixelSize(qMax(1, s.cy * 8 / t->cy));
    DialogWidget widget(*dlg, nullptr, font, false);
    widget.SetPictureRatio(dpr);
    widget.render(&image);
  } else {
    ViewWidget widget(w, false, nullptr, nullptr);
    widget.resize(s.cx, s.cy);
    widget.SetPictureRatio(dpr);
    widget.render(&image);
  }
  if (!image.save(QString::fromUtf8(file.c_str()), "PNG")) return "cannot write '" + file + "'";
  return "";
}

// Runs a function once, right after the first paint event of a widget has been handled.
class AfterFirstPaint : public QObject {
 public:
  AfterFirstPaint(QWidget* target, std::function<void()> then)
      : QObject(target), target_(target), then_(std::move(then)) {
    target->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* obj, QEvent* e) override {
    if (obj == target_ && e->type() == QEvent::Paint && then_) {
      target_->removeEventFilter(this);
      // Queued: the paint itself finishes (and reaches the screen) first.
      QTimer::singleShot(0, this, std::exchange(then_, nullptr));
    }
    return false;
  }

 private:
  QWidget* target_;
  std::function<void()> then_;
};

// Opens every registered dialog over the main window, each closed right after its first paint.
void OpenEveryDialog(QtHost& host) {
  host.SetOnDialogShown([](DialogWidget& w) {
    new AfterFirstPaint(&w, [&w] { w.dialog().EndDialog(kIdCancelResult); });
  });
  for (const DialogFactory& f : AllDialogFactories()) f.make()->DoModal();
  host.SetOnDialogShown(nullptr);
}

}  // namespace

std::string NoDisplayReason() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  if (platform.startsWith("wayland"))
    return wayland ? "" : "QT_QPA_PLATFORM asks for Wayland but WAYLAND_DISPLAY is not set";
  // Other platforms named outright (offscreen, vnc, ...) need no display.
  if (!platform.isEmpty() && !platform.startsWith("xcb")) return "";
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) return "no display (DISPLAY is not set)";
#ifdef VELORIN_HAVE_X11
  Display* d = XOpenDisplay(display);
  if (!d) return std::string("cannot open the display '") + display + "'";
  XCloseDisplay(d);
#endif
  return "";
}

int RunGui(int argc, char** argv, Application& app, const GuiOptions& options) {
  const std::string reason = NoDisplayReason();
  if (!reason.empty()) {
    std::fprintf(stderr,
                 "velorin: cannot open a window: %s; use velorin --script FILE to work without "
                 "a display\n",
                 reason.c_str());
    return 1;
  }
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velorin"));
  QApplication::setOrganizationName(QStringLiteral("Orvanel"));
  SetUpApplication();
  QtHost host;
  Host::SetCurrent(&host);
  struct Unset {
    ~Unset() { Host::SetCurrent(nullptr); }
  } unset;
  if (!app.InitInstance()) return 1;
  MainWindow window(app);
  host.SetMainWidget(&window);
  if (options.exitAfterFirstPaint || options.openEveryDialog) {
    QWidget* painted = window.View() ? static_cast<QWidget*>(window.View()) : &window;
    new AfterFirstPaint(painted, [&host, options] {
      if (options.openEveryDialog) OpenEveryDialog(host);
      QApplication::quit();
    });
  }
  window.show();
  // Drawing the icon at five sizes is work the window need not wait for: it follows as soon as
  // the event loop runs, and every window, dialogs included, takes it from the application.
  QTimer::singleShot(0, [] { QApplication::setWindowIcon(AppIcon()); });
  if (app.Exited()) return 0;
  const int rc = QApplication::exec();
  host.SetMainWidget(nullptr);
  return rc;
}

PngRenderer MakePngRenderer(int argc, char** argv) {
  return [argc, argv](Window& w, const std::string& file, int scale) -> std::string {
    PictureApplication(argc, argv);
    return RenderPng(w, file, scale);
  };
}

bool WriteWorksheetFile(int argc, char** argv, const Worksheet& sheet, const std::string& path,
                        std::string& why) {
  PictureApplication(argc, argv);
  return WriteWorksheetPdf(sheet, path, why);
}

}  // namespace vl::qt
