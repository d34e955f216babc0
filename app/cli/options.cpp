#include "cli/options.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <system_error>
#include <vector>

#include "cli/option_table.h"
#include "support/input_file.h"
#include "support/result_names.h"

namespace fs = std::filesystem;

namespace norvika {

namespace {

// norvika's options, described once: the parser, --help and the manual page.
constexpr OptionRow kOptions[] = {
    {"--gui", "", OptionValue::None, nullptr,
     "windows and dialog boxes (the default when a display is available)"},
    {"--console", "", OptionValue::None, nullptr,
     "questions on the terminal (the default without a display)"},
    {"--batch", "", OptionValue::None, nullptr,
     "every question takes its default answer; nothing is read"},
    kRunDirectoryOption,
    {"--plots", "DIR", OptionValue::Text, nullptr,
     "save the finished drawings in DIR as PNG and SVG, numbered in the\n"
     "order they were drawn and named by what they show (NN-NAME.png/.svg)"},
    {"--plots-frames", "all", OptionValue::Text, nullptr,
     "save every frame of the run with --plots (station previews and\n"
     "draft-search steps too); 'finished' (the default) keeps the drawings"},
    {"--pdf", "FILE", OptionValue::Text, nullptr,
     "write a PDF record of the run: its inputs, answers and result files,\n"
     "the report and the finished drawings, one per page"},
    {"--pdf-frames", "all", OptionValue::Text, nullptr,
     "put every frame of the run in the PDF record (station previews and\n"
     "draft-search steps too); 'finished' (the default) keeps the drawings"},
    {"--answers", "FILE", OptionValue::Text, nullptr,
     "answer the questions from FILE, one line each (with --gui each box\n"
     "is shown and answered after a short delay)"},
    {"--weights", "FILE", OptionValue::Text, nullptr,
     "the weights file for the longitudinal strength (default: Norvika.AGR\n"
     "in the run directory, if there is one); writes MUKAVEMET.SON and\n"
     "MUKAVEMET.TXT as well"},
    {"--sweep", "N", OptionValue::Number, &kSweepPositionsBounds,
     "move the wave's crest along the ship in N equal steps over one wave\n"
     "length ({range}, the crest amidships among them), balance the ship\n"
     "at each and write the envelopes to TARAMA.TXT (wave cases 2-5, with\n"
     "a weights file)"},
    {"--rule-length", "L", OptionValue::Number, &kRuleLengthBounds,
     "the rule length L of the wave loads of IACS UR S11 in metres ({range});\n"
     "default: the length between perpendiculars within 0.96-0.97 of the\n"
     "waterline's length at the rule's draft"},
    {"--scantling-draft", "T", OptionValue::Number, &kDraftBounds,
     "the scantling draft of the rule's wave loads, m ({range}): the rule's\n"
     "waterline length, block coefficient and T on a level waterline at it;\n"
     "default: the loading's still-water draft"},
    kLanguageOption,
    {"--help", "", OptionValue::None, nullptr, "show this help"},
    {"-h", "", OptionValue::None, nullptr, ""},
    {"--version", "", OptionValue::None, nullptr, "show the version"},
};

constexpr int kStatuses[] = {0, 1, 2, 3, 4, 5, 6};

std::string usageText() {
  std::string files;
  for (const ResultName& result : kResultNames) {
    if (result.analysis == Analysis::CaseRun) {
      files += "  " + std::string(result.name) +
               std::string(16 - std::string(result.name).size(), ' ') + result.holds + "\n";
    }
  }
  return "Usage: norvika [OPTIONS] [DIR | DIR/Norvika.TSK]\n"
         "Computes the buoyancy distribution of a ship from Norvika.TSK and its hull file and\n"
         "writes its result files next to them.\n"
         "\n"
         "  DIR              the run directory, the one holding Norvika.TSK (as -C DIR); the task\n"
         "                   file itself may be named instead\n" +
         optionHelp(kOptions) +
         "\n"
         "Paths given to --plots, --pdf, --answers and --weights are taken relative to the\n"
         "directory norvika was started in.\n"
         "\n"
         "Result files:\n" +
         files + "\n" + exitStatusHelp(kStatuses);
}

}  // namespace

const std::string& usage() {
  static const std::string text = usageText();
  return text;
}

std::optional<std::filesystem::path> runPlaceOf(const std::string& place, std::string& error) {
  if (place.empty()) {
    error = "an empty name where the run directory or its task file was expected";
    return std::nullopt;
  }
  const fs::path path(place);
  std::error_code ec;
  if (!fs::exists(path, ec) || fs::is_directory(path, ec)) return path;
  if (path.filename() != "Norvika.TSK") {
    error = "'" + place + "' is neither a run directory nor a task file Norvika.TSK";
    return std::nullopt;
  }
  return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

bool takeRunDirectory(const std::filesystem::path& directory, std::filesystem::path& runDirectory,
                      bool& given, std::string& error) {
  if (given) {
    error = "give the run directory once (-C or a directory or task file, not both)";
    return false;
  }
  runDirectory = directory;
  given = true;
  return true;
}

std::optional<Options> parseOptions(int argc, char** argv, std::string& error) {
  const std::optional<ParsedOptions> parsed =
      parseOptionTable(kOptions, std::vector<std::string>(argv + 1, argv + argc), error);
  if (!parsed) return std::nullopt;
  Options options;
  for (const ParsedOptions::Given& given : parsed->given) {
    const std::string_view name = given.row->name;
    const FrontEnd frontEnd = name == "--gui"       ? FrontEnd::Gui
                              : name == "--console" ? FrontEnd::Console
                              : name == "--batch"   ? FrontEnd::Batch
                                                    : FrontEnd::Automatic;
    if (frontEnd != FrontEnd::Automatic) {
      if (options.frontEnd != FrontEnd::Automatic) {
        error = "only one of --gui, --console and --batch may be given (" + std::string(name) + ")";
        return std::nullopt;
      }
      options.frontEnd = frontEnd;
    } else if (name == "--help" || name == "-h") {
      options.help = true;
    } else if (name == "--version") {
      options.version = true;
    } else if (name == "-C") {
      if (!takeRunDirectory(given.text, options.directory, options.directoryGiven, error)) {
        return std::nullopt;
      }
    } else if (name == "--plots") {
      options.plots = fs::path(given.text);
    } else if (name == "--pdf") {
      options.pdf = fs::path(given.text);
    } else if (name == "--answers") {
      options.answers = fs::path(given.text);
    } else if (name == "--pdf-frames" || name == "--plots-frames") {
      if (given.text != "all" && given.text != "finished") {
        error = std::string(name) + ": expected 'all' or 'finished', got " +
                quotedForMessage(given.text);
        return std::nullopt;
      }
      const RecordFrames frames = given.text == "all" ? RecordFrames::All : RecordFrames::Finished;
      (name == "--pdf-frames" ? options.pdfFrames : options.plotsFrames) = frames;
    } else if (name == "--weights") {
      options.weights = fs::path(given.text);
    } else if (name == "--sweep") {
      options.sweepPositions = static_cast<int>(given.number);
    } else if (name == "--rule-length") {
      options.rule.length = given.number;
    } else if (name == "--scantling-draft") {
      options.rule.scantlingDraft = given.number;
    } else if (name == "--language") {
      options.language = languageOption(given.text, error);
      if (!options.language) return std::nullopt;
    }
  }
  for (const std::string& place : parsed->operands) {
    const std::optional<fs::path> directory = runPlaceOf(place, error);
    if (!directory ||
        !takeRunDirectory(*directory, options.directory, options.directoryGiven, error)) {
      return std::nullopt;
    }
  }
  if (options.frontEnd == FrontEnd::Batch && options.answers) {
    error = "--answers cannot be used with --batch";
    return std::nullopt;
  }
  return options;
}

bool answeredHelpOrVersion(const Options& options, const char* program, const char* preface) {
  if (options.help) {
    std::cout << preface << usage();
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
  if (!options) std::cerr << "norvika: " << error << "\n\n" << usage();
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

std::optional<Language> languageOption(const std::string& value, std::string& error) {
  const std::optional<Language> language = languageNamed(value);
  if (!language) error = "--language: expected 'tr' or 'en', got " + quotedForMessage(value);
  return language;
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
