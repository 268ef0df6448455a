#include "platform/script/json.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(Json, ParsesAndDumpsNestedValues) {
  auto j = Json::Parse(R"( {"a":[1,-2.5,true,null],"b":{"c":"組\n\u0041"}} )");
  ASSERT_TRUE(j);
  EXPECT_EQ((*j)["a"].AsArray()[1].AsNumber(), -2.5);
  EXPECT_EQ((*j)["b"]["c"].AsString(), "組\nA");
  EXPECT_EQ(j->Dump(), R"({"a":[1,-2.5,true,null],"b":{"c":"組\nA"}})");
  EXPECT_EQ(Json::Parse(j->Dump()), j);
}

TEST(Json, RejectsMalformedText) {
  for (const char* bad : {"", "{", "[1,]", "{\"a\" 1}", "\"abc", "tru", "1 2", "\"\x01\"",
                          "[\"\\x\"]"}) {
    std::string why;
    EXPECT_FALSE(Json::Parse(bad, &why)) << bad;
    EXPECT_FALSE(why.empty()) << bad;
  }
}

TEST(Json, StringLiteralsKeepBlanksZerosAndSurrogates) {
  size_t used = 0;
  auto s = Json::ParseStringLiteral(R"("  3 " rest)", &used);
  ASSERT_TRUE(s);
  EXPECT_EQ(*s, "  3 ");
  EXPECT_EQ(used, 6u);
  auto z = Json::ParseStringLiteral(R"("a\u0000b")", &used);
  ASSERT_TRUE(z);
  EXPECT_EQ(z->size(), 3u);
  auto e = Json::ParseStringLiteral(R"("\ud83d\ude00")", &used);
  ASSERT_TRUE(e);
  EXPECT_EQ(*e, "\xF0\x9F\x98\x80");
}

TEST(Json, DeepNestingIsRefusedNotACrash) {
  std::string deep(100000, '[');
  EXPECT_FALSE(Json::Parse(deep));
}

}  // namespace
}  // namespace vl
