#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/script_fixture.h"

namespace vl::testing {
namespace {

bool Has(const Json& window, const std::string& s) { return !FindText(window, s).IsNull(); }

bool HasFragment(const Json& window, const std::string& s) {
  for (const std::string& t : Texts(window))
    if (t.find(s) != std::string::npos) return true;
  return false;
}

// Default font: cw = 8, lh = 16.
constexpr int kCw = 8, kLh = 16;

// How far a page moves its problem down so that its first line, at row firstRow, starts below
// the row of edit boxes: 2 pixels under edit 153.
int Shift(const Json& window, int firstRow) {
  const auto& r = FindControl(window, 153)["rect"].AsArray();
  return std::max(0, r[1].AsInt() + r[3].AsInt() + 2 - firstRow * kLh);
}

// The widest column of a curve's band: vertical lines rising from the base line y0 that start
// at x0 or right of it; -1 when none.
int BandEnd(const Json& window, int x0, int y0) {
  int last = -1;
  for (auto& op : window["ops"].AsArray()) {
    if (op["op"].AsString() != "line") continue;
    const auto& from = op["from"].AsArray();
    const auto& to = op["to"].AsArray();
    const int x = from[0].AsInt();
    if (x == to[0].AsInt() && from[1].AsInt() == y0 && to[1].AsInt() < y0 && x >= x0)
      last = std::max(last, x - x0);
  }
  return last;
}

TEST(Binomial, Defaults) {
  ScriptRun run("command 2783\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& top = run.top();
  EXPECT_EQ(top["title"].AsString(), "２項分布");
  EXPECT_EQ(FindControl(top, 152)["text"].AsString(), "標本数n");
  EXPECT_EQ(FindControl(top, 155)["text"].AsString(), "不良率k");
  EXPECT_EQ(FindControl(top, 153)["text"].AsString(), "100");
  EXPECT_EQ(FindControl(top, 154)["maxlength"].AsInt(), 5);
  EXPECT_TRUE(Has(top, "Xは２項分布B(100,4/100)に従うから"));
  const Json& mean = FindText(top, "m=100*4/100=4.0");
  ASSERT_FALSE(mean.IsNull());
  EXPECT_EQ(mean["color"].AsString(), "#ff0000");
  const Json& root = FindText(top, "100*(4/100)*(96/100)");
  ASSERT_FALSE(root.IsNull());
  EXPECT_EQ(root["x"].AsInt(), 26 * kCw);
  EXPECT_EQ(root["y"].AsInt(), 12 * kLh + Shift(top, 9));
}

// The edit boxes reach into the problem's first line where the rows would put it: every page
// draws its problem from just below them instead.
TEST(Distribution, ProblemStartsBelowTheEditBoxes) {
  struct Case {
    const char* command;
    const char* firstLine;
    int row;
  } cases[] = {
      {"command 2783\n", "不良率ｋ％の製品がある。これからｎ個取り出すとき、不良", 9},
      {"command 2785\n", "全製品からｎ個を任意に取り出したらｒ個の不良品があった。", 9},
      {"command 2784\n", "確率変数Ｘが平均av,標準偏差σの正規分布に従っているとき", 11},
      {"command 2786\n", "全製品からｎ個を任意に取り出し、高さを測ったところ平均が", 11},
  };
  for (const auto& c : cases) {
    ScriptRun run(c.command);
    const Json& top = run.top();
    const auto& edit = FindControl(top, 153)["rect"].AsArray();
    const Json& line = FindText(top, c.firstLine);
    ASSERT_FALSE(line.IsNull()) << c.command;
    EXPECT_GT(Shift(top, c.row), 0) << c.command;
    EXPECT_EQ(line["y"].AsInt(), edit[1].AsInt() + edit[3].AsInt() + 2) << c.command;
  }
}

TEST(Binomial, WholeRateAndLargeSample) {
  ScriptRun run("command 2783\ntype 154 100\npress 101\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_TRUE(Has(run.top(), "100*(100/100)*(0/100)"));

  ScriptRun big("command 2783\ntype 153 30000\ntype 154 100\npress 101\n");
  ASSERT_EQ(big.status(), 0) << big.error();
  EXPECT_TRUE(Has(big.top(), "m=30000*100/100=30000.0"));
}

TEST(Binomial, RefusedEntriesChangeNothing) {
  struct Case {
    const char* command;
    const char* n;
    const char* k;
    int focus;
  } cases[] = {{"2783", "100", "0", 154}, {"2783", "100", "101", 154},
               {"2783", "0", "4", 153},   {"2783", "40000", "4", 153},
               {"2783", "0", "0", 153},   {"2785", "50", "100", 154}};
  for (const Case& c : cases) {
    ScriptRun run(std::string("command ") + c.command + "\ntype 153 " + c.n + "\ntype 154 " + c.k +
                  "\npress 101\nexpose\n");
    ASSERT_EQ(run.status(), 0) << run.error();
    EXPECT_EQ(run.top()["focus"].AsInt(), c.focus) << c.n << " " << c.k;
    // The page still shows the opening values.
    EXPECT_TRUE(Has(run.top(), std::string(c.command) == "2783"
                                   ? "m=100*4/100=4.0"
                                   : "不良品の標本比率p'=100/8000=0.0125"))
        << c.n << " " << c.k;
  }
}

TEST(Ratio, Defaults) {
  ScriptRun run("command 2785\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& top = run.top();
  EXPECT_EQ(top["title"].AsString(), "比率の推定");
  EXPECT_EQ(FindControl(top, 152)["text"].AsString(), "製品数n");
  EXPECT_EQ(FindControl(top, 155)["text"].AsString(), "不良品k");
  EXPECT_EQ(FindControl(top, 154)["text"].AsString(), "100");
  EXPECT_TRUE(Has(top, "不良品の標本比率p'=100/8000=0.0125"));
  EXPECT_EQ(FindText(top, "0.0125-1.96*0.0012<p<0.0125+1.96*0.0012")["y"].AsInt(),
            12 * kLh + Shift(top, 9));
}

TEST(Ratio, AllDefectiveIsStillANumber) {
  ScriptRun run("command 2785\ntype 153 100\npress 101\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_TRUE(Has(run.top(), "1.0000-1.96*0.0000<p<1.0000+1.96*0.0000"));
  EXPECT_FALSE(HasFragment(run.top(), "nan"));
}

TEST(Normal, Defaults) {
  ScriptRun run("command 2784\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& top = run.top();
  EXPECT_EQ(top["title"].AsString(), "正規分布");
  EXPECT_EQ(FindControl(top, 152)["text"].AsString(), "   a =");
  EXPECT_EQ(FindControl(top, 156)["text"].AsString(), "4.2");
  EXPECT_TRUE(Has(top, "P(X<a)=P(X<10.0)"));
  EXPECT_TRUE(Has(top, "=P(Z<(10.0-4.2)/2.8)"));
  EXPECT_TRUE(Has(top, "=P(z<2.1)"));
  EXPECT_EQ(FindText(top, "=0.5+P(0<Z<2.1)←表")["color"].AsString(), "#ff0000");
  EXPECT_EQ(BandEnd(top, 37 * kCw, 15 * kLh + Shift(top, 11)), 8 * kCw - 1);
  // The two explanatory curves are shaded from 8cw to 10cw.
  EXPECT_EQ(BandEnd(top, 41 * kCw, 3 * kLh), 10 * kCw - 1);
  EXPECT_EQ(BandEnd(top, 41 * kCw, 7 * kLh), 10 * kCw - 1);
}

TEST(Normal, MeanAsBoundTakesTheMinusFormWithoutASign) {
  ScriptRun run("command 2784\ntype 153 4.2\npress 101\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_TRUE(Has(run.top(), "=P(z<0.0)"));
  EXPECT_TRUE(Has(run.top(), "=0.5-P(0<Z<0.0)←表"));
  EXPECT_EQ(BandEnd(run.top(), 37 * kCw, 15 * kLh + Shift(run.top(), 11)), 4 * kCw - 1);

  ScriptRun below("command 2784\ntype 153 -3\npress 101\n");
  EXPECT_TRUE(Has(below.top(), "=P(z<-2.6)"));
  EXPECT_TRUE(Has(below.top(), "=0.5-P(0<Z<2.6)←表"));
}

TEST(Normal, TenthsAreTruncated) {
  ScriptRun run("command 2784\ntype 156 4.25\npress 101\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_TRUE(Has(run.top(), "=P(Z<(10.0-4.2)/2.8)"));
}

TEST(Normal, LaterFailureStoresNoneOfTheThree) {
  ScriptRun run("command 2784\ntype 153 5\ntype 156 1\ntype 157 0.4\npress 101\nexpose\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_EQ(run.top()["focus"].AsInt(), 157);
  EXPECT_TRUE(Has(run.top(), "=P(Z<(10.0-4.2)/2.8)"));

  ScriptRun av("command 2784\ntype 153 5\ntype 156 x\npress 101\nexpose\n");
  EXPECT_EQ(av.top()["focus"].AsInt(), 156);
  EXPECT_TRUE(Has(av.top(), "P(X<a)=P(X<10.0)"));
}

TEST(MeanEstimate, Defaults) {
  ScriptRun run("command 2786\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& top = run.top();
  EXPECT_EQ(top["title"].AsString(), "平均の推定");
  EXPECT_EQ(FindControl(top, 152)["text"].AsString(), "標本数 n");
  EXPECT_EQ(FindControl(top, 153)["text"].AsString(), "800");
  EXPECT_TRUE(Has(top, "10.5-1.96*0.08< h <10.5+1.96*0.08"));
  EXPECT_EQ(FindText(top, "10.35< h <10.65")["y"].AsInt(), 15 * kLh + Shift(top, 11));
}

TEST(MeanEstimate, SampleSizeLimit) {
  ScriptRun refused("command 2786\ntype 153 29.9\npress 101\n");
  ASSERT_EQ(refused.status(), 0) << refused.error();
  EXPECT_EQ(refused.top()["focus"].AsInt(), 153);
  EXPECT_EQ(refused.top()["paints"].AsInt(), 1);

  ScriptRun accepted("command 2786\ntype 153 30\npress 101\n");
  ASSERT_EQ(accepted.status(), 0) << accepted.error();
  EXPECT_TRUE(Has(accepted.top(), "10.5-1.96*0.40< h <10.5+1.96*0.40"));
}

TEST(MeanEstimate, LargeSamplesStayFinite) {
  ScriptRun run("command 2786\ntype 153 5000\npress 101\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_TRUE(Has(run.top(), "10.5-1.96*0.03< h <10.5+1.96*0.03"));
  EXPECT_TRUE(Has(run.top(), "10.44< h <10.56"));
  EXPECT_FALSE(HasFragment(run.top(), "nan"));

  ScriptRun huge("command 2786\ntype 153 99999\npress 101\n");
  EXPECT_EQ(huge.top()["focus"].AsInt(), 153);
}

}  // namespace
}  // namespace vl::testing
