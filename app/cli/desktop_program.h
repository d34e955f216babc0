#pragma once

#include <filesystem>
#include <optional>

namespace norvika {

/// The desktop program norvika-qt that draws and saves the pictures for the
/// programs of the family: where it is installed beside the running program;
/// none when this build has none.
std::optional<std::filesystem::path> desktopProgram();

}  // namespace norvika
