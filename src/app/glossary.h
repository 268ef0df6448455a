// Where the glossary lies: "math.hlp" in the program's own folder, whatever its length.
#pragma once
#include <string>
#include <string_view>

namespace vl {

inline constexpr char kGlossaryFile[] = "math.hlp";
inline constexpr int kHelpContents = 3;

// The folder of programPath (up to and with its last '/') followed by "math.hlp"; a path
// without a folder gives "math.hlp" alone.
std::string GlossaryPath(std::string_view programPath);

// The running program's own file, as the system names it (/proc/self/exe), unless a test has
// put another path in its place.
std::string ProgramPath();
// Replaces the program's path for tests; an empty path restores the real one.
void SetProgramPathOverride(std::string path);

}  // namespace vl
