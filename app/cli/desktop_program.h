#pragma once

#include <filesystem>
#include <optional>

namespace norvika {

/// Where the desktop program norvika-qt is for the program running now: in the helper
/// directory of an installation (lib/norvika, reached from bin/), else beside the running
/// program (the build tree). None when this build has no desktop program.
std::optional<std::filesystem::path> desktopProgramPath();

}  // namespace norvika
