// velorin --worksheet: the PDF, read back with the poppler tools.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "drill/worksheet_layout.h"
#include "platform/recording_dc.h"
#include "platform/text.h"

namespace vl::testing {
namespace {

struct Outcome {
  int status;
  QString out, err;
};

Outcome Velorin(const QStringList& args) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("QT_QPA_PLATFORM");
  p.setProcessEnvironment(env);
  p.start(VELORIN_BINARY, args);
  EXPECT_TRUE(p.waitForFinished(60000));
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
}

QString Tool(const QString& tool, const QStringList& args) {
  QProcess p;
  p.start(tool, args);
  EXPECT_TRUE(p.waitForFinished(60000)) << tool.toStdString();
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The PDF's text in drawing order, without any white space.
QString PdfText(const QString& pdf) {
  QString t = Tool("pdftotext", {"-raw", "-enc", "UTF-8", pdf, "-"});
  t.remove(QRegularExpression("\\s"));
  return t;
}

int PdfPages(const QString& pdf) {
  const QString info = Tool("pdfinfo", {pdf});
  const auto m = QRegularExpression("Pages:\\s+(\\d+)").match(info);
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The texts an exercise's worked answer adds to its problem.
std::vector<std::u16string> AnswerTexts(const DrillPage& exercise) {
  auto texts = [&exercise](bool answer) {
    DrillPage page = exercise;
    page.m_bShowAnswer = answer;
    RecordingDc dc;
    PaintDrillPage(dc, page);
    std::vector<std::u16string> out;
    for (const DrawOp& op : dc.ops())
      if (auto* t = std::get_if<TextOp>(&op)) out.push_back(t->text);
    return out;
  };
  std::vector<std::u16string> shown = texts(true);
  for (const std::u16string& t : texts(false)) std::erase(shown, t);
  return shown;
}

class WorksheetPdf : public ::testing::Test {
 protected:
  QString Path(const QString& name) { return dir_.path() + "/" + name; }
  QTemporaryDir dir_;
};

TEST_F(WorksheetPdf, HoldsEveryNumberAndEveryAnswerOfTheKeyAndIsReproducible) {
  const QStringList args = {"--drills", "2769,2771,2775,2776,2782,2787", "--count", "14", "--seed",
                            "2024"};
  const Outcome r = Velorin(QStringList{"--worksheet", Path("a.pdf")} + args);
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.contains("seed 2024")) << r.out.toStdString();

  WorksheetOptions o;
  o.drills = {2769, 2771, 2775, 2776, 2782, 2787};
  o.count = 14;
  o.seed = 2024;
  EXPECT_EQ(PdfPages(Path("a.pdf")), static_cast<int>(LayOutWorksheet(o).pages.size()));
  const QString text = PdfText(Path("a.pdf"));
  // The numbers come twice: on the sheet, then in the key.
  for (int n = 1; n <= 14; ++n)
    EXPECT_EQ(text.count(QString::fromStdU16String(CircledNumber(n))), 2) << n;
  const qsizetype key = text.indexOf(QStringLiteral("練習プリント解答"));
  ASSERT_GT(key, 0);
  for (const DrillPage& e : WorksheetExercises(o, 0))
    for (std::u16string answer : AnswerTexts(e)) {
      std::erase(answer, u' ');
      if (answer.empty()) continue;
      EXPECT_TRUE(text.indexOf(QString::fromStdU16String(answer), key) > 0)
          << e.m_nTopic << ": " << Utf16ToUtf8(answer);
    }

  ASSERT_EQ(Velorin(QStringList{"--worksheet", Path("b.pdf")} + args).status, 0);
  EXPECT_EQ(PdfText(Path("b.pdf")), text);
  QStringList other = args;
  other.last() = "2025";
  ASSERT_EQ(Velorin(QStringList{"--worksheet", Path("c.pdf")} + other).status, 0);
  EXPECT_NE(PdfText(Path("c.pdf")), text);
}

TEST_F(WorksheetPdf, VersionsAreDifferentSheetsEachWithItsKey) {
  const Outcome r = Velorin({"--worksheet", Path("v.pdf"), "--versions", "3", "--seed", "9",
                             "--drills", "2775,2782", "--count", "6", "--title", "復習"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const QString text = PdfText(Path("v.pdf"));
  QStringList sheets;
  for (const char* v : {"Ａ", "Ｂ", "Ｃ"}) {
    const QString title = QStringLiteral("復習（%1）").arg(QString::fromUtf8(v));
    const qsizetype from = text.indexOf(title), to = text.indexOf(title + "解答");
    ASSERT_TRUE(from >= 0 && to > from) << v;
    sheets << text.mid(from + title.size(), to - from - title.size());
  }
  EXPECT_NE(sheets[0], sheets[1]);
  EXPECT_NE(sheets[1], sheets[2]);
  EXPECT_NE(sheets[0], sheets[2]);
}

TEST_F(WorksheetPdf, BadOptionsAreRefusedInOneLineAndNothingIsWritten) {
  const QString out = Path("x.pdf");
  const std::vector<std::pair<QStringList, QString>> bad = {
      {{"--count", "0"}, "--count"},
      {{"--count", "41"}, "--count"},
      {{"--count", "1x"}, "--count"},
      {{"--versions", "11"}, "--versions"},
      {{"--seed", "-1"}, "--seed"},
      {{"--seed", "4294967296"}, "--seed"},
      {{"--drills", "2769,9999"}, "--drills"},
      {{"--title", ""}, "--title"},
      {{"--count"}, "--count"},
  };
  for (const auto& [args, option] : bad) {
    const Outcome r = Velorin(QStringList{"--worksheet", out} + args);
    EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(option)) << r.err.toStdString();
  }
  EXPECT_EQ(Velorin({"--count", "3"}).status, 2);  // without --worksheet
  EXPECT_FALSE(QFileInfo::exists(out));

  // A folder that cannot be written to is reported, and leaves no file behind.
  QDir(dir_.path()).mkdir("locked");
  QFile::setPermissions(Path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const Outcome locked = Velorin({"--worksheet", Path("locked/y.pdf"), "--seed", "1"});
  QFile::setPermissions(Path("locked"),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  if (::geteuid() != 0) {  // root writes anywhere
    EXPECT_EQ(locked.status, 1);
    EXPECT_TRUE(locked.err.contains("cannot write")) << locked.err.toStdString();
    EXPECT_TRUE(QDir(Path("locked")).isEmpty());
  }
  const Outcome missing = Velorin({"--worksheet", Path("no/such/folder/z.pdf"), "--seed", "1"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(missing.err.contains("cannot write")) << missing.err.toStdString();
}

}  // namespace
}  // namespace vl::testing
