#pragma once

#include <filesystem>
#include <optional>

namespace norvika {

/// Asks for the run directory in a folder dialog opening at `start`: the program started from
/// the desktop's menu runs in the home directory, where no task file is. The chosen directory,
/// nothing when the user cancels. Needs a QApplication.
std::optional<std::filesystem::path> chooseRunDirectory(const std::filesystem::path& start);

}  // namespace norvika
