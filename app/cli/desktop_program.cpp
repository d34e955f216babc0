#include "cli/desktop_program.h"

#include <unistd.h>

#include <system_error>

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

}  // namespace norvika
