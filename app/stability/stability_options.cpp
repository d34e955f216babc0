#include "stability/stability_options.h"

#include <ostream>

#include "cli/option_table.h"
#include "cli/options.h"
#include "cli/value_list.h"

namespace norvika {

namespace {

// norvika-stability's options, described once: the parser, --help and the manual page.
constexpr OptionRow kOptions[] = {
    kRunDirectoryOption,
    {"--displacements", "FROM:TO:STEP", OptionValue::Text, nullptr,
     "the cross curves' displacements, or --displacements D1,D2,...: tonnes,\n"
     "rising, at most 100 (default: the loading condition's)"},
    {"--drafts", "FROM:TO:STEP", OptionValue::Text, nullptr,
     "the cross curves' displacements by their drafts, or --drafts T1,T2,...: the\n"
     "waterline's height above the base line at L/2 upright on an even keel (m)"},
    {"--heels", "FROM:TO:STEP", OptionValue::Text, nullptr,
     "the heel angles, or --heels A1,A2,...: degrees from 0 to 180, rising, at\n"
     "most 361 (default: 0 to 80 in steps of 5)"},
    {"--finer-heels", "", OptionValue::None, nullptr,
     "the default heels with steps of 2.5 degrees from 10 to 30"},
    {"--lcg", "METRES", OptionValue::Number, &kPositionBounds,
     "the centre of gravity along the ship, m from AP, that the LCB is brought\n"
     "to (default: each displacement's LCB on an even keel)"},
    {"--fixed-trim", "", OptionValue::None, nullptr,
     "hold the upright trim at every heel instead of letting the ship trim"},
    {"--kg", "METRES", OptionValue::Number, &kKgBounds,
     "a loading condition with this KG above the base line: its GZ curve and\n"
     "the criteria of the 2008 Intact Stability Code"},
    {"--displacement", "TONNES", OptionValue::Number, &kDisplacementBounds,
     "the loading condition's displacement"},
    {"--draft", "METRES", OptionValue::Number, &kDraftBounds,
     "or its draft at L/2 upright on an even keel"},
    {"--fsm", "T.M", OptionValue::Number, &kFreeSurfaceMomentBounds,
     "the free-surface moment of its tanks, raising G by FSM / displacement"},
    {"--flooding-angle", "DEGREES", OptionValue::Number, &kFloodingAngleBounds,
     "the heel at which an opening reaches the water; it ends the areas"},
    {"--wind-area", "M2", OptionValue::Number, &kWindAreaBounds,
     "the lateral windage area above the waterline, for the severe wind and\n"
     "rolling criterion (with --wind-lever)"},
    {"--wind-lever", "METRES", OptionValue::Number, &kWindLeverBounds,
     "from the centre of the windage area to that of the underwater lateral area"},
    {"--bilge-keel-area", "M2", OptionValue::Number, &kBilgeKeelAreaBounds,
     "the total area of the bilge keels and bar keel (default 0)"},
    {"--sharp-bilges", "", OptionValue::None, nullptr, "the hull has sharp bilges (k = 0.7)"},
    {"--density", "RHO", OptionValue::Number, &kWaterDensityBounds,
     "water density in t/m3 ({range}) instead of the task file's"},
    {"--plots", "DIR", OptionValue::Text, nullptr,
     "save the cross curves and the GZ curve in DIR as PNG and SVG"},
    {"--pdf", "FILE", OptionValue::Text, nullptr,
     "write a PDF record: the inputs, the report and the drawings"},
    kLanguageOption,
    {"--help", "", OptionValue::None, nullptr, "show this help"},
    {"-h", "", OptionValue::None, nullptr, ""},
    {"--version", "", OptionValue::None, nullptr, "show the version"},
};

constexpr int kStatuses[] = {0, 1, 4, 5};

constexpr ValueListForm kDisplacementList{&kDisplacementBounds,
                                          kMaxCrossCurveDisplacements,
                                          "D",
                                          "tonnes",
                                          "displacements",
                                          "a displacement",
                                          "t"};
constexpr ValueListForm kDraftList{
    &kDraftBounds, kMaxCrossCurveDisplacements, "T", "metres", "drafts", "a draft", "m"};
constexpr ValueListForm kHeelList{
    &kHeelBounds, kMaxCrossCurveHeels, "A", "degrees", "heels", "a heel", "degrees"};

std::string usageText() {
  return "Usage: norvika-stability [OPTIONS] [DIR | DIR/Norvika.TSK]\n"
         "Computes the cross curves (KN) of the hull that Norvika.TSK names, with its ship length\n"
         "and water density, and for a loading condition its GZ curve and the intact stability\n"
         "criteria; writes STABILITE.SON, KN.TXT and (with --kg) GZ.TXT next to it.\n"
         "\n"
         "  DIR              the run directory, the one holding Norvika.TSK (as -C DIR); the task\n"
         "                   file itself may be named instead\n" +
         optionHelp(kOptions) +
         "\n"
         "Give the cross curves' displacements, a loading condition (--kg with --displacement or\n"
         "--draft), or both. Paths given to --plots and --pdf are taken relative to the directory\n"
         "the program was started in. A displacement the hull cannot float, a KG above the deck\n"
         "and a condition that capsizes before the first heel past upright are refused\n"
         "(status 1).\n"
         "\n" +
         exitStatusHelp(kStatuses);
}

// The values a list option gives, or none with `error` naming the option.
bool takeList(const ParsedOptions::Given& given, const ValueListForm& row,
              std::vector<double>& values, std::string& error) {
  const std::optional<std::vector<double>> list = parseValueList(given.text, row, error);
  if (!list) {
    error = std::string(given.row->name) + ": " + error;
    return false;
  }
  values = *list;
  return true;
}

// What the options given together must make: one of each pair at most, a
// condition whole, the wind with both its values.
std::string combinationProblem(const ParsedOptions& parsed) {
  const std::pair<const char*, const char*> exclusive[] = {
      {"--displacements", "--drafts"}, {"--displacement", "--draft"}, {"--heels", "--finer-heels"}};
  for (const auto& [one, other] : exclusive) {
    if (parsed.has(one) && parsed.has(other)) {
      return std::string(one) + " and " + other + " cannot be given together";
    }
  }
  const bool kg = parsed.has("--kg");
  const bool at = parsed.has("--displacement") || parsed.has("--draft");
  if (kg != at) {
    return kg ? "--kg: give the loading condition's --displacement or --draft"
              : std::string(parsed.has("--draft") ? "--draft" : "--displacement") +
                    ": give the loading condition's --kg";
  }
  for (const char* name : {"--fsm", "--flooding-angle", "--wind-area", "--wind-lever",
                           "--bilge-keel-area", "--sharp-bilges"}) {
    if (parsed.has(name) && !kg)
      return std::string(name) + " belongs to a loading condition: give --kg";
  }
  if (parsed.has("--wind-area") != parsed.has("--wind-lever")) {
    return parsed.has("--wind-area") ? "--wind-area: give the wind's --wind-lever too"
                                     : "--wind-lever: give the windage --wind-area too";
  }
  for (const char* name : {"--bilge-keel-area", "--sharp-bilges"}) {
    if (parsed.has(name) && !parsed.has("--wind-area")) {
      return std::string(name) +
             " belongs to the wind criterion: give --wind-area and --wind-lever";
    }
  }
  if (!kg && !parsed.has("--displacements") && !parsed.has("--drafts") && !parsed.has("--help") &&
      !parsed.has("-h") && !parsed.has("--version")) {
    return "give the cross curves' --displacements or --drafts, or a loading condition "
           "(--kg with --displacement or --draft)";
  }
  return "";
}

}  // namespace

const std::string& stabilityUsage() {
  static const std::string text = usageText();
  return text;
}

std::optional<StabilityOptions> parseStabilityOptions(const std::vector<std::string>& args,
                                                      std::string& error) {
  const std::optional<ParsedOptions> parsed = parseOptionTable(kOptions, args, error);
  if (!parsed) return std::nullopt;
  if (error = combinationProblem(*parsed); !error.empty()) return std::nullopt;
  StabilityOptions options;
  StabilitySettings& settings = options.settings;
  ConditionSettings condition;
  WeatherInput wind;
  bool directoryGiven = false;
  for (const ParsedOptions::Given& given : parsed->given) {
    const std::string_view name = given.row->name;
    bool listed = true;
    const OptionTaken taken = takeProgramOption(given, options, directoryGiven, error);
    if (taken == OptionTaken::Refused) return std::nullopt;
    if (taken == OptionTaken::Yes) continue;
    if (name == "--displacements" || name == "--drafts") {
      settings.crossCurves.byDraft = name == "--drafts";
      listed = takeList(given, settings.crossCurves.byDraft ? kDraftList : kDisplacementList,
                        settings.crossCurves.values, error);
    } else if (name == "--heels") {
      listed = takeList(given, kHeelList, settings.heels.emplace(), error);
    } else if (name == "--finer-heels") {
      settings.finerHeels = true;
    } else if (name == "--lcg") {
      settings.lcg = given.number;
    } else if (name == "--fixed-trim") {
      settings.trimMode = TrimMode::Fixed;
    } else if (name == "--density") {
      settings.density = given.number;
    } else if (name == "--kg") {
      condition.kg = given.number;
    } else if (name == "--displacement" || name == "--draft") {
      condition.displacement = {{given.number}, name == "--draft"};
    } else if (name == "--fsm") {
      condition.freeSurfaceMoment = given.number;
    } else if (name == "--flooding-angle") {
      condition.floodingAngle = given.number;
    } else if (name == "--wind-area") {
      wind.windArea = given.number;
    } else if (name == "--wind-lever") {
      wind.windLever = given.number;
    } else if (name == "--bilge-keel-area") {
      wind.bilgeKeelArea = given.number;
    } else if (name == "--sharp-bilges") {
      wind.sharpBilges = true;
    }
    if (!listed) return std::nullopt;
  }
  if (parsed->has("--wind-area")) condition.wind = wind;
  if (parsed->has("--kg")) settings.condition = condition;
  if (!takeRunPlaces(parsed->operands, options, directoryGiven, error)) return std::nullopt;
  return options;
}

std::optional<StabilityOptions> stabilityOptionsToRun(const std::vector<std::string>& args,
                                                      std::ostream& out, std::ostream& err,
                                                      int& status) {
  std::string error;
  std::optional<StabilityOptions> options = parseStabilityOptions(args, error);
  return optionsToRun(kStabilityProgram, stabilityUsage(), std::move(options), error, out, err,
                      status);
}

}  // namespace norvika
