#include "cli/terminal_run.h"

#include <iostream>
#include <new>
#include <sstream>
#include <system_error>

#include "cli/record_file.h"
#include "console/console_platform.h"
#include "console/run_end_message.h"
#include "console/warning_echo.h"
#include "driver/calculation_driver.h"

namespace fs = std::filesystem;

namespace norvika {

int checkBeforeRun(const Options& options, std::optional<std::deque<std::string>>& answers) {
  std::error_code ec;
  if (!fs::is_directory(absolutePath(options.directory), ec)) {
    std::cerr << "norvika: run directory '" << options.directory.string() << "' does not exist\n";
    return static_cast<int>(ExitReason::InputError);
  }
  if (options.answers) {
    std::string error;
    answers = readAnswers(*options.answers, error);
    if (!answers) {
      std::cerr << "norvika: " << error << "\n";
      return static_cast<int>(ExitReason::InputError);
    }
  }
  if (options.plots) {
    const fs::path plots = absolutePath(*options.plots);
    if (fs::exists(fs::symlink_status(plots, ec)) && !fs::is_directory(plots, ec)) {
      std::cerr << "norvika: --plots: '" << plots.string() << "' is not a directory\n";
      return static_cast<int>(ExitReason::InputError);
    }
  }
  if (options.pdf) {
    std::string problem;
    if (const int status = checkRecordTarget(absolutePath(*options.pdf), problem); status != 0) {
      std::cerr << "norvika: " << problem << "\n";
      return status;
    }
  }
  return 0;
}

RunSettings runSettings(const Options& options) {
  RunSettings settings;
  if (options.weights) settings.weightsFile = absolutePath(*options.weights);
  return settings;
}

RunEnding runOnPlatform(Platform& platform, const RunSettings& settings) {
  RunEnding ending;
  try {
    ending.strength = runCalculation(platform, settings).strengthWritten;
  } catch (const ProgramEnd& end) {
    ending = RunEnding{end.reason(), end.message()};
  } catch (const fs::filesystem_error& e) {
    ending = RunEnding{ExitReason::WriteFailed, e.what()};
  } catch (const std::bad_alloc&) {
    ending = RunEnding{ExitReason::InternalFailure, "internal failure: out of memory"};
  } catch (const std::exception& e) {
    ending = RunEnding{ExitReason::InternalFailure, std::string("internal failure: ") + e.what()};
  }
  platform.finishAllFrames();
  return ending;
}

std::string tellHowTheRunEnded(RunEnding& ending, const ResultFilesWatch& files,
                               const std::string& answer) {
  if (ending.reason == ExitReason::StoppedByUser && files.replaced("Norvika.SON") &&
      files.replaced("SEPHIYE.TXT")) {
    ending.reason = ExitReason::Completed;
    return {};
  }
  std::string said;
  if (ending.reason == ExitReason::GeometryRejected && ending.message.empty()) {
    said = answerEndingText(answer, files, [](const char* text) { return std::string(text); });
  }
  if (ending.reason == ExitReason::StoppedByUser) said = stopEndingText();
  if (!said.empty()) std::cerr << "norvika: " << said << "\n";
  return said;
}

int reportEnding(const RunEnding& ending, const fs::path& directory) {
  if (!ending.message.empty()) std::cerr << "norvika: " << ending.message << "\n";
  if (ending.reason == ExitReason::Completed) {
    std::cout << "Results:\n"
              << "  " << (directory / "Norvika.SON").string() << "\n"
              << "  " << (directory / "SEPHIYE.TXT").string() << "\n";
    if (ending.strength) {
      std::cout << "  " << (directory / "MUKAVEMET.SON").string() << "\n"
                << "  " << (directory / "MUKAVEMET.TXT").string() << "\n";
    }
  }
  return static_cast<int>(ending.reason);
}

int runGuarded(const std::function<int()>& frontEnd, const std::string& program) {
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
  RememberingMessages<ConsolePlatform> platform(
      directory, batch ? ConsolePlatform::Mode::Batch : ConsolePlatform::Mode::Interactive, in,
      std::cout, std::cerr);
  platform.keepDrawings(false);  // nothing here shows or saves a picture
  WarningEcho warningEcho(std::cerr);
  platform.observeWindows(&warningEcho);
  const ResultFilesWatch resultFiles(directory);
  RunEnding ending = runOnPlatform(platform, runSettings(options));
  tellHowTheRunEnded(ending, resultFiles, platform.lastAnswer());
  return reportEnding(ending, directory);
}

}  // namespace norvika
