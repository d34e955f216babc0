#pragma once

#include <filesystem>
#include <optional>

namespace norvika {

/// The desktop program norvika-qt that shows the run and draws and saves the pictures for the
/// programs of the family: in the helper directory of an installation (lib/norvika, reached
/// from bin/), else beside the running program (the build tree). None when this build has none.
std::optional<std::filesystem::path> desktopProgram();

}  // namespace norvika
