#include "app/glossary.h"

#include <filesystem>
#include <system_error>

namespace vl {

namespace {
std::string& Override() {
  static std::string path;
  return path;
}
}  // namespace

std::string GlossaryPath(std::string_view programPath) {
  size_t slash = programPath.find_last_of('/');
  std::string folder = slash == std::string_view::npos
                           ? std::string()
                           : std::string(programPath.substr(0, slash + 1));
  return folder + kGlossaryFile;
}

std::string ProgramPath() {
  if (!Override().empty()) return Override();
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.string();
}

void SetProgramPathOverride(std::string path) { Override() = std::move(path); }

}  // namespace vl
