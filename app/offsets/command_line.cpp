#include "command_line.h"

#include "cli/option_table.h"
#include "cli/options.h"
#include "hull_mesh.h"
#include "support/capacities.h"

namespace norvika::offsets {

namespace {

// norvika-offsets's options, described once: the parser and --help.
constexpr OptionRow kOptions[] = {
    {"-o", "FILE", OptionValue::Text, nullptr, "the hull file to write"},
    {"--ap", "X", OptionValue::Number, &kPlaceBounds,
     "aft perpendicular along the length axis (m)"},
    {"--fp", "X", OptionValue::Number, &kPlaceBounds,
     "forward perpendicular along the length axis (m)"},
    {"--stations", "N", OptionValue::Number, &kStationCountBounds,
     "N stations equally spaced from AP to FP ({range}, default 21)"},
    {"--at", "x1,x2,...", OptionValue::Text, nullptr,
     "stations at these positions along the length axis (m), rising"},
    {"--points", "M", OptionValue::Number, &kPointCountBounds,
     "heights per station ({range}, default 30)"},
    {"--scale", "S", OptionValue::Number, &kModelScaleBounds,
     "model units to metres (default 1; STEP and IGES are read in metres)"},
    {"--base", "Z", OptionValue::Number, &kPlaceBounds,
     "base-line height (m; default the model's lowest point)"},
    {"--axes", "xyz", OptionValue::Text, nullptr,
     "model axes of length (forward), breadth and height; '-' reverses one"},
    {"--knuckle", "DEG", OptionValue::Number, &kKnuckleBounds,
     "a sharper corner of a section is written with code 0 (default 30)"},
    {"--draft", "T", OptionValue::Number, &kDraftBounds,
     "waterline above the base line (m): a record at it, and the volume\n"
     "of the model and of the written offsets below it compared"},
    {"--deflection", "D", OptionValue::Number, &kDeflectionBounds,
     "chord error of the facets (m, default 0.001): asked of the\n"
     "triangulation of STEP and IGES, taken as a mesh's own"},
    {"--tolerance", "E", OptionValue::Number, &kCurveToleranceBounds,
     "each written station curve keeps within E of the cut ({range} m;\n"
     "default half the seam tolerance, 1 cm or more, see the README)"},
    {"--task", "FILE", OptionValue::Text, nullptr,
     "also write a task file (Norvika.TSK, beside the hull file) for\n"
     "case 1 at the model's displacement at --draft"},
    {"--density", "RHO", OptionValue::Number, &kWaterDensityBounds,
     "water density for --task ({range} t/m3, default 1.025)"},
    {"--force", "", OptionValue::None, nullptr,
     "write the hull file even when the written offsets disagree with\n"
     "the model, or the ship is shorter than 1 m or longer than 500 m;\n"
     "replace a task file already there"},
    kLanguageOption,
    {"--help", "", OptionValue::None, nullptr, "show this help"},
    {"-h", "", OptionValue::None, nullptr, ""},
    {"--version", "", OptionValue::None, nullptr, "show the version"},
};

std::vector<double> positionsOf(const std::string& text) {
  std::vector<double> values;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    double value = 0.0;
    if (boundsProblem(kPlaceBounds, text.substr(start, comma - start), value)) {
      throw OffsetsError("--at: expected positions in metres separated by commas, got '" + text +
                         "'");
    }
    values.push_back(value);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return values;
}

void checkStationPositions(const std::vector<double>& at) {
  if (at.size() > static_cast<std::size_t>(kMaxStations)) {
    throw OffsetsError("--at: " + std::to_string(at.size()) +
                       " stations, a hull file holds at most 100");
  }
  if (at.size() < 2) throw OffsetsError("--at: expected two stations or more");
  for (std::size_t k = 1; k < at.size(); ++k) {
    if (!(at[k] > at[k - 1])) {
      throw OffsetsError("--at: station positions must rise from aft to forward");
    }
  }
}

// The rules between options.
void checkTogether(const OffsetsOptions& o, const ParsedOptions& parsed) {
  if (o.model.empty()) throw OffsetsError("no model file given (see --help)");
  if (o.output.empty()) throw OffsetsError("-o: expected the name of the hull file to write");
  if (!parsed.has("--ap") || !parsed.has("--fp")) {
    throw OffsetsError("--ap and --fp: both perpendiculars are needed");
  }
  if (!(o.ap < o.fp)) {
    throw OffsetsError("--ap, --fp: the aft perpendicular must lie aft of the forward one");
  }
  if (!o.task.empty() && !o.draft) {
    throw OffsetsError("--task: needs --draft, the waterline whose displacement the task asks for");
  }
  if (o.density && o.task.empty()) {
    throw OffsetsError("--density: the water density of the task file; give --task with it");
  }
  if (parsed.has("--at")) {
    if (parsed.has("--stations")) throw OffsetsError("--stations and --at: give one of them");
    checkStationPositions(o.stationsAt);
  }
}

}  // namespace

std::string usageText() {
  return "usage: norvika-offsets MODEL -o HULLFILE --ap X --fp X [--stations N | --at x1,x2,...]\n"
         "                       [--points M] [--scale S] [--base Z] [--axes xyz] [--knuckle DEG]\n"
         "                       [--draft T] [--deflection D] [--tolerance E]\n"
         "                       [--task FILE [--density RHO]] [--force] [--language tr|en]\n"
         "Cuts a hull model (STEP, IGES, STL or OBJ) into stations and writes Norvika's hull "
         "file.\n" +
         optionHelp(kOptions) +
         "Exit status: 0 written; 1 a bad option, model or output, nothing written; 2 the\n"
         "written offsets would disagree with the model (volume over 1 %, LCB over 0.5 % of\n"
         "the length, waterplane area or wetted surface over 2 %), nothing written without\n"
         "--force; 4 the file could not be written; 5 out of memory.\n";
}

OffsetsOptions parseCommandLine(const std::vector<std::string>& args) {
  std::string error;
  const std::optional<ParsedOptions> parsed = parseOptionTable(kOptions, args, error);
  if (!parsed) throw OffsetsError(error);
  OffsetsOptions o;
  for (const ParsedOptions::Given& given : parsed->given) {
    const std::string_view name = given.row->name;
    if (name == "--help" || name == "-h") {
      o.help = true;
    } else if (name == "--version") {
      o.version = true;
    } else if (name == "-o") {
      o.output = given.text;
    } else if (name == "--ap") {
      o.ap = given.number;
    } else if (name == "--fp") {
      o.fp = given.number;
    } else if (name == "--stations") {
      o.stationCount = static_cast<int>(given.number);
    } else if (name == "--at") {
      o.stationsAt = positionsOf(given.text);
    } else if (name == "--points") {
      o.points = static_cast<int>(given.number);
    } else if (name == "--scale") {
      o.scale = given.number;
    } else if (name == "--base") {
      o.base = given.number;
    } else if (name == "--axes") {
      o.axes = given.text;
    } else if (name == "--knuckle") {
      o.knuckleDegrees = given.number;
    } else if (name == "--draft") {
      o.draft = given.number;
    } else if (name == "--deflection") {
      o.deflection = given.number;
    } else if (name == "--tolerance") {
      o.tolerance = given.number;
    } else if (name == "--task") {
      o.task = given.text;
    } else if (name == "--density") {
      o.density = given.number;
    } else if (name == "--force") {
      o.force = true;
    } else if (name == "--language") {
      o.language = languageOption(given.text, error);
      if (!o.language) throw OffsetsError(error);
    }
  }
  if (o.help || o.version) return o;
  for (const std::string& operand : parsed->operands) {
    if (!o.model.empty()) {
      throw OffsetsError("'" + operand + "': one model file expected, a second one given");
    }
    o.model = operand;
  }
  checkTogether(o, *parsed);
  return o;
}

}  // namespace norvika::offsets
