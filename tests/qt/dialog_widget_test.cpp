#include "platform/qt/dialog_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/dc.h"
#include "platform/qt/qt_host.h"
#include "qt_support.h"

namespace vl::testing {
namespace {

using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {10, kEdit, u"", 10, 10, 40, 12, kStyleNone, 3},
    {20, kRadio, u"A", 10, 30, 40, 10},
    {21, kRadio, u"B", 10, 42, 40, 10},
    {-1, kStatic, u"&Plain && text", 60, 30, 60, 8},
    {22, kRadio, u"C", 10, 54, 40, 10},
    {23, kRadio, u"D", 10, 66, 40, 10},
    {30, kCombo, u"", 60, 50, 60, 60},
    {-1, kGroup, u"group", 5, 25, 50, 55},
    {11, kButton, u"開始", 130, 10, 40, 14},
    {1, kButton, u"終了", 130, 30, 40, 14, kStyleDefault},
};
constexpr DialogTemplate kTemplate{9001, u"試験", 180, 100, u"system", 10, kControls};

// A dialog that logs its notifications and timer ticks and paints a mark per paint.
class LogDialog : public Dialog {
 public:
  LogDialog() : Dialog(9001) {}
  std::vector<std::pair<int, int>> log;
  std::vector<int> ticks;
  bool eraseNext = true;

 protected:
  bool OnInitDialog() override {
    ComboAddString(30, u"one");
    ComboAddString(30, u"two");
    CheckRadioButton(20, 21, 20);
    return true;
  }
  bool OnCommand(int id, int code) override {
    log.emplace_back(id, code);
    return false;
  }
  void OnTimer(int id) override { ticks.push_back(id); }
  void OnPaint(Dc& dc) override {
    // The first paint fills a red square; later ones add a blue one beside it.
    dc.FillRect(PaintCount() == 1 ? Rect{200, 100, 220, 120} : Rect{230, 100, 250, 120},
                SolidBrush(PaintCount() == 1 ? colors::kRed : colors::kBlue));
  }
};

class DialogWidgetTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterDialogTemplate(kTemplate); }
  void SetUp() override {
    TestApp();
    Host::SetCurrent(&host_);
  }
  void TearDown() override { Host::SetCurrent(nullptr); }

  // Runs the dialog; f acts on its widget while it waits, and must end it.
  int Run(LogDialog& d, const std::function<void(qt::DialogWidget&)>& f) {
    WhenModal([&] {
      ASSERT_FALSE(host_.OpenDialogs().empty());
      qt::DialogWidget& w = *host_.OpenDialogs().back();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
      f(w);
      if (!d.Ended()) d.EndDialog(99);
    });
    return host_.RunModal(d);
  }
  template <class T>
  static T* Widget(qt::DialogWidget& w, LogDialog& d, int id) {
    return qobject_cast<T*>(w.ControlWidget(d.IndexOf(id)));
  }

  qt::QtHost host_;
};

TEST_F(DialogWidgetTest, TypingStopsAtTheLimitAndNotifies) {
  LogDialog d;
  Run(d, [&](qt::DialogWidget& w) {
    QLineEdit* e = Widget<QLineEdit>(w, d, 10);
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->hasFocus());  // the first tab stop
    QTest::keyClicks(e, "12345");
    EXPECT_EQ(d.GetDlgItemText(10), u"123");
    EXPECT_EQ(e->text(), "123");
    EXPECT_EQ(d.Focus(), 10);
    EXPECT_NE(std::find(d.log.begin(), d.log.end(), std::pair{10, int(kEnChange)}), d.log.end());
    // Changes by the program reach the widget, limits too.
    d.SetDlgItemText(10, u"7");
    EXPECT_EQ(e->text(), "7");
    d.LimitText(10, 1);
    EXPECT_EQ(e->maxLength(), 1);
  });
}

TEST_F(DialogWidgetTest, EnterPressesTheDefaultButtonAndTheCloseBoxCancels) {
  LogDialog a;
  int r = Run(a, [&](qt::DialogWidget& w) {
    QTest::keyClick(Widget<QLineEdit>(w, a, 10), Qt::Key_Return);
  });
  EXPECT_EQ(r, kIdOkResult);
  EXPECT_NE(std::find(a.log.begin(), a.log.end(), std::pair{1, int(kBnClicked)}), a.log.end());

  LogDialog b;
  EXPECT_EQ(Run(b, [](qt::DialogWidget& w) { w.close(); }), kIdCancelResult);
  LogDialog c;
  EXPECT_EQ(Run(c, [](qt::DialogWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }),
            kIdCancelResult);
}

