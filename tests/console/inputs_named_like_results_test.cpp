// A file a run reads is never removed or replaced by it. An input that stands
// where one of the run's result files goes, by its own name or through a link,
// is refused before anything is read further: status 1, one message naming
// the file in both its roles, every file as it was.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "norvika_process.h"

namespace norvika::apptest {
namespace {

namespace fs = std::filesystem;

// Replaces line `number` (from 1) of the text, whose lines end with `eol`.
std::string withLine(const std::string& text, int number, const std::string& line) {
  std::size_t start = 0;
  for (int k = 1; k < number; ++k) start = text.find('\n', start) + 1;
  const std::size_t end = text.find('\n', start);
  const std::size_t cr = text[end - 1] == '\r' ? 1 : 0;
  return text.substr(0, start) + line + text.substr(end - cr);
}

TEST(InputsNamedLikeResults, AreRefusedAndKept) {
  struct Case {
    const char* what;
    const char* program;   // "norvika" or "hydrostatics"
    const char* hull;      // the hull file's name in the run directory
    const char* hullLink;  // when set, the hull named so is a link to `hull`
    const char* weights;   // when set, Norvika.AGR is renamed to this and named by --weights
    const char* answers;   // when set, an answers file of this name is given by --answers
    std::vector<std::string> more;
    const char* message;  // the first line of standard error ({DIR}: the run directory)
  };
  const Case cases[] = {
      {"a hull named like the sweep's file",
       "norvika",
       "TARAMA.TXT",
       nullptr,
       nullptr,
       nullptr,
       {},
       "norvika: Norvika.TSK 13. SATIR: GEMI FORM DOSYASI TARAMA.TXT, BU CALISMANIN SONUC DOSYASI "
       "TARAMA.TXT 'NIN YERINDE: CALISMA ONU SILER VEYA DEGISTIRIR. DOSYAYA BASKA BIR AD VERIN"},
      {"... with a sweep, which writes it",
       "norvika",
       "TARAMA.TXT",
       nullptr,
       nullptr,
       nullptr,
       {"--sweep", "4"},
       nullptr},
      {"a hull named like the strength table",
       "norvika",
       "MUKAVEMET.TXT",
       nullptr,
       nullptr,
       nullptr,
       {},
       nullptr},
      {"a hull named like the strength report",
       "norvika",
       "MUKAVEMET.SON",
       nullptr,
       nullptr,
       nullptr,
       {},
       nullptr},
      {"a hull named like the report",
       "norvika",
       "Norvika.SON",
       nullptr,
       nullptr,
       nullptr,
       {},
       nullptr},
      {"a hull named like the values",
       "norvika",
       "SEPHIYE.TXT",
       nullptr,
       nullptr,
       nullptr,
       {},
       nullptr},
      {"a hull linked from the sweep's file",
       "norvika",
       "TARAMA.TXT",
       "GEMI.DAT",
       nullptr,
       nullptr,
       {},
       nullptr},
      {"weights named like the sweep's file",
       "norvika",
       "KUTU.DAT",
       nullptr,
       "TARAMA.TXT",
       nullptr,
       {},
       "norvika: AGIRLIK DOSYASI TARAMA.TXT, BU CALISMANIN SONUC DOSYASI TARAMA.TXT 'NIN "
       "YERINDE: CALISMA ONU SILER VEYA DEGISTIRIR. DOSYAYA BASKA BIR AD VERIN"},
      {"answers named like the values",
       "norvika",
       "KUTU.DAT",
       nullptr,
       nullptr,
       "SEPHIYE.TXT",
       {"--console"},
       "norvika: the answers file '{DIR}/SEPHIYE.TXT' stands where the run's result file "
       "SEPHIYE.TXT goes; the run would remove or replace it: give it another name"},
      {"a hull named like the hydrostatics report",
       "hydrostatics",
       "HIDROSTATIK.SON",
       nullptr,
       nullptr,
       nullptr,
       {},
       "norvika-hydrostatics: Norvika.TSK 13. SATIR: GEMI FORM DOSYASI HIDROSTATIK.SON, BU "
       "CALISMANIN SONUC DOSYASI HIDROSTATIK.SON 'NIN YERINDE: CALISMA ONU SILER VEYA "
       "DEGISTIRIR. DOSYAYA BASKA BIR AD VERIN"},
      {"a hull named like the Bonjean table",
       "hydrostatics",
       "BONJEAN.TXT",
       nullptr,
       nullptr,
       nullptr,
       {},
       nullptr},
  };
  const fs::path source =
      fs::path(NORVIKA_SOURCE_DIR) / "tests/inputs/bad/ok-weights-sweep-of-eight";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TemporaryDirectory temporary;
    const fs::path run = temporary.path();
    fs::copy_file(source / "Norvika.TSK", run / "Norvika.TSK");
    fs::copy_file(source / "KUTU.DAT", run / c.hull);
    fs::copy_file(source / "Norvika.AGR", run / "Norvika.AGR");
    const std::string named = c.hullLink != nullptr ? c.hullLink : c.hull;
    if (c.hullLink != nullptr) fs::create_symlink(c.hull, run / c.hullLink);
    writeBytes(run / "Norvika.TSK", withLine(fileBytes(run / "Norvika.TSK"), 13, named));
    std::vector<std::string> arguments = {"-C", run.string()};
    if (c.weights != nullptr) {
      fs::rename(run / "Norvika.AGR", run / c.weights);
      arguments.insert(arguments.end(), {"--weights", (run / c.weights).string()});
    }
    if (c.answers != nullptr) {
      writeBytes(run / c.answers, "H\nH\nH\nH\n");
      arguments.insert(arguments.end(), {"--answers", (run / c.answers).string()});
    }
    arguments.insert(arguments.end(), c.more.begin(), c.more.end());
    std::map<fs::path, std::string> before;
    for (const auto& entry : fs::directory_iterator(run)) before[entry.path()] = fileBytes(entry);

    const bool norvika = std::string(c.program) == "norvika";
    if (norvika && c.answers == nullptr) arguments.insert(arguments.begin(), "--batch");
    const ProcessResult result =
        runProgram(norvika ? NORVIKA_BINARY : NORVIKA_HYDROSTATICS_BINARY, arguments);

    EXPECT_EQ(result.status, 1) << result.standardError;
    if (c.message != nullptr) {
      std::string message = c.message;
      if (const auto at = message.find("{DIR}"); at != std::string::npos) {
        message.replace(at, 5, run.string());
      }
      EXPECT_EQ(result.firstErrorLine(), message);
    }
    std::map<fs::path, std::string> after;
    for (const auto& entry : fs::directory_iterator(run)) after[entry.path()] = fileBytes(entry);
    EXPECT_EQ(after, before) << "a file was written, removed or changed";
    if (c.hullLink != nullptr) {
      EXPECT_TRUE(fs::is_symlink(run / c.hullLink));
    }
  }
}

}  // namespace
}  // namespace norvika::apptest
