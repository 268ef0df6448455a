// Scenarios of the proof and set-basics pages (one dialog, two modes).
#include <gtest/gtest.h>

#include <algorithm>

#include "support/script_fixture.h"
#include "topics/sets/page_json.h"

namespace vl::testing {
namespace {

const std::string kProof = "command 2779\n";
const std::string kSets = "command 2776\n";

// Colours of the emblem's rays: the lines drawn while a clip is selected.
std::vector<std::string> ClippedLineColours(const Json& window) {
  std::vector<std::string> colours;
  bool clipped = false;
  for (const auto& op : window["ops"].AsArray()) {
    if (op["op"].AsString() == "clip") clipped = !op["rects"].IsNull();
    if (clipped && op["op"].AsString() == "line") colours.push_back(op["pen"]["color"].AsString());
  }
  return colours;
}

// The hatched region of a set page: the clip selected around the hatched rectangle.
std::vector<Rect> HatchClip(const Json& window) {
  std::vector<Rect> rects;
  for (const auto& op : window["ops"].AsArray())
    if (op["op"].AsString() == "clip" && !op["rects"].IsNull())
      for (const auto& r : op["rects"].AsArray()) rects.push_back(RectOf(r));
  return rects;
}

bool InClip(const std::vector<Rect>& rects, Point p) {
  return std::any_of(rects.begin(), rects.end(), [p](const Rect& r) { return r.Contains(p); });
}

TEST(ProofPage, OpensOnThePromptWithTheOpeningPicture) {
  ScriptRun run(kProof);
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& w = run.top();
  EXPECT_EQ(w["title"].AsString(), "証    明");
  const Json& list = FindControl(w, 142);
  EXPECT_EQ(list["items"].AsArray().size(), 14u);
  EXPECT_EQ(list["items"].AsArray()[0].AsString(), "      項目を選択して下さい。");
  EXPECT_EQ(list["items"].AsArray()[13].AsString(), "(13)  不等式の証明");
  EXPECT_EQ(list["selection"].AsInt(), 0);

  // The emblem in palette colour 5, one ray per degree.
  auto rays = ClippedLineColours(w);
  EXPECT_GE(rays.size(), 360u);
  EXPECT_TRUE(std::all_of(rays.begin(), rays.end(), [](auto& c) { return c == "#800080"; }));
  // The opening picture: the chains, the halo, the balloons and their words.
  for (const char* s :
       {"物理", "宗教", "自然", "神", "定理", "我思う。", "公理", "形", "時", "どれも確かでない"})
    EXPECT_FALSE(FindText(w, s).IsNull()) << s;
  EXPECT_EQ(FindText(w, "定義")["color"].AsString(), "#ffffff");
  auto arcs = OpsNamed(w, "arc");
  ASSERT_FALSE(arcs.empty());
  EXPECT_EQ((*arcs[0])["pen"]["width"].AsInt(), 12);  // the halo
  EXPECT_EQ(OpsNamed(w, "polygon").size(), 2u);
  // Client 480 x 284: X = 11, Y = 20; the face is the circle of radius 3Y about (5Y, 10Y).
  EXPECT_EQ(RectOf((*OpsNamed(w, "ellipse")[12])["rect"]), (Rect{40, 140, 160, 260}));
}

TEST(ProofPage, EmblemColourFollowsTheItem) {
  ScriptRun run(kProof + "select 142 13\n");
  const Json& w = run.top();
  auto rays = ClippedLineColours(w);
  ASSERT_FALSE(rays.empty());
  EXPECT_EQ(rays.front(), "#00ffff");  // palette entry 18
  EXPECT_FALSE(FindText(w, "不等式 A>B を示すには").IsNull());
  EXPECT_TRUE(FindText(w, "物理").IsNull());  // the opening picture is gone
}

TEST(ProofPage, ExplanationLinesRunDownFromTheThirdRow) {
  ScriptRun run(kProof + "select 142 2\n");
  const Json& w = run.top();
  const Json& first = FindText(w, " 一つの判断または主張を表す文章で、それが真であるか");
  EXPECT_EQ(first["x"].AsInt(), 11);
  EXPECT_EQ(first["y"].AsInt(), 60);
  EXPECT_EQ(FindText(w, "「～ならば、～である」で述べられるものが多い。")["y"].AsInt(), 100);
  EXPECT_EQ(w["paints"].AsInt(), 2);
}

TEST(ProofPage, FormulaPagesDrawTheirExponentsWithoutOverprinting) {
  ScriptRun eq(kProof + "select 142 12\n");
  const Json& a = FindText(eq.top(), "<=> a");
  EXPECT_EQ(a["x"].AsInt(), 55);
  EXPECT_EQ(a["y"].AsInt(), 220);
  EXPECT_FALSE(FindText(eq.top(), "= 0").IsNull());

  ScriptRun ineq(kProof + "select 142 13\n");
  const Json& w = ineq.top();
  EXPECT_EQ(FindText(w, "A")["x"].AsInt(), 187);
  EXPECT_EQ(FindText(w, "を示してもよい。")["x"].AsInt(), 264);
  // (real)² ≧ 0 follows line (1) on its row, after its end.
  const Json& line = FindText(w, "  (1) (正)(正)>0 (負)(負)>0");
  const Json& real = FindText(w, "(実数)");
  const Json& geq = FindText(w, "≧ 0");
  ASSERT_FALSE(line.IsNull() || real.IsNull() || geq.IsNull());
  EXPECT_EQ(real["y"].AsInt(), line["y"].AsInt());
  EXPECT_GT(real["x"].AsInt(), 11 + 216);               // line (1) is 216 px wide
  EXPECT_GT(geq["x"].AsInt(), real["x"].AsInt() + 48);  // "(実数)" is 48 px wide
  EXPECT_FALSE(FindText(w, "（等号は a=bのとき）").IsNull());
}

TEST(ProofPage, DrillOnlyFromItemEight) {
  ScriptRun early(kProof + "select 142 7\npress 133\n");
  ASSERT_EQ(early.status(), 0) << early.error();
  const auto& messages = early.state()["messages"].AsArray();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0]["text"].AsString(), "（８）以降ドリルあり。");
  EXPECT_EQ(early.top()["template"].AsInt(), 112);

