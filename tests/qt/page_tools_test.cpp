// The page tools of a live topic window: Enter in an edit box starts, the page menu saves PNG
// and SVG pictures, printing fits the page, assistive technology gets names and the page's
// reading, and 読み上げ speaks it where a voice exists.
#include "platform/qt/page_tools.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/velorin_app.h"
#include "platform/qt/dialog_widget.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/read_aloud.h"
#include "qt_support.h"
#include "topics/counting/kumiawas.h"

namespace vl::testing {
namespace {

class PageToolsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TestApp();
    RegisterAllDialogs();
  }
  void SetUp() override { Host::SetCurrent(&host_); }
  void TearDown() override { Host::SetCurrent(nullptr); }

  // Runs the combinations topic; f acts on its widget while it waits.
  void RunTopic(const std::function<void(qt::DialogWidget&)>& f) {
    CKumiawas dlg;
    bool ran = false;
    WhenModal([&] {
      ASSERT_FALSE(host_.OpenDialogs().empty());
      qt::DialogWidget& w = *host_.OpenDialogs().back();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
      f(w);
      ran = true;
      if (!dlg.Ended()) dlg.EndDialog(2);
    });
    host_.RunModal(dlg);
    EXPECT_TRUE(ran);
  }

  static QLineEdit* Edit(qt::DialogWidget& w, int id) {
    return qobject_cast<QLineEdit*>(w.ControlWidget(w.dialog().IndexOf(id)));
  }

  // Types n and k and presses Enter in the second edit box.
  static void TypeAndEnter(qt::DialogWidget& w, const char* n, const char* k) {
    QLineEdit* a = Edit(w, 105);
    QLineEdit* b = Edit(w, 106);
    ASSERT_TRUE(a && b);
    a->clear();
    QTest::keyClicks(a, n);
    b->clear();
    QTest::keyClicks(b, k);
    QTest::keyClick(b, Qt::Key_Return);
  }

  qt::QtHost host_;
};

TEST_F(PageToolsTest, EnterInAnEditBoxShowsTheWorkedAnswerAndKeepsTheWindow) {
  RunTopic([](qt::DialogWidget& w) {
    EXPECT_FALSE(qt::PageDescription(w.dialog()).contains("イコール 10"));
    TypeAndEnter(w, "5", "2");
    EXPECT_FALSE(w.dialog().Ended());
    EXPECT_TRUE(qt::PageDescription(w.dialog()).contains("イコール 10"))
        << qt::PageDescription(w.dialog()).toStdString();
    // The numeric keypad's Enter does the same.
    Edit(w, 105)->clear();
    QTest::keyClicks(Edit(w, 105), "6");
    QTest::keyClick(Edit(w, 105), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(w.dialog().Ended());
    EXPECT_TRUE(qt::PageDescription(w.dialog()).contains("イコール 15"));
  });
}

TEST_F(PageToolsTest, SavesThePageAsPngAndSvgWithoutControls) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  RunTopic([&](qt::DialogWidget& w) {
    TypeAndEnter(w, "5", "2");
    // The page menu offers its entries; 読み上げ shows its key, and without a voice (no speech
    // service runs here) it is greyed and says why instead of waiting for one.
    QMenu* menu = qt::MakePageMenu(&w, w.dialog(), QColor(240, 240, 240));
    QStringList texts;
    for (QAction* a : menu->actions())
      if (!a->isSeparator()) texts << a->text();
    ASSERT_EQ(texts.size(), 4);
    EXPECT_EQ(texts.mid(0, 3), QStringList({"画像として保存…", "印刷…", "印刷プレビュー…"}));
    QAction* read = menu->actions().back();
    EXPECT_TRUE(read->text().startsWith("読み上げ"));
    EXPECT_EQ(read->shortcut(), QKeySequence("Ctrl+Shift+R"));
    const QString why = qt::PageSpeaker::Instance().Unavailable();
    EXPECT_EQ(read->isEnabled(), why.isEmpty());
    EXPECT_TRUE(why.isEmpty() || read->text().contains(why));
    // The key works in the window either way and never blocks it.
    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(w.dialog().Ended());
    delete menu;

    const QString png = dir.path() + "/page.PNG";
    const QString svg = dir.path() + "/page.svg";
    EXPECT_EQ(qt::SavePage(w.dialog(), QColor(240, 240, 240), png), "");
    EXPECT_EQ(qt::SavePage(w.dialog(), QColor(240, 240, 240), svg), "");
    QImage image(png);
    EXPECT_EQ(image.size(), w.size());
    EXPECT_TRUE(HasContent(image));
    // The page's picture is what the window shows minus its controls: the start button's
    // area is plain dialog face in the picture.
    QWidget* start = w.ControlWidget(w.dialog().IndexOf(101));
    ASSERT_NE(start, nullptr);
    const QPoint mid = start->geometry().center();
    EXPECT_EQ(image.pixel(mid), QColor(240, 240, 240).rgb());
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("組合せは並べ方ではない"));
    EXPECT_TRUE(text.contains("= 10"));
    EXPECT_FALSE(text.contains("開始"));

    // A name without a known ending, or a folder that does not exist, is an error.
    EXPECT_NE(qt::SavePage(w.dialog(), Qt::white, dir.path() + "/page.txt"), "");
    EXPECT_NE(qt::SavePage(w.dialog(), Qt::white, dir.path() + "/none/page.png"), "");
    EXPECT_NE(qt::SavePage(w.dialog(), Qt::white, dir.path() + "/none/page.svg"), "");
  });
}

