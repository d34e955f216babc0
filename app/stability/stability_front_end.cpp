#include "stability/stability_front_end.h"

#include "cli/program_front_end.h"

namespace norvika {

int runStabilityFrontEnd(const StabilityOptions& options, StabilityDrawings* drawings,
                         std::ostream& out, std::ostream& err) {
  return runProgramFrontEnd<StabilityOptions, StabilityRun>(
      kStabilityProgram, options, drawings,
      [&](Platform& platform, bool draw) {
        StabilitySettings settings = options.settings;
        settings.draw = draw;
        return runStability(platform, settings);
      },
      out, err);
}

}  // namespace norvika
