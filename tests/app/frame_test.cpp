#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/glossary.h"
#include "support/script_fixture.h"
#include "topics/level.h"

namespace vl::testing {
namespace {

namespace fs = std::filesystem;

int ViewPaints(const ScriptRun& run) {
  return run.state()["windows"].AsArray()[0]["paints"].AsInt();
}

TEST(Level, CommandsMoveTheCheckMarkAndTheLevelAndRepaintNothing) {
  ScriptRun junior("command 32787\ncommand 32787\n");
  EXPECT_EQ(junior.state()["checked"].Dump(), "[32787]");
  EXPECT_EQ(junior.state()["level"].AsInt(), 0);
  EXPECT_EQ(g_nLevel, 0);
  EXPECT_EQ(ViewPaints(junior), 1);

  ScriptRun back("command 32787\ncommand 32788\n");
  EXPECT_EQ(back.state()["checked"].Dump(), "[32788]");
  EXPECT_EQ(g_nLevel, 1);
  EXPECT_EQ(ViewPaints(back), 1);
}

TEST(Glossary, OpensMathHlpBesideTheProgramHoweverDeepItsFolder) {
  std::string deep = "/opt";
  while (deep.size() < 300) deep += "/a-rather-long-folder-name-for-the-program";
  SetProgramPathOverride(deep + "/velorin");
  ScriptRun run("command 32771\n");
  SetProgramPathOverride("");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_EQ(run.state()["help"].Dump(), "[{\"file\":\"" + deep + "/math.hlp\",\"command\":3}]");
  EXPECT_EQ(ViewPaints(run), 1);
}

TEST(Glossary, PathIsTheProgramsFolderPlusTheFileName) {
  EXPECT_EQ(GlossaryPath("/usr/bin/velorin"), "/usr/bin/math.hlp");
  EXPECT_EQ(GlossaryPath("/velorin"), "/math.hlp");
  EXPECT_EQ(GlossaryPath("velorin"), "math.hlp");
  // The real program's path: the test binary itself.
  std::string self = ProgramPath();
  ASSERT_FALSE(self.empty());
  EXPECT_TRUE(fs::equivalent(self, "/proc/self/exe"));
  EXPECT_EQ(GlossaryPath(self), fs::path(self).parent_path().string() + "/math.hlp");
}

// A temporary folder with a few files to open.
class FileCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("velorin-shell-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Touch(const std::string& name) {
    std::ofstream(dir_ / name) << "x";
    return (dir_ / name).string();
  }
  fs::path dir_;
};

TEST_F(FileCommands, StartupDocumentNamesTheCaptionAndHeadsTheRecentList) {
  std::string file = Touch("練習.txt");
  ScriptHost host;
  Host::SetCurrent(&host);
  CVelorinApp app;
  app.SetStartupDocument(file);
  std::string err;
  EXPECT_EQ(host.Run(app, LinesOf(""), err), 0) << err;
  EXPECT_EQ(host.EndState()["caption"].AsString(), "練習.txt - Velorin");
  EXPECT_EQ(host.Recent().Load(), std::vector<std::string>{file});
  // New gives the untitled document back.
  app.OnCommand(57600);
  EXPECT_EQ(app.Caption(), u"無題 - Velorin");
  Host::SetCurrent(nullptr);
}

TEST_F(FileCommands, AStartupDocumentThatCannotBeReadIsReportedAndEndsTheStart) {
  ScriptHost host;
  Host::SetCurrent(&host);
  CVelorinApp app;
  app.SetStartupDocument((dir_ / "missing.txt").string());
  std::string err;
  EXPECT_EQ(host.Run(app, LinesOf("command 2772\n"), err), 1);
  auto messages = host.State()["messages"].AsArray();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0]["text"].AsString(), "ファイル「missing.txt」を開けません。");
  EXPECT_TRUE(host.Recent().Load().empty());
  Host::SetCurrent(nullptr);
}

TEST_F(FileCommands, RecentListKeepsFourNewestFirstWithoutRepeats) {
  ScriptRun run("");
  CVelorinApp& app = run.app();
  std::string a = Touch("a"), b = Touch("b"), c = Touch("c"), d = Touch("d"), e = Touch("e");
  std::string aAgain = (dir_ / "." / "a").string();
  for (const std::string& f : {a, b, c, aAgain, d, e}) EXPECT_TRUE(app.OpenDocumentFile(f));
  std::vector<std::string> expected{e, d, a, c};
  EXPECT_EQ(app.RecentFileList(), expected);
  EXPECT_EQ(run.host().Recent().Load(), expected);
  EXPECT_EQ(app.Caption(), u"e - Velorin");
  // A folder is not a document: reported, and nothing changes.
  EXPECT_FALSE(app.OpenDocumentFile(dir_.string()));
  EXPECT_EQ(app.RecentFileList(), expected);
  EXPECT_EQ(app.Caption(), u"e - Velorin");
}

TEST_F(FileCommands, ARecentListFromTheSettingsIsKeptToFour) {
  ScriptHost host;
  Host::SetCurrent(&host);
  host.Recent().Save({"/1", "/2", "/3", "/4", "/5"});
  CVelorinApp app;
  std::string err;
  host.Run(app, LinesOf(""), err);
  EXPECT_EQ(app.RecentFileList(), (std::vector<std::string>{"/1", "/2", "/3", "/4"}));
  Host::SetCurrent(nullptr);
}

TEST(PrintAndKeys, PrintCommandsPrintTheViewAndOtherKeysDoNothing) {
  ScriptRun run(
      "command 57607\ncommand 57608\ncommand 57609\ncommand 57603\ncommand 57634\n"
      "command 57680\ncommand 57601\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_EQ(run.host().PrintCount(), 3);
  EXPECT_EQ(ViewPaints(run), 1);
  EXPECT_EQ(run.state()["caption"].AsString(), "無題 - Velorin");  // Open was cancelled
  EXPECT_TRUE(run.state()["messages"].AsArray().empty());
}

// The lines after the exit command run against the ended program: the state says it has
// ended, and a line that needs the running program stops the run.
TEST(Exit, LinesAfterTheExitCommandRunAgainstTheEndedProgram) {
  ScriptRun run("command 57665\ntime 5\n");
  EXPECT_EQ(run.status(), 0);
  EXPECT_TRUE(run.state()["exited"].AsBool());
  EXPECT_EQ(run.state()["windows"].AsArray().size(), 1u);
  ScriptRun refused("command 57665\ncommand 2772\n");
  EXPECT_EQ(refused.status(), 2);
  EXPECT_EQ(refused.error(), "velorin: script line 2: command: the program has ended");
}

}  // namespace
}  // namespace vl::testing
