#include "command_line.h"

#include <charconv>
#include <cmath>

#include "hull_mesh.h"
#include "support/capacities.h"

namespace norvika::offsets {

namespace {

double numberOf(const std::string& option, const std::string& text, const char* expected) {
  double value = 0.0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (!text.empty() && *begin == '+') ++begin;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
    throw OffsetsError(option + ": expected " + expected + ", got '" + text + "'");
  }
  return value;
}

int wholeOf(const std::string& option, const std::string& text, int low, int high,
            const char* expected) {
  int value = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || stop != text.data() + text.size() || value < low ||
      value > high) {
    throw OffsetsError(option + ": expected " + expected + ", got '" + text + "'");
  }
  return value;
}

std::vector<double> listOf(const std::string& option, const std::string& text) {
  std::vector<double> values;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    values.push_back(numberOf(option, text.substr(start, comma - start),
                              "positions in metres separated by commas"));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return values;
}

}  // namespace

std::string usageText() {
  return "usage: norvika-offsets MODEL -o HULLFILE --ap X --fp X [--stations N | --at x1,x2,...]\n"
         "                       [--points M] [--scale S] [--base Z] [--axes xyz] [--knuckle DEG]\n"
         "                       [--draft T] [--deflection D] [--tolerance E]\n"
         "                       [--task FILE [--density RHO]] [--force]\n"
         "Cuts a hull model (STEP, IGES, STL or OBJ) into stations and writes Norvika's hull "
         "file.\n"
         "  -o FILE          the hull file to write\n"
         "  --ap X, --fp X   aft and forward perpendicular along the length axis (m)\n"
         "  --stations N     N stations equally spaced from AP to FP (default 21, at most 100)\n"
         "  --at x1,x2,...   stations at these positions along the length axis (m), rising\n"
         "  --points M       heights per station, 2 to 249 (default 30)\n"
         "  --scale S        model units to metres (default 1; STEP and IGES are read in metres)\n"
         "  --base Z         base-line height (m; default the model's lowest point)\n"
         "  --axes xyz       model axes of length (forward), breadth and height; '-' reverses one\n"
         "  --knuckle DEG    a sharper corner of a section is written with code 0 (default 30)\n"
         "  --draft T        waterline above the base line (m): a record at it, and the volume\n"
         "                   of the model and of the written offsets below it compared\n"
         "  --deflection D   chord error of the facets (m, default 0.001): asked of the\n"
         "                   triangulation of STEP and IGES, taken as a mesh's own\n"
         "  --tolerance E    each written station curve keeps within E of the cut (m; default\n"
         "                   half the seam tolerance, 1 cm or more, see the README)\n"
         "  --task FILE      also write a task file (Norvika.TSK, beside the hull file) for\n"
         "                   case 1 at the model's displacement at --draft\n"
         "  --density RHO    water density for --task (t/m3, default 1.025)\n"
         "  --force          write the hull file even when the written offsets disagree with\n"
         "                   the model, or the ship is shorter than 1 m or longer than 500 m;\n"
         "                   replace a task file already there\n"
         "  --help           show this help\n"
         "  --version        show the version\n"
         "Exit status: 0 written; 1 a bad option, model or output, nothing written; 2 the\n"
         "written offsets would disagree with the model (volume over 1 %, LCB over 0.5 % of\n"
         "the length, waterplane area or wetted surface over 2 %), nothing written without\n"
         "--force; 4 the file could not be written; 5 out of memory.\n";
}

