#include "platform/qt/main_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <vector>

#include "platform/qt/page_tools.h"
#include "platform/qt/qt_dc.h"

namespace vl::qt {

ViewWidget::ViewWidget(Window& view, bool live, std::function<void()> afterInput, QWidget* parent)
    : QWidget(parent),
      view_(view),
      live_(live),
      after_(std::move(afterInput)),
      surface_(Qt::white),
      timers_(view, this, after_) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (live_) {
    view_.SetPeer(this);
    timers_.Sync();
  }
}

ViewWidget::~ViewWidget() {
  if (live_ && view_.Peer() == this) view_.SetPeer(nullptr);
}

void ViewWidget::OnInvalidate(const Rect& area, bool) {
  update(QRect(area.left, area.top, area.Width(), area.Height()));
}

void ViewWidget::paintEvent(QPaintEvent* e) {
  // Assistive technology reads the view's reading: the number classes or the puzzle board.
  if (const QString d = PageDescription(view_); d != accessibleDescription())
    setAccessibleDescription(d);
  QPainter p(this);
  if (live_ && pictureRatio_ == 0) {
    // The main view fills most of the screen: its pixels live in the backing store only.
    PaintInPlace(p, view_, e->region(), surface_.Background());
    return;
  }
  surface_.Redraw(view_, pictureRatio_ > 0 ? pictureRatio_ : devicePixelRatioF());
  p.drawImage(QPoint(0, 0), surface_.Image());
}

void ViewWidget::resizeEvent(QResizeEvent*) {
  if (!live_) return;
  // The view draws its whole page again at any new size.
  view_.SetClientSize({width(), height()});
  view_.Invalidate(true);
}

void ViewWidget::mousePressEvent(QMouseEvent* e) {
  if (!live_ || e->button() != Qt::LeftButton) return;
  const QPoint p = e->position().toPoint();
  view_.LButtonDown({p.x(), p.y()});
  if (after_) after_();
}

QString MenuText(std::u16string_view text) {
  QString out;
  for (char16_t c : text)
    if (c != u'\u001E' && c != u'\u001F') out += QChar(c);
  return out;
}

QKeySequence AccelKey(const AccelTemplate& a) {
  int key = 0;
  if (a.key >= 'A' && a.key <= 'Z')
    key = Qt::Key_A + (a.key - 'A');
  else if (a.key >= '0' && a.key <= '9')
    key = Qt::Key_0 + (a.key - '0');
  else if (a.key == kVkBack)
    key = Qt::Key_Backspace;
  else if (a.key == kVkInsert)
    key = Qt::Key_Insert;
  else if (a.key == kVkDelete)
    key = Qt::Key_Delete;
  else if (a.key >= 0x70 && a.key <= 0x87)  // F1 .. F24
    key = Qt::Key_F1 + (a.key - 0x70);
  else
    return QKeySequence();
  int mods = 0;
  if (a.modifiers & kAccelCtrl) mods |= Qt::ControlModifier;
  if (a.modifiers & kAccelShift) mods |= Qt::ShiftModifier;
  if (a.modifiers & kAccelAlt) mods |= Qt::AltModifier;
  return QKeySequence(key | mods);
}

MainWindow::MainWindow(Application& app) : app_(app) {
  if (Window* view = app_.MainView()) {
    view_ = new ViewWidget(
        *view, true, [this] { Refresh(); }, this);
    setCentralWidget(view_);
  }
  BuildMenu();
  BuildAccelerators();
  // The system's default size for a new window: three quarters of the screen.
  if (QScreen* s = QGuiApplication::primaryScreen()) resize(s->availableSize() * 3 / 4);
  Refresh();
}

QAction* MainWindow::Action(int id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::BuildMenu() {
  // menus[level] receives the items of that level; level 0 is the menu bar.
  std::vector<QMenu*> menus(1, nullptr);
  for (const MenuItemTemplate& item : app_.Menu().items) {
    const size_t level = static_cast<size_t>(item.level < 0 ? 0 : item.level);
    if (level > 0 && (level >= menus.size() || !menus[level])) continue;  // no popup holds it
    QMenu* parent = level == 0 ? nullptr : menus[level];
    const QString text = MenuText(item.text);
    if (item.flags & kMenuPopup) {
      QMenu* m = parent ? parent->addMenu(text) : menuBar()->addMenu(text);
      if (menus.size() <= level + 1) menus.resize(level + 2, nullptr);
      menus[level + 1] = m;
      continue;
    }
    if ((item.flags & kMenuSeparator) || (item.id == 0 && item.text.empty())) {
      if (parent) parent->addSeparator();
      continue;
    }
    QAction* a = parent ? parent->addAction(text) : menuBar()->addAction(text);
    const int id = item.id;
    connect(a, &QAction::triggered, this, [this, id] { Command(id); });
    actions_[id] = a;
  }
}

void MainWindow::BuildAccelerators() {
  for (const AccelTemplate& a : app_.Accelerators().entries) {
    QKeySequence key = AccelKey(a);
    if (key.isEmpty()) continue;
    auto* s = new QShortcut(key, this);
    const int id = a.command;
    connect(s, &QShortcut::activated, this, [this, id] { Command(id); });
  }
}

void MainWindow::Command(int id) {
  app_.OnCommand(id);
  Refresh();
}

void MainWindow::Refresh() {
  setWindowTitle(ToQString(app_.Caption()));
  const std::vector<int> checked = app_.CheckedCommands();
  for (auto& [id, a] : actions_) {
    const bool on = std::find(checked.begin(), checked.end(), id) != checked.end();
    // Only a checked item shows a mark; an unchecked one shows no empty box either.
    a->setCheckable(on);
    a->setChecked(on);
  }
  if (app_.Exited()) close();
}

QIcon AppIcon() {
  QIcon icon;
  // Window managers show window icons at 64 pixels at most; the desktop file names larger ones.
  for (int size : {16, 24, 32, 48, 64}) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.scale(size / 32.0, size / 32.0);
    DrawStockIcon(p, 0, 0, Icon::kApplication);
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}

}  // namespace vl::qt
