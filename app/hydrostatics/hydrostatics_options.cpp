#include "hydrostatics/hydrostatics_options.h"

#include <ostream>

#include "cli/command_line.h"
#include "hydrostatics/draft_list.h"
#include "support/input_file.h"

namespace norvika {

const char* const kHydrostaticsUsage =
    "Usage: norvika-hydrostatics [-C DIR] [--drafts FROM:TO:STEP | --drafts T1,T2,...]\n"
    "                            [--trim METRES] [--density RHO] [--plots DIR] [--pdf FILE]\n"
    "Computes the curves of form and the Bonjean curves of the hull that Norvika.TSK names,\n"
    "with its ship length and water density, and writes HIDROSTATIK.SON, HIDROSTATIK.TXT\n"
    "and BONJEAN.TXT next to it.\n"
    "\n"
    "  -C DIR           run in DIR (default: the current directory)\n"
    "  --drafts FROM:TO:STEP, --drafts T1,T2,...\n"
    "                   the drafts: waterline heights above the base line at L/2 (m), rising,\n"
    "                   at most 1000 (default: 20 from a tenth of the hull's depth, its lowest\n"
    "                   deck edge, to that depth)\n"
    "  --trim METRES    trim Tf - Ta about L/2, positive by the head (default 0: even keel)\n"
    "  --density RHO    water density in t/m3 (0.001 to 100) instead of the task file's\n"
    "  --plots DIR      save the curves of form and the Bonjean curves in DIR as PNG and SVG\n"
    "  --pdf FILE       write a PDF record: the inputs, the report and both drawings\n"
    "  --help           show this help\n"
    "  --version        show the version\n"
    "\n"
    "Paths given to --plots and --pdf are taken relative to the directory the program was\n"
    "started in.\n"
    "\n"
    "Exit status: 0 completed, 1 bad options or an input file missing or malformed, a draft\n"
    "above a deck or without a waterplane (nothing written), 4 a result file, picture or the\n"
    "record could not be written (the earlier files kept whole), 5 internal failure.\n";

namespace {

constexpr double kLowestDensity = 0.001;
constexpr double kHighestDensity = 100.0;

bool readValue(const std::string& name, const std::string& value, HydrostaticsOptions& options,
               std::string& error) {
  if (name == "-C") {
    options.directory = value;
  } else if (name == "--plots") {
    options.plots = std::filesystem::path(value);
  } else if (name == "--pdf") {
    options.pdf = std::filesystem::path(value);
  } else if (name == "--drafts") {
    options.drafts = parseDraftList(value, error);
    if (!options.drafts) {
      error = "--drafts: " + error;
      return false;
    }
  } else if (name == "--trim") {
    const std::optional<double> trim = parseNumber(value);
    if (!trim) {
      error = "--trim: expected the trim Tf - Ta in metres (at most 1000000), got " +
              quotedForMessage(value);
      return false;
    }
    options.trim = *trim;
  } else if (name == "--density") {
    // 1025, sea water in kg/m3, is a slip the density in t/m3 must not let through.
    options.density = parseNumber(value);
    if (!options.density ||
        !(*options.density >= kLowestDensity && *options.density <= kHighestDensity)) {
      error =
          "--density: expected a water density from 0.001 to 100 t/m3 (1.025 for sea water), "
          "got " +
          quotedForMessage(value);
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<HydrostaticsOptions> parseHydrostaticsOptions(const std::vector<std::string>& args,
                                                            std::string& error) {
  HydrostaticsOptions options;
  const OptionReader read = [&](const std::string& name, const std::optional<std::string>& value) {
    if (name == "--help" || name == "-h") {
      options.help = true;
    } else if (name == "--version") {
      options.version = true;
    } else if (value) {
      return readValue(name, *value, options, error);
    } else {
      error = "unknown option " + quotedForMessage(name) + " (see --help)";
      return false;
    }
    return true;
  };
  if (!readCommandLine(args, {"-C", "--drafts", "--trim", "--density", "--plots", "--pdf"}, read,
                       error)) {
    return std::nullopt;
  }
  return options;
}

std::optional<HydrostaticsOptions> hydrostaticsOptionsToRun(const std::vector<std::string>& args,
                                                            std::ostream& out, std::ostream& err,
                                                            int& status) {
  std::string error;
  std::optional<HydrostaticsOptions> options = parseHydrostaticsOptions(args, error);
  status = 0;
  if (!options) {
    err << kHydrostaticsProgram << ": " << error << "\n";
    status = 1;
  } else if (options->help) {
    out << kHydrostaticsUsage;
    options.reset();
  } else if (options->version) {
    out << kHydrostaticsProgram << " " NORVIKA_VERSION "\n";
    options.reset();
  }
  return options;
}

}  // namespace norvika
