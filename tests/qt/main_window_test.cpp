#include "platform/qt/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/velorin_app.h"
#include "platform/qt/dialog_widget.h"
#include "platform/qt/qt_host.h"
#include "qt_support.h"

namespace vl::testing {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApp();
    Host::SetCurrent(&host_);
    ASSERT_TRUE(app_.InitInstance());
    window_ = std::make_unique<qt::MainWindow>(app_);
    host_.SetMainWidget(window_.get());
    window_->show();
  }
  void TearDown() override {
    host_.SetMainWidget(nullptr);
    window_.reset();
    Host::SetCurrent(nullptr);
  }

  qt::QtHost host_;
  CVelorinApp app_;
  std::unique_ptr<qt::MainWindow> window_;
};

TEST_F(MainWindowTest, MenuBarCaptionAndCheckMarks) {
  QStringList top;
  for (QAction* a : window_->menuBar()->actions()) top << a->text();
  EXPECT_EQ(top,
            QStringList({"ファイル(&F)", "学習選択(G)", "パズル(P)", "ﾍﾙﾌﾟ(Hﾍ)", "難易度(D)"}));
  EXPECT_EQ(window_->windowTitle(), "無題 - Velorin");
  // Every command of the menu has its action, and no marker character is shown anywhere.
  for (const MenuItemTemplate& item : app_.Menu().items) {
    if (item.id == 0) continue;
    QAction* a = window_->Action(item.id);
    ASSERT_NE(a, nullptr) << item.id;
    EXPECT_FALSE(a->text().contains(QChar(0x1E)) || a->text().contains(QChar(0x1F)));
  }
  EXPECT_EQ(window_->Action(2772)->text(), "--*組合せ     (K)");
  EXPECT_TRUE(window_->Action(32788)->isChecked());
  EXPECT_FALSE(window_->Action(32787)->isChecked());
  window_->Action(32787)->trigger();
  EXPECT_TRUE(window_->Action(32787)->isChecked());
  EXPECT_FALSE(window_->Action(32788)->isChecked());
  EXPECT_EQ(app_.Level(), 0);
  window_->Action(32787)->trigger();  // twice keeps the mark
  EXPECT_TRUE(window_->Action(32787)->isChecked());
  window_->Action(32788)->trigger();  // the level is program-wide: leave it as it started
}

TEST_F(MainWindowTest, AboutBoxFromTheMenu) {
  bool seen = false;
  WhenModal([&] {
    ASSERT_EQ(host_.OpenDialogs().size(), 1u);
    qt::DialogWidget* w = host_.OpenDialogs().back();
    seen = true;
    EXPECT_EQ(w->windowTitle(), "バージョン情報 Velorin");
    EXPECT_TRUE(w->isModal());
    EXPECT_EQ(w->parentWidget(), window_.get());
    QStringList labels;
    for (QLabel* l : w->findChildren<QLabel*>()) labels << l->text();
    EXPECT_TRUE(labels.contains("Velorin, Version 3.0"));
    EXPECT_EQ(labels.size(), 2);
    QList<QPushButton*> buttons = w->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), "OK");
    EXPECT_TRUE(buttons[0]->isDefault());
    EXPECT_TRUE(HasContent(w->grab().toImage()));
    EXPECT_GE(w->dialog().PaintCount(), 1);
    buttons[0]->click();
  });
  window_->Action(57664)->trigger();
  EXPECT_TRUE(seen);
  EXPECT_TRUE(host_.OpenDialogs().empty());
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(MainWindowTest, ExitClosesTheWindowAndTheViewIsPainted) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  window_->View()->repaint();
  EXPECT_GE(app_.MainView()->PaintCount(), 1);
  EXPECT_EQ(app_.MainView()->ClientSize().cx, window_->View()->width());
  window_->Action(57665)->trigger();
  EXPECT_FALSE(window_->isVisible());
}

TEST(Accelerators, KeysOfTheTable) {
  EXPECT_EQ(qt::AccelKey({'N', kAccelCtrl, 57600}), QKeySequence("Ctrl+N"));
  EXPECT_EQ(qt::AccelKey({kVkBack, kAccelAlt, 57643}), QKeySequence("Alt+Backspace"));
  EXPECT_EQ(qt::AccelKey({kVkInsert, kAccelShift, 57637}), QKeySequence("Shift+Ins"));
  EXPECT_EQ(qt::AccelKey({kVkDelete, kAccelShift, 57635}), QKeySequence("Shift+Del"));
  EXPECT_EQ(qt::AccelKey({kVkF6, kAccelNone, 57680}), QKeySequence("F6"));
  EXPECT_TRUE(qt::AccelKey({0x01, kAccelNone, 1}).isEmpty());
}

}  // namespace
}  // namespace vl::testing
