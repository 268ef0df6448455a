#include "platform/qt/dialog_widget.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "platform/qt/page_tools.h"
#include "platform/qt/qt_dc.h"
#include "platform/qt/read_aloud.h"

namespace vl::qt {

namespace {

const QColor kDialogFace(240, 240, 240);

// The application icon of an icon control, drawn as the page draws it.
class IconWidget : public QWidget {
 public:
  explicit IconWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    DrawStockIcon(p, 0, 0, Icon::kApplication);
  }
};

// Group boxes and frames are drawn beneath the controls they surround and take no input.
void MakeBackdrop(QWidget* w) {
  w->setAttribute(Qt::WA_TransparentForMouseEvents);
  w->setFocusPolicy(Qt::NoFocus);
}

}  // namespace

QString StaticText(const Control& c) {
  QString t = ToQString(c.text);
  if (c.style & kStyleNoPrefix) return t;
  QString out;
  for (qsizetype i = 0; i < t.size(); ++i) {
    if (t[i] == '&' && i + 1 < t.size())
      ++i;
    else if (t[i] == '&')
      continue;
    out += t[i];
  }
  return out;
}

DialogWidget::DialogWidget(Dialog& dlg, QWidget* owner, const QFont& font, bool live)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      dlg_(dlg),
      live_(live),
      surface_(kDialogFace),
      timers_(dlg, this, nullptr) {
  setFont(font);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kDialogFace);
  setPalette(pal);
  setWindowTitle(ToQString(dlg.Title()));
  const Size s = dlg.ClientSize();
  setFixedSize(s.cx, s.cy);
  if (live_) setWindowModality(Qt::ApplicationModal);
  Build();
  if (live_) {
    // The page menu's read-aloud key works anywhere in the dialog.
    auto* read = new QAction(this);
    read->setShortcut(QKeySequence(QString::fromLatin1(kReadAloudKey)));
    connect(read, &QAction::triggered, this, [this] { ReadPageAloud(this, dlg_); });
    addAction(read);
  }
}

DialogWidget::~DialogWidget() {
  PageSpeaker::Instance().StopFor(this);
  timers_.StopAll();
  if (live_ && dlg_.Peer() == this) dlg_.SetPeer(nullptr);
}

QWidget* DialogWidget::ControlWidget(int index) const {
  if (index < 0 || index >= static_cast<int>(widgets_.size())) return nullptr;
  return widgets_[index];
}

