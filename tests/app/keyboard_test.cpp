// The desktop program at the keyboard under a window manager (Xvfb + openbox, keys and clicks
// by xdotool): the keyboard is back in the open question after a box or a click interrupted
// it, and the folder dialog of a run started from the menu can be cancelled.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace norvika {
namespace {

namespace fs = std::filesystem;

int runShell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(Keyboard, BackInTheOpenQuestionAfterEveryInterruption) {
  if (runShell("command -v xvfb-run > /dev/null && command -v openbox > /dev/null && "
               "command -v xdotool > /dev/null") != 0) {
    GTEST_SKIP() << "xvfb-run, openbox or xdotool is not installed";
  }
  struct Scenario {
    const char* name;
    int status;             // 3: the "E" typed reached the question
    const char* errorLine;  // a line standard error must hold
    bool withTaskFile;
  };
  const Scenario scenarios[] = {
      {"stop-box-no", 3, "norvika: The run was ended by the answer \"E\"", true},
      {"click-on-drawing", 3, "norvika: The run was ended by the answer \"E\"", true},
      {"folder-dialog-cancelled", 6, "norvika: no run directory chosen; nothing was run", false},
  };
  const fs::path script = fs::path(NORVIKA_SOURCE_DIR) / "tests/app/keyboard_session.sh";
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.name);
    // Named by the process too: test runs of other build trees may drive the same scenario.
    const fs::path run =
        fs::temp_directory_path() / ("norvika_keys_" + std::to_string(::getpid()) + "_" + s.name);
    fs::remove_all(run);
    fs::create_directories(run);
    if (s.withTaskFile) {
      fs::copy(fs::path(NORVIKA_SOURCE_DIR) / "examples/box-barge/case1-level", run);
    }
    const std::string command =
        "env -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 LANGUAGE= timeout 900 xvfb-run -a -n 140 -s "
        "'-screen 0 "
        "1366x768x24' sh -c 'openbox > /dev/null 2>&1 & sh \"$0\" \"$1\" \"$2\" \"$3\" "
        "> \"$3.out\" 2> \"$3.err\"; status=$?; kill $!; exit $status' '" +
        script.string() + "' '" + s.name + "' '" + NORVIKA_BINARY + "' '" + run.string() + "'";
    EXPECT_EQ(runShell(command), s.status);
    const std::string err = readFile(run.string() + ".err");
    EXPECT_NE(err.find(s.errorLine), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(run / "Norvika.SON"));
    fs::remove_all(run);
    fs::remove(run.string() + ".out");
    fs::remove(run.string() + ".err");
  }
}

}  // namespace
}  // namespace norvika
