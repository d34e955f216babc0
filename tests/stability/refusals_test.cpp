// What norvika-stability refuses, run as a script runs it: a refused command
// line or condition ends with its status and one message and leaves the earlier
// files as they were; with --language en the same refusal, its numbers alike.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "language_words.h"
#include "norvika_process.h"

namespace norvika::apptest {
namespace {

namespace fs = std::filesystem;

const std::string kOldReport = "AN EARLIER STABILITY REPORT\r\n";

struct Refusal {
  const char* what;
  std::vector<std::string> arguments;  // after -C DIR
  int status;
  std::string message;  // how the first line of standard error begins
  std::function<void(const fs::path&)> prepare = nullptr;
};

TEST(StabilityRefusals, EachEndsWithItsStatusAndMessageAndTouchesNothing) {
  const std::string p = "norvika-stability: ";
  const std::vector<std::string> condition = {"--kg", "5", "--draft", "5"};
  const auto with = [&](std::vector<std::string> more) {
    more.insert(more.begin(), condition.begin(), condition.end());
    return more;
  };
  const Refusal refusals[] = {
      {"nothing to compute",
       {},
       1,
       p + "give the cross curves' --displacements or --drafts, or a loading condition (--kg "
           "with --displacement or --draft)"},
      {"negative heel", with({"--heels", "-5,10"}), 1,
       p + "--heels: expected a heel angle from 0 to 180 degrees, got '-5'"},
      {"heel past upside down", with({"--heels", "0:190:10"}), 1,
       p + "--heels: expected a heel angle from 0 to 180 degrees, got '190'"},
      {"heels that fall", with({"--heels", "10,5"}), 1,
       p + "--heels: the heels must rise, '5' follows a heel of 10.000 degrees"},
      {"both heels and finer heels", with({"--heels", "0,10", "--finer-heels"}), 1,
       p + "--heels and --finer-heels cannot be given together"},
      {"KG without a displacement",
       {"--kg", "5"},
       1,
       p + "--kg: give the loading condition's --displacement or --draft"},
      {"wind without its lever", with({"--wind-area", "500"}), 1,
       p + "--wind-area: give the wind's --wind-lever too"},
      {"free surface without a condition",
       {"--drafts", "5", "--fsm", "100"},
       1,
       p + "--fsm belongs to a loading condition: give --kg"},
      {"displacement beyond the closed hull",
       {"--displacements", "5000,20500"},
       1,
       p + "DEPLASMAN 20500.0 ton: GEMI GUVERTESINE KADAR BATIK IKEN ANCAK 20500.0 ton TASIR"},
      {"draft over the deck",
       {"--drafts", "11"},
       1,
       p + "DRAFT T = 11.000 m: SU HATTI GUVERTENIN USTUNDE (EN ALCAK GUVERTE = 10.000 m)"},
      {"KG above the deck",
       {"--kg", "10.5", "--displacement", "10250"},
       1,
       p + "KG = 10.500 m GUVERTENIN USTUNDE (GEMI DERINLIGI D = 10.000 m)"},
      {"capsizing before the first heel",
       {"--kg", "10", "--draft", "9"},
       1,
       p + "KONDISYON DEVRILIYOR: GZ 5.00 DERECEYE VARMADAN POZITIF KALMIYOR (GM0 = -1.796 m)"},
      {"the hull file in a result's place", condition, 1,
       p + "Norvika.TSK 13. SATIR: GEMI FORM DOSYASI KN.TXT, BU CALISMANIN SONUC DOSYASI KN.TXT "
           "'NIN YERINDE",
       [](const fs::path& run) {
         fs::rename(run / "KUTU.DAT", run / "KN.TXT");
         writeBytes(run / "Norvika.TSK", [&] {
           std::string task = fileBytes(run / "Norvika.TSK");
           task.replace(task.find("KUTU.DAT"), 8, "KN.TXT");
           return task;
         }());
       }},
      {"a FIFO in the report's place", condition, 4, p + "STABILITE.SON DOSYASI YAZILAMADI: ",
       [](const fs::path& run) {
         fs::remove(run / "STABILITE.SON");
         ::mkfifo((run / "STABILITE.SON").c_str(), 0600);
       }},
  };
  const std::set<std::string> turkish = testing::turkishOnlyWords();
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.what);
    TemporaryDirectory temporary;
    const fs::path run = temporary.path();
    for (const char* name : {"KUTU.DAT", "Norvika.TSK"}) {
      fs::copy_file(fs::path(NORVIKA_SOURCE_DIR) / "examples/box-barge/stability" / name,
                    run / name);
    }
    writeBytes(run / "STABILITE.SON", kOldReport);
    if (refusal.prepare) refusal.prepare(run);
    std::vector<std::string> arguments = {"-C", run.string()};
    arguments.insert(arguments.end(), refusal.arguments.begin(), refusal.arguments.end());

    const ProcessResult result = runProgram(NORVIKA_STABILITY_BINARY, arguments);

    ASSERT_FALSE(result.killed);
    EXPECT_EQ(result.status, refusal.status) << result.standardError;
    EXPECT_EQ(result.firstErrorLine().substr(0, refusal.message.size()), refusal.message);
    if (fs::is_regular_file(run / "STABILITE.SON")) {
      EXPECT_EQ(fileBytes(run / "STABILITE.SON"), kOldReport);
    }
    EXPECT_FALSE(fs::exists(run / "GZ.TXT"));
    for (const auto& entry : fs::directory_iterator(run)) {
      EXPECT_NE(entry.path().filename().string().front(), '.') << "a temporary file was left";
    }

    arguments.insert(arguments.end(), {"--language", "en"});
    const ProcessResult english = runProgram(NORVIKA_STABILITY_BINARY, arguments);
    EXPECT_EQ(english.status, refusal.status);
    EXPECT_EQ(testing::numbersIn(english.firstErrorLine()),
              testing::numbersIn(result.firstErrorLine()));
    EXPECT_EQ(testing::turkishWordsIn(english.firstErrorLine(), turkish),
              std::vector<std::string>{})
        << english.firstErrorLine();
  }
}

}  // namespace
}  // namespace norvika::apptest
