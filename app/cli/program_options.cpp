#include "cli/program_options.h"

#include "cli/options.h"

namespace norvika {

OptionTaken takeProgramOption(const ParsedOptions::Given& given, ProgramOptions& options,
                              bool& directoryGiven, std::string& error) {
  const std::string_view name = given.row->name;
  if (name == "--help" || name == "-h") {
    options.help = true;
  } else if (name == "--version") {
    options.version = true;
  } else if (name == "-C") {
    if (!takeRunDirectory(given.text, options.directory, directoryGiven, error)) {
      return OptionTaken::Refused;
    }
  } else if (name == "--plots") {
    options.plots = std::filesystem::path(given.text);
  } else if (name == "--pdf") {
    options.pdf = std::filesystem::path(given.text);
  } else if (name == "--language") {
    options.language = languageOption(given.text, error);
    if (!options.language) return OptionTaken::Refused;
  } else {
    return OptionTaken::No;
  }
  return OptionTaken::Yes;
}

bool takeRunPlaces(const std::vector<std::string>& operands, ProgramOptions& options,
                   bool& directoryGiven, std::string& error) {
  for (const std::string& place : operands) {
    const std::optional<std::filesystem::path> directory = runPlaceOf(place, error);
    if (!directory || !takeRunDirectory(*directory, options.directory, directoryGiven, error)) {
      return false;
    }
  }
  return true;
}

}  // namespace norvika
