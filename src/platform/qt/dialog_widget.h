// A Dialog shown as a QDialog: the controls built from its state, the page painted beneath
// them, user input handed to the Dialog's User* methods and program changes mirrored back.
#pragma once
#include <QDialog>
#include <QEventLoop>
#include <vector>

#include "platform/qt/page_surface.h"
#include "platform/window.h"

namespace vl::qt {

class DialogWidget : public QDialog, public WindowPeer {
 public:
  // live: the widget is the dialog's peer and feeds it input; otherwise it only shows the
  // dialog's state (a picture of a dialog another host runs).
  DialogWidget(Dialog& dlg, QWidget* owner, const QFont& font, bool live);
  ~DialogWidget() override;

  Dialog& dialog() { return dlg_; }
  // The widget of control index i (nullptr for none).
  QWidget* ControlWidget(int index) const;
  // Runs a nested event loop until the dialog ends (or the application quits).
  void RunLoop();
  // Draws the page afresh at this ratio instead of keeping paints (pictures only).
  void SetPictureRatio(qreal dpr) { pictureRatio_ = dpr; }
  const QImage& PageImage() const { return surface_.Image(); }

  // WindowPeer
  void OnInvalidate(const Rect& area, bool erase) override;
  void OnTimersChanged() override;
  void OnControlChanged(int index) override;
  void OnFocusChanged(int id) override;
  void OnTitleChanged() override;
  void OnEndDialog(int result) override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void reject() override;
  bool eventFilter(QObject* obj, QEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  void Build();
  // Accessible names of the controls: their own text, or the text of the label before them.
  void NameControls();
  void Sync(int index);
  // Enter in an edit box of a dialog with a start button presses that button.
  bool StartsOnEnter(QObject* obj, QEvent* e);


  Dialog& dlg_;
  bool live_;
  std::vector<QWidget*> widgets_;  // by control index
  PageSurface surface_;
  WindowTimers timers_;
  QEventLoop* loop_ = nullptr;
  qreal pictureRatio_ = 0;
  bool syncing_ = false;
};

// Text of a static control as shown: without the no-prefix style "&&" is "&" and a single "&"
// marks a mnemonic, which a static does not show.
QString StaticText(const Control& c);

}  // namespace vl::qt
