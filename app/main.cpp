// norvika: buoyancy distribution of a ship, one loading case per run, in the run directory.
// A run in the terminal or in batch mode needs no desktop library; live windows, pictures
// and the PDF record are the desktop program's (norvika-qt, a helper of this one), started here
// with the same command line when they are asked for.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <new>
#include <optional>
#include <string>

#include "cli/desktop_program.h"
#include "cli/options.h"
#include "cli/terminal_run.h"

namespace fs = std::filesystem;
using namespace norvika;

namespace {

// Starts norvika-qt in its place; returns only when that cannot be done.
int runDesktopProgram(char** argv) {
  const std::optional<fs::path> desktop = desktopProgram();
  if (!desktop) {
    std::cerr << "norvika: live windows (--gui, the default with a display), --plots and --pdf "
                 "need the desktop program norvika-qt, which this build does not have; use "
                 "--console or --batch\n";
    return static_cast<int>(ExitReason::InputError);
  }
  ::execv(desktop->c_str(), argv);
  std::cerr << "norvika: cannot start " << desktop->string() << ": " << std::strerror(errno)
            << "\n";
  return static_cast<int>(ExitReason::InternalFailure);
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = parseOptionsOrSay(argc, argv);
  if (!options) return static_cast<int>(ExitReason::InputError);
  if (answeredHelpOrVersion(*options, "norvika")) return 0;
  if (needsDesktop(*options)) return runDesktopProgram(argv);
  const LanguageScope language(options->language.value_or(Language::Turkish));
  return runGuarded([&] { return runInTerminal(*options); });
}
