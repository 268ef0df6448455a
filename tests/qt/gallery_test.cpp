// The gallery: every page drawn without a display, and an index that names them.
#include "platform/script/gallery.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/application.h"
#include "qt_support.h"

namespace vl::testing {
namespace {

TEST(Gallery, FileNamesAndEscaping) {
  EXPECT_EQ(GalleryFileName(110, "drill 2779/10"), "page-110-drill-2779-10.png");
  EXPECT_EQ(GalleryFileName(100, ""), "page-100.png");
  EXPECT_EQ(GalleryFileName(1, "../x"), "page-1----x.png");
  EXPECT_EQ(HtmlEscape("a<b>&\"c\""), "a&lt;b&gt;&amp;&quot;c&quot;");
}

TEST(Gallery, WritesEveryPageWithoutADisplay) {
  TestApp();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString out = dir.path() + "/new/gallery";
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(v);
  p.setProcessEnvironment(env);
  p.start(VELORIN_BINARY, {"--gallery", out});
  ASSERT_TRUE(p.waitForFinished(120000));
  ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();

  QFile index(out + "/index.html");
  ASSERT_TRUE(index.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(index.readAll());
  const QStringList pngs = QDir(out).entryList({"*.png"});
  // Every picture is in the index, and the index shows nothing that is not there.
  EXPECT_EQ(html.count("<img "), pngs.size());
  EXPECT_GT(pngs.size(), 40);
  for (const QString& f : pngs) {
    EXPECT_TRUE(html.contains("src=\"" + f + "\"")) << f.toStdString();
    EXPECT_TRUE(HasContent(QImage(out + "/" + f))) << f.toStdString();
  }
  EXPECT_TRUE(html.contains("組合せ"));
  EXPECT_TRUE(pngs.contains("page-104-command-2772.png"));
  EXPECT_TRUE(pngs.contains("page-110-drill-2779-13.png"));

  // Drawn at a fixed clock: a second run gives the same pictures.
  const QString again = dir.path() + "/again";
  p.start(VELORIN_BINARY, {"--gallery", again});
  ASSERT_TRUE(p.waitForFinished(120000));
  ASSERT_EQ(p.exitCode(), 0);
  EXPECT_TRUE(QImage(out + "/page-110-drill-2772-0.png") ==
              QImage(again + "/page-110-drill-2772-0.png"));
}

TEST(Gallery, AFolderThatCannotBeMadeFails) {
  QTemporaryDir dir;
  QFile blocker(dir.path() + "/file");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QProcess p;
  p.start(VELORIN_BINARY, {"--gallery", dir.path() + "/file/sub"});
  ASSERT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(p.exitCode(), 2);
  EXPECT_TRUE(p.readAllStandardError().contains("cannot create"));
}

}  // namespace
}  // namespace vl::testing
