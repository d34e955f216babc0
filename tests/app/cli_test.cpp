// The norvika program end to end, in batch mode, on every shipped example.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../console/norvika_process.h"

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

struct ProgramRun {
  int status = -1;
  std::string out, err;
};

ProgramRun runNorvika(const fs::path& dir, const std::string& options) {
  const std::string command = "QT_QPA_PLATFORM=offscreen '" + std::string(NORVIKA_BINARY) + "' " +
                              options + " -C '" + dir.string() + "' > '" +
                              (dir / "stdout.txt").string() + "' 2> '" +
                              (dir / "stderr.txt").string() + "' < /dev/null";
  const int raw = std::system(command.c_str());
  ProgramRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = readFile(dir / "stdout.txt");
  run.err = readFile(dir / "stderr.txt");
  return run;
}

std::vector<fs::path> exampleDirectories() {
  std::vector<fs::path> dirs;
  for (const auto& entry :
       fs::recursive_directory_iterator(fs::path(NORVIKA_SOURCE_DIR) / "examples")) {
    if (entry.path().filename() == "Norvika.TSK") dirs.push_back(entry.path().parent_path());
  }
  std::sort(dirs.begin(), dirs.end());
  return dirs;
}

TEST(CommandLine, EveryExampleRunsToCompletionInBatchMode) {
  const auto examples = exampleDirectories();
  ASSERT_GE(examples.size(), 15u);
  for (const fs::path& example : examples) {
    const std::string name =
        example.parent_path().filename().string() + "/" + example.filename().string();
    const fs::path dir = fs::temp_directory_path() / ("norvika-cli-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& file : fs::directory_iterator(example)) {
      if (file.is_regular_file() && file.path().extension() != ".SON" &&
          file.path().filename() != "SEPHIYE.TXT") {
        fs::copy_file(file.path(), dir / file.path().filename());
      }
    }
    // Pictures for the README's example only: writing them is most of a run's time.
    const bool withPictures = name == "box-barge/case1-level";
    const ProgramRun run = runNorvika(
        dir, withPictures ? "--batch --plots '" + (dir / "plots").string() + "'" : "--batch");
    EXPECT_EQ(run.status, 0) << name << "\n" << run.err;
    const std::string report = readFile(dir / "Norvika.SON");
    EXPECT_NE(report.find(" SEPHIYE HESABI - BITIS"), std::string::npos) << name;
    EXPECT_EQ(report.find("NaN"), std::string::npos) << name;
    EXPECT_TRUE(fs::exists(dir / "SEPHIYE.TXT")) << name;
    EXPECT_NE(run.out.find((dir / "Norvika.SON").string()), std::string::npos) << name;
    EXPECT_NE(run.out.find("HESAPLANAN DEPLASMAN = "), std::string::npos)
        << name << ": progress echoed";
    // A weights file adds the strength files, listed with the others.
    const bool strength = fs::exists(dir / "Norvika.AGR");
    EXPECT_EQ(fs::exists(dir / "MUKAVEMET.SON"), strength) << name;
    EXPECT_EQ(fs::exists(dir / "MUKAVEMET.TXT"), strength) << name;
    EXPECT_EQ(run.out.find((dir / "MUKAVEMET.SON").string()) != std::string::npos, strength)
        << name;
    if (strength) {
      EXPECT_NE(readFile(dir / "MUKAVEMET.SON").find("   KAPANMA SAGLANDI\r\n"), std::string::npos)
          << name;
    }
    int pictures = 0;
    if (fs::exists(dir / "plots")) {
      for (const auto& p : fs::directory_iterator(dir / "plots"))
        pictures += p.path().extension() == ".png";
    }
    if (withPictures) {
      EXPECT_GE(pictures, 5) << name;
    }
    fs::remove_all(dir);
  }
}

