// norvika-hydrostatics: the curves of form and the Bonjean curves of the hull a
// run directory's task file names. It links no desktop library: for pictures
// and the PDF record it starts the desktop program norvika-qt in its place,
// which runs the same front end with its renderer.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/desktop_program.h"
#include "cli/terminal_run.h"
#include "hydrostatics/hydrostatics_front_end.h"

using namespace norvika;

int main(int argc, char** argv) {
  int status = 0;
  const std::optional<HydrostaticsOptions> options = hydrostaticsOptionsToRun(
      std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, status);
  if (!options) return status;
  // Without the desktop program the front end refuses the pictures itself.
  if (needsDrawings(*options)) {
    if (const std::optional<std::filesystem::path> desktop = desktopProgram()) {
      return runInDesktopProgram(*desktop, kHydrostaticsFlag, kHydrostaticsProgram, argc, argv);
    }
  }
  return runGuarded(
      [&] { return runHydrostaticsFrontEnd(*options, nullptr, std::cout, std::cerr); },
      kHydrostaticsProgram);
}
