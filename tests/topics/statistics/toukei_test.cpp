#include <gtest/gtest.h>

#include <string>

#include "notation/format_text.h"
#include "page_text.h"
#include "topics/statistics/toukei_logic.h"

namespace vl {
namespace {

using testing::FindControl;
using testing::FindText;
using testing::HasTextStarting;
using testing::Paints;
using testing::ScriptRun;

// Template 106 in the scripted host: 562 x 312 client pixels, so ux = 11 and uy = 23.
constexpr int ux = 11, uy = 23;

toukei::Column Defaults() {
  toukei::Column f{};
  for (int k = 0; k < 10; ++k) f[k] = static_cast<int16_t>(10 * k);
  return f;
}
toukei::Column Mids() {
  toukei::Column m{};
  for (int k = 0; k < 10; ++k) m[k] = toukei::ClassValue(k);
  return m;
}

std::string ClickRow(int k) {
  return "click " + std::to_string(13 * ux) + " " + std::to_string(2 * uy + k * uy + 10) + "\n";
}
std::string SetRow(int k, const std::string& value) {
  return ClickRow(k) + "type 113 " + value + "\npress 114\n";
}

TEST(ToukeiLogic, DefaultTableGivesTheWorkedTotalsMeanAndDeviation) {
  toukei::Totals t = toukei::TotalsOf(Mids(), Defaults());
  EXPECT_EQ(t.f, 450);
  EXPECT_EQ(t.uf, 600);
  EXPECT_EQ(t.u2f, 3000);
  float m = toukei::MeanOf(t), s = toukei::SdOf(t);
  EXPECT_EQ(FormatString(64, u"%3.1f", {m}), u"68.3");
  EXPECT_EQ(FormatString(64, u"%2.3f", {s}), u"22.111");
  EXPECT_EQ(toukei::DeviationScore(60, m, s), 46);
  EXPECT_EQ(toukei::DeviationScore(0, m, s), 19);
  EXPECT_EQ(toukei::DeviationScore(100, m, s), 64);
}

TEST(ToukeiLogic, RowsAreCodedAboutFiftyFive) {
  EXPECT_EQ(toukei::RowOf(5, 3).u, -5);
  EXPECT_EQ(toukei::RowOf(5, 3).u2f, 75);
  EXPECT_EQ(toukei::RowOf(55, 9).uf, 0);
  EXPECT_EQ(toukei::RowOf(95, 2).u2f, 32);
}

TEST(ToukeiLogic, LargeFrequenciesKeepTheirTotalsIn32Bits) {
  toukei::Column f{};
  f.fill(32767);
  toukei::Totals t = toukei::TotalsOf(Mids(), f);
  EXPECT_EQ(t.f, 327670);
  EXPECT_EQ(t.uf, 32767 * -5);
  EXPECT_EQ(t.u2f, 32767 * 85);
  EXPECT_NEAR(toukei::MeanOf(t), 50.0f, 1e-4);
}

TEST(ToukeiLogic, OneClassHasNoSpread) {
  toukei::Column f{};
  f[9] = 7;
  toukei::Totals t = toukei::TotalsOf(Mids(), f);
  EXPECT_EQ(toukei::SdOf(t), 0.0f);
  EXPECT_EQ(toukei::MeanOf(t), 95.0f);
}

TEST(ToukeiLogic, WholeNumbersOnlyAndWithin16Bits) {
  EXPECT_EQ(toukei::ReadWholeNumber(u""), 0);
  EXPECT_EQ(toukei::ReadWholeNumber(u"32767"), 32767);
  EXPECT_EQ(toukei::ReadWholeNumber(u"32768"), std::nullopt);
  EXPECT_EQ(toukei::ReadWholeNumber(u"65536"), std::nullopt);
  EXPECT_EQ(toukei::ReadWholeNumber(u"98303"), std::nullopt);
  EXPECT_EQ(toukei::ReadWholeNumber(u"-1"), std::nullopt);
  EXPECT_EQ(toukei::ReadWholeNumber(u"12a"), std::nullopt);
}

TEST(ToukeiPage, DefaultTableShowsMeanAndDeviationInTheFrames) {
  ScriptRun run("command 2774\ntype 115 60\npress 116\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& w = run.top();
  const Json& mean = FindText(w, "55+10*600/450=68.3");
  ASSERT_FALSE(mean.IsNull());
  const Json& frame = FindControl(w, 1002)["rect"];
  EXPECT_EQ(mean["x"].AsInt(), frame.AsArray()[0].AsInt() + 4);
  EXPECT_EQ(mean["y"].AsInt(), frame.AsArray()[1].AsInt() + 2);
  EXPECT_FALSE(FindText(w, "= 22.111").IsNull());
  EXPECT_FALSE(FindText(w, "3000/450-(600/450)").IsNull());
  const Json& score = FindText(w, "50+10(60-m)/s = 46");
  ASSERT_FALSE(score.IsNull());
  EXPECT_EQ(score["color"].AsString(), "#ff0000");
  EXPECT_FALSE(FindText(w, "450").IsNull());   // Σf
  EXPECT_FALSE(FindText(w, "3000").IsNull());  // Σu²f
}

TEST(ToukeiPage, BadScoresAreRefusedAndZeroIsAScore) {
  ScriptRun refused("command 2774\ntype 115 60\npress 116\ntype 115 12a\npress 116\n");
  EXPECT_FALSE(FindText(refused.top(), "50+10(60-m)/s = 46").IsNull());
  EXPECT_EQ(refused.top()["focus"].AsInt(), 115);
  EXPECT_EQ(Paints(refused.top()), 2);

  ScriptRun negative("command 2774\ntype 115 -3\npress 116\n");
  EXPECT_FALSE(HasTextStarting(negative.top(), "50+10("));
  EXPECT_EQ(negative.top()["focus"].AsInt(), 115);

  ScriptRun zero("command 2774\ntype 115 0\npress 116\n");
  EXPECT_FALSE(FindText(zero.top(), "50+10(0-m)/s = 19").IsNull());
}

TEST(ToukeiPage, RowsAreSelectedInsideTheFrequencyColumnOnly) {
  ScriptRun run("command 2774\n" + ClickRow(3));
  EXPECT_EQ(FindControl(run.top(), 113)["text"].AsString(), "30");
  EXPECT_EQ(run.top()["focus"].AsInt(), 113);
  EXPECT_EQ(FindText(run.top(), "30")["color"].AsString(), "#ff0000");

  for (int x : {11 * ux, 15 * ux}) {
    ScriptRun border("command 2774\nclick " + std::to_string(x) + " 100\n");
    EXPECT_EQ(FindControl(border.top(), 113)["text"].AsString(), "");
    EXPECT_EQ(testing::CountOps(border.top(), "text", "#ff0000"), 0) << x;
  }
}

TEST(ToukeiPage, InputNeedsARowAndRefusesWhatDoesNotFit16Bits) {
  ScriptRun noRow("command 2774\ntype 113 5\npress 114\n");
  EXPECT_EQ(Paints(noRow.top()), 1);
  EXPECT_FALSE(FindText(noRow.top(), "55+10*600/450=68.3").IsNull());

  ScriptRun big("command 2774\n" + SetRow(9, "32767") + SetRow(8, "32767") + SetRow(7, "32768"));
  const Json& w = big.top();
  EXPECT_EQ(w["focus"].AsInt(), 113);            // 32768 refused
  EXPECT_FALSE(FindText(w, "65814").IsNull());   // Σf
  EXPECT_FALSE(FindText(w, "229369").IsNull());  // Σuf
  EXPECT_FALSE(FindText(w, "820015").IsNull());  // Σu²f
  EXPECT_FALSE(FindText(w, "55+10*229369/65814=89.9").IsNull());
}

TEST(ToukeiPage, AnEmptiedTableShowsNoResults) {
  std::string script = "command 2774\ntype 115 60\npress 116\n";
  for (int k = 1; k < 10; ++k) script += SetRow(k, "0");
  ScriptRun run(script);
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_FALSE(HasTextStarting(run.top(), "55+10*"));
  EXPECT_FALSE(HasTextStarting(run.top(), "50+10("));
  EXPECT_FALSE(HasTextStarting(run.top(), "= "));
}

TEST(ToukeiPage, GraphOpensWithTheTablesFrequencies) {
  ScriptRun run("command 2774\n" + SetRow(0, "5") + "press 147\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_EQ(run.top()["template"].AsInt(), 114);
  // Σf = 455 is on the cumulative scale: steps of 50 up to 450.
  EXPECT_FALSE(FindText(run.top(), "450").IsNull());
}

}  // namespace
}  // namespace vl
