// What `cmake --install` lays down: the program with its glossary beside it, the menu entry
// and the icons.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vl {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

TEST(Install, ProgramGlossaryDesktopEntryAndIcons) {
  fs::path build = fs::path(VELORIN_BINARY).parent_path();
  fs::path prefix = fs::temp_directory_path() / ("velorin-install-" + std::to_string(getpid()));
  fs::remove_all(prefix);
  std::string install =
      "cmake --install '" + build.string() + "' --prefix '" + prefix.string() + "' >/dev/null 2>&1";
  if (std::system("cmake --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no cmake";
  ASSERT_EQ(std::system(install.c_str()), 0) << install;

  EXPECT_TRUE(fs::is_regular_file(prefix / "bin/velorin"));
  EXPECT_TRUE(fs::is_regular_file(prefix / "bin/math.hlp"));
  for (const char* size : {"16x16", "32x32", "48x48", "256x256"})
    EXPECT_TRUE(fs::is_regular_file(prefix / "share/icons/hicolor" / size / "apps/velorin.png"))
        << size;
  EXPECT_TRUE(fs::is_regular_file(prefix / "share/icons/hicolor/scalable/apps/velorin.svg"));
  std::string entry = ReadFile(prefix / "share/applications/velorin.desktop");
  EXPECT_NE(entry.find("\nName=Velorin\n"), std::string::npos);
  EXPECT_NE(entry.find("\nName[ja]="), std::string::npos);
  EXPECT_NE(entry.find("\nCategories=Education;Math;\n"), std::string::npos);
  EXPECT_NE(entry.find("\nIcon=velorin\n"), std::string::npos);

  // The installed program finds the glossary beside itself.
  fs::path json = prefix / "state.json";
  std::string run = "printf 'command 32771\\nrender " + json.string() + "\\n' | '" +
                    (prefix / "bin/velorin").string() + "' --script - >/dev/null 2>&1";
  ASSERT_EQ(std::system(run.c_str()), 0) << run;
  EXPECT_NE(ReadFile(json).find("\"file\":\"" + (prefix / "bin/math.hlp").string() + "\""),
            std::string::npos);
  fs::remove_all(prefix);
}

}  // namespace
}  // namespace vl
