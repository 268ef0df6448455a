// Every page the program has, painted through QtDc and through the recording surface: the texts
// land in the same places, and replaying the recording gives the same pixels.
#include <gtest/gtest.h>

#include <QPainter>

#include "app/velorin_app.h"
#include "platform/qt/qt_dc.h"
#include "platform/qt/qt_host.h"
#include "platform/recording_dc.h"
#include "platform/runtime.h"
#include "platform/script/script_host.h"
#include "qt_support.h"
#include "topics/level.h"

namespace vl::testing {
namespace {

// A QtDc that also keeps what it was asked to draw.
class RecordingQtDc : public qt::QtDc {
 public:
  using QtDc::QtDc;
  DisplayList ops;

 protected:
  void Emit(const DrawOp& op) override {
    ops.push_back(op);
    QtDc::Emit(op);
  }
};

std::vector<TextOp> TextsOf(const DisplayList& ops) {
  std::vector<TextOp> out;
  for (auto& op : ops)
    if (auto* t = std::get_if<TextOp>(&op)) out.push_back(*t);
  return out;
}

struct Painted {
  DisplayList ops;
  QImage image;
};

// Builds the dialog under host, initialises it at a fixed time and paints its first page. The
// layout takes the host's dialog base units, or the reference ones (8 x 16).
Painted PaintPage(const DialogFactory& f, Host& host, bool onQt, bool referenceUnits = false) {
  Host::SetCurrent(&host);
  Clock::SetFixed(0);
  std::unique_ptr<Dialog> dlg = f.make();
  const DialogTemplate* t = dlg->Template();
  int bx = 8, by = 16;
  if (!referenceUnits) host.DialogBaseUnits(t->fontFace, t->fontPoint, bx, by);
  dlg->Create(bx, by);
  dlg->InitDialog();
  Painted out;
  const Size s = dlg->ClientSize();
  out.image = QImage(qMax(1, s.cx), qMax(1, s.cy), QImage::Format_RGB32);
  out.image.fill(Qt::white);
  if (onQt) {
    QPainter p(&out.image);
    RecordingQtDc dc(&p);
    dlg->Paint(dc);
    out.ops = std::move(dc.ops);
  } else {
    RecordingDc dc;
    dlg->Paint(dc);
    out.ops = dc.Take();
  }
  Host::SetCurrent(nullptr);
  return out;
}

class PageMatch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TestApp();
    RegisterAllDialogs();
  }
  void TearDown() override {
    Clock::SetFixed(std::nullopt);
    g_nLevel = 1;
  }
};

TEST_F(PageMatch, EveryTextLandsWhereTheReferenceMetricsPutIt) {
  ASSERT_FALSE(AllDialogFactories().empty());
  ScriptHost script;
  qt::QtHost qtHost;
  int texts = 0;
  // Some pages differ by the difficulty level: both levels are visited.
  for (int16_t level : {0, 1})
    for (const DialogFactory& f : AllDialogFactories()) {
      g_nLevel = level;
      SCOPED_TRACE("template " + std::to_string(f.templateId) + " " + f.variant + " level " +
                   std::to_string(level));
      Painted ref = PaintPage(f, script, false);
      Painted qt = PaintPage(f, qtHost, true);
      std::vector<TextOp> a = TextsOf(ref.ops), b = TextsOf(qt.ops);
      ASSERT_EQ(a.size(), b.size());
      for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].text, b[i].text);
        EXPECT_EQ(a[i].x, b[i].x) << Utf16ToUtf8(a[i].text) << " height " << a[i].font.height;
        EXPECT_EQ(a[i].y, b[i].y) << Utf16ToUtf8(a[i].text);
      }
      texts += static_cast<int>(a.size());
    }
  EXPECT_GT(texts, 0);
}

TEST_F(PageMatch, ReplayingTheRecordingDrawsTheSamePixels) {
  ScriptHost script;
  qt::QtHost qtHost;
  for (const DialogFactory& f : AllDialogFactories()) {
    SCOPED_TRACE("template " + std::to_string(f.templateId) + " " + f.variant);
    Painted ref = PaintPage(f, script, false);
    Painted direct = PaintPage(f, qtHost, true, true);
    QImage replayed(direct.image.size(), QImage::Format_RGB32);
    replayed.fill(Qt::white);
    {
      QPainter p(&replayed);
      qt::QtDc dc(&p);
      dc.Replay(ref.ops);
    }
    EXPECT_TRUE(replayed == direct.image);
  }
}

}  // namespace
}  // namespace vl::testing
