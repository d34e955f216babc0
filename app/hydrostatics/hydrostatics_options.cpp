#include "hydrostatics/hydrostatics_options.h"

#include <ostream>

#include "cli/option_table.h"
#include "cli/options.h"
#include "hydrostatics/draft_list.h"
#include "support/input_file.h"

namespace norvika {

namespace {

// norvika-hydrostatics's options, described once: the parser, --help and the manual page.
constexpr OptionRow kOptions[] = {
    kRunDirectoryOption,
    {"--drafts", "FROM:TO:STEP", OptionValue::Text, nullptr,
     "the drafts, or --drafts T1,T2,...: waterline heights above the base line\n"
     "at L/2 (m, at least 0.001), rising, at most 1000 (default: 20 from a tenth\n"
     "of the hull's depth, its lowest deck edge, to that depth)"},
    {"--trim", "METRES", OptionValue::Number, &kTrimBounds,
     "trim Tf - Ta about L/2, positive by the head (default 0: even keel)"},
    {"--density", "RHO", OptionValue::Number, &kWaterDensityBounds,
     "water density in t/m3 ({range}) instead of the task file's"},
    {"--kg", "METRES", OptionValue::Number, &kKgBounds,
     "the centre of gravity's height above the base line: GMt = KMt - KG,\n"
     "GMl = KB + BMl - KG and MCT 1 cm from GMl (default: MCT from BMl)"},
    {"--plots", "DIR", OptionValue::Text, nullptr,
     "save the curves of form and the Bonjean curves in DIR as PNG and SVG"},
    {"--pdf", "FILE", OptionValue::Text, nullptr,
     "write a PDF record: the inputs, the report and both drawings"},
    kLanguageOption,
    {"--help", "", OptionValue::None, nullptr, "show this help"},
    {"-h", "", OptionValue::None, nullptr, ""},
    {"--version", "", OptionValue::None, nullptr, "show the version"},
};

constexpr int kStatuses[] = {0, 1, 4, 5};

std::string usageText() {
  return "Usage: norvika-hydrostatics [OPTIONS] [DIR | DIR/Norvika.TSK]\n"
         "Computes the curves of form and the Bonjean curves of the hull that Norvika.TSK names,\n"
         "with its ship length and water density, and writes HIDROSTATIK.SON, HIDROSTATIK.TXT\n"
         "and BONJEAN.TXT next to it.\n"
         "\n"
         "  DIR              the run directory, the one holding Norvika.TSK (as -C DIR); the task\n"
         "                   file itself may be named instead\n" +
         optionHelp(kOptions) +
         "\n"
         "Paths given to --plots and --pdf are taken relative to the directory the program was\n"
         "started in. A draft above a deck or without a waterplane is refused (status 1).\n"
         "\n" +
         exitStatusHelp(kStatuses);
}

}  // namespace

const std::string& hydrostaticsUsage() {
  static const std::string text = usageText();
  return text;
}

std::optional<HydrostaticsOptions> parseHydrostaticsOptions(const std::vector<std::string>& args,
                                                            std::string& error) {
  const std::optional<ParsedOptions> parsed = parseOptionTable(kOptions, args, error);
  if (!parsed) return std::nullopt;
  HydrostaticsOptions options;
  bool directoryGiven = false;
  for (const ParsedOptions::Given& given : parsed->given) {
    const std::string_view name = given.row->name;
    const OptionTaken taken = takeProgramOption(given, options, directoryGiven, error);
    if (taken == OptionTaken::Refused) return std::nullopt;
    if (taken == OptionTaken::Yes) continue;
    if (name == "--drafts") {
      options.drafts = parseDraftList(given.text, error);
      if (!options.drafts) {
        error = "--drafts: " + error;
        return std::nullopt;
      }
    } else if (name == "--trim") {
      options.trim = given.number;
    } else if (name == "--density") {
      options.density = given.number;
    } else if (name == "--kg") {
      options.kg = given.number;
    }
  }
  if (!takeRunPlaces(parsed->operands, options, directoryGiven, error)) return std::nullopt;
  return options;
}

std::optional<HydrostaticsOptions> hydrostaticsOptionsToRun(const std::vector<std::string>& args,
                                                            std::ostream& out, std::ostream& err,
                                                            int& status) {
  std::string error;
  std::optional<HydrostaticsOptions> options = parseHydrostaticsOptions(args, error);
  return optionsToRun(kHydrostaticsProgram, hydrostaticsUsage(), std::move(options), error, out,
                      err, status);
}

}  // namespace norvika
