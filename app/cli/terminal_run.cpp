#include "cli/terminal_run.h"

#include <csignal>
#include <iostream>
#include <new>
#include <sstream>
#include <system_error>

#include "cli/record_file.h"
#include "console/console_platform.h"
#include "console/run_end_message.h"
#include "console/warning_echo.h"
#include "run/calculation_driver.h"
#include "support/result_file.h"

namespace fs = std::filesystem;

namespace norvika {

int checkBeforeRun(const Options& options, std::optional<std::deque<std::string>>& answers) {
  if (const std::string problem = runDirectoryProblem(options.directory); !problem.empty()) {
    std::cerr << "norvika: " << problem << "\n";
    return static_cast<int>(ExitReason::InputError);
  }
  if (options.answers) {
    if (const auto result =
            resultPlaceOf(absolutePath(*options.answers), absolutePath(options.directory),
                          resultsOf(Analysis::CaseRun))) {
      std::cerr << "norvika: the answers file '" << options.answers->string()
                << "' stands where the run's result file " << resultName(*result)
                << " goes; the run would remove or replace it: give it another name\n";
      return static_cast<int>(ExitReason::InputError);
    }
    std::string error;
    answers = readAnswers(*options.answers, error);
    if (!answers) {
      std::cerr << "norvika: " << error << "\n";
      return static_cast<int>(ExitReason::InputError);
    }
  }
  if (options.plots) {
    const fs::path plots = absolutePath(*options.plots);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(plots, ec)) && !fs::is_directory(plots, ec)) {
      std::cerr << "norvika: --plots: '" << plots.string() << "' is not a directory\n";
      return static_cast<int>(ExitReason::InputError);
    }
  }
  if (options.pdf) {
    const NamedOutput place = recordPlace(absolutePath(*options.pdf));
    if (place.refused()) {
      std::cerr << "norvika: " << place.problem << "\n";
      return static_cast<int>(place.refusal);
    }
  }
  return 0;
}

RunSettings runSettings(const Options& options) {
  RunSettings settings;
  if (options.weights) settings.weightsFile = absolutePath(*options.weights);
  settings.sweepPositions = options.sweepPositions;
  settings.rule = options.rule;
  return settings;
}

std::string tellHowTheRunEnded(const RunOutcome& outcome) {
  std::string said;
  if (outcome.reason == ExitReason::GeometryRejected && outcome.message.empty()) {
    said = answerEndingText(outcome, [](const char* text) { return std::string(text); });
  }
  if (outcome.reason == ExitReason::StoppedByUser) said = stopEndingText();
  if (!said.empty()) std::cerr << "norvika: " << said << "\n";
  return said;
}

int reportEnding(const RunOutcome& outcome) {
  if (!outcome.message.empty()) std::cerr << "norvika: " << outcome.message << "\n";
  if (outcome.reason == ExitReason::Completed) {
    std::cout << "Results:\n";
    for (const WrittenFile& file : outcome.written) std::cout << "  " << file.path.string() << "\n";
    if (!outcome.removed.empty()) std::cout << "Removed, as they belonged to an earlier run:\n";
    for (const std::string& name : outcome.removed) {
      std::cout << "  " << (outcome.directory / name).string() << "\n";
    }
  }
  return static_cast<int>(outcome.reason);
}

int runGuarded(const std::function<int()>& frontEnd, const std::string& program) {
  // Past a file-size limit (ulimit -f) a write then fails with EFBIG and is
  // told as a write failure, its temporary file removed, instead of the
  // signal ending the program with nothing said.
  std::signal(SIGXFSZ, SIG_IGN);
  try {
    return frontEnd();
  } catch (const fs::filesystem_error& e) {
    std::cerr << program << ": " << e.what() << "\n";
    return static_cast<int>(ExitReason::WriteFailed);
  } catch (const std::bad_alloc&) {
    std::cerr << program << ": internal failure: out of memory\n";
    return static_cast<int>(ExitReason::InternalFailure);
  } catch (const std::exception& e) {
    std::cerr << program << ": internal failure: " << e.what() << "\n";
    return static_cast<int>(ExitReason::InternalFailure);
  }
}

int runInTerminal(const Options& options) {
  std::optional<std::deque<std::string>> answers;
  if (const int status = checkBeforeRun(options, answers); status != 0) return status;
  std::istringstream answerStream;
  std::istream& in = answerInput(answers, answerStream);
  const fs::path directory = absolutePath(options.directory);
  const bool batch = chosenFrontEnd(options) == FrontEnd::Batch;
  if (!batch) {
    std::cout << "norvika: the drawings are not shown on the terminal; --plots DIR saves them "
                 "as pictures\n";
  }
  ConsolePlatform platform(
      directory, batch ? ConsolePlatform::Mode::Batch : ConsolePlatform::Mode::Interactive, in,
      std::cout, std::cerr);
  platform.keepDrawings(false);  // nothing here shows or saves a picture
  WarningEcho warningEcho(std::cerr);
  platform.observeWindows(&warningEcho);
  const RunOutcome outcome = runCalculation(platform, runSettings(options));
  tellHowTheRunEnded(outcome);
  return reportEnding(outcome);
}

}  // namespace norvika
