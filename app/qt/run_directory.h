#pragma once

#include <filesystem>
#include <optional>

namespace norvika {

/// Asks for the run directory, the program started from the desktop's menu running in the home
/// directory, where no task file is. A folder dialog opening at `start` shows the folders and,
/// of the files, the task files: the user chooses a folder or opens its Norvika.TSK. A folder
/// without Norvika.TSK is said so in a box, and the dialog comes again there. The chosen
/// directory; nothing when the user cancels. Needs a QApplication.
std::optional<std::filesystem::path> chooseRunDirectory(const std::filesystem::path& start);

}  // namespace norvika
