// norvika: buoyancy distribution of a ship, one loading case per run, in the run directory.

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <cstdlib>
#include <deque>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "console/console_platform.h"
#include "console/run_end_message.h"
#include "console/warning_echo.h"
#include "driver/calculation_driver.h"
#include "platform/platform.h"
#include "qt/qt_platform.h"
#include "qt/run_directory.h"
#include "qt/translations.h"
#include "render/picture_saver.h"
#include "render/record_file.h"
#include "render/run_record.h"

namespace fs = std::filesystem;
using namespace norvika;

namespace {

constexpr int kAnswerDelayMs = 400;
constexpr const char* kOutOfMemory = "internal failure: out of memory";

const char* const kUsage =
    "Usage: norvika [OPTIONS]\n"
    "Computes the buoyancy distribution of a ship from Norvika.TSK and its hull file and\n"
    "writes Norvika.SON and SEPHIYE.TXT next to them.\n"
    "\n"
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
    "  --help           show this help\n"
    "  --version        show the version\n"
    "\n"
    "Paths given to --plots, --pdf and --answers are taken relative to the directory norvika\n"
    "was started in.\n"
    "\n"
    "Exit status: 0 completed, 1 input file missing or malformed (or bad options),\n"
    "2 calculation stopped, 3 geometry or waterline rejected, 4 a result file could not be\n"
    "written, 5 internal failure (out of memory, an unexpected error), 6 stopped by the user\n"
    "(closing the report window or Ctrl+Q; nothing of the run written, earlier files kept).\n";

enum class FrontEnd { Automatic, Gui, Console, Batch };

struct Options {
  FrontEnd frontEnd = FrontEnd::Automatic;
  fs::path directory = ".";
  bool directoryGiven = false;
  std::optional<fs::path> plots;
  std::optional<fs::path> pdf;
  std::optional<fs::path> answers;
  RecordFrames pdfFrames = RecordFrames::Finished;
  bool help = false;
  bool version = false;
};

// Remembers the last message box of the run: a stop shows its reason in a box and ends the run
// without a message of its own, and the run record should still say why it stopped.
template <typename Base>
class RememberingMessages : public Base {
 public:
  using Base::Base;
  void messageBox(const std::string& text, int style, const std::string& title) override {
    lastMessage_ = text;
    Base::messageBox(text, style, title);
  }
  // The run record lists the answers and tells a checked drawing by the question asked on it.
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText, int xTwips, int yTwips) override {
    std::string answer = Base::inputBox(prompt, title, defaultText, xTwips, yTwips);
    if (answerLog_ != nullptr) answerLog_->questionAnswered(title, prompt, answer);
    lastAnswer_ = answer;
    return answer;
  }
  const std::string& lastMessage() const { return lastMessage_; }
  const std::string& lastAnswer() const { return lastAnswer_; }
  void logAnswers(FrameLog* log) { answerLog_ = log; }

 private:
  std::string lastMessage_;
  std::string lastAnswer_;
  FrameLog* answerLog_ = nullptr;
};

using TerminalPlatform = RememberingMessages<ConsolePlatform>;

// The desktop program says on the terminal what the terminal front end says:
// the report window's text on standard output, each message box with its
// title on standard error, so that a script or a log sees why a run stopped.
class GuiPlatform : public RememberingMessages<QtPlatform> {
 public:
  explicit GuiPlatform(const fs::path& directory) : RememberingMessages<QtPlatform>(directory) {
    observeWindows(&reportEcho_);
  }
  void messageBox(const std::string& text, int style, const std::string& title) override {
    std::cerr << title << ": " << text << std::endl;
    RememberingMessages<QtPlatform>::messageBox(text, style, title);
  }

 private:
  struct ReportEcho : norvika::WindowObserver {
    void textPrinted(const Window& window, const std::string& text) override {
      if (window.id() == WindowId::Report) std::cout << text << std::endl;
    }
  };
  ReportEcho reportEcho_;
};

