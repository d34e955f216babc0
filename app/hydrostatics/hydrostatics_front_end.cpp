#include "hydrostatics/hydrostatics_front_end.h"

#include "cli/program_front_end.h"

namespace norvika {

HydrostaticsSettings hydrostaticsSettings(const HydrostaticsOptions& options, bool draw) {
  HydrostaticsSettings settings;
  settings.drafts = options.drafts;
  settings.trim = options.trim;
  settings.density = options.density;
  settings.kg = options.kg;
  settings.draw = draw;
  return settings;
}

int runHydrostaticsFrontEnd(const HydrostaticsOptions& options, HydrostaticsDrawings* drawings,
                            std::ostream& out, std::ostream& err) {
  return runProgramFrontEnd<HydrostaticsOptions, HydrostaticsRun>(
      kHydrostaticsProgram, options, drawings,
      [&](Platform& platform, bool draw) {
        return runHydrostatics(platform, hydrostaticsSettings(options, draw));
      },
      out, err);
}

}  // namespace norvika
