// The desktop front end on a real X display (Xvfb): a whole run answered from a file must
// finish and write the same report as the batch front end.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace norvika {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

int runShell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool haveXvfbRun() { return runShell("command -v xvfb-run > /dev/null 2>&1") == 0; }

fs::path copyExample(const fs::path& example, const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / ("norvika_gui_" + name);
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::copy(example, dir, fs::copy_options::recursive);
  return dir;
}

TEST(GuiRun, AnsweredRunOnXvfbWritesTheBatchReport) {
  if (!haveXvfbRun()) GTEST_SKIP() << "xvfb-run is not installed";
  const fs::path example =
      fs::path(NORVIKA_SOURCE_DIR) / "examples" / "box-barge" / "case2-trochoid-crest";
  if (!fs::exists(example / "Norvika.TSK")) GTEST_SKIP() << "example not found: " << example;

  const fs::path gui = copyExample(example, "gui");
  const fs::path batch = copyExample(example, "batch");
  // Three check questions answered "no" in different spellings; the rest take their defaults.
  const fs::path answers = gui / "answers.txt";
  std::ofstream(answers) << "H\r\nh\nn\n";

  const std::string binary = NORVIKA_BINARY;
  const std::string guiCommand =
      "env -u QT_QPA_PLATFORM timeout 180 xvfb-run -a -n 160 -s '-screen 0 1280x1024x24' '" +
      binary + "' --gui --answers '" + answers.string() + "' -C '" + gui.string() + "' --pdf '" +
      (gui / "run.pdf").string() + "' > '" + (gui / "stdout.txt").string() + "' 2> '" +
      (gui / "stderr.txt").string() + "'";
  ASSERT_EQ(runShell(guiCommand), 0) << readFile(gui / "stderr.txt");
  ASSERT_EQ(runShell("'" + binary + "' --batch -C '" + batch.string() + "' > /dev/null 2>&1"), 0);

  const std::string report = readFile(gui / "Norvika.SON");
  EXPECT_FALSE(report.empty());
  EXPECT_EQ(report, readFile(batch / "Norvika.SON"));
  EXPECT_EQ(readFile(gui / "SEPHIYE.TXT"), readFile(batch / "SEPHIYE.TXT"));
  const std::string out = readFile(gui / "stdout.txt");
  EXPECT_NE(out.find((gui / "Norvika.SON").string()), std::string::npos) << out;
  EXPECT_NE(out.find((gui / "run.pdf").string()), std::string::npos) << out;
  EXPECT_GT(fs::file_size(gui / "run.pdf"), 1000u);
}

// A stop in the desktop program reaches the terminal as in the other front ends:
// the message with its title on standard error, the report window's text on
// standard output.
TEST(GuiRun, StopMessageReachesStandardError) {
  const fs::path run = copyExample(
      fs::path(NORVIKA_SOURCE_DIR) / "tests/inputs/bad/stop-trochoid-phase-diverges", "stop");
  std::ofstream(run / "answers.txt") << "\n\n\n\n";
  const std::string command = "QT_QPA_PLATFORM=offscreen '" + std::string(NORVIKA_BINARY) +
                              "' --gui --answers '" + (run / "answers.txt").string() + "' -C '" +
                              run.string() + "' > '" + (run / "stdout.txt").string() + "' 2> '" +
                              (run / "stderr.txt").string() + "'";
  EXPECT_EQ(runShell(command), 2);
  const std::string err = readFile(run / "stderr.txt");
  EXPECT_EQ(
      err.substr(0, err.find('\n')),
      "DALGA YUKSEKLIGI GIRIS HATASI: DALGA TEPESI/CUKURU SARTLARINDA DALGA YUKSEKLIGI =  60.000 "
      "m. ICIN YAKINSAMA OLMADI. YENI BIR DALGA YUKSEKLIGI GIRIN - STOP");
  EXPECT_NE(readFile(run / "stdout.txt").find("POSTA NO :  1 - "), std::string::npos);
  fs::remove_all(run);
}

}  // namespace
}  // namespace norvika