// Accepts "--name VALUE" and "--name=VALUE" (and "-C DIR").
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
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> value;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
    }
    auto takeValue = [&]() -> std::optional<std::string> {
      if (value) return value;
      if (i + 1 >= args.size()) {
        error = name + " needs a value";
        return std::nullopt;
      }
      return args[++i];
    };
    const bool takesValue =
        name == "-C" || name == "--plots" || name == "--pdf" || name == "--answers" ||
        name == "--pdf-frames";
    if (!takesValue && value) {
      error = name + " takes no value";
      return std::nullopt;
    }
    if (name == "--help" || name == "-h") {
      options.help = true;
    } else if (name == "--version") {
      options.version = true;
    } else if (name == "--gui") {
      if (!setFrontEnd(FrontEnd::Gui, name)) return std::nullopt;
    } else if (name == "--console") {
      if (!setFrontEnd(FrontEnd::Console, name)) return std::nullopt;
    } else if (name == "--batch") {
      if (!setFrontEnd(FrontEnd::Batch, name)) return std::nullopt;
    } else if (takesValue) {
      const std::optional<std::string> v = takeValue();
      if (!v) return std::nullopt;
      if (v->empty()) {
        error = name + " needs a non-empty value";
        return std::nullopt;
      }
      if (name == "-C") {
        options.directory = *v;
        options.directoryGiven = true;
      }
      if (name == "--plots") options.plots = fs::path(*v);
      if (name == "--pdf") options.pdf = fs::path(*v);
      if (name == "--answers") options.answers = fs::path(*v);
      if (name == "--pdf-frames") {
        if (*v != "all" && *v != "finished") {
          error = "--pdf-frames takes 'all' or 'finished', not '" + *v + "'";
          return std::nullopt;
        }
        options.pdfFrames = *v == "all" ? RecordFrames::All : RecordFrames::Finished;
      }
    } else {
      error = "unknown option '" + args[i] + "'";
      return std::nullopt;
    }
  }
  if (options.frontEnd == FrontEnd::Batch && options.answers) {
    error = "--answers cannot be used with --batch";
    return std::nullopt;
  }
  return options;
}

// Qt's notes about the environment (no runtime directory on a server, an offscreen plugin
// that cannot size windows) are noise on the terminal of a calculation.
void filterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  if (text.startsWith(QLatin1String("QStandardPaths:")) ||
      text.startsWith(QLatin1String("This plugin does not support"))) {
    return;
  }
  std::cerr << qPrintable(qFormatLogMessage(type, context, text)) << "\n";
}

bool displayAvailable() {
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (display != nullptr && *display != '\0') || (wayland != nullptr && *wayland != '\0');
}

// Far more than any run asks; a file without end (a device) is refused.
constexpr std::size_t kLargestAnswersFile = 1024 * 1024;

// The answers, one per line; an error text when the file cannot serve. A pipe
// is read as it comes, so "--answers <(...)" works.
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

fs::path absolutePath(const fs::path& p) {
  std::error_code ec;
  fs::path absolute = fs::absolute(p, ec);
  if (ec) return p;
  absolute = absolute.lexically_normal();
  // "dir/." normalises to "dir/"; keep the names printed to the user free of the slash.
  if (absolute.filename().empty() && absolute.has_parent_path()) absolute = absolute.parent_path();
  return absolute;
}

// A run ended by the user has no message of its own from the calculation: say what ended it
// and what is on disc. A stop after the closing box found the run complete.
// Returns what was said, for the run record.
std::string tellHowTheRunEnded(RunEnding& ending, const ResultFilesWatch& files,
                               const std::string& answer, QtPlatform* gui) {
  if (ending.reason == ExitReason::StoppedByUser && files.replaced("Norvika.SON") &&
      files.replaced("SEPHIYE.TXT")) {
    ending.reason = ExitReason::Completed;
    return {};
  }
  const Translate asIs = [](const char* text) { return std::string(text); };
  const Translate translated = [](const char* text) {
    return QCoreApplication::translate("norvika", text).toStdString();
  };
  std::string said;
  if (ending.reason == ExitReason::GeometryRejected && ending.message.empty()) {
    said = answerEndingText(answer, files, asIs);
    if (gui != nullptr) {
      gui->QtPlatform::messageBox(answerEndingText(answer, files, translated), 64, "Norvika");
    }
  }
  if (ending.reason == ExitReason::StoppedByUser) said = stopEndingText();
  if (!said.empty()) std::cerr << "norvika: " << said << "\n";
  return said;
}

