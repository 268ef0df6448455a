// The election page (500 x 248 client, units 10 x 17): named and secret ballots.
#include "counting_fixture.h"

namespace vl::testing {
namespace {

constexpr char kOpen[] = "command 2775\n";

TEST(Jyufuku, OpensWithTheNamedBallotOfTenVoters) {
  ScriptRun run(kOpen);
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& w = run.top();
  EXPECT_TRUE(FindControl(w, 119)["checked"].AsBool());
  EXPECT_FALSE(FindControl(w, 120)["checked"].AsBool());
  EXPECT_EQ(At(FindText(w, "10人がそれぞれ 2人の候補者を選べるから")), "[20,68]");
  EXPECT_EQ(At(FindText(w, "2x2x2x2x2x2x2x2x2x2")), "[20,102]");
  EXPECT_EQ(At(FindText(w, "= 2")), "[20,136]");
  EXPECT_FALSE(FindText(w, "10").IsNull());  // the exponent
  const Json& answer = FindText(w, "= 1024(通り)");
  EXPECT_EQ(At(answer), "[20,153]");
  EXPECT_EQ(answer["color"].AsString(), "#ff0000");
}

TEST(Jyufuku, SecretBallot) {
  ScriptRun run(std::string(kOpen) + "press 120\n");
  const Json& w = run.top();
  EXPECT_EQ(At(FindText(w, "候補者を 1,L2とする。")), "[20,51]");
  EXPECT_EQ(At(FindText(w, "10人が投票する場合 -> 0,1,..,9を加えたもの")), "[10,85]");
  EXPECT_EQ(At(FindText(w, "(2,2,2,..,2,2) -> (2,3,4,..,10,11)")), "[80,153]");
  EXPECT_FALSE(FindText(w, "右側は、相異なる(10+2-1)個の数字から 10個とる").IsNull());
  EXPECT_EQ(At(FindText(w, "H")), "[40,204]");
  EXPECT_EQ(At(FindText(w, "C")), "[90,204]");
  EXPECT_FALSE(FindText(w, "11").IsNull());  // 2H10 = 11C10
  EXPECT_EQ(At(FindText(w, "= 11 (通り)")), "[120,204]");
  // Back to the named ballot.
  ScriptRun back(std::string(kOpen) + "press 120\npress 119\n");
  EXPECT_FALSE(FindText(back.top(), "= 1024(通り)").IsNull());
  EXPECT_EQ(back.top()["paints"].AsInt(), run.top()["paints"].AsInt() + 1);
}

TEST(Jyufuku, LargestCases) {
  ScriptRun five(std::string(kOpen) + "type 117 12\ntype 118 5\npress 101\n");
  EXPECT_FALSE(FindText(five.top(), "= 244140625(通り)").IsNull());
  ScriptRun three(std::string(kOpen) + "type 117 18\ntype 118 3\npress 101\n");
  EXPECT_FALSE(FindText(three.top(), "= 387420489(通り)").IsNull());
  ScriptRun secret(std::string(kOpen) + "type 117 18\ntype 118 3\npress 101\npress 120\n");
  EXPECT_FALSE(FindText(secret.top(), "= 190 (通り)").IsNull());
  EXPECT_FALSE(FindText(secret.top(), "20").IsNull());  // 3H18 = 20C18
  ScriptRun one(std::string(kOpen) + "type 118 1\npress 101\npress 120\n");
  EXPECT_FALSE(FindText(one.top(), "候補者を 1とする。").IsNull());
  EXPECT_FALSE(FindText(one.top(), "= 1 (通り)").IsNull());
}

TEST(Jyufuku, BadEntriesRefocusTheRightEditBox) {
  ExpectRefused(kOpen, "type 117 13\ntype 118 5\n", 101, 118);
  ExpectRefused(kOpen, "type 118 6\n", 101, 118);
  ExpectRefused(kOpen, "type 118 0\n", 101, 118);  // no candidates, no ballot
  ExpectRefused(kOpen, "type 118 \"\"\n", 101, 118);
  ExpectRefused(kOpen, "type 118 65535\n", 101, 118);
  ExpectRefused(kOpen, "type 117 5\n", 101, 117);
  ExpectRefused(kOpen, "type 117 19\n", 101, 117);
  ExpectRefused(kOpen, "type 117 65542\n", 101, 117);
  ExpectRefused(kOpen, "type 117 1a\n", 101, 117);
}

TEST(Jyufuku, DrillButtonOpensTheDrill) {
  EXPECT_EQ(DrillOpenedBy(2775), std::make_pair(2775, 0));
}

}  // namespace
}  // namespace vl::testing
