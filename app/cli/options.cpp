#include "cli/options.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <system_error>
#include <vector>

#include "calculation/crest_sweep.h"
#include "cli/command_line.h"
#include "support/input_file.h"

namespace fs = std::filesystem;

namespace norvika {

const char* const kUsage =
    "Usage: norvika [OPTIONS] [DIR | DIR/Norvika.TSK]\n"
    "Computes the buoyancy distribution of a ship from Norvika.TSK and its hull file and\n"
    "writes Norvika.SON and SEPHIYE.TXT next to them.\n"
    "\n"
    "  DIR              the run directory, the one holding Norvika.TSK (as -C DIR); the task\n"
    "                   file itself may be named instead\n"
    "  --gui            windows and dialog boxes (the default when a display is available)\n"
    "  --console        questions on the terminal (the default without a display)\n"
    "  --batch          every question takes its default answer; nothing is read\n"
    "  -C DIR           run in DIR (default: the current directory)\n"
    "  --plots DIR      save every drawing in DIR as PNG and SVG (NN-window.png/.svg)\n"
    "  --pdf FILE       write a PDF record of the run: its inputs, answers and result files,\n"
    "                   the report and the finished drawings, one per page\n"
    "  --pdf-frames all put every frame of the run in the PDF record (station previews and\n"
    "                   draft-search steps too); 'finished' (the default) keeps the drawings\n"
    "  --answers FILE   answer the questions from FILE, one line each (with --gui each box\n"
    "                   is shown and answered after a short delay)\n"
    "  --weights FILE   the weights file for the longitudinal strength (default: Norvika.AGR\n"
    "                   in the run directory, if there is one); writes MUKAVEMET.SON and\n"
    "                   MUKAVEMET.TXT as well\n"
    "  --sweep N        move the wave's crest along the ship in N equal steps over one wave\n"
    "                   length (2 to 1000, the crest amidships among them), balance the ship\n"
    "                   at each and write the envelopes to TARAMA.TXT (wave cases 2-5, with\n"
    "                   a weights file)\n"
    "  --help           show this help\n"
    "  --version        show the version\n"
    "\n"
    "Paths given to --plots, --pdf, --answers and --weights are taken relative to the directory "
    "norvika\n"
    "was started in.\n"
    "\n"
    "Exit status: 0 completed, 1 input file missing or malformed (or bad options),\n"
    "2 calculation stopped, 3 geometry or waterline rejected, 4 a result file could not be\n"
    "written, 5 internal failure (out of memory, an unexpected error), 6 stopped by the user\n"
    "(closing the report window or Ctrl+Q; nothing of the run written, earlier files kept).\n";

namespace {

// A directory or task file named on the command line (as a file manager or the desktop's menu
// entry passes it): the run directory, as -C gives it.
bool takeRunPlace(Options& options, const std::string& place, std::string& error) {
  if (options.directoryGiven) {
    error = "give the run directory once (-C or a directory or task file, not both)";
    return false;
  }
  if (place.empty()) {
    error = "an empty name where the run directory or its task file was expected";
    return false;
  }
  const fs::path path(place);
  std::error_code ec;
  options.directory = path;
  if (fs::exists(path, ec) && !fs::is_directory(path, ec)) {
    if (path.filename() != "Norvika.TSK") {
      error = "'" + place + "' is neither a run directory nor a task file Norvika.TSK";
      return false;
    }
    options.directory = path.has_parent_path() ? path.parent_path() : fs::path(".");
  }
  options.directoryGiven = true;
  return true;
}

}  // namespace

std::optional<Options> parseOptions(int argc, char** argv, std::string& error) {
  Options options;
  const std::vector<std::string> args(argv + 1, argv + argc);
  auto setFrontEnd = [&](FrontEnd wanted, const std::string& name) {
    if (options.frontEnd != FrontEnd::Automatic && options.frontEnd != wanted) {
      error = "only one of --gui, --console and --batch may be given (" + name + ")";
      return false;
    }
    options.frontEnd = wanted;
    return true;
  };
  const OptionReader read = [&](const std::string& name, const std::optional<std::string>& value) {
    if (name == "--help" || name == "-h") {
      options.help = true;
    } else if (name == "--version") {
      options.version = true;
    } else if (name == "--gui") {
      return setFrontEnd(FrontEnd::Gui, name);
    } else if (name == "--console") {
      return setFrontEnd(FrontEnd::Console, name);
    } else if (name == "--batch") {
      return setFrontEnd(FrontEnd::Batch, name);
    } else if (name == "-C") {
      if (options.directoryGiven) {
        error = "give the run directory once (-C or a directory or task file, not both)";
        return false;
      }
      options.directory = *value;
      options.directoryGiven = true;
    } else if (name == "--plots") {
      options.plots = fs::path(*value);
    } else if (name == "--pdf") {
      options.pdf = fs::path(*value);
    } else if (name == "--answers") {
      options.answers = fs::path(*value);
    } else if (name == "--pdf-frames") {
      if (*value != "all" && *value != "finished") {
        error = "--pdf-frames takes 'all' or 'finished', not '" + *value + "'";
        return false;
      }
      options.pdfFrames = *value == "all" ? RecordFrames::All : RecordFrames::Finished;
    } else if (name == "--weights") {
      options.weights = fs::path(*value);
    } else if (name == "--sweep") {
      const std::string& text = *value;
      int count = 0;
      const auto [stop, problem] = std::from_chars(text.data(), text.data() + text.size(), count);
      if (problem != std::errc() || stop != text.data() + text.size() ||
          count < kFewestSweepPositions || count > kMostSweepPositions) {
        error = "--sweep takes the number of crest positions, a whole number from " +
                std::to_string(kFewestSweepPositions) + " to " +
                std::to_string(kMostSweepPositions) + ", not " + quotedForMessage(text);
        return false;
      }
      options.sweepPositions = count;
    } else if (name.empty() || name.front() != '-') {
      return takeRunPlace(options, name, error);
    } else {
      error = "unknown option '" + name + "'";
      return false;
    }
    return true;
  };
  if (!readCommandLine(
          args, {"-C", "--plots", "--pdf", "--answers", "--pdf-frames", "--weights", "--sweep"},
          read, error)) {
    return std::nullopt;
  }
  if (options.frontEnd == FrontEnd::Batch && options.answers) {
    error = "--answers cannot be used with --batch";
    return std::nullopt;
  }
  return options;
}

bool answeredHelpOrVersion(const Options& options, const char* program, const char* preface) {
  if (options.help) {
    std::cout << preface << kUsage;
    return true;
  }
  if (options.version) {
    std::cout << program << " " NORVIKA_VERSION "\n";
    return true;
  }
  return false;
}

std::optional<Options> parseOptionsOrSay(int argc, char** argv) {
  std::string error;
  std::optional<Options> options = parseOptions(argc, argv, error);
  if (!options) std::cerr << "norvika: " << error << "\n\n" << kUsage;
  return options;
}

std::istream& answerInput(const std::optional<std::deque<std::string>>& answers,
                          std::istringstream& stream) {
  if (!answers) return std::cin;
  std::string lines;
  for (const std::string& answer : *answers) lines += answer + "\n";
  stream.str(lines);
  return stream;
}

bool displayAvailable() {
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (display != nullptr && *display != '\0') || (wayland != nullptr && *wayland != '\0');
}

FrontEnd chosenFrontEnd(const Options& options) {
  if (options.frontEnd != FrontEnd::Automatic) return options.frontEnd;
  return displayAvailable() ? FrontEnd::Gui : FrontEnd::Console;
}

bool needsDesktop(const Options& options) {
  return chosenFrontEnd(options) == FrontEnd::Gui || options.plots || options.pdf;
}

std::string quotedPath(const fs::path& path) {
  std::string shown = path.string();
  for (char& c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127) c = '?';
  }
  return "'" + shown + "'";
}

