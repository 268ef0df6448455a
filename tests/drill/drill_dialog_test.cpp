#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drill/drill.h"
#include "platform/record/learning_record.h"
#include "platform/runtime.h"
#include "platform/script/json.h"
#include "platform/script/script_host.h"
#include "resources/resources.h"

namespace vl {
namespace {

class DrillDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    res::RegisterTemplates();
    Host::SetCurrent(&host);
    Clock::SetFixed(12345);
  }
  void TearDown() override {
    Clock::SetFixed(std::nullopt);
    Host::SetCurrent(nullptr);
  }
  // Runs the drill against a script; returns the drill window's state when the script ended.
  Json Run(CDrill& drill, const std::string& script) {
    std::string err;
    EXPECT_EQ(host.RunDialog(drill, LinesOf(script), err), 0) << err;
    if (drill.Ended()) return Json();
    return host.EndState()["windows"].AsArray().back();
  }
  static std::vector<std::string> Texts(const Json& window) {
    std::vector<std::string> out;
    for (auto& op : window["ops"].AsArray())
      if (op["op"].AsString() == "text") out.push_back(op["text"].AsString());
    return out;
  }
  static bool Has(const Json& window, const std::string& text) {
    for (auto& t : Texts(window))
      if (t == text) return true;
    return false;
  }
  ScriptHost host;
};

TEST_F(DrillDialogTest, OpensOnItsTemplateWithUnitsFromTheFontAndTheProblemOnly) {
  CDrill drill(nullptr, 2772, 0);
  auto w = Run(drill, "");
  EXPECT_EQ(w["template"].AsInt(), 110);
  EXPECT_EQ(w["title"].AsString(), "ドリル");
  EXPECT_EQ(drill.ClientSize(), (Size{458, 284}));
  EXPECT_EQ(drill.GetItemRect(140), (Rect{368, 130, 438, 158}));
  EXPECT_EQ(drill.GetItemRect(1), (Rect{368, 240, 438, 268}));
  EXPECT_EQ(drill.m_nUnitX, 8);
  EXPECT_EQ(drill.m_nUnitY, 16);
  EXPECT_EQ(drill.m_nA, 2);  // 7584 % 6 + 2 with the clock at 12345
  EXPECT_EQ(drill.m_bShowAnswer, 0);
  EXPECT_TRUE(Has(w, "選ぶ。1,3を含むとすると何個できるか。"));
  EXPECT_FALSE(Has(w, "（答え）1個"));
  for (auto& op : w["ops"].AsArray()) {
    if (op["op"].AsString() == "text") {
      EXPECT_FALSE(op["opaque"].AsBool());
    }
  }
}

TEST_F(DrillDialogTest, AnswerRevealsTheWorkedAnswerAndStaysShown) {
  CDrill drill(nullptr, 2772, 0);
  auto once = Run(drill, "press 140\n");
  EXPECT_EQ(drill.m_bShowAnswer, 1);
  EXPECT_TRUE(Has(once, "（答え）1個"));
  EXPECT_EQ(once["paints"].AsInt(), 2);

  CDrill again(nullptr, 2772, 0);
  auto twice = Run(again, "press 140\npress 140\n");
  EXPECT_EQ(Texts(twice), Texts(once));
  EXPECT_EQ(twice["paints"].AsInt(), 3);
}

TEST_F(DrillDialogTest, TheEndButtonClosesTheDrill) {
  CDrill drill(nullptr, 2769, 0);
  Run(drill, "press 1\n");
  EXPECT_TRUE(drill.Ended());
  EXPECT_EQ(drill.Result(), kIdOkResult);
}

TEST_F(DrillDialogTest, TwoDrillsOpenedInTheSameSecondPoseTheSameExercise) {
  for (int16_t code : {2776, 2782, 2777}) {
    CDrill first(nullptr, code, 0), second(nullptr, code, 0);
    auto a = Run(first, "press 140\n");
    Rand();  // whatever else drew in between, the seed is the time
    auto b = Run(second, "press 140\n");
    EXPECT_EQ(Texts(a), Texts(b)) << code;
  }
  Clock::SetFixed(12349);
  CDrill later(nullptr, 2782, 0);
  Run(later, "");
  EXPECT_EQ(later.m_nSubMode, 1);  // 7597 % 3
}

TEST_F(DrillDialogTest, SubModesFromTheCallerAndFromTheDraw) {
  CDrill viewpoint(nullptr, 2782, 2);  // replaced by a draw: 7584 % 3 = 0
  Run(viewpoint, "");
  EXPECT_EQ(viewpoint.m_nSubMode, 0);
  CDrill figures(nullptr, 2770, 0);  // 7584 % 2 + 1
  Run(figures, "");
  EXPECT_EQ(figures.m_nSubMode, 1);
  CDrill sets(nullptr, 2787, 5);
  auto w = Run(sets, "press 140\n");
  EXPECT_EQ(sets.m_nSubMode, 5);
  EXPECT_TRUE(Has(w, "{1}"));  // a = 2: A - B = {1}
  CDrill proof(nullptr, 2779, 11);
  w = Run(proof, "press 140\n");
  EXPECT_TRUE(Has(w, "n=k+1 のとき"));
}

TEST_F(DrillDialogTest, ACodeWithoutAnExerciseShowsTheTwoButtonsOnly) {
  CDrill drill(nullptr, 2773, 0);
  auto w = Run(drill, "press 140\nexpose\n");
  EXPECT_TRUE(w["ops"].AsArray().empty());
  int shown = 0;
  for (auto& c : w["controls"].AsArray()) shown += c["hidden"].AsBool() ? 0 : 1;
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(drill.m_nA, 0);
  EXPECT_EQ(drill.m_nAns, 0);
}

TEST_F(DrillDialogTest, MarksNumbersAndSelfAssessmentsIntoTheRecord) {
  MemoryRecord record;
  LearningRecord::SetCurrent(&record);
  CDrill drill(nullptr, 2772, 0);  // the answer is 1
  auto w = Run(drill,
               "type 141 12個\npress 142\ntype 141 ９９\npress 142\n"
               "type 141 １\npress 142\npress 140\n");
  EXPECT_EQ(host.EndState()["messages"].AsArray().size(), 1u);  // the refused entry
  ASSERT_EQ(record.All().size(), 2u);
  EXPECT_EQ(record.All()[0], (Attempt{12345, 2772, 0, 12345u, u"９９", u"1", false}));
  EXPECT_TRUE(record.All()[1].correct);
  EXPECT_EQ(w["controls"].AsArray()[4]["text"].AsString(), "正解！\n正解 1");

  CDrill proof(nullptr, 2778, 0);
  w = Run(proof, "press 140\npress 145\n");
  ASSERT_EQ(record.All().size(), 3u);
  EXPECT_EQ(record.All().back().answer, u"まだ");
  EXPECT_FALSE(record.All().back().correct);
  // No number to type, and one assessment per exercise.
  for (int i : {2, 3, 5, 6}) EXPECT_TRUE(w["controls"].AsArray()[i]["hidden"].AsBool()) << i;
  LearningRecord::SetCurrent(nullptr);
}

}  // namespace
}  // namespace vl