void DialogWidget::Build() {
  auto& controls = dlg_.Controls();
  std::vector<QWidget*> backdrops;
  for (size_t i = 0; i < controls.size(); ++i) {
    const Control& c = controls[i];
    const int id = c.id;
    const int index = static_cast<int>(i);
    QRect r(c.rect.left, c.rect.top, c.rect.Width(), c.rect.Height());
    QWidget* w = nullptr;
    switch (c.kind) {
      case ControlKind::kButton: {
        auto* b = new QPushButton(this);
        b->setAutoDefault(true);
        b->setDefault(c.IsDefault());
        connect(b, &QPushButton::clicked, this, [this, id] {
          if (live_ && !dlg_.Ended()) dlg_.UserPress(id);
        });
        w = b;
        break;
      }
      case ControlKind::kEdit: {
        auto* e = new QLineEdit(this);
        e->setReadOnly(c.style & kStyleReadOnly);
        connect(e, &QLineEdit::textEdited, this, [this, id, index](const QString& s) {
          if (!live_ || dlg_.Ended()) return;
          dlg_.UserType(id, s.toStdU16String());
          // The dialog may have refused part of what was typed.
          if (!dlg_.Ended()) Sync(index);
        });
        w = e;
        break;
      }
      case ControlKind::kStatic: {
        auto* l = new QLabel(this);
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        Qt::Alignment h = (c.style & kStyleCenter)  ? Qt::AlignHCenter
                          : (c.style & kStyleRight) ? Qt::AlignRight
                                                    : Qt::AlignLeft;
        l->setAlignment(h | Qt::AlignTop);
        if (c.style & kStyleBorder) l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        w = l;
        break;
      }
      case ControlKind::kIcon:
        w = new IconWidget(this);
        r.setSize(QSize(32, 32));
        break;
      case ControlKind::kGroup: {
        w = new QGroupBox(this);
        MakeBackdrop(w);
        backdrops.push_back(w);
        break;
      }
      case ControlKind::kRadio: {
        auto* rb = new QRadioButton(this);
        // Groups are runs of consecutive radio buttons, which the dialog keeps itself.
        rb->setAutoExclusive(false);
        connect(rb, &QRadioButton::clicked, this, [this, id, index] {
          if (!live_ || dlg_.Ended()) return;
          dlg_.UserPress(id);
          if (!dlg_.Ended()) Sync(index);
        });
        w = rb;
        break;
      }
      case ControlKind::kCheck: {
        auto* cb = new QCheckBox(this);
        connect(cb, &QCheckBox::clicked, this, [this, id, index] {
          if (!live_ || dlg_.Ended()) return;
          dlg_.UserPress(id);
          if (!dlg_.Ended()) Sync(index);
        });
        w = cb;
        break;
      }
      case ControlKind::kCombo: {
        auto* cb = new QComboBox(this);
        cb->setEditable(false);
        connect(cb, &QComboBox::activated, this, [this, id, index](int item) {
          if (!live_ || dlg_.Ended()) return;
          dlg_.UserSelect(id, item);
          if (!dlg_.Ended()) Sync(index);
        });
        // The template's height includes the dropped list; the closed box is the usual height.
        r.setHeight(qMin(r.height(), cb->sizeHint().height()));
        w = cb;
        break;
      }
      case ControlKind::kFrame: {
        auto* f = new QFrame(this);
        f->setFrameStyle((c.style & kStyleBorder ? QFrame::Panel : QFrame::Box) | QFrame::Sunken);
        MakeBackdrop(f);
        backdrops.push_back(f);
        w = f;
        break;
      }
    }
    w->setGeometry(r);
    if (w->focusPolicy() != Qt::NoFocus) w->installEventFilter(this);
    widgets_.push_back(w);
    Sync(index);
  }
  for (auto it = backdrops.rbegin(); it != backdrops.rend(); ++it) (*it)->lower();
  NameControls();
  // Keyboard order is the template's order.
  QWidget* prev = nullptr;
  for (QWidget* w : widgets_) {
    if (w->focusPolicy() == Qt::NoFocus) continue;
    if (prev) setTabOrder(prev, w);
    prev = w;
  }
}

void DialogWidget::NameControls() {
  const auto& controls = dlg_.Controls();
  QString label;
  for (size_t i = 0; i < controls.size(); ++i) {
    const Control& c = controls[i];
    const QString own = c.kind == ControlKind::kStatic ? StaticText(c) : ToQString(c.text);
    if (c.kind == ControlKind::kStatic && !own.trimmed().isEmpty()) label = own.trimmed();
    QString name = own;
    name.remove('&');
    name = name.trimmed();
    if ((c.kind == ControlKind::kEdit || c.kind == ControlKind::kCombo) || name.isEmpty())
      name = label;
    if (name.isEmpty()) name = QString("%1").arg(c.id);
    widgets_[i]->setAccessibleName(name);
  }
  setAccessibleName(windowTitle());
}

void DialogWidget::Sync(int index) {
  QWidget* w = ControlWidget(index);
  if (!w) return;
  const Control& c = dlg_.Controls()[index];
  const QString text = ToQString(c.text);
  syncing_ = true;
  switch (c.kind) {
    case ControlKind::kButton: static_cast<QPushButton*>(w)->setText(text); break;
    case ControlKind::kEdit: {
      auto* e = static_cast<QLineEdit*>(w);
      e->setMaxLength(c.maxLength > 0 ? c.maxLength : 32767);
      if (e->text() != text) e->setText(text);
      break;
    }
    case ControlKind::kStatic: static_cast<QLabel*>(w)->setText(StaticText(c)); break;
    case ControlKind::kGroup: static_cast<QGroupBox*>(w)->setTitle(text); break;
    case ControlKind::kRadio: {
      auto* rb = static_cast<QRadioButton*>(w);
      rb->setText(text);
      rb->setChecked(c.checked);
      break;
    }
    case ControlKind::kCheck: {
      auto* cb = static_cast<QCheckBox*>(w);
      cb->setText(text);
      cb->setChecked(c.checked);
      break;
    }
    case ControlKind::kCombo: {
      auto* cb = static_cast<QComboBox*>(w);
      QStringList items;
      for (const auto& it : c.items) items << ToQString(it);
      QStringList now;
      for (int k = 0; k < cb->count(); ++k) now << cb->itemText(k);
      if (now != items) {
        cb->clear();
        cb->addItems(items);
      }
      cb->setCurrentIndex(c.selection);
      break;
    }
    case ControlKind::kIcon:
    case ControlKind::kFrame: break;
  }
  w->setEnabled(!(c.style & kStyleDisabled));
  // A new child is hidden until its dialog shows; only an explicit hide keeps it hidden.
  const bool hidden = (c.style & kStyleHidden) != 0;
  const bool hiddenNow = w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide);
  if (hidden != hiddenNow) w->setVisible(!hidden);
  syncing_ = false;
}

