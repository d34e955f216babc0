#include "cli/desktop_program.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "support/run_end.h"

namespace fs = std::filesystem;

namespace norvika {

std::optional<fs::path> desktopProgram() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return std::nullopt;
  for (const fs::path& place :
       {self.parent_path() / NORVIKA_HELPER_DIR_FROM_BIN, self.parent_path()}) {
    const fs::path candidate = place / "norvika-qt";
    if (::access(candidate.c_str(), X_OK) == 0) return candidate.lexically_normal();
  }
  return std::nullopt;
}

int runInDesktopProgram(const fs::path& desktop, const char* flag, const char* program, int argc,
                        char** argv) {
  std::string path = desktop.string();
  std::string first = flag;
  std::vector<char*> arguments = {path.data(), first.data()};
  for (int i = 1; i < argc; ++i) arguments.push_back(argv[i]);
  arguments.push_back(nullptr);
  ::execv(path.c_str(), arguments.data());
  std::cerr << program << ": cannot start " << path << ": " << std::strerror(errno) << "\n";
  return static_cast<int>(ExitReason::InternalFailure);
}

}  // namespace norvika
