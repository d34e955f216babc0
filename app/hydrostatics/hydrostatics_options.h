#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/program_options.h"

namespace norvika {

/// The name norvika-hydrostatics says its messages under.
inline constexpr const char* kHydrostaticsProgram = "norvika-hydrostatics";

/// The first argument norvika-qt is started with for a hydrostatics run; the
/// arguments of norvika-hydrostatics follow it.
inline constexpr const char* kHydrostaticsFlag = "--hydrostatics";

/// The command line of norvika-hydrostatics.
struct HydrostaticsOptions : ProgramOptions {
  std::optional<std::vector<double>> drafts;  // m above the base line at L/2, rising
  double trim = 0.0;                          // Tf - Ta, m
  std::optional<double> density;              // t/m3
  std::optional<double> kg;                   // m
};

/// The help text, made from the option table.
const std::string& hydrostaticsUsage();

/// Reads "--name VALUE" and "--name=VALUE" (and "-C DIR"); none and `error`
/// set when the line is not understood or a value cannot serve.
std::optional<HydrostaticsOptions> parseHydrostaticsOptions(const std::vector<std::string>& args,
                                                            std::string& error);

/// The options to run with; none when the command line is done with: its
/// error said on `err` ("norvika-hydrostatics: ...", `status` 1), or the help
/// or the version shown on `out` (`status` 0).
std::optional<HydrostaticsOptions> hydrostaticsOptionsToRun(const std::vector<std::string>& args,
                                                            std::ostream& out, std::ostream& err,
                                                            int& status);

/// Whether the run saves pictures or a run record, which the desktop program draws.
inline bool needsDrawings(const HydrostaticsOptions& options) {
  return options.plots.has_value() || options.pdf.has_value();
}

}  // namespace norvika
