// The result files do not depend on the desktop's locale. Qt sets the C locale
// from the environment, and a Turkish or German desktop writes numbers with a
// decimal comma: every front end, with and without Qt started, must read
// "1.025" as 1.025 and write the same bytes as under the C locale.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "../console/norvika_process.h"
#include "../core/run/run_files.h"

namespace {

namespace fs = std::filesystem;
using norvika::apptest::fileBytes;
using norvika::apptest::TemporaryDirectory;
using norvika::testing::firstDifference;

struct Results {
  int status = -1;
  std::string report, values, strength, err;
};

Results runIn(const fs::path& example, const std::string& locale, const std::string& options) {
  TemporaryDirectory dir;
  const fs::path run = dir.path() / "run";
  fs::copy(example, run);
  norvika::apptest::writeBytes(dir.path() / "answers", std::string(40, '\n'));
  std::string frontEnd = options;
  if (const auto at = frontEnd.find("{PLOTS}"); at != std::string::npos) {
    frontEnd.replace(at, 7, "'" + (dir.path() / "plots").string() + "'");
  }
  const std::string command =
      "LC_ALL=" + locale + " QT_QPA_PLATFORM=offscreen '" + std::string(NORVIKA_BINARY) + "' " +
      frontEnd + " --answers '" + (dir.path() / "answers").string() + "'" + " -C '" + run.string() +
      "' > /dev/null 2> '" + (dir.path() / "err").string() + "' < /dev/null";
  const int raw = std::system(command.c_str());
  Results r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.report = fileBytes(run / "Norvika.SON");
  r.values = fileBytes(run / "SEPHIYE.TXT");
  r.strength = fileBytes(run / "MUKAVEMET.SON");
  r.err = fileBytes(dir.path() / "err");
  return r;
}

bool localeInstalled(const char* name) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  const bool found = std::setlocale(LC_ALL, name) != nullptr;
  std::setlocale(LC_ALL, saved.c_str());
  return found;
}

TEST(Locale, DecimalCommaDesktopsGiveTheSameBytesAsTheCLocale) {
  // scripts/install-dependencies.sh makes both; a missing one would make this test pass for
  // nothing.
  for (const char* locale : {"tr_TR.UTF-8", "de_DE.UTF-8"}) {
    ASSERT_TRUE(localeInstalled(locale))
        << locale << " is missing: localedef -i " << std::string(locale).substr(0, 5)
        << " -f UTF-8 " << locale;
  }
  struct Case {
    const char* example;
    const char*
        options;  // front end: console (no Qt), pictures (Qt offscreen), desktop (QApplication)
  };
  const std::vector<Case> cases = {
      {"box-barge/case1-level", "--console"},
      {"box-barge/case1-level", "--console --plots {PLOTS}"},
      {"parabolic-hull/case6-trimmed", "--console"},
      {"box-barge/case7-heeled", "--console --plots {PLOTS}"},
      {"dtmb5415/case2-trochoid-crest", "--console"},
      {"dtmb5415/case1-level", "--gui"},
  };
  const fs::path examples = fs::path(NORVIKA_SOURCE_DIR) / "examples";
  for (const Case& c : cases) {
    const Results reference = runIn(examples / c.example, "C", c.options);
    ASSERT_EQ(reference.status, 0) << c.example << " " << c.options << "\n" << reference.err;
    for (const char* locale : {"tr_TR.UTF-8", "de_DE.UTF-8"}) {
      SCOPED_TRACE(std::string(c.example) + " " + c.options + " under " + locale);
      const Results r = runIn(examples / c.example, locale, c.options);
      EXPECT_EQ(r.status, 0) << r.err;
      EXPECT_EQ(firstDifference(r.report, reference.report), "") << "Norvika.SON";
      EXPECT_EQ(firstDifference(r.values, reference.values), "") << "SEPHIYE.TXT";
    }
  }
}

// Names are matched ignoring case in ASCII: a Turkish desktop's folding takes
// 'I' to a dotless i, and a weights file NORVIKA.AGR or a hull file GEMI.DAT
// stored as gemi.dat would not be found once Qt has set the locale.
TEST(Locale, FileNamesMatchIgnoringCaseUnderATurkishDesktop) {
  ASSERT_TRUE(localeInstalled("tr_TR.UTF-8"));
  TemporaryDirectory dir;
  const fs::path example = dir.path() / "example";
  fs::copy(fs::path(NORVIKA_SOURCE_DIR) / "examples/dtmb5415/strength-trochoid-crest", example);
  fs::rename(example / "Norvika.AGR", example / "NORVIKA.AGR");
  fs::rename(example / "DTMB5415.DAT", example / "gemi.dat");
  std::string task = fileBytes(example / "Norvika.TSK");
  task.replace(task.find("DTMB5415.DAT"), 12, "GEMI.DAT");
  norvika::apptest::writeBytes(example / "Norvika.TSK", task);

  const fs::path golden =
      fs::path(NORVIKA_SOURCE_DIR) / "tests/golden/dtmb5415/strength-trochoid-crest";
  for (const char* options : {"--console", "--console --plots {PLOTS}"}) {
    SCOPED_TRACE(options);
    const Results r = runIn(example, "tr_TR.UTF-8", options);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(firstDifference(r.report, fileBytes(golden / "Norvika.SON")), "");
    EXPECT_NE(r.strength.find(" AGIRLIK DOSYASI: NORVIKA.AGR\r\n"), std::string::npos)
        << "the strength step was skipped";
  }
}

}  // namespace