std::string runDirectoryProblem(const fs::path& directory) {
  std::error_code ec;
  const fs::path absolute = absolutePath(directory);
  if (fs::is_directory(absolute, ec)) return "";
  const std::string named = "run directory " + quotedPath(directory);
  return fs::exists(absolute, ec) ? named + " is not a directory" : named + " does not exist";
}

fs::path absolutePath(const fs::path& p) {
  std::error_code ec;
  fs::path absolute = fs::absolute(p, ec);
  if (ec) return p;
  absolute = absolute.lexically_normal();
  // "dir/." normalises to "dir/"; keep the names printed to the user free of the slash.
  if (absolute.filename().empty() && absolute.has_parent_path()) absolute = absolute.parent_path();
  return absolute;
}

// Far more than any run asks; a file without end (a device) is refused.
constexpr std::size_t kLargestAnswersFile = 1024 * 1024;

std::optional<std::deque<std::string>> readAnswers(const fs::path& file, std::string& error) {
  std::error_code ec;
  if (fs::is_directory(file, ec)) {
    error = "the answers file '" + file.string() + "' is a directory";
    return std::nullopt;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error = "cannot read the answers file '" + file.string() + "'";
    return std::nullopt;
  }
  std::string text(kLargestAnswersFile + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.size() > kLargestAnswersFile) {
    error = "the answers file '" + file.string() + "' is larger than 1 MB";
    return std::nullopt;
  }
  std::deque<std::string> answers;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    answers.push_back(line);
  }
  return answers;
}

}  // namespace norvika