void DialogWidget::RunLoop() {
  if (dlg_.Ended()) return;
  QEventLoop loop;
  loop_ = &loop;
  loop.exec(QEventLoop::DialogExec);
  loop_ = nullptr;
}

void DialogWidget::OnInvalidate(const Rect& area, bool) {
  update(QRect(area.left, area.top, area.Width(), area.Height()));
}

void DialogWidget::OnTimersChanged() {
  if (!dlg_.Ended()) timers_.Sync();
}

void DialogWidget::OnControlChanged(int index) {
  Sync(index);
  // A label's new text names the edit box after it.
  if (widgets_.size() == dlg_.Controls().size()) NameControls();
}

void DialogWidget::OnFocusChanged(int id) {
  QWidget* w = ControlWidget(dlg_.IndexOf(id));
  if (!w || w->hasFocus()) return;
  syncing_ = true;
  // As the next-control message does: an edit box that takes the focus has its text selected.
  w->setFocus(Qt::TabFocusReason);
  if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
  syncing_ = false;
}

void DialogWidget::OnTitleChanged() { setWindowTitle(ToQString(dlg_.Title())); }

void DialogWidget::OnEndDialog(int) {
  PageSpeaker::Instance().StopFor(this);
  timers_.StopAll();
  if (loop_) loop_->quit();
}

void DialogWidget::paintEvent(QPaintEvent*) {
  const qreal dpr = pictureRatio_ > 0 ? pictureRatio_ : devicePixelRatioF();
  if (live_ && pictureRatio_ == 0)
    surface_.Update(dlg_, dpr);
  else
    surface_.Redraw(dlg_, dpr);
  QPainter p(this);
  p.drawImage(QPoint(0, 0), surface_.Image());
  // Assistive technology reads the page's reading as one description; a new page ends the
  // speech of the old one.
  const QString description = PageDescription(dlg_);
  if (description != accessibleDescription()) {
    if (!accessibleDescription().isEmpty()) PageSpeaker::Instance().StopFor(this);
    setAccessibleDescription(description);
  }
}

void DialogWidget::contextMenuEvent(QContextMenuEvent* e) {
  if (!live_) return;
  ShowPageMenu(this, dlg_, surface_.Background(), e->globalPos());
  e->accept();
}

void DialogWidget::closeEvent(QCloseEvent* e) {
  if (live_ && !dlg_.Ended()) {
    // The close box asks the dialog; it ends itself (or not) in OnClose.
    e->ignore();
    dlg_.UserClose();
    return;
  }
  QDialog::closeEvent(e);
}

void DialogWidget::reject() {
  // Escape: the same as the close box.
  if (live_ && !dlg_.Ended()) dlg_.UserClose();
}

bool DialogWidget::StartsOnEnter(QObject* obj, QEvent* e) {
  if (e->type() != QEvent::KeyPress || !live_ || dlg_.Ended() || !qobject_cast<QLineEdit*>(obj))
    return false;
  const int key = static_cast<QKeyEvent*>(e)->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  // A pupil who types a number and presses Enter expects the worked answer, or in a drill
  // the marking.
  const int id = dlg_.EnterButton();
  if (!id) return false;
  dlg_.UserPress(id);
  return true;
}

bool DialogWidget::eventFilter(QObject* obj, QEvent* e) {
  if (StartsOnEnter(obj, e)) return true;
  if (e->type() == QEvent::FocusIn && live_ && !syncing_ && !dlg_.Ended()) {
    for (size_t i = 0; i < widgets_.size(); ++i) {
      if (widgets_[i] != obj) continue;
      const int id = dlg_.Controls()[i].id;
      if (dlg_.Focus() != id) dlg_.UserFocus(id);
      break;
    }
  }
  return QDialog::eventFilter(obj, e);
}

}  // namespace vl::qt
