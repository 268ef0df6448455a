#include "topics/statistics/graph.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page_text.h"
#include "platform/script/script_host.h"
#include "resources/resources.h"
#include "topics/statistics/graph_logic.h"

namespace vl {
namespace {

// Template 114 in the scripted host: 484 x 284 pixels, so ux = 9 and hy = 17: the graphs run
// from y = 34 to 204, the histogram from x = 36, the cumulative graph from x = 261.
constexpr int kBottom = 204, kHeight = 170;

TEST(GraphLogic, StepsSwitchAt15And100) {
  struct Case {
    int32_t largest;
    int step, steps;
  } cases[] = {{0, 1, 1},    {14, 1, 15},   {15, 10, 2},     {90, 10, 10},    {99, 10, 10},
               {100, 50, 3}, {450, 50, 10}, {8499, 50, 170}, {8500, 5000, 2}, {65534, 50000, 2}};
  for (auto c : cases) {
    graph::Scale s = graph::ScaleFor(c.largest, kHeight);
    EXPECT_EQ(s.step, c.step) << c.largest;
    EXPECT_EQ(s.steps, c.steps) << c.largest;
    EXPECT_EQ(s.pixels, kHeight / c.steps) << c.largest;
  }
  graph::Scale s = graph::ScaleFor(15, kHeight);
  EXPECT_EQ(s.HeightOf(15), 127);
  EXPECT_EQ(s.HeightOf(0), 0);
}

TEST(GraphLogic, CumulativeSumsDoNotWrap) {
  std::array<int16_t, 10> f{};
  f.fill(32767);
  auto c = graph::Cumulative(f);
  EXPECT_EQ(c[0], 32767);
  EXPECT_EQ(c[9], 327670);
  EXPECT_EQ(graph::LargestOf(f), 32767);
}

class GraphPage : public ::testing::Test {
 protected:
  void SetUp() override { res::RegisterTemplates(); }
  void TearDown() override { Host::SetCurrent(nullptr); }

  // Draws the graphs of these frequencies and returns the window's state.
  Json Draw(const std::array<int16_t, 10>& freq) {
    ScriptHost host;
    Host::SetCurrent(&host);
    CGraph g;
    g.m_nFreq = freq;
    std::string err;
    host.RunDialog(g, LinesOf(""), err);
    return host.EndState()["windows"].AsArray().back();  // as the script left it
  }

  // The y-axis labels of one graph: texts above the bottom line, left of that graph's area.
  static std::vector<std::string> Labels(const Json& w, int xMin, int xMax) {
    std::vector<std::string> out;
    for (auto& op : w["ops"].AsArray())
      if (op["op"].AsString() == "text" && op["y"].AsInt() < kBottom && op["x"].AsInt() >= xMin &&
          op["x"].AsInt() < xMax)
        out.push_back(op["text"].AsString());
    return out;
  }
};

std::array<int16_t, 10> Freq(std::initializer_list<int> v) {
  std::array<int16_t, 10> f{};
  int k = 0;
  for (int x : v) f[k++] = static_cast<int16_t>(x);
  return f;
}

TEST_F(GraphPage, DefaultFrequenciesLabelTensAndFifties) {
  Json w = Draw(Freq({0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
  EXPECT_EQ(Labels(w, 0, 36),
            (std::vector<std::string>{"10", "20", "30", "40", "50", "60", "70", "80", "90"}));
  EXPECT_EQ(Labels(w, 216, 261), (std::vector<std::string>{"50", "100", "150", "200", "250", "300",
                                                           "350", "400", "450"}));
  EXPECT_EQ(testing::CountOps(w, "rectangle", "#ff0000"), 10);
}

TEST_F(GraphPage, ScalesSwitchAt15And100) {
  Json fifteen = Draw(Freq({15}));
  EXPECT_EQ(Labels(fifteen, 0, 36), (std::vector<std::string>{"10"}));
  EXPECT_EQ(Labels(fifteen, 216, 261), (std::vector<std::string>{"10"}));
  Json fourteen = Draw(Freq({14}));
  EXPECT_EQ(Labels(fourteen, 0, 36).size(), 14u);
  Json hundred = Draw(Freq({100}));
  EXPECT_EQ(Labels(hundred, 0, 36), (std::vector<std::string>{"50", "100"}));
}

TEST_F(GraphPage, EmptyTableHasNoLabelsAndFlatShapes) {
  Json w = Draw(Freq({}));
  EXPECT_TRUE(Labels(w, 0, 36).empty());
  EXPECT_TRUE(Labels(w, 216, 261).empty());
  for (auto& op : w["ops"].AsArray()) {
    if (op["op"].AsString() == "rectangle") {
      EXPECT_EQ(op["rect"].AsArray()[1].AsInt(), kBottom);
    }
    if (op["op"].AsString() == "line" && op["pen"]["width"].AsInt() == 2) {
      EXPECT_EQ(op["to"].AsArray()[1].AsInt(), kBottom);
    }
  }
}

TEST_F(GraphPage, LargeTotalsKeepTheirShape) {
  Json w = Draw(Freq({0, 0, 0, 0, 0, 0, 0, 0, 32767, 32767}));
  int lastY = -1;
  for (auto& op : w["ops"].AsArray())
    if (op["op"].AsString() == "line" && op["pen"]["width"].AsInt() == 2)
      lastY = op["to"].AsArray()[1].AsInt();
  EXPECT_EQ(lastY, kBottom - 65534 * 85 / 50000);  // step 50000, two steps of 85 pixels
  EXPECT_EQ(Labels(w, 216, 261), (std::vector<std::string>{"50000"}));
}

}  // namespace
}  // namespace vl