OffsetsOptions parseCommandLine(const std::vector<std::string>& args) {
  OffsetsOptions o;
  bool haveAp = false, haveFp = false, haveStations = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-h" || a == "--help") {
      o.help = true;
      return o;
    }
    if (a == "--version") {
      o.version = true;
      return o;
    }
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw OffsetsError(a + ": expected a value after it");
      return args[++i];
    };
    if (a == "-o") {
      o.output = value();
    } else if (a == "--ap") {
      o.ap = numberOf(a, value(), "a position in metres");
      haveAp = true;
    } else if (a == "--fp") {
      o.fp = numberOf(a, value(), "a position in metres");
      haveFp = true;
    } else if (a == "--stations") {
      o.stationCount = wholeOf(a, value(), 2, kMaxStations, "a station count from 2 to 100");
      haveStations = true;
    } else if (a == "--at") {
      o.stationsAt = listOf(a, value());
    } else if (a == "--points") {
      o.points = wholeOf(a, value(), 2, kMaxRecords - 1, "a point count from 2 to 249");
    } else if (a == "--scale") {
      o.scale = numberOf(a, value(), "a positive scale factor");
      if (!(o.scale > 0.0)) throw OffsetsError(a + ": expected a positive scale factor");
    } else if (a == "--base") {
      o.base = numberOf(a, value(), "a height in metres");
    } else if (a == "--axes") {
      o.axes = value();
    } else if (a == "--knuckle") {
      o.knuckleDegrees = numberOf(a, value(), "an angle in degrees");
      if (!(o.knuckleDegrees > 0.0 && o.knuckleDegrees < 180.0)) {
        throw OffsetsError(a + ": expected an angle between 0 and 180 degrees");
      }
    } else if (a == "--draft") {
      o.draft = numberOf(a, value(), "a draft in metres");
    } else if (a == "--deflection") {
      o.deflection = numberOf(a, value(), "a positive length in metres");
      if (!(o.deflection > 0.0)) throw OffsetsError(a + ": expected a positive length in metres");
    } else if (a == "--tolerance") {
      o.tolerance = numberOf(a, value(), "a length in metres");
      if (!(*o.tolerance >= 1e-5 && *o.tolerance <= 1.0)) {
        throw OffsetsError(a + ": expected a length from 0.00001 to 1 m");
      }
    } else if (a == "--task") {
      o.task = value();
    } else if (a == "--density") {
      o.density = numberOf(a, value(), "a water density in t/m3");
      if (!(*o.density >= 0.5 && *o.density <= 2.0)) {
        throw OffsetsError(a + ": expected a water density from 0.5 to 2 t/m3 (sea water 1.025)");
      }
    } else if (a == "--force") {
      o.force = true;
    } else if (!a.empty() && a[0] == '-' && a.size() > 1) {
      throw OffsetsError(a + ": unknown option (see --help)");
    } else if (o.model.empty()) {
      o.model = a;
    } else {
      throw OffsetsError("'" + a + "': one model file expected, a second one given");
    }
  }
  if (o.model.empty()) throw OffsetsError("no model file given (see --help)");
  if (o.output.empty()) throw OffsetsError("-o: expected the name of the hull file to write");
  if (!haveAp || !haveFp) throw OffsetsError("--ap and --fp: both perpendiculars are needed");
  if (!(o.ap < o.fp)) {
    throw OffsetsError("--ap, --fp: the aft perpendicular must lie aft of the forward one");
  }
  if (!o.task.empty() && !o.draft) {
    throw OffsetsError("--task: needs --draft, the waterline whose displacement the task asks for");
  }
  if (o.density && o.task.empty()) {
    throw OffsetsError("--density: the water density of the task file; give --task with it");
  }
  if (!o.stationsAt.empty()) {
    if (haveStations) throw OffsetsError("--stations and --at: give one of them");
    if (o.stationsAt.size() > static_cast<std::size_t>(kMaxStations)) {
      throw OffsetsError("--at: " + std::to_string(o.stationsAt.size()) +
                         " stations, a hull file holds at most 100");
    }
    if (o.stationsAt.size() < 2) throw OffsetsError("--at: expected two stations or more");
    for (std::size_t k = 1; k < o.stationsAt.size(); ++k) {
      if (!(o.stationsAt[k] > o.stationsAt[k - 1])) {
        throw OffsetsError("--at: station positions must rise from aft to forward");
      }
    }
  }
  return o;
}

}  // namespace norvika::offsets
