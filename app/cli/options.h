#pragma once

#include <deque>
#include <filesystem>
#include <istream>
#include <optional>
#include <sstream>
#include <string>

#include "calculation/rule_values.h"
#include "cli/option_table.h"
#include "words/language.h"

namespace norvika {

enum class FrontEnd { Automatic, Gui, Console, Batch };

/// Which frames the run record shows or --plots saves: the finished drawings of the run (the
/// checks, graphs, ship position, heeled sections) or every frame as it was drawn.
enum class RecordFrames { Finished, All };

/// The command line of norvika.
struct Options {
  FrontEnd frontEnd = FrontEnd::Automatic;
  std::filesystem::path directory = ".";
  bool directoryGiven = false;  // -C, or a directory or task file, was given
  std::optional<std::filesystem::path> plots;
  std::optional<std::filesystem::path> pdf;
  std::optional<std::filesystem::path> answers;
  RecordFrames pdfFrames = RecordFrames::Finished;
  RecordFrames plotsFrames = RecordFrames::Finished;
  std::optional<std::filesystem::path> weights;
  int sweepPositions = 0;            // --sweep N; 0 for no sweep
  RuleChoices rule = {};             // --rule-length, --scantling-draft
  std::optional<Language> language;  // --language; none: Turkish
  bool help = false;
  bool version = false;
};

/// The help text, made from the option table.
const std::string& usage();

/// The run directory that `place`, named alone on a command line (as a file
/// manager or the desktop's menu entry passes it), stands for: the directory
/// itself, or the directory of its task file Norvika.TSK; none, with `error`
/// set, for an empty name or another file.
std::optional<std::filesystem::path> runPlaceOf(const std::string& place, std::string& error);

/// Takes `directory` as the run directory, unless one was given already
/// (`given`): then false with `error` set.
bool takeRunDirectory(const std::filesystem::path& directory, std::filesystem::path& runDirectory,
                      bool& given, std::string& error);

/// Reads "--name VALUE" and "--name=VALUE", "-C DIR" and a run directory or its task file
/// Norvika.TSK named alone; none and `error` set when the line is not understood.
std::optional<Options> parseOptions(int argc, char** argv, std::string& error);

/// Whether DISPLAY or WAYLAND_DISPLAY names a display.
bool displayAvailable();

/// The front end a run takes: the one asked for, else the desktop when a
/// display is there and the terminal when not.
FrontEnd chosenFrontEnd(const Options& options);

/// Whether the run needs the desktop libraries: live windows, pictures or the PDF record.
bool needsDesktop(const Options& options);

/// The path in single quotes, each control character shown as '?'.
std::string quotedPath(const std::filesystem::path& path);

/// Why `directory` cannot be a run directory ("'DIR' does not exist", "'DIR'
/// is not a directory"); empty when it can.
std::string runDirectoryProblem(const std::filesystem::path& directory);

/// -C, as every program that runs in a run directory takes it.
inline constexpr OptionRow kRunDirectoryOption{"-C", "DIR", OptionValue::Text, nullptr,
                                               "run in DIR (default: the current directory)"};

/// --language, as every program that writes its texts in either language takes it.
inline constexpr OptionRow kLanguageOption{
    "--language", "tr|en", OptionValue::Text, nullptr,
    "the language of the reports, messages and drawings: tr, the Turkish\n"
    "texts of the legacy reports (the default), or en, English"};

/// The language a --language value names ("tr", "en"); none, with `error`
/// set, for another.
std::optional<Language> languageOption(const std::string& value, std::string& error);

/// The path made absolute and normal, without a trailing separator.
std::filesystem::path absolutePath(const std::filesystem::path& path);

/// Where the terminal front end reads its answers: the answers file's lines,
/// put into `stream`, when there is one, else standard input.
std::istream& answerInput(const std::optional<std::deque<std::string>>& answers,
                          std::istringstream& stream);

/// Answers --help (`preface`, then the help text) or --version ("`program` VERSION") on
/// standard output, before anything else is looked at; whether one of them was asked for.
bool answeredHelpOrVersion(const Options& options, const char* program, const char* preface = "");

/// The options of the command line; none, with the error and the help text
/// said on standard error, when the line is not understood.
std::optional<Options> parseOptionsOrSay(int argc, char** argv);

/// The answers of an answers file, one per line; none and `error` set when the
/// file cannot serve (a directory, more than 1 MB, unreadable). A pipe works.
std::optional<std::deque<std::string>> readAnswers(const std::filesystem::path& file,
                                                   std::string& error);

}  // namespace norvika