  ScriptRun opening(kProof + "press 133\n");
  EXPECT_EQ(opening.state()["messages"].AsArray().size(), 1u);

  ScriptRun drill(kProof + "select 142 8\npress 133\n");
  ASSERT_EQ(drill.status(), 0) << drill.error();
  EXPECT_TRUE(drill.state()["messages"].AsArray().empty());
  EXPECT_EQ(drill.top()["template"].AsInt(), 110);
}

TEST(SetBasicsPage, OpensOnTheNotationPage) {
  ScriptRun run(kSets);
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& w = run.top();
  EXPECT_EQ(w["title"].AsString(), "集合の基礎");
  const Json& list = FindControl(w, 142);
  ASSERT_EQ(list["items"].AsArray().size(), 9u);
  EXPECT_EQ(list["items"].AsArray()[0].AsString(), "(01)  集合の表し方");
  EXPECT_EQ(list["selection"].AsInt(), 0);
  EXPECT_TRUE(FindText(w, "<<例>>").IsNull());
  // Lines 0..3 beside the diagram at 13Y, rows 4, 5, 7 and 8.
  const char* lines[] = {"1:{}の中に元を列挙する。", "例 A ={1,2,3,4,6,12}", "2:{x|xの条件}",
                         "例 A={x|xは 12の約数}"};
  const int rows[] = {4, 5, 7, 8};
  for (int i = 0; i < 4; ++i) {
    const Json& t = FindText(w, lines[i]);
    EXPECT_EQ(t["x"].AsInt(), 260) << lines[i];
    EXPECT_EQ(t["y"].AsInt(), rows[i] * 20) << lines[i];
  }
  // Circle A hatched: the clip is the circle of radius 50 about (80, 140).
  auto clip = HatchClip(w);
  EXPECT_TRUE(InClip(clip, {80, 140}));
  EXPECT_TRUE(InClip(clip, {35, 140}));
  EXPECT_FALSE(InClip(clip, {160, 140}));
  EXPECT_FALSE(InClip(clip, {34, 96}));
  auto rects = OpsNamed(w, "rectangle");
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ((*rects[1])["brush"]["style"].AsString(), "bdiagonal");
  EXPECT_EQ((*rects[1])["brush"]["color"].AsString(), "#ff0000");
  EXPECT_EQ(OpsNamed(w, "icon").size(), 1u);
}

TEST(SetBasicsPage, DeMorganPagesHatchTheUniverseOutsideTheUnionOrIntersection) {
  // A only, both, B only, in U outside both, outside U.
  const Point onlyA{45, 140}, both{120, 140}, onlyB{195, 140}, neither{20, 70}, outside{300, 150};
  ScriptRun union_(kSets + "select 142 7\n");
  auto u = HatchClip(union_.top());
  EXPECT_FALSE(InClip(u, onlyA));
  EXPECT_FALSE(InClip(u, both));
  EXPECT_FALSE(InClip(u, onlyB));
  EXPECT_TRUE(InClip(u, neither));
  EXPECT_TRUE(InClip(u, {230, 190}));
  EXPECT_FALSE(InClip(u, outside));
  EXPECT_FALSE(FindText(union_.top(), "<<例>>").IsNull());
  EXPECT_FALSE(FindText(union_.top(), "{5,7,9,10,11,13,14,15}").IsNull());

  ScriptRun inter(kSets + "select 142 8\n");
  auto i = HatchClip(inter.top());
  EXPECT_TRUE(InClip(i, onlyA));
  EXPECT_FALSE(InClip(i, both));
  EXPECT_TRUE(InClip(i, onlyB));
  EXPECT_TRUE(InClip(i, neither));
  EXPECT_FALSE(InClip(i, outside));
  // The red underline under "または" starts where the first 16 characters end.
  const Json& law = FindText(inter.top(), "(AかつB)でない=(Aでない)または(Bでない)");
  ASSERT_FALSE(law.IsNull());
  const Json& under = FindText(inter.top(), "＿＿＿");
  EXPECT_EQ(under["color"].AsString(), "#ff0000");
  EXPECT_EQ(under["x"].AsInt(), 40 + 8 * 8 + 8 * 16);
}

TEST(SetBasicsPage, DrillAlwaysOpens) {
  for (int item : {0, 5, 8}) {
    ScriptRun run(kSets + "select 142 " + std::to_string(item) + "\npress 133\n");
    ASSERT_EQ(run.status(), 0) << run.error();
    EXPECT_TRUE(run.state()["messages"].AsArray().empty());
    EXPECT_EQ(run.top()["template"].AsInt(), 110) << item;
  }
}

}  // namespace
}  // namespace vl::testing
