// norvika-qt: the run with the desktop libraries, for live windows (--gui),
// pictures (--plots) and the PDF run record (--pdf). norvika starts it when
// one of them is asked for; a run without them never loads Qt. Started with
// --hydrostatics first, it does the same for norvika-hydrostatics, and with
// --stability for norvika-stability.

#include <QApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <cstdlib>
#include <deque>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/options.h"
#include "cli/record_file.h"
#include "cli/terminal_run.h"
#include "console/console_platform.h"
#include "console/run_end_message.h"
#include "console/warning_echo.h"
#include "desktop_hydrostatics.h"
#include "desktop_stability.h"
#include "hydrostatics/hydrostatics_options.h"
#include "qt/qt_platform.h"
#include "qt/run_directory.h"
#include "qt/translations.h"
#include "render/picture_saver.h"
#include "render/run_record.h"
#include "run/calculation_driver.h"

namespace fs = std::filesystem;
using namespace norvika;

namespace {

constexpr int kAnswerDelayMs = 400;
// The legacy style of a box with one button and the critical icon.
constexpr int kCriticalBoxStyle = 16;
// ... and of one with the information icon.
constexpr int kInformationBoxStyle = 64;

// The desktop program says on the terminal what the terminal front end says:
// the report window's text on standard output, each message box with its
// title on standard error, so that a script or a log sees why a run stopped.
class GuiPlatform : public QtPlatform {
 public:
  explicit GuiPlatform(const fs::path& directory) : QtPlatform(directory) {
    observeWindows(&reportEcho_);
  }
  void messageBox(const std::string& text, int style, const std::string& title) override {
    std::cerr << title << ": " << text << std::endl;
    QtPlatform::messageBox(text, style, title);
  }

 private:
  struct ReportEcho : norvika::WindowObserver {
    void textPrinted(const Window& window, const std::string& text) override {
      if (window.id() == WindowId::Report) std::cout << text << std::endl;
    }
  };
  ReportEcho reportEcho_;
};

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

int runDesktopProgram(const Options& options) {
  std::optional<std::deque<std::string>> answers;
  if (const int status = checkBeforeRun(options, answers); status != 0) return status;
  fs::path directory = absolutePath(options.directory);
  const FrontEnd frontEnd = chosenFrontEnd(options);
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
  } else {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
  }
  // The desktop's own words follow the run's language when one is asked for.
  const LanguageScope language(options.language.value_or(Language::Turkish));
  if (gui) {
    installTranslations(*application, !options.language ? QLocale::system()
                                      : *options.language == Language::English
                                          ? QLocale(QLocale::English)
                                          : QLocale(QLocale::Turkish));
  }
  QGuiApplication::setApplicationName(QStringLiteral("Norvika"));
  QGuiApplication::setApplicationVersion(QStringLiteral(NORVIKA_VERSION));
  QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/norvika.svg")));
  QGuiApplication::setDesktopFileName(QStringLiteral("norvika"));

  // Started from the desktop's menu, the program has no run directory of its own.
  if (gui && !options.directoryGiven && !options.answers &&
      !fs::exists(directory / "Norvika.TSK")) {
    const std::optional<fs::path> chosen = chooseRunDirectory(directory);
    if (!chosen) {
      // Said in the desktop's language: this user started the program from the menu.
      std::cerr << "norvika: "
                << QCoreApplication::translate("norvika",
                                               "no run directory chosen; nothing was run")
                       .toStdString()
                << "\n";
      return static_cast<int>(ExitReason::StoppedByUser);
    }
    directory = absolutePath(*chosen);
  }

  FrameLog frameLog;
  std::unique_ptr<Platform> platform;
  std::istringstream answerStream;
  GuiPlatform* guiPlatform = nullptr;
  if (gui) {
    auto p = std::make_unique<GuiPlatform>(directory);
    if (answers) p->answerAutomatically(std::move(*answers), kAnswerDelayMs);
    guiPlatform = p.get();
    platform = std::move(p);
  } else {
    std::istream& in = answerInput(answers, answerStream);
    const auto mode = frontEnd == FrontEnd::Batch ? ConsolePlatform::Mode::Batch
                                                  : ConsolePlatform::Mode::Interactive;
    platform = std::make_unique<ConsolePlatform>(directory, mode, in, std::cout, std::cerr);
    if (frontEnd == FrontEnd::Console) {
      std::cout << "norvika: the drawings are not shown on the terminal; --plots DIR saves them "
                   "as pictures\n";
    }
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
    saver = std::make_unique<PictureSaver>(plots, options.plotsFrames == RecordFrames::All);
    platform->observeWindows(saver.get());
  }
  const QDateTime started = QDateTime::currentDateTime();
  if (options.pdf) platform->observeWindows(&frameLog);
  WarningEcho warningEcho(std::cerr);
  platform->observeWindows(&warningEcho);