int runProgram(const Options& options) {
  fs::path directory = absolutePath(options.directory);
  {
    std::error_code ec;
    if (!fs::is_directory(directory, ec)) {
      std::cerr << "norvika: run directory '" << options.directory.string() << "' does not exist\n";
      return static_cast<int>(ExitReason::InputError);
    }
  }

  std::optional<std::deque<std::string>> answers;
  if (options.answers) {
    std::string error;
    answers = readAnswers(*options.answers, error);
    if (!answers) {
      std::cerr << "norvika: " << error << "\n";
      return static_cast<int>(ExitReason::InputError);
    }
  }
  if (options.plots) {
    std::error_code ec;
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

  FrontEnd frontEnd = options.frontEnd;
  if (frontEnd == FrontEnd::Automatic) {
    frontEnd = displayAvailable() ? FrontEnd::Gui : FrontEnd::Console;
  }
  const bool gui = frontEnd == FrontEnd::Gui;
  if (gui && !displayAvailable() && std::getenv("QT_QPA_PLATFORM") == nullptr) {
    std::cerr << "norvika: --gui needs a display (DISPLAY or WAYLAND_DISPLAY is not set)\n";
    return static_cast<int>(ExitReason::InputError);
  }

  // Qt keeps references to these for the application's lifetime.
  static int qtArgc = 1;
  static char qtName[] = "norvika";
  static char* qtArgv[] = {qtName, nullptr};
  std::unique_ptr<QGuiApplication> application;
  qInstallMessageHandler(filterQtMessages);
  if (gui) {
    auto app = std::make_unique<QApplication>(qtArgc, qtArgv);
    app->setQuitOnLastWindowClosed(false);
    application = std::move(app);
  } else if (options.plots || options.pdf) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
  }
  if (gui) installTranslations(*application, QLocale::system());
  if (application) {
    QGuiApplication::setApplicationName(QStringLiteral("Norvika"));
    QGuiApplication::setApplicationVersion(QStringLiteral(NORVIKA_VERSION));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/norvika.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("norvika"));
  }

  if (gui && !options.directoryGiven && !options.answers && !fs::exists(directory / "Norvika.TSK")) {
    const std::optional<fs::path> chosen = chooseRunDirectory(directory);
    if (!chosen) {
      std::cerr << "norvika: no run directory chosen\n";
      return static_cast<int>(ExitReason::InputError);
    }
    directory = absolutePath(*chosen);
  }

  std::unique_ptr<Platform> platform;
  std::istringstream answerStream;
  GuiPlatform* guiPlatform = nullptr;
  TerminalPlatform* terminalPlatform = nullptr;
  const std::string* lastMessage = nullptr;
  const std::string* lastAnswer = nullptr;
  if (gui) {
    auto p = std::make_unique<GuiPlatform>(directory);
    if (answers) p->answerAutomatically(std::move(*answers), kAnswerDelayMs);
    guiPlatform = p.get();
    lastMessage = &p->lastMessage();
    lastAnswer = &p->lastAnswer();
    platform = std::move(p);
  } else {
    std::istream* in = &std::cin;
    if (answers) {
      std::string lines;
      for (const std::string& answer : *answers) lines += answer + "\n";
      answerStream.str(lines);
      in = &answerStream;
    }
    const auto mode = frontEnd == FrontEnd::Batch ? ConsolePlatform::Mode::Batch
                                                  : ConsolePlatform::Mode::Interactive;
    auto p = std::make_unique<TerminalPlatform>(directory, mode, *in, std::cout, std::cerr);
    terminalPlatform = p.get();
    lastMessage = &p->lastMessage();
    lastAnswer = &p->lastAnswer();
    if (frontEnd == FrontEnd::Console) {
      std::cout << "norvika: the drawings are not shown on the terminal; --plots DIR saves them "
                   "as pictures\n";
    }
    platform = std::move(p);
  }

  std::unique_ptr<PictureSaver> saver;
  if (options.plots) {
    const fs::path plots = absolutePath(*options.plots);
    std::error_code ec;
    fs::create_directories(plots, ec);
    if (!fs::is_directory(plots, ec)) {
      std::cerr << "norvika: cannot create the pictures directory '" << plots.string() << "'\n";
      return static_cast<int>(ExitReason::WriteFailed);
    }
    saver = std::make_unique<PictureSaver>(plots);
    platform->observeWindows(saver.get());
  }
  FrameLog frameLog;
  const QDateTime started = QDateTime::currentDateTime();
  if (options.pdf) {
    platform->observeWindows(&frameLog);
    if (guiPlatform != nullptr) guiPlatform->logAnswers(&frameLog);
    if (terminalPlatform != nullptr) terminalPlatform->logAnswers(&frameLog);
  }

  WarningEcho warningEcho(std::cerr);
  platform->observeWindows(&warningEcho);
  const ResultFilesWatch resultFiles(directory);

  RunEnding ending;
  try {
    runCalculation(*platform);
  } catch (const ProgramEnd& end) {
    ending = RunEnding{end.reason(), end.message()};
  } catch (const fs::filesystem_error& e) {
    ending = RunEnding{ExitReason::WriteFailed, e.what()};
  } catch (const std::bad_alloc&) {
    ending = RunEnding{ExitReason::InternalFailure, kOutOfMemory};
  } catch (const std::exception& e) {
    ending = RunEnding{ExitReason::InternalFailure, std::string("internal failure: ") + e.what()};
  }
  platform->finishAllFrames();
  if (guiPlatform != nullptr) guiPlatform->setStoppable(false);
  const std::string endingNote = tellHowTheRunEnded(ending, resultFiles, *lastAnswer, guiPlatform);

  int status = static_cast<int>(ending.reason);
  if (!ending.message.empty()) {
    std::cerr << "norvika: " << ending.message << "\n";
    if (guiPlatform != nullptr) guiPlatform->QtPlatform::messageBox(ending.message, 16, "Norvika");
  }
  if (ending.reason == ExitReason::Completed) {
    std::cout << "Results:\n"
              << "  " << (directory / "Norvika.SON").string() << "\n"
              << "  " << (directory / "SEPHIYE.TXT").string() << "\n";
  }
  if (saver) {
    for (const fs::path& failed : saver->failures()) {
      std::cerr << "norvika: cannot write the picture '" << failed.string() << "'\n";
    }
    if (!saver->failures().empty() && status == 0)
      status = static_cast<int>(ExitReason::WriteFailed);
    std::cout << "Pictures: " << saver->directory().string() << " (" << saver->pictureCount()
              << " drawings)\n";
  }
  if (options.pdf) {
    const fs::path pdf = absolutePath(*options.pdf);
    RunEnding recorded = ending;
    if (recorded.message.empty() && ending.reason != ExitReason::Completed) {
      recorded.message = endingNote.empty() ? *lastMessage : endingNote;
    }
    const auto write = [&](const fs::path& file) {
      return writeRunRecord(file, *platform, frameLog, recorded, options.pdfFrames, started) > 0;
    };
    if (replaceWithRecord(pdf, write)) {
      std::cout << "Run record: " << pdf.string() << "\n";
    } else {
      std::cerr << "norvika: cannot write the run record '" << pdf.string() << "'\n";
      if (status == 0) status = static_cast<int>(ExitReason::WriteFailed);
    }
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const std::optional<Options> options = parseOptions(argc, argv, error);
  if (!options) {
    std::cerr << "norvika: " << error << "\n\n" << kUsage;
    return static_cast<int>(ExitReason::InputError);
  }
  if (options->help) {
    std::cout << kUsage;
    return 0;
  }
  if (options->version) {
    std::cout << "norvika " NORVIKA_VERSION "\n";
    return 0;
  }
  try {
    return runProgram(*options);
  } catch (const fs::filesystem_error& e) {
    std::cerr << "norvika: " << e.what() << "\n";
    return static_cast<int>(ExitReason::WriteFailed);
  } catch (const std::bad_alloc&) {
    std::cerr << "norvika: " << kOutOfMemory << "\n";
    return static_cast<int>(ExitReason::InternalFailure);
  } catch (const std::exception& e) {
    std::cerr << "norvika: internal failure: " << e.what() << "\n";
    return static_cast<int>(ExitReason::InternalFailure);
  }
}