TEST(CommandLine, BoxBargeLevelReportHoldsTheClosedFormResult) {
  const fs::path dir =
      fs::temp_directory_path() / ("norvika-cli-box-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::copy(fs::path(NORVIKA_SOURCE_DIR) / "examples/box-barge/case1-level", dir);
  ASSERT_EQ(runNorvika(dir, "--batch").status, 0);
  const std::string report = readFile(dir / "Norvika.SON");
  // 10250 t on 100 x 20 m at 1.025 t/m3: 5 m draft, 102.5 t/m, centre amidships.
  EXPECT_NE(report.find("   11           50.000            5.000          100.000\r\n"),
            std::string::npos);
  EXPECT_NE(report.find(" 11     50.000      102.500\r\n"), std::string::npos);
  EXPECT_NE(report.find("          LCB 'nin YERI =  50.000 m. AP 'den\r\n"), std::string::npos);
  fs::remove_all(dir);
}

TEST(CommandLine, BoxBargeHeeledReportGivesBothCentres) {
  const fs::path dir =
      fs::temp_directory_path() / ("norvika-cli-heel-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::copy(fs::path(NORVIKA_SOURCE_DIR) / "examples/box-barge/case7-heeled", dir);
  ASSERT_EQ(runNorvika(dir, "--batch").status, 0);
  const std::string report = readFile(dir / "Norvika.SON");
  EXPECT_NE(report.find("\r\nHESAP: YARALI DURUM SEPHIYE DAGILIM HESABI\r\n"), std::string::npos);
  EXPECT_NE(report.find("\r\n       BAS DRAFT  - Tf       =   5.00 m.\r\n"), std::string::npos);
  EXPECT_NE(report.find("\r\n       KIC DRAFT  - Ta       =   5.00 m.\r\n"), std::string::npos);
  EXPECT_NE(report.find("\r\n       MEYIL ACISI - Theta   =  10.00 derece\r\n"), std::string::npos);
  EXPECT_NE(report.find("\r\n   LCB 'nin BOYUNA YERI =  50.000 m. AP 'den\r\n"), std::string::npos);
  // A 20 m wide box at 5 m draft heeled 10 degrees: TCB = -b^2 tan(phi) / (3 T) = -1.176 m
  // from the centreline, towards the sinking side; the single Gauss strip across the kink
  // of the width moves the third decimal.
  const auto at = report.find("   LCB 'nin ENINE  YERI =  -1.1");
  EXPECT_NE(at, std::string::npos);
  EXPECT_EQ(report.find("ISTENEN DEPLASMAN"), std::string::npos);
  fs::remove_all(dir);
}

TEST(CommandLine, HelpVersionAndBadOptions) {
  const fs::path dir =
      fs::temp_directory_path() / ("norvika-cli-opt-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const ProgramRun help = runNorvika(dir, "--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--batch"), std::string::npos);
  EXPECT_EQ(runNorvika(dir, "--version").status, 0);
  EXPECT_EQ(runNorvika(dir, "--no-such-option").status, 1);
  const ProgramRun missing = runNorvika(dir, "--batch");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("Norvika.TSK DOSYASI BULUNAMADI"), std::string::npos) << missing.err;
  fs::remove_all(dir);
}

// The desktop program is a helper, yet answers --help and --version at once, with no display
// and no Qt platform named: neither waits at a folder dialog nor needs the desktop.
TEST(DesktopProgram, AnswersHelpAndVersionWithoutADisplay) {
  struct Case {
    const char* option;
    const char* begins;
    const char* holds;
  };
  const Case cases[] = {
      {"--version", "norvika-qt " NORVIKA_VERSION "\n", ""},
      {"--help", "norvika-qt is the desktop program of norvika,", "\nUsage: norvika [OPTIONS]"},
  };
  const fs::path dir =
      fs::temp_directory_path() / ("norvika-qt-help-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    const std::string command =
        "cd '" + dir.string() +
        "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 60 '" +
        NORVIKA_QT_BINARY + "' " + c.option + " > out.txt 2> err.txt";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 0);
    const std::string out = readFile(dir / "out.txt");
    EXPECT_EQ(out.rfind(c.begins, 0), 0u) << out;
    EXPECT_NE(out.find(c.holds), std::string::npos) << out;
    EXPECT_EQ(readFile(dir / "err.txt"), "");
  }
  fs::remove_all(dir);
}

}  // namespace

