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
  const std::string command = "QT_QPA_PLATFORM=offscreen '" + std::string(NORVIKA_BINARY) +
                              "' " + options + " -C '" + dir.string() + "' > '" +
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
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(NORVIKA_SOURCE_DIR) / "examples")) {
    if (entry.path().filename() == "Norvika.TSK") dirs.push_back(entry.path().parent_path());
  }
  std::sort(dirs.begin(), dirs.end());
  return dirs;
}

TEST(CommandLine, EveryExampleRunsToCompletionInBatchMode) {
  const auto examples = exampleDirectories();
  ASSERT_GE(examples.size(), 15u);
  for (const fs::path& example : examples) {
    const std::string name = example.parent_path().filename().string() + "/" + example.filename().string();
    const fs::path dir = fs::temp_directory_path() / ("norvika-cli-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& file : fs::directory_iterator(example)) {
      if (file.is_regular_file() && file.path().extension() != ".SON" && file.path().filename() != "SEPHIYE.TXT") {
        fs::copy_file(file.path(), dir / file.path().filename());
      }
    }
    // Pictures for the README's example only: writing them is most of a run's time.
    const bool withPictures = name == "box-barge/case1-level";
    const ProgramRun run =
        runNorvika(dir, withPictures ? "--batch --plots '" + (dir / "plots").string() + "'" : "--batch");
    EXPECT_EQ(run.status, 0) << name << "\n" << run.err;
    const std::string report = readFile(dir / "Norvika.SON");
    EXPECT_NE(report.find(" SEPHIYE HESABI - BITIS"), std::string::npos) << name;
    EXPECT_EQ(report.find("NaN"), std::string::npos) << name;
    EXPECT_TRUE(fs::exists(dir / "SEPHIYE.TXT")) << name;
    EXPECT_NE(run.out.find((dir / "Norvika.SON").string()), std::string::npos) << name;
    EXPECT_NE(run.out.find("HESAPLANAN DEPLASMAN = "), std::string::npos) << name << ": progress echoed";
    int pictures = 0;
    if (fs::exists(dir / "plots")) {
      for (const auto& p : fs::directory_iterator(dir / "plots")) pictures += p.path().extension() == ".png";
    }
    if (withPictures) {
      EXPECT_GE(pictures, 5) << name;
    }
    fs::remove_all(dir);
  }
}

TEST(CommandLine, BoxBargeLevelReportHoldsTheClosedFormResult) {
  const fs::path dir = fs::temp_directory_path() / ("norvika-cli-box-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::copy(fs::path(NORVIKA_SOURCE_DIR) / "examples/box-barge/case1-level", dir);
  ASSERT_EQ(runNorvika(dir, "--batch").status, 0);
  const std::string report = readFile(dir / "Norvika.SON");
  // 10250 t on 100 x 20 m at 1.025 t/m3: 5 m draft, 102.5 t/m, centre amidships.
  EXPECT_NE(report.find("   11           50.000            5.000          100.000\r\n"), std::string::npos);
  EXPECT_NE(report.find(" 11     50.000      102.500\r\n"), std::string::npos);
  EXPECT_NE(report.find("          LCB 'nin YERI =  50.000 m. AP 'den\r\n"), std::string::npos);
  fs::remove_all(dir);
}

TEST(CommandLine, BoxBargeHeeledReportGivesBothCentres) {
  const fs::path dir = fs::temp_directory_path() / ("norvika-cli-heel-" + std::to_string(::getpid()));
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
  const fs::path dir = fs::temp_directory_path() / ("norvika-cli-opt-" + std::to_string(::getpid()));
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

}  // namespace
