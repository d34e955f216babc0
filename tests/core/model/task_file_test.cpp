#include "model/task_file.h"

#include <gtest/gtest.h>

#include <clocale>
#include <sstream>

#include "../run/run_files.h"
#include "platform/platform.h"
#include "text/text_format.h"

namespace norvika {
namespace {

using testing::RunDirectory;
using testing::taskText;

TaskParameters readFrom(const RunDirectory& dir) { return readTaskFile(dir.path()); }

TEST(TaskFile, CaseValuesOnOneLineOrOnTheirOwnGiveTheSameParameters) {
  RunDirectory together, apart;
  // Labels are counted, not read: blank ones and ones that look like numbers count the same.
  std::istringstream layout(
      taskText("  HULL.DAT  ", 100, 20, 1.025, 1, {"5000, 4.5"}, "11, 0, 100"));
  std::string withBlankLabels;
  int lineNumber = 0;
  for (std::string line; std::getline(layout, line);) {
    ++lineNumber;
    if (lineNumber == 5 || lineNumber == 30 || lineNumber == 65) line.clear();
    if (lineNumber == 40) line = "12345";
    withBlankLabels += line + "\n";
  }
  together.write("Norvika.TSK", withBlankLabels);
  apart.write("Norvika.TSK",
              taskText("HULL.DAT", 100, 20, 1.025, 1, {"5000", "4.5"}, "11, 0, 100", "\r\n"));
  for (const RunDirectory* dir : {&together, &apart}) {
    const TaskParameters t = readFrom(*dir);
    EXPECT_EQ(t.hullFileName, "HULL.DAT");
    EXPECT_EQ(t.shipLength, 100.0);
    EXPECT_EQ(t.stationDivisions, 20.0);
    EXPECT_EQ(t.waterDensity, 1.025);
    EXPECT_EQ(t.caseNumber, 1);
    EXPECT_EQ(t.requiredDisplacement, 5000.0);
    EXPECT_EQ(t.initialDraft, 4.5);
    EXPECT_EQ(t.equalPointCount, 11);
    EXPECT_EQ(t.equalStart, 0.0);
    EXPECT_EQ(t.equalEnd, 100.0);
    EXPECT_EQ(t.directoryPrefix, dir->path().string() + "/");
  }
}

// Qt sets the C locale from the desktop; a decimal-comma locale must change
// neither what is read nor what is written.
TEST(TaskFile, ReadingAndFormattingIgnoreADecimalCommaLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
      << "the de_DE.UTF-8 locale is missing (scripts/install-dependencies.sh makes it)";
  RunDirectory dir;
  dir.write("Norvika.TSK",
            taskText("HULL.DAT", 142.5, 20, 1.025, 1, {"8600.5", "+6.15"}, "3, -0.5, 1.2e2"));
  const TaskParameters t = readFrom(dir);
  const std::string formatted = formatFixed(1.025, 3, 3) + numberText(-0.25) + padInteger(-7.9, 3);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(t.shipLength, 142.5);
  EXPECT_EQ(t.waterDensity, 1.025);
  EXPECT_EQ(t.requiredDisplacement, 8600.5);
  EXPECT_EQ(t.initialDraft, 6.15);
  EXPECT_EQ(t.equalStart, -0.5);
  EXPECT_EQ(t.equalEnd, 120.0);
  EXPECT_EQ(formatted, "  1.025-.25 -7");
}

TEST(TaskFile, EveryCaseReadsItsOwnValues) {
  struct Case {
    int number;
    std::vector<std::string> values;
    void (*check)(const TaskParameters&);
  };
  const Case cases[] = {
      {2,
       {"5000", "4", "2.5", "1.2"},
       [](const TaskParameters& t) {
         EXPECT_EQ(t.waveHeight, 2.5);
         EXPECT_EQ(t.waveLengthRatio, 1.2);
       }},
      {6,
       {"3.5", "4.25"},
       [](const TaskParameters& t) {
         EXPECT_EQ(t.forwardDraft, 3.5);
         EXPECT_EQ(t.aftDraft, 4.25);
       }},
      {7, {"3", "4", "-10"}, [](const TaskParameters& t) { EXPECT_EQ(t.heelAngle, 10.0); }},
  };
  for (const auto& c : cases) {
    RunDirectory dir;
    dir.write("Norvika.TSK", taskText("H.DAT", 100, 20, 1.025, c.number, c.values, "0, 0, 0"));
    const TaskParameters t = readFrom(dir);
    EXPECT_EQ(t.caseNumber, c.number);
    EXPECT_EQ(t.equalPointCount, 0);
    c.check(t);
  }
}

struct BadTask {
  const char* what;
  std::string text;
  const char* message;
};

TEST(TaskFile, MalformedFilesAreRejectedNamingTheLine) {
  const std::string good = taskText("H.DAT", 100, 20, 1.025, 1, {"5000", "4"}, "11, 0, 100");
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string t = good;
    t.replace(t.find(from), from.size(), to);
    return t;
  };
  const BadTask cases[] = {
      {"empty", "", "Norvika.TSK 1. SATIR: DOSYA BITTI, ACIKLAMA SATIRI BEKLENIYORDU"},
      {"short", good.substr(0, good.find("POSTA ARALIGI SAYISI:\n")),
       "Norvika.TSK 21. SATIR: DOSYA BITTI, ACIKLAMA SATIRI BEKLENIYORDU"},
      {"text for a number", replaced("\n100\n", "\nabc\n"),
       "Norvika.TSK 20. SATIR: GEMI BOYU ICIN SAYI BEKLENIYORDU, 'abc' OKUNDU"},
      {"nan", replaced("\n100\n", "\nnan\n"),
       "Norvika.TSK 20. SATIR: GEMI BOYU ICIN SAYI BEKLENIYORDU, 'nan' OKUNDU"},
      {"huge", replaced("\n100\n", "\n1e308\n"),
       "Norvika.TSK 20. SATIR: GEMI BOYU ICIN EN FAZLA 1000000 BUYUKLUGUNDE BIR SAYI BEKLENIYORDU, "
       "'1e308' OKUNDU"},
      {"zero length", replaced("\n100\n", "\n0\n"),
       "Norvika.TSK 20. SATIR: GEMI BOYU POZITIF OLMALI, 0.000 OKUNDU"},
      {"no hull name", replaced("H.DAT", "   "),
       "Norvika.TSK 13. SATIR: GEMI FORM DOSYASININ ADI BEKLENIYORDU, BOS SATIR OKUNDU"},
      {"case 8", replaced("\n1\n5000", "\n8\n5000"),
       "Norvika.TSK 62. SATIR: HESAP NO ICIN 1 ILE 7 ARASINDA BIR TAM SAYI BEKLENIYORDU, '8' "
       "OKUNDU"},
      {"negative draft", replaced("\n5000\n4\n", "\n5000\n-4\n"),
       "Norvika.TSK 64. SATIR: BASLANGIC DRAFTI SIFIR VEYA POZITIF OLMALI, -4.000 OKUNDU"},
      {"one point", replaced("11, 0, 100", "1, 0, 100"),
       "Norvika.TSK 69. SATIR: ESIT ARALIKLI NOKTA SAYISI 0 VEYA 2 ILE 2500 ARASINDA OLMALI, 1 "
       "OKUNDU"},
      {"too many points", replaced("11, 0, 100", "2501, 0, 100"),
       "Norvika.TSK 69. SATIR: ESIT ARALIKLI NOKTA SAYISI 0 VEYA 2 ILE 2500 ARASINDA OLMALI, 2501 "
       "OKUNDU"},
      {"beyond 16 bits", replaced("11, 0, 100", "40000, 0, 100"),
       "Norvika.TSK 69. SATIR: ESIT ARALIKLI NOKTA SAYISI ICIN -32768 ILE 32767 ARASINDA BIR TAM "
       "SAYI "
       "BEKLENIYORDU, '40000' OKUNDU"},
      {"reversed range", replaced("11, 0, 100", "11, 100, 0"),
       "Norvika.TSK 69. SATIR: ESIT ARALIKLI SON NOKTA ILK NOKTADAN BUYUK OLMALI (100.000 / "
       "0.000)"},
  };
  for (const auto& c : cases) {
    RunDirectory dir;
    dir.write("Norvika.TSK", c.text);
    try {
      readFrom(dir);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const ProgramEnd& end) {
      EXPECT_EQ(end.reason(), ExitReason::InputError) << c.what;
      EXPECT_EQ(end.message(), c.message) << c.what;
    }
  }
}

TEST(TaskFile, MissingFileAndDirectoryInsteadOfFile) {
  RunDirectory dir;
  try {
    readFrom(dir);
    ADD_FAILURE();
  } catch (const ProgramEnd& end) {
    EXPECT_EQ(end.message(),
              "Norvika.TSK DOSYASI BULUNAMADI: " + dir.path().string() + "/Norvika.TSK");
  }
  std::filesystem::create_directory(dir.path() / "Norvika.TSK");
  try {
    readFrom(dir);
    ADD_FAILURE();
  } catch (const ProgramEnd& end) {
    EXPECT_NE(end.message().find("BIR DOSYA DEGIL"), std::string::npos);
  }
}

}  // namespace
}  // namespace norvika