  const RunOutcome outcome = runCalculation(*platform, runSettings(options));
  if (guiPlatform != nullptr) guiPlatform->setStoppable(false);
  const std::string told = tellHowTheRunEnded(outcome);
  if (guiPlatform != nullptr) {
    if (!outcome.message.empty()) {
      guiPlatform->QtPlatform::messageBox(outcome.message, kCriticalBoxStyle, "Norvika");
    } else if (outcome.reason == ExitReason::GeometryRejected) {
      const Translate translated = [](const char* text) {
        return QCoreApplication::translate("norvika", text).toStdString();
      };
      guiPlatform->QtPlatform::messageBox(answerEndingText(outcome, translated),
                                          kInformationBoxStyle, "Norvika");
    }
  }
  int status = reportEnding(outcome);
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
    const auto write = [&](const fs::path& file) {
      return writeRunRecord(file, frameLog, outcome, told, options.pdfFrames, started) > 0;
    };
    if (writeRecord(pdf, recordPlace(pdf), write)) {
      std::cout << "Run record: " << pdf.string() << "\n";
    } else {
      std::cerr << "norvika: cannot write the run record '" << pdf.string() << "'\n";
      if (status == 0) status = static_cast<int>(ExitReason::WriteFailed);
    }
  }
  if (guiPlatform != nullptr) {
    std::cout.flush();  // what the run wrote is said before the windows are looked at
    guiPlatform->waitWhileWindowsKept();
  }
  return status;
}

constexpr const char* kDesktopPreface =
    "norvika-qt is the desktop program of norvika, which starts it with the command line it\n"
    "was given when live windows (--gui), pictures (--plots) or the run record (--pdf) are\n"
    "asked for:\n\n";

// norvika-qt --hydrostatics ARGS: norvika-hydrostatics's run with the renderer,
// for its pictures and its record.
int runHydrostaticsWithPictures(const std::vector<std::string>& args) {
  int status = 0;
  const std::optional<HydrostaticsOptions> options =
      hydrostaticsOptionsToRun(args, std::cout, std::cerr, status);
  if (!options) return status;
  static int qtArgc = 1;
  static char qtName[] = "norvika-hydrostatics";
  static char* qtArgv[] = {qtName, nullptr};
  qInstallMessageHandler(filterQtMessages);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication application(qtArgc, qtArgv);
  HydrostaticsPictures pictures;
  return runHydrostaticsFrontEnd(*options, &pictures, std::cout, std::cerr);
}

// norvika-qt --stability ARGS: norvika-stability's run with the renderer, for
// its pictures and its record.
int runStabilityWithPictures(const std::vector<std::string>& args) {
  int status = 0;
  const std::optional<StabilityOptions> options =
      stabilityOptionsToRun(args, std::cout, std::cerr, status);
  if (!options) return status;
  static int qtArgc = 1;
  static char qtName[] = "norvika-stability";
  static char* qtArgv[] = {qtName, nullptr};
  qInstallMessageHandler(filterQtMessages);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication application(qtArgc, qtArgv);
  StabilityPictures pictures;
  return runStabilityFrontEnd(*options, &pictures, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == kHydrostaticsFlag) {
    return runGuarded(
        [&] {
          return runHydrostaticsWithPictures(std::vector<std::string>(argv + 2, argv + argc));
        },
        kHydrostaticsProgram);
  }
  if (argc > 1 && std::string(argv[1]) == kStabilityFlag) {
    return runGuarded(
        [&] { return runStabilityWithPictures(std::vector<std::string>(argv + 2, argv + argc)); },
        kStabilityProgram);
  }
  const std::optional<Options> options = parseOptionsOrSay(argc, argv);
  if (!options) return static_cast<int>(ExitReason::InputError);
  if (answeredHelpOrVersion(*options, "norvika-qt", kDesktopPreface)) return 0;
  return runGuarded([&] {
    return needsDesktop(*options) ? runDesktopProgram(*options) : runInTerminal(*options);
  });
}
