// The glossary the help command opens: present beside the program, and whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "app/glossary.h"

namespace vl {
namespace {

std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

TEST(GlossaryFile, LiesBesideTheProgram) {
  auto beside = GlossaryPath(VELORIN_BINARY);
  EXPECT_TRUE(std::filesystem::is_regular_file(beside)) << beside;
  EXPECT_EQ(ReadFile(beside),
            ReadFile(std::string(VELORIN_SOURCE_DIR) + "/src/resources/math.hlp"));
}

TEST(GlossaryFile, EveryContentsEntryLeadsToATermWithADefinitionAndAnExample) {
  std::string text = ReadFile(std::string(VELORIN_SOURCE_DIR) + "/src/resources/math.hlp");
  ASSERT_FALSE(text.empty());
  std::set<std::string> links, anchors;
  const std::regex link("href=\"#([a-z]+)\"");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), link); it != std::sregex_iterator();
       ++it)
    links.insert((*it)[1]);
  // Each term: its anchor in a heading, a definition, then an example.
  const std::regex term(
      "<h3><a name=\"([a-z]+)\" id=\"\\1\"></a>[^<]+</h3>\\s*<p>[^<]+</p>\\s*"
      "<p class=\"ex\">例：[^<]+</p>");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), term); it != std::sregex_iterator();
       ++it)
    anchors.insert((*it)[1]);
  links.erase("contents");
  EXPECT_GE(anchors.size(), 40u);
  EXPECT_EQ(links, anchors);
  for (const char* word :
       {"集合",     "元（要素）",   "部分集合",   "補集合",       "ド・モルガンの法則",
        "命題",     "逆・裏・対偶", "背理法",     "数学的帰納法", "積の法則",
        "和の法則", "順列",         "円順列",     "組合せ",       "重複組合せ",
        "確率",     "期待値",       "度数分布表", "平均",         "分散",
        "標準偏差", "偏差値",       "相関係数",   "二項分布",     "正規分布",
        "標準化",   "信頼区間"})
    EXPECT_NE(text.find(std::string(">") + word + "</a></li>"), std::string::npos) << word;
}

}  // namespace
}  // namespace vl
