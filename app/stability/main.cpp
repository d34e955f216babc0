// norvika-stability: the cross curves, the GZ curve of a loading condition and
// the intact stability criteria of the hull a run directory's task file names.
// It links no desktop library: for pictures and the PDF record it starts the
// desktop program norvika-qt in its place, which runs the same front end with
// its renderer.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/desktop_program.h"
#include "cli/terminal_run.h"
#include "stability/stability_front_end.h"

using namespace norvika;

int main(int argc, char** argv) {
  int status = 0;
  const std::optional<StabilityOptions> options = stabilityOptionsToRun(
      std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, status);
  if (!options) return status;
  // Without the desktop program the front end refuses the pictures itself.
  if (needsDrawings(*options)) {
    if (const std::optional<std::filesystem::path> desktop = desktopProgram()) {
      return runInDesktopProgram(*desktop, kStabilityFlag, kStabilityProgram, argc, argv);
    }
  }
  return runGuarded([&] { return runStabilityFrontEnd(*options, nullptr, std::cout, std::cerr); },
                    kStabilityProgram);
}
