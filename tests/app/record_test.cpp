// Marking and the learning record through the program itself, on a record file of the test's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "drill/drill_marking.h"
#include "platform/script/json.h"
#include "platform/sqlite/sqlite_record.h"
#include "support/script_fixture.h"

namespace vl::testing {
namespace {

namespace fs = std::filesystem;

class RecordProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir =
        fs::path(::testing::TempDir()) /
        ("program-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    record = (dir / "record.sqlite").string();
  }
  // The command that runs script (saved as NAME.txt) on the test's record file.
  std::string Command(const std::string& name, const std::string& script) {
    const std::string file = (dir / (name + ".txt")).string();
    std::ofstream(file) << script;
    return std::string(VELORIN_BINARY) + " --script " + file + " --record " + record;
  }
  void Run(const std::string& script) {
    ASSERT_EQ(std::system(Command("run", script).c_str()), 0) << script;
  }
  Json Load(const std::string& name) {
    std::ifstream in(dir / name);
    std::stringstream ss;
    ss << in.rdbuf();
    auto j = Json::Parse(ss.str());
    EXPECT_TRUE(j) << name;
    return j ? j->operator[]("windows").AsArray().back() : Json();
  }
  std::string Out(const std::string& name) { return (dir / name).string(); }
  // The number that marks right in drill code opened at time seed.
  static std::string RightAnswer(int code, uint32_t seed) {
    CRandom rng;
    rng.Seed(seed);
    return Utf16ToUtf8(FormatAnswer(MarkingOf(code, GenerateDrill(code, {}, rng)).answer));
  }
  fs::path dir;
  std::string record;
};

// The texts that follow the first text equal to name, on the record page.
std::vector<std::string> RowAfter(const Json& page, const std::string& name, size_t n) {
  const auto texts = Texts(page);
  auto it = std::find(texts.begin(), texts.end(), name);
  if (it == texts.end() || texts.end() - it <= static_cast<long>(n)) return {};
  return {it + 1, it + 1 + static_cast<long>(n)};
}

TEST_F(RecordProgramTest, MarkingsShowOnTheRecordPageAndInTheNextRun) {
  Run("time 1000\ncommand 2769\npress 133\ntype 141 " + RightAnswer(2769, 1000) +
      "\npress 142\ntype 141 999\npress 142\nclose\nclose\n"
      "time 2000\ncommand 2772\npress 133\ntype 141 " +
      RightAnswer(2772, 2000) +
      "\npress 142\nclose\nclose\n"
      "command 32790\nrender " +
      Out("page.json") + "\n");
  const Json page = Load("page.json");
  EXPECT_EQ(page["template"].AsInt(), 119);
  EXPECT_EQ(RowAfter(page, "場合の数１", 3), (std::vector<std::string>{"2", "1", "50%"}));
  EXPECT_EQ(RowAfter(page, "組合せ", 3), (std::vector<std::string>{"1", "1", "100%"}));
  // Newest first: only the wrong one offers the exercise again.
  EXPECT_TRUE(FindControl(page, 200)["hidden"].AsBool());
  EXPECT_TRUE(FindControl(page, 201)["hidden"].IsNull());
  EXPECT_TRUE(FindControl(page, 202)["hidden"].AsBool());

  Run("command 32790\nrender " + Out("again.json") + "\n");
  EXPECT_EQ(Texts(Load("again.json")), Texts(page));
}

TEST_F(RecordProgramTest, AgainReopensTheSameExercise) {
  Run("time 4242\ncommand 2775\npress 133\ntype 141 -1\npress 142\nrender " + Out("first.json") +
      "\nclose\nclose\ntime 9999\ncommand 32790\npress 200\nrender " + Out("again.json") + "\n");
  const Json first = Load("first.json"), again = Load("again.json");
  EXPECT_EQ(FindControl(first, 143)["text"].AsString(), "ちがいます");
  EXPECT_EQ(again["template"].AsInt(), 110);
  EXPECT_EQ(again["ops"].Dump(), first["ops"].Dump());
}

TEST_F(RecordProgramTest, TwoProgramsWritingAtOnceLoseNoRow) {
  std::string script = "time 1\ncommand 2769\npress 133\n";
  for (int i = 0; i < 500; ++i) script += "type 141 " + std::to_string(i) + "\npress 142\n";
  const std::string both = "(" + Command("a", script) + ") & a=$!; " + Command("b", script) +
                           "; b=$?; wait $a && [ $b -eq 0 ]";
  ASSERT_EQ(std::system(both.c_str()), 0);
  SqliteRecord r(record, nullptr);
  EXPECT_EQ(r.All().size(), 1000u);
}

}  // namespace
}  // namespace vl::testing
