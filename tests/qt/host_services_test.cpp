#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <optional>

#include "platform/qt/qt_host.h"
#include "platform/qt/x11_guide.h"
#include "qt_support.h"

#if __has_include(<X11/Xlib.h>)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#define VELORIN_TEST_X11 1
#endif

namespace vl::testing {
namespace {

class RecentFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApp();
    ASSERT_TRUE(dir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    Host::SetCurrent(&host_);
  }
  void TearDown() override { Host::SetCurrent(nullptr); }
  QString ConfFile() const { return dir_.path() + "/Orvanel/Velorin.conf"; }

  QTemporaryDir dir_;
  qt::QtHost host_;
};

TEST_F(RecentFilesTest, SavedListComesBackAtMostFour) {
  RecentFiles& r = host_.Recent();
  EXPECT_TRUE(r.Load().empty());
  ASSERT_TRUE(r.Save({"/a/一.vel", "/b", "/c", "/d", "/e"}));
  EXPECT_EQ(r.Load(), (std::vector<std::string>{"/a/一.vel", "/b", "/c", "/d"}));
  ASSERT_TRUE(r.Save({"/x"}));
  EXPECT_EQ(r.Load(), std::vector<std::string>{"/x"});
}

TEST_F(RecentFilesTest, CorruptFileGivesAnEmptyList) {
  QDir().mkpath(dir_.path() + "/Orvanel");
  std::ofstream(ConfFile().toStdString()) << "[Recent File List\nFile1=\"/a\n\x01\x02[[[\n";
  EXPECT_TRUE(host_.Recent().Load().empty());
}

TEST_F(RecentFilesTest, UnwritableListIsToldOnce) {
  // A folder where the settings file should be: nothing can be written there.
  QDir().mkpath(ConfFile());
  int boxes = 0;
  QString text;
  std::function<void()> answer = [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      ++boxes;
      text = box->text();
      box->button(QMessageBox::Ok)->click();
    } else {
      WhenModal(answer);
    }
  };
  WhenModal(answer);
  EXPECT_FALSE(host_.Recent().Save({"/a"}));
  EXPECT_FALSE(host_.Recent().Save({"/b"}));
  EXPECT_EQ(boxes, 1);
  EXPECT_TRUE(text.contains("Velorin.conf"));
}

TEST(HelpWindowTest, ShowsTheGlossaryOrSaysWhyNot) {
  TestApp();
  qt::HelpWindow help;
  help.Open(VELORIN_SOURCE_DIR "/src/resources/math.hlp", 3);
  ASSERT_NE(help.Browser(), nullptr);
  EXPECT_TRUE(help.Browser()->isVisible());
  EXPECT_TRUE(help.Browser()->toPlainText().contains("数学用語"));
  help.Open("/no/such/folder/?", 3);
  EXPECT_TRUE(help.Browser()->toPlainText().contains("/no/such/folder/?"));
  EXPECT_TRUE(help.Browser()->toPlainText().contains("見つかりません"));
}

#ifdef VELORIN_TEST_X11
// A private X server for the test, ended when the test ends.
class Xvfb {
 public:
  Xvfb() {
    if (QStandardPaths::findExecutable("Xvfb").isEmpty()) return;
    // The server picks a free display itself and writes its number to standard output.
    proc_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
    if (!proc_.waitForStarted(5000)) return;
    QByteArray number;
    while (!number.contains('\n') && proc_.waitForReadyRead(10000))
      number += proc_.readAllStandardOutput();
    bool ok = false;
    const int n = number.trimmed().toInt(&ok);
    if (!ok) return;
    name_ = ":" + std::to_string(n);
    display_ = XOpenDisplay(name_.c_str());
  }
  ~Xvfb() {
    if (display_) XCloseDisplay(display_);
    if (proc_.state() != QProcess::NotRunning) {
      proc_.terminate();
      if (!proc_.waitForFinished(3000)) proc_.kill();
    }
  }
  Display* display() const { return display_; }
  const std::string& name() const { return name_; }

 private:
  QProcess proc_;
  Display* display_ = nullptr;
  std::string name_;
};

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(GuideNotice, ReachesTheWindowWithThatTitle) {
  TestApp();
  Xvfb x;
  if (!x.display()) GTEST_SKIP() << "no Xvfb to run an X server";
  Display* d = x.display();
  ::Window guide = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 100, 100, 0, 0, 0);
  const std::string title = "Karsel - Guide";
  XStoreName(d, guide, title.c_str());
  XChangeProperty(d, guide, XInternAtom(d, "_NET_WM_NAME", False),
                  XInternAtom(d, "UTF8_STRING", False), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(title.data()),
                  static_cast<int>(title.size()));
  ::Window other = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 10, 10, 0, 0, 0);
  XStoreName(d, other, "Karsel - Guide 2");
  XSync(d, False);

  ScopedEnv env("DISPLAY", x.name());
  qt::X11Guide notifier;
  EXPECT_FALSE(notifier.Post(u"Karsel", 1124, 414, 0));
  ASSERT_TRUE(notifier.Post(u"Karsel - Guide", 1124, 414, 0));
  XEvent ev;
  bool got = false;
  for (int i = 0; i < 200 && !got; ++i) {
    while (XPending(d) && !got) {
      XNextEvent(d, &ev);
      got = ev.type == ClientMessage;
    }
    if (!got) QTest::qWait(10);
  }
  ASSERT_TRUE(got);
  EXPECT_EQ(ev.xclient.window, guide);
  EXPECT_EQ(ev.xclient.message_type, XInternAtom(d, qt::kGuideAtomName, False));
  EXPECT_EQ(ev.xclient.format, 32);
  EXPECT_EQ(ev.xclient.data.l[0], 1124);
  EXPECT_EQ(ev.xclient.data.l[1], 414);
  EXPECT_EQ(ev.xclient.data.l[2], 0);
}

TEST(GuideNotice, SilentWithoutADisplay) {
  ScopedEnv env("DISPLAY", "");
  EXPECT_FALSE(qt::PostGuideNotice("Karsel - Guide", 1124, 414, 0));
}
#endif

}  // namespace
}  // namespace vl::testing
