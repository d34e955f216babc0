#pragma once

#include <filesystem>
#include <optional>

namespace norvika {

/// The desktop program norvika-qt that shows the run and draws and saves the pictures for the
/// programs of the family: in the helper directory of an installation (lib/norvika, reached
/// from bin/), else beside the running program (the build tree). None when this build has none.
std::optional<std::filesystem::path> desktopProgram();

/// Starts `desktop FLAG ARGS` (ARGS: argv[1] on) in the place of the running
/// program `program`; returns only when that cannot be done, having said why
/// on stderr, with the exit status of an internal failure.
int runInDesktopProgram(const std::filesystem::path& desktop, const char* flag, const char* program,
                        int argc, char** argv);

}  // namespace norvika