namespace norvika::apptest {
namespace fs = std::filesystem;
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

void copyExample(const fs::path& run, const std::string& example) {
  fs::copy(fs::path(NORVIKA_SOURCE_DIR) / "examples" / example, run);
}

// Options that name something that cannot serve are refused before the run,
// with status 1 and nothing written.
TEST(CommandLine, OptionsThatCannotServeAreRefusedBeforeTheRun) {
  struct Case {
    const char* what;
    std::vector<std::string> options;  // {RUN} stands for the run directory
    const char* message;               // the start of the first line of standard error
  };
  const std::vector<Case> cases = {
      {"answers without end",
       {"--console", "--answers", "/dev/zero"},
       "norvika: the answers file '/dev/zero' is larger than 1 MB"},
      {"answers from a directory",
       {"--console", "--answers", "{RUN}"},
       "norvika: the answers file '{RUN}' is a directory"},
      {"pictures into a file",
       {"--batch", "--plots", "{RUN}/Norvika.TSK"},
       "norvika: --plots: '{RUN}/Norvika.TSK' is not a directory"},
      {"pictures of frames neither all nor finished",
       {"--batch", "--plots", "{RUN}/plots", "--plots-frames", "steps"},
       "norvika: --plots-frames: expected 'all' or 'finished', got 'steps'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TemporaryDirectory temporary;
    const fs::path run = temporary.path() / "run";
    copyExample(run, "box-barge/case1-level");
    std::vector<std::string> arguments;
    for (std::string option : c.options) {
      if (option.rfind("{RUN}", 0) == 0) option.replace(0, 5, run.string());
      arguments.push_back(option);
    }
    arguments.insert(arguments.end(), {"-C", run.string()});
    const ProcessResult result = runNorvika(arguments);
    std::string message = c.message;
    if (const auto at = message.find("{RUN}"); at != std::string::npos)
      message.replace(at, 5, run.string());
    EXPECT_EQ(result.status, 1) << result.standardError;
    EXPECT_EQ(result.firstErrorLine(), message);
    EXPECT_FALSE(fs::exists(run / "Norvika.SON"));
  }
}

// A directory name is taken exactly as given: "run " is not its sibling "run".
TEST(CommandLine, RunDirectoryNameKeepsItsBlanks) {
  TemporaryDirectory temporary;
  copyExample(temporary.path() / "run", "box-barge/case1-level");
  copyExample(temporary.path() / "run ", "parabolic-hull/case1-level");
  const ProcessResult result = runNorvikaBatch(temporary.path() / "run ");
  EXPECT_EQ(result.status, 0) << result.standardError;
  EXPECT_TRUE(fs::exists(temporary.path() / "run " / "Norvika.SON"));
  EXPECT_FALSE(fs::exists(temporary.path() / "run" / "Norvika.SON")) << "the sibling was written";
}

// Running out of memory is an internal failure with its own status, not a malformed input.
TEST(CommandLine, OutOfMemoryIsAnInternalFailure) {
  if (kSanitized) GTEST_SKIP() << "the sanitizers reserve more address space than the limit";
  TemporaryDirectory temporary;
  const fs::path run = temporary.path() / "run";
  copyExample(run, "box-barge/case1-level");
  // A 60 MB label line (the reader takes files up to 64 MB) in an address space of 100 MB: the
  // file fits, the line read from it does not, whatever the program's own few megabytes.
  std::string task = fileBytes(run / "Norvika.TSK");
  const std::size_t secondLine = task.find('\n') + 1;
  task.replace(secondLine, task.find('\n', secondLine) - secondLine,
               std::string(60'000'000, 'X') + "\r");
  writeBytes(run / "Norvika.TSK", task);
  RunOptions options;
  options.addressSpaceLimit = 100u * 1024u * 1024u;
  const ProcessResult result = runNorvikaBatch(run, options);
  EXPECT_EQ(result.status, 5) << result.standardError;
  EXPECT_EQ(result.firstErrorLine(), "norvika: internal failure: out of memory");
  EXPECT_FALSE(fs::exists(run / "Norvika.SON"));
}

}  // namespace
}  // namespace norvika::apptest
