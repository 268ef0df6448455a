#include <gtest/gtest.h>

#include <string>

#include "support/script_fixture.h"

namespace vl::testing {
namespace {

// The text drawn at (x, y); empty when none.
std::string TextAt(const Json& window, int x, int y) {
  for (auto& op : window["ops"].AsArray())
    if (op["op"].AsString() == "text" && op["x"].AsInt() == x && op["y"].AsInt() == y)
      return op["text"].AsString();
  return {};
}

int Polygons(const Json& window) {
  int n = 0;
  for (auto& op : window["ops"].AsArray()) n += op["op"].AsString() == "polygon";
  return n;
}

std::string Repeat(const std::string& line, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += line;
  return s;
}

// Template 105 gives a client of 468 x 244: U = 468 / 48, V = 244 / 14 + 1.
constexpr int kU = 9, kV = 18;

TEST(Kakuritu, OpeningTable) {
  ScriptRun run("command 2773\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& top = run.top();
  EXPECT_EQ(top["client"].Dump(), "[468,244]");
  for (int j = 0; j <= 6; ++j) {
    const int y = (6 + j) * kV;
    EXPECT_EQ(TextAt(top, 14 * kU, y), "  0") << j;
    EXPECT_EQ(TextAt(top, 18 * kU, y), " = 回数/合計") << j;
    EXPECT_EQ(TextAt(top, 32 * kU, y), j < 6 ? "0.167" : "1.000") << j;
  }
  EXPECT_EQ(TextAt(top, 6 * kU, 6 * kV), "  1");
  EXPECT_EQ(TextAt(top, 6 * kU, 12 * kV), "合計");
  EXPECT_EQ(TextAt(top, 40 * kU, 8 * kV), "1/6=0.167");
  EXPECT_EQ(Polygons(top), 0);  // no die before the first throw
}

TEST(Kakuritu, TenThrowsFillTheTotalRow) {
  ScriptRun run("command 2773\npress 112\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& top = run.top();
  EXPECT_EQ(TextAt(top, 14 * kU, 12 * kV), " 10");
  EXPECT_EQ(TextAt(top, 18 * kU, 12 * kV), "1.000( 10/ 10)");
  EXPECT_EQ(Polygons(top), 1);  // only the last die
  int sum = 0;
  for (int j = 0; j < 6; ++j) sum += std::stoi(TextAt(top, 14 * kU, (6 + j) * kV));
  EXPECT_EQ(sum, 10);
}

TEST(Kakuritu, RepaintingThrowsNothing) {
  ScriptRun exposed("command 2773\npress 111\nexpose\nexpose\n");
  ASSERT_EQ(exposed.status(), 0) << exposed.error();
  EXPECT_EQ(TextAt(exposed.top(), 14 * kU, 12 * kV), "  1");
  EXPECT_EQ(TextAt(exposed.top(), 18 * kU, 12 * kV), "1.000(  1/  1)");
  EXPECT_GE(exposed.top()["paints"].AsInt(), 3);
}

TEST(Kakuritu, LimitOf999) {
  ScriptRun run("command 2773\n" + Repeat("press 112\n", 100));
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_EQ(TextAt(run.top(), 14 * kU, 12 * kV), "990");  // the hundredth press did nothing

  ScriptRun ones("command 2773\n" + Repeat("press 112\n", 99) + Repeat("press 111\n", 12));
  ASSERT_EQ(ones.status(), 0) << ones.error();
  EXPECT_EQ(TextAt(ones.top(), 14 * kU, 12 * kV), "999");
  EXPECT_EQ(TextAt(ones.top(), 18 * kU, 12 * kV), "1.000(999/999)");
}

TEST(Kakuritu, ReopeningStartsFromZero) {
  ScriptRun run("command 2773\npress 112\npress 1\ncommand 2773\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_EQ(TextAt(run.top(), 14 * kU, 12 * kV), "  0");
}

}  // namespace
}  // namespace vl::testing
