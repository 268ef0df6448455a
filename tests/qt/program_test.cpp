// The program itself: starting without a display, and pictures from a script without one.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <fstream>

#include "qt_support.h"

namespace vl::testing {
namespace {

struct Result {
  int status;
  QString err;
};

// Runs the program with no display at all (or on Qt's offscreen platform).
Result RunHeadless(const QStringList& args, bool offscreen = false) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(v);
  if (offscreen) env.insert("QT_QPA_PLATFORM", "offscreen");
  p.setProcessEnvironment(env);
  p.start(VELORIN_BINARY, args);
  EXPECT_TRUE(p.waitForFinished(60000));
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

TEST(Program, WithoutADisplayItSaysSoInOneLine) {
  Result r = RunHeadless({});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("DISPLAY"));
  EXPECT_TRUE(r.err.contains("velorin --script FILE"));
}

TEST(Program, RendersPngPicturesWithoutADisplay) {
  TestApp();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string script = (dir.path() + "/s.txt").toStdString();
  std::ofstream(script) << "render " << dir.path().toStdString() << "/view.png\n"
                        << "command 57664\nrender " << dir.path().toStdString() << "/about.png\n";
  Result one = RunHeadless({"--script", QString::fromStdString(script)});
  ASSERT_EQ(one.status, 0) << one.err.toStdString();
  QImage about(dir.path() + "/about.png");
  EXPECT_EQ(about.size(), QSize(340, 124));
  EXPECT_TRUE(HasContent(about));
  QImage view(dir.path() + "/view.png");
  EXPECT_EQ(view.size(), QSize(800, 600));
  EXPECT_TRUE(HasContent(view));
  // The OK button is drawn: its area is not the plain dialog face.
  bool button = false;
  for (int x = 230; x < 320 && !button; ++x)
    if (about.pixel(x, 96) != QColor(240, 240, 240).rgb()) button = true;
  EXPECT_TRUE(button);

  Result two = RunHeadless({"--script", QString::fromStdString(script), "--scale", "2"});
  ASSERT_EQ(two.status, 0) << two.err.toStdString();
  EXPECT_EQ(QImage(dir.path() + "/about.png").size(), QSize(680, 248));
}

// The measuring switches run the real windows: every dialog is built as widgets, shown, painted
// and closed, and the program then ends by itself.
TEST(Program, OpensEveryDialogInRealWindowsAndQuits) {
  for (const char* option : {"--exit-after-first-paint", "--open-every-dialog"}) {
    Result r = RunHeadless({option}, true);
    EXPECT_EQ(r.status, 0) << option << ": " << r.err.toStdString();
  }
}

TEST(Program, UnwritablePictureStopsTheScript) {
  QTemporaryDir dir;
  const std::string script = (dir.path() + "/s.txt").toStdString();
  std::ofstream(script) << "render /no/such/folder/x.png\n";
  Result r = RunHeadless({"--script", QString::fromStdString(script)});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.contains("script line 1")) << r.err.toStdString();
}

}  // namespace
}  // namespace vl::testing