TEST_F(DialogWidgetTest, RadioGroupsAreRunsOfRadioButtons) {
  LogDialog d;
  Run(d, [&](qt::DialogWidget& w) {
    auto* b = Widget<QRadioButton>(w, d, 21);
    auto* c = Widget<QRadioButton>(w, d, 22);
    EXPECT_TRUE(Widget<QRadioButton>(w, d, 20)->isChecked());
    b->click();
    EXPECT_TRUE(d.IsDlgButtonChecked(21));
    EXPECT_FALSE(d.IsDlgButtonChecked(20));
    EXPECT_FALSE(Widget<QRadioButton>(w, d, 20)->isChecked());
    b->click();  // clicking a checked button leaves it checked
    EXPECT_TRUE(b->isChecked());
    c->click();  // another group: the first keeps its check
    EXPECT_TRUE(d.IsDlgButtonChecked(21));
    EXPECT_TRUE(d.IsDlgButtonChecked(22));
    EXPECT_EQ(d.Focus(), 22);
  });
}

TEST_F(DialogWidgetTest, ComboStaticsAndTabOrder) {
  LogDialog d;
  Run(d, [&](qt::DialogWidget& w) {
    auto* cb = Widget<QComboBox>(w, d, 30);
    ASSERT_EQ(cb->count(), 2);
    cb->setCurrentIndex(1);
    emit cb->activated(1);
    EXPECT_EQ(d.ComboGetCurSel(30), 1);
    EXPECT_EQ(d.GetDlgItemText(30), u"two");
    EXPECT_NE(std::find(d.log.begin(), d.log.end(), std::pair{30, int(kCbnSelEndOk)}), d.log.end());
    EXPECT_EQ(qt::StaticText(d.Controls()[d.IndexOf(-1)]), "Plain & text");
    // Tab goes through the controls in template order.
    QWidget* at = Widget<QLineEdit>(w, d, 10);
    std::vector<QWidget*> order;
    for (int i = 0; i < 8; ++i) {
      at = at->nextInFocusChain();
      if (at->focusPolicy() & Qt::TabFocus) order.push_back(at);
    }
    ASSERT_GE(order.size(), 5u);
    EXPECT_EQ(order[0], Widget<QRadioButton>(w, d, 20));
    EXPECT_EQ(order[2], Widget<QRadioButton>(w, d, 22));
    EXPECT_EQ(order[4], Widget<QComboBox>(w, d, 30));
  });
}

TEST_F(DialogWidgetTest, RepaintWithoutEraseDrawsOverThePage) {
  LogDialog d;
  Run(d, [&](qt::DialogWidget& w) {
    w.repaint();
    ASSERT_GE(d.PaintCount(), 1);
    EXPECT_EQ(w.PageImage().pixel(210, 110), QColor(Qt::red).rgb());
    d.InvalidateRect({0, 0, 300, 150}, false);
    w.repaint();
    EXPECT_EQ(w.PageImage().pixel(210, 110), QColor(Qt::red).rgb());  // kept
    EXPECT_EQ(w.PageImage().pixel(240, 110), QColor(Qt::blue).rgb());
    d.InvalidateRect({0, 0, 300, 150}, true);
    w.repaint();
    EXPECT_EQ(w.PageImage().pixel(210, 110), QColor(240, 240, 240).rgb());  // erased
  });
}

TEST_F(DialogWidgetTest, TimersTickUntilKilled) {
  LogDialog d;
  Run(d, [&](qt::DialogWidget&) {
    d.SetTimer(5, 1);
    for (int i = 0; i < 500 && d.ticks.size() < 2; ++i) QTest::qWait(10);
    EXPECT_GE(d.ticks.size(), 2u);
    EXPECT_EQ(d.ticks.front(), 5);
    d.KillTimer(5);
    const size_t n = d.ticks.size();
    QTest::qWait(30);
    EXPECT_EQ(d.ticks.size(), n);
  });
}

TEST_F(DialogWidgetTest, MessageBoxHasTheCaptionAndOneOkButton) {
  LogDialog d;
  Run(d, [&](qt::DialogWidget&) {
    QString title, text;
    int buttons = 0;
    WhenModal([&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      text = box->text();
      buttons = static_cast<int>(box->buttons().size());
      box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(d.MessageBox(u"入力が正しくありません"), kIdOk);
    EXPECT_EQ(title, "Velorin");
    EXPECT_EQ(text, "入力が正しくありません");
    EXPECT_EQ(buttons, 1);
  });
}

}  // namespace
}  // namespace vl::testing
