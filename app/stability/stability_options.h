#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/program_options.h"
#include "run/stability_run.h"

namespace norvika {

/// The name norvika-stability says its messages under.
inline constexpr const char* kStabilityProgram = "norvika-stability";

/// The first argument norvika-qt is started with for a stability run; the
/// arguments of norvika-stability follow it.
inline constexpr const char* kStabilityFlag = "--stability";

/// The command line of norvika-stability.
struct StabilityOptions : ProgramOptions {
  StabilitySettings settings;  // all but `draw`
};

/// The help text, made from the option table.
const std::string& stabilityUsage();

/// Reads "--name VALUE" and "--name=VALUE" (and "-C DIR"); none and `error`
/// set when the line is not understood, a value cannot serve or the options
/// do not go together (a condition needs --kg and one displacement, the wind
/// both its area and its lever).
std::optional<StabilityOptions> parseStabilityOptions(const std::vector<std::string>& args,
                                                      std::string& error);

/// The options to run with; none when the command line is done with: its
/// error said on `err` ("norvika-stability: ...", `status` 1), or the help or
/// the version shown on `out` (`status` 0).
std::optional<StabilityOptions> stabilityOptionsToRun(const std::vector<std::string>& args,
                                                      std::ostream& out, std::ostream& err,
                                                      int& status);

}  // namespace norvika
