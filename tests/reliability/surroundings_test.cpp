// The program meets a broken environment with a clear word, never a crash.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct Result {
  int status;
  std::string output;
};

// Runs a shell command, with standard error joined to standard output.
Result Shell(const std::string& cmd) {
  Result r{-1, ""};
  FILE* p = popen((cmd + " 2>&1").c_str(), "r");
  if (!p) return r;
  char buf[512];
  while (fgets(buf, sizeof buf, p)) r.output += buf;
  int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

const std::string kVelorin = VELORIN_BINARY;

TEST(Surroundings, MissingScriptFileIsNamed) {
  Result r = Shell(kVelorin + " --script /nonexistent/lesson.txt");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.output,
            "velorin: cannot read script '/nonexistent/lesson.txt': No such file or directory\n");
}

TEST(Surroundings, ScriptThatIsNotUtf8IsRefused) {
  std::string file = ::testing::TempDir() + "latin1.txt";
  std::ofstream(file) << "command 2772\ntype 105 \xe9\xe9\n";
  Result r = Shell(kVelorin + " --script " + file);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.output.find("is not valid UTF-8 text"), std::string::npos) << r.output;
}

TEST(Surroundings, UnknownOptionAndHelp) {
  Result bad = Shell(kVelorin + " --frobnicate");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.output.find("unknown option '--frobnicate'"), std::string::npos);
  Result help = Shell(kVelorin + " --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("--script FILE"), std::string::npos);
}

TEST(Surroundings, UnwritableRenderTargetIsAnError) {
  Result r = Shell("printf 'render /nonexistent/dir/a.json\\n' | " + kVelorin + " --script -");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.output, "velorin: script line 1: render: cannot write '/nonexistent/dir/a.json'\n");
}

TEST(Surroundings, WithoutTheIpaFontsPicturesStillComeWithOneWarning) {
  // A font configuration that knows only the DejaVu fonts, or none at all.
  std::string dir = ::testing::TempDir();
  std::string conf = dir + "no-ipa-fonts.conf";
  std::ofstream(conf) << "<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">"
                         "<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>"
                         "<cachedir>" << dir << "no-ipa-cache</cachedir></fontconfig>";
  std::string png = dir + "no-ipa.png";
  std::remove(png.c_str());
  Result r = Shell("printf 'command 2772\\nrender " + png + "\\n' | FONTCONFIG_FILE=" + conf +
                   " " + kVelorin + " --script -");
  if (r.output.find("PNG output is not available") != std::string::npos)
    GTEST_SKIP() << "this build has no Qt backend";
  EXPECT_EQ(r.status, 0) << r.output;
  size_t warnings = 0;
  for (size_t p = r.output.find("IPA fonts"); p != std::string::npos;
       p = r.output.find("IPA fonts", p + 1))
    ++warnings;
  EXPECT_EQ(warnings, 1u) << r.output;
  EXPECT_TRUE(std::ifstream(png).good());
}

}  // namespace
