#include "support/file_names.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <string>
#include <vector>

#include "../run/run_files.h"
#include "support/input_file.h"
#include "support/run_end.h"
#include "text/report_text.h"

namespace norvika {
namespace {

namespace fs = std::filesystem;
using testing::RunDirectory;

// Restores the C locale at the end of a test that switched to another one.
class LocaleForTest {
 public:
  explicit LocaleForTest(const char* name) : set_(std::setlocale(LC_ALL, name) != nullptr) {}
  ~LocaleForTest() { std::setlocale(LC_ALL, "C"); }
  bool set() const { return set_; }

 private:
  bool set_;
};

// A Turkish desktop folds 'I' to a dotless i and 'i' to a dotted capital, so
// a locale's folding would miss these; the names are matched in ASCII whatever
// the locale (Qt sets the process locale from the desktop).
TEST(FileNames, FoundIgnoringAsciiCaseUnderEveryLocale) {
  struct Case {
    const char* onDisc;
    const char* asked;
    const char* found;  // empty: not found, the name as asked comes back
  } const cases[] = {
      {"Hull File.dat", "HULL FILE.DAT", "Hull File.dat"},
      {"Hull File.dat", "Hull File.dat", "Hull File.dat"},
      {"gemi.dat", "GEMI.DAT", "gemi.dat"},
      {"NORVIKA.AGR", "Norvika.AGR", "NORVIKA.AGR"},
      {"norvika.agr", "NORVIKA.AGR", "norvika.agr"},
      {"Hull File.dat", "OTHER.DAT", ""},
      // Letters outside ASCII are not folded: no guessing at a code page.
      {"GEMİ.DAT", "gemi.dat", ""},
  };
  for (const char* locale : {"C", "tr_TR.UTF-8"}) {
    const LocaleForTest switched(locale);
    ASSERT_TRUE(switched.set()) << locale << " is not installed";
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(locale) + ": " + c.asked);
      RunDirectory dir;
      dir.write(c.onDisc, "x");
      const fs::path expected = dir.path() / (*c.found != '\0' ? c.found : c.asked);
      EXPECT_EQ(findIgnoringCase(dir.path(), c.asked), expected);
    }
  }
}

TEST(FileNames, OfSeveralMatchesTheFirstByNameAndALinkToNothingIsAnEntry) {
  RunDirectory dir;
  dir.write("norvika.AGR", "x");
  dir.write("NORVIKA.agr", "x");
  EXPECT_EQ(findIgnoringCase(dir.path(), "Norvika.AGR"), dir.path() / "NORVIKA.agr");

  fs::create_symlink(dir.path() / "nowhere", dir.path() / "GEMI.DAT");
  EXPECT_TRUE(entryExists(dir.path() / "GEMI.DAT"));
  EXPECT_EQ(findIgnoringCase(dir.path(), "gemi.dat"), dir.path() / "GEMI.DAT");
  EXPECT_FALSE(entryExists(dir.path() / "nowhere"));
}

// An entry that is there but cannot be read is named with the reason, not as missing.
TEST(FileNames, UnreadableEntriesAreToldApartFromMissingOnes) {
  RunDirectory dir;
  fs::create_symlink(dir.path() / "nowhere", dir.path() / "DANGLING");
  fs::create_symlink(dir.path() / "LOOP", dir.path() / "LOOP");
  const struct {
    const char* name;
    std::string message;
  } cases[] = {
      {"MISSING", "MISSING DOSYASI BULUNAMADI: " + (dir.path() / "MISSING").string()},
      {"DANGLING", "DANGLING DOSYASI OKUNAMADI: " + (dir.path() / "DANGLING").string() +
                       " (a link to nothing)"},
      {"LOOP", "LOOP DOSYASI OKUNAMADI: " + (dir.path() / "LOOP").string() +
                   " (Too many levels of symbolic links)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      InputFile file(dir.path() / c.name, c.name);
      ADD_FAILURE() << "read";
    } catch (const ProgramEnd& end) {
      EXPECT_EQ(end.reason(), ExitReason::InputError);
      EXPECT_EQ(end.message(), c.message);
    }
  }
}

TEST(ReportText, TurkishLettersInEitherEncodingAsTheProgramWritesThem) {
  const struct {
    const char* text;
    const char* shown;
  } cases[] = {
      {"A\xC4\x9EIRLIK DA\xC4\x9E\xC4\xB0LIMI", "AGIRLIK DAGILIMI"},   // UTF-8
      {"A\xD0IRLIK DA\xD0\xDDLIMI", "AGIRLIK DAGILIMI"},               // Windows-1254
      {"\xC3\xA7\xC4\x9F\xC4\xB1\xC3\xB6\xC5\x9F\xC3\xBC", "cgiosu"},  // ç ğ ı ö ş ü
      {"\xC3\x87\xC4\x9E\xC4\xB0\xC3\x96\xC5\x9E\xC3\x9C", "CGIOSU"},  // Ç Ğ İ Ö Ş Ü
      {"1 \xE2\x82\xAC / \xCE\xB1", "1 ? / ?"},                        // one '?' per character
      {"TAB\tBEL\x07 DEL\x7F", "TAB?BEL? DEL?"},
      {"CUT \xC4", "CUT ?"},  // a sequence cut short
  };
  for (const auto& c : cases) EXPECT_EQ(asciiReportText(c.text), c.shown) << c.shown;
}

}  // namespace
}  // namespace norvika