TEST_F(PageToolsTest, RightClickOpensThePageMenu) {
  RunTopic([](qt::DialogWidget& w) {
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), w.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&w, &e);
    QMenu* shown = nullptr;
    for (QMenu* m : w.findChildren<QMenu*>())
      if (m->isVisible()) shown = m;
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->actions().size(), 5);  // three, a separator, 読み上げ
    shown->close();
  });
}

TEST_F(PageToolsTest, PrintingPutsTheTitleAboveThePageScaledToFit) {
  RunTopic([](qt::DialogWidget& w) {
    TypeAndEnter(w, "5", "2");
    const QSize page = w.size();
    // A printable area twice as wide as the page and tall enough: the page is doubled.
    QImage sheet(page.width() * 2, page.height() * 3, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    {
      QPainter p(&sheet);
      qt::PrintPage(p, sheet.rect(), w.dialog());
    }
    EXPECT_TRUE(HasContent(sheet));
    // The heading sits at the top; nothing is drawn below the doubled page.
    bool heading = false;
    for (int x = 0; x < sheet.width() && !heading; ++x)
      for (int y = 0; y < 30 && !heading; ++y) heading = sheet.pixel(x, y) != QColor(Qt::white).rgb();
    EXPECT_TRUE(heading);
    for (int x = 0; x < sheet.width(); x += 3)
      ASSERT_EQ(sheet.pixel(x, sheet.height() - 2), QColor(Qt::white).rgb());
  });
}

TEST_F(PageToolsTest, ControlsHaveNamesInTemplateOrderAndThePageIsDescribed) {
  RunTopic([](qt::DialogWidget& w) {
    TypeAndEnter(w, "5", "2");
    const auto& controls = w.dialog().Controls();
    for (size_t i = 0; i < controls.size(); ++i) {
      QWidget* c = w.ControlWidget(static_cast<int>(i));
      ASSERT_NE(c, nullptr);
      EXPECT_FALSE(c->accessibleName().isEmpty()) << "control " << controls[i].id;
    }
    EXPECT_EQ(w.ControlWidget(w.dialog().IndexOf(101))->accessibleName(), "開始");
    // Tab order follows the template among the controls that take the focus.
    QList<QWidget*> order;
    for (size_t i = 0; i < controls.size(); ++i) {
      QWidget* c = w.ControlWidget(static_cast<int>(i));
      if (c->focusPolicy() & Qt::TabFocus) order << c;
    }
    ASSERT_GE(order.size(), 2);
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
      QWidget* next = order[i]->nextInFocusChain();
      while (next != order[i] && !(next->focusPolicy() & Qt::TabFocus && order.contains(next)))
        next = next->nextInFocusChain();
      EXPECT_EQ(next, order[i + 1]) << i;
    }
    // The description is the page's reading, as the page was last drawn.
    w.repaint();
    EXPECT_EQ(w.accessibleDescription(), QString::fromStdU16String(w.dialog().Reading()));
    EXPECT_TRUE(w.accessibleDescription().contains("5C2 イコール 1かける2分の5かける4 イコール 10"))
        << w.accessibleDescription().toStdString();
  });
}

}  // namespace
}  // namespace vl::testing
