// The main window: menu and accelerators from the application's templates, the caption and
// check marks refreshed after every command, and the main view painted and clicked.
#pragma once
#include <QMainWindow>
#include <map>

#include "platform/application.h"
#include "platform/qt/page_surface.h"
#include "platform/window.h"

class QAction;

namespace vl::qt {

// The main view's client area.
class ViewWidget : public QWidget, public WindowPeer {
 public:
  // live: the widget is the view's peer and feeds it input and size; afterInput runs after
  // every click and timer tick.
  ViewWidget(Window& view, bool live, std::function<void()> afterInput, QWidget* parent);
  ~ViewWidget() override;
  void SetPictureRatio(qreal dpr) { pictureRatio_ = dpr; }

  // WindowPeer
  void OnInvalidate(const Rect& area, bool erase) override;
  void OnTimersChanged() override { timers_.Sync(); }
  void OnControlChanged(int) override {}
  void OnFocusChanged(int) override {}
  void OnTitleChanged() override {}
  void OnEndDialog(int) override {}

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  Window& view_;
  bool live_;
  std::function<void()> after_;
  PageSurface surface_;
  WindowTimers timers_;
  qreal pictureRatio_ = 0;
};

// Menu text as shown: the stored U+001E / U+001F markers are not displayed.
QString MenuText(std::u16string_view text);
// The key sequence of an accelerator entry.
QKeySequence AccelKey(const AccelTemplate& a);

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(Application& app);

  // The menu action of a command (nullptr when the menu has none).
  QAction* Action(int id) const;
  // Runs a command as the menu and the accelerators do, then refreshes the frame.
  void Command(int id);
  // Caption and check marks from the application; closes the window once it has exited.
  void Refresh();
  ViewWidget* View() const { return view_; }

 private:
  void BuildMenu();
  void BuildAccelerators();

  Application& app_;
  ViewWidget* view_ = nullptr;
  std::map<int, QAction*> actions_;
};

// The application icon, drawn at several sizes.
QIcon AppIcon();

}  // namespace vl::qt
