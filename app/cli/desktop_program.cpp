#include "cli/desktop_program.h"

#include <system_error>

namespace fs = std::filesystem;

namespace norvika {

std::optional<fs::path> desktopProgram() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return std::nullopt;
  const fs::path desktop = self.parent_path() / "norvika-qt";
  if (!fs::exists(desktop, ec)) return std::nullopt;
  return desktop;
}

}  // namespace norvika
