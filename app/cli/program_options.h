#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/option_table.h"
#include "words/language.h"

namespace norvika {

/// What the analysis programs (norvika-hydrostatics, norvika-stability) take
/// alike: the run directory, the pictures, the record, the language of their
/// texts, help and version.
struct ProgramOptions {
  std::filesystem::path directory = ".";
  std::optional<std::filesystem::path> plots;
  std::optional<std::filesystem::path> pdf;
  std::optional<Language> language;  // --language; none: Turkish
  bool help = false;
  bool version = false;
};

/// Whether an option was one of ProgramOptions's.
enum class OptionTaken {
  No,       // another option, the program's own
  Yes,      // taken
  Refused,  // one of them that cannot serve (a second run directory): `error` says why
};

/// Takes `given` into `options` when it is one of their options ("-C",
/// "--plots", "--pdf", "--language", "--help", "-h", "--version");
/// `directoryGiven` says whether a run directory was taken before.
OptionTaken takeProgramOption(const ParsedOptions::Given& given, ProgramOptions& options,
                              bool& directoryGiven, std::string& error);

/// Takes the command line's operands as the run directory (or its task
/// file); false with `error` set for one that is neither, or a second.
bool takeRunPlaces(const std::vector<std::string>& operands, ProgramOptions& options,
                   bool& directoryGiven, std::string& error);

/// The options `parsed` (none: `error` says why) to run with: none when the
/// command line is done with, its error said on `err` ("PROGRAM: ...",
/// `status` 1), or `usage` or the version shown on `out` (`status` 0).
template <typename Options>
std::optional<Options> optionsToRun(const char* program, const std::string& usage,
                                    std::optional<Options> parsed, const std::string& error,
                                    std::ostream& out, std::ostream& err, int& status) {
  status = 0;
  if (!parsed) {
    err << program << ": " << error << "\n";
    status = 1;
  } else if (parsed->help) {
    out << usage;
    parsed.reset();
  } else if (parsed->version) {
    out << program << " " NORVIKA_VERSION "\n";
    parsed.reset();
  }
  return parsed;
}

}  // namespace norvika
