#include <gtest/gtest.h>

#include "platform/dc.h"
#include "platform/script/script_host.h"
#include "platform/window.h"

namespace vl {
namespace {

using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 190, 122, 35, 14, kStyleDefault},
    {105, kEdit, u"", 11, 49, 15, 14, kStyleNone, 5},
    {101, kButton, u"開始", 190, 47, 35, 14},
    {119, kRadio, u"a", 186, 25, 45, 10},
    {120, kRadio, u"b", 186, 40, 49, 10},
    {-1, kStatic, u"x", 1, 1, 5, 5},
    {121, kRadio, u"c", 186, 60, 49, 10},
    {140, kCombo, u"", 10, 10, 50, 60},
};
constexpr DialogTemplate kTemplate{9001, u"試験", 232, 144, u"system", 10, kControls};

class Probe : public Dialog {
 public:
  Probe() : Dialog(9001) {}
  int starts = 0, changes = 0, picks = 0;
  std::u16string lastRead;

 protected:
  bool OnInitDialog() override {
    ComboAddString(140, u"一");
    ComboAddString(140, u"二");
    return true;
  }
  void OnStart() {
    ++starts;
    Text<6> t;
    GetDlgItemText(105, t);
    lastRead = t.str();
    Invalidate();
  }
  void OnChange() { ++changes; }
  void OnPick() { ++picks; }
  bool OnCommand(int id, int code) override { return DispatchMessage(*this, kMap, id, code); }
  void OnPaint(Dc& dc) override { dc.TextOut(0, 0, lastRead); }

 private:
  static constexpr MessageEntry<Probe> kMap[] = {
      {101, kBnClicked, &Probe::OnStart},
      {105, kEnChange, &Probe::OnChange},
      {140, kCbnSelEndOk, &Probe::OnPick},
  };
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterDialogTemplate(kTemplate);
    Host::SetCurrent(&host);
  }
  void TearDown() override { Host::SetCurrent(nullptr); }
  int Run(Probe& p, const std::string& script) {
    std::string err;
    int rc = host.RunDialog(p, LinesOf(script), err);
    error = err;
    return rc;
  }
  ScriptHost host;
  std::string error;
};

TEST_F(DialogTest, BuildsControlsInPixelsAndFocusesTheFirstTabStop) {
  Probe p;
  Run(p, "");
  EXPECT_EQ(p.ClientSize(), (Size{464, 288}));
  EXPECT_EQ(p.GetItemRect(105), (Rect{22, 98, 52, 126}));
  EXPECT_EQ(p.Focus(), 1);
  EXPECT_EQ(p.Title(), u"試験");
  EXPECT_EQ(p.PaintCount(), 1);
}

TEST_F(DialogTest, TypingStopsAtTheLimitAndNotifies) {
  Probe p;
  Run(p, "type 105 1234567\npress 101\n");
  EXPECT_EQ(p.GetDlgItemText(105), u"12345");
  EXPECT_EQ(p.lastRead, u"12345");
  EXPECT_EQ(p.changes, 1);
  EXPECT_EQ(p.starts, 1);
  EXPECT_EQ(p.Focus(), 101);
  EXPECT_EQ(p.PaintCount(), 2);
}

TEST_F(DialogTest, TypedZerosAreDroppedAndBlanksKept) {
  Probe p;
  Run(p, "type 105 \"a\\u0000b \"\n");
  EXPECT_EQ(p.GetDlgItemText(105), u"ab ");
}

TEST_F(DialogTest, RadioGroupsAreRunsOfConsecutiveButtons) {
  Probe p;
  Run(p, "press 119\npress 121\npress 120\n");
  EXPECT_FALSE(p.IsDlgButtonChecked(119));
  EXPECT_TRUE(p.IsDlgButtonChecked(120));
  EXPECT_TRUE(p.IsDlgButtonChecked(121));  // another group: the static splits them
}

TEST_F(DialogTest, SelectPicksAnItemAndNotifies) {
  Probe p;
  Run(p, "select 140 1\n");
  EXPECT_EQ(p.ComboGetCurSel(140), 1);
  EXPECT_EQ(p.picks, 1);
  EXPECT_NE(Run(p, "select 140 2\n"), 0);
}

TEST_F(DialogTest, OkAndCloseEndTheDialog) {
  Probe a;
  Run(a, "press 1\nrender never.json\n");
  EXPECT_TRUE(a.Ended());
  EXPECT_EQ(a.Result(), kIdOkResult);
  Probe b;
  Run(b, "close\n");
  EXPECT_EQ(b.Result(), kIdCancelResult);
}

TEST_F(DialogTest, ExposeRepaintsAndPaintsOnlyWhenInvalid) {
  Probe p;
  Run(p, "press 119\nexpose\nexpose\n");
  EXPECT_EQ(p.PaintCount(), 3);
}

TEST_F(DialogTest, BadLinesNameTheirNumber) {
  struct Case {
    const char* script;
    const char* message;
  } cases[] = {
      {"press 101\nfrobnicate\n", "velorin: script line 2: unknown verb 'frobnicate'"},
      {"press 999\n", "velorin: script line 1: press: no control 999 in the top window"},
      {"# comment\n\ntype 101 3\n", "velorin: script line 3: type: control 101 is not an edit box"},
      {"press abc\n", "velorin: script line 1: expected a control id, got 'abc'"},
      {"select 105 0\n", "velorin: script line 1: select: control 105 is not a drop-down list"},
      {"tick 0\n", "velorin: script line 1: tick: count out of range"},
      {"type 105 \"abc\n", "velorin: script line 1: bad JSON string literal"},
      {"expose now\n", "velorin: script line 1: expose: unexpected 'now'"},
      {"render x.bmp\n", "velorin: script line 1: render: unknown file type 'x.bmp' (use .json, "
                         ".svg or .png)"},
  };
  for (auto& c : cases) {
    Probe p;
    EXPECT_EQ(Run(p, c.script), 2) << c.script;
    EXPECT_EQ(error, c.message) << c.script;
  }
}

}  // namespace
}  // namespace vl
