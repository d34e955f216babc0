#include <gtest/gtest.h>

#include "driver/calculation_driver.h"
#include "calculation/equal_spacing.h"
#include "driver/run_stops.h"
#include "platform/recording_platform.h"
#include "run_files.h"

namespace norvika {
namespace {

using testing::boxHullText;
using testing::RunDirectory;
using testing::taskText;

// How the run ended, a completed one included.
ProgramEnd runIn(RecordingPlatform& platform) {
  try {
    runCalculation(platform);
  } catch (const ProgramEnd& end) {
    return end;
  }
  return ProgramEnd(ExitReason::Completed, "");  // a completed run returns
}

std::string crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return text;
}

// A 10 m box of half-breadth 1 m at 1 m draft in fresh water: every section
// holds 2 m2, the ship 20 t with its centre at 5 m; the three equally spaced
// points carry the station values unchanged.
TEST(ResultsReport, TrimmedBoxLineByLine) {
  RunDirectory dir;
  dir.write("Norvika.TSK", taskText("HULL.DAT", 10, 2, 1.0, 6, {"1", "1"}, "3, 0, 10"));
  dir.write("HULL.DAT", boxHullText(3, 10, 1, 2));
  RecordingPlatform platform(dir.path());
  EXPECT_EQ(runIn(platform).reason(), ExitReason::Completed);

  const std::string rule61(61, '='), rule29(29, '=');
  EXPECT_EQ(dir.read("Norvika.SON"),
            crlf({"",
                  " SEPHIYE HESABI - BASLAMA -----------------------------------------------",
                  "", "", "",
                  "HESAP: TRIMLI SU HATTI SEPHIYE DAGILIM HESABI",
                  "", "",
                  " SU HATTININ POSTALAR ILE KESIM NOKTALARI ",
                  "",
                  " POSTA NO     POSTA YERI       KESIM NOKTASI      KESIT ALANI",
                  "    NO         (AP'den)          (AP'den)             (m2)   ",
                  rule61,
                  "    1            0.000            1.000            2.000",
                  "    2            5.000            1.000            2.000",
                  "    3           10.000            1.000            2.000",
                  rule61,
                  "",
                  " HESAPLANAN DEPLASMAN =      20.0 ton",
                  "",
                  " 3 POSTADA SEPHIYE DAGILIMI",
                  "NO    KESIT NO    SEPH.DEGERI",
                  "         (m)        (ton/m)  ",
                  rule29,
                  "  1      0.000        2.000",
                  "  2      5.000        2.000",
                  "  3     10.000        2.000",
                  rule29,
                  "  3 POSTADAKI DEPLASMAN =      20.0 ton",
                  "          LCB 'nin YERI =   5.000 m. AP 'den",
                  "", "",
                  " ESIT ARALIKLI NOKTALARDA SEPHIYE DEGERLERI",
                  "", "",
                  rule29,
                  "NO    KESIT NO    SEPH.DEGERI",
                  "         (m)        (ton/m)  ",
                  rule29,
                  "  1      0.000        2.000",
                  "  2      5.000        2.000",
                  "  3     10.000        2.000",
                  rule29,
                  "", "",
                  "   3 POSTADAKI ..",
                  " ESIT ARALIKLI SEHHIYE HESAP BOYU       =  10.000 m. OLARAK ALINMISTIR.",
                  " ESIT ARALIKLI SEHHIYE DEGERI           =     20.0 ton. OLARAK HESAPLANMISTIR.",
                  " ESIT ARALIKLI SEPHIYE AGIRLIK MERKEZI  =   5.000 m. OLARAK HESAPLANMISTIR.",
                  "", "",
                  "", "",
                  " SEPHIYE HESABI - BITIS -------------------------------------------------",
                  "", ""}));
  EXPECT_EQ(dir.read("SEPHIYE.TXT"), crlf({"      2.00000", "      2.00000", "      2.00000"}));

  // The closing question names the report with its full path.
  const auto& last = platform.questions().back();
  EXPECT_EQ(last.prompt, "PROGRAM CALISMASI TAMAMLANDI.SONUCLAR  '" + dir.path().string() +
                             "/Norvika.SON'  DOSYASINA YAZILDI. BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ.");
  EXPECT_EQ(last.title, "PROGRAM SONU");
  EXPECT_EQ(last.xTwips, 9000);
  EXPECT_EQ(last.yTwips, 8500);
}

TEST(ResultsReport, WaveCaseHeaderAndRequiredDisplacement) {
  RunDirectory dir;
  // Wave length 1.5 L = 150 m, H = 3 m: H/Lamda = 0.02.
  dir.write("Norvika.TSK", taskText("HULL.DAT", 100, 20, 1.025, 3, {"10250", "4", "3", "1.5"}, "0, 0, 0"));
  dir.write("HULL.DAT", boxHullText(21, 100, 10, 10));
  RecordingPlatform platform(dir.path());
  EXPECT_EQ(runIn(platform).reason(), ExitReason::Completed);
  const std::string report = dir.read("Norvika.SON");
  for (const char* line : {
           "\r\nHESAP: TROKOID DALGA CUKURU SEPHIYE DAGILIM HESABI  H/Lamda =   0.02\r\n",
           "\r\n       DALGA PARAMETRELERI:\r\n",
           "\r\n       DALGA YUKSEKLIGI  - H       =   3.00 m.\r\n",
           "\r\n       DALGA BOYU        - Lamda   = 150.000 m.\r\n",
           "\r\n       DALGA PARAMETRESI - H/Lamda =   0.020\r\n",
           "\r\n ISTENEN DEPLASMAN    =   10250.0 ton\r\n"}) {
    EXPECT_NE(report.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(report.find("ESIT ARALIKLI"), std::string::npos);
  EXPECT_TRUE(dir.exists("SEPHIYE.TXT"));
  EXPECT_EQ(dir.read("SEPHIYE.TXT"), "");
}

TEST(ResultsReport, YesAtTheWaterlineCheckCutsTheReport) {
  RunDirectory dir;
  dir.write("Norvika.TSK", taskText("HULL.DAT", 10, 2, 1.0, 6, {"1", "1"}, "3, 0, 10"));
  dir.write("HULL.DAT", boxHullText(3, 10, 1, 2));
  RecordingPlatform platform(dir.path());
  for (const char* a : {"H", "H", "H", "e"}) platform.answer(a);
  EXPECT_EQ(runIn(platform).reason(), ExitReason::GeometryRejected);
  const std::string report = dir.read("Norvika.SON");
  const std::string lastLine = " HESAPLANAN DEPLASMAN =      20.0 ton\r\n";
  ASSERT_GE(report.size(), lastLine.size());
  EXPECT_EQ(report.substr(report.size() - lastLine.size()), lastLine);
  EXPECT_FALSE(dir.exists("SEPHIYE.TXT"));
  EXPECT_EQ(platform.questions().back().title, "Su Hattı Kesim Noktaları Kontrolu");
}

TEST(ResultsReport, WaterlineBelowEveryKeelStopsInsteadOfWritingNaN) {
  RunDirectory dir;
  dir.write("Norvika.TSK", taskText("HULL.DAT", 10, 2, 1.0, 6, {"-1", "-1"}, "0, 0, 0"));
  dir.write("HULL.DAT", boxHullText(3, 10, 1, 2));
  RecordingPlatform platform(dir.path());
  EXPECT_EQ(runIn(platform).reason(), ExitReason::CalculationStopped);
  EXPECT_FALSE(dir.exists("Norvika.SON"));
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(platform.messages()[0].style, 276);
}

TEST(ResultsReport, EqualPointsOffTheShipAreRejectedBeforeAnyQuestion) {
  RunDirectory dir;
  dir.write("Norvika.TSK", taskText("HULL.DAT", 10, 2, 1.0, 6, {"1", "1"}, "5, 20, 30"));
  dir.write("HULL.DAT", boxHullText(3, 10, 1, 2));
  RecordingPlatform platform(dir.path());
  const ProgramEnd end = runIn(platform);
  EXPECT_EQ(end.reason(), ExitReason::InputError);
  EXPECT_EQ(end.message(),
            "Norvika.TSK 69. SATIR: ESIT ARALIKLI NOKTALAR (20.000 - 30.000 m) POSTALARIN DISINDA KALIYOR; POSTALAR "
            "0.000 - 10.000 m ARASINDA. ARALIGI DUZELTIN");
  EXPECT_TRUE(platform.questions().empty());
  EXPECT_FALSE(dir.exists("Norvika.SON"));
}

// Stations carry 10 t/m from 0 to 10 m; 21 points from -5 to 15 m reach 5 m
// beyond each end. The trapezoids of the 11 points inside and of the two
// intervals that cross the ends hold 11 v, so the correction lowers the inside
// values to 100/11 t/m and keeps the outside points at zero.
TEST(EqualSpacing, CorrectionMeetsTheDisplacementAndKeepsOutsidePointsEmpty) {
  RunState run;
  run.hull.stationCount = 3;
  for (int st = 1; st <= 3; ++st) {
    run.hull.stationX(st) = 5.0 * (st - 1);
    run.stationArea(st) = 10.0;
  }
  run.task.waterDensity = 1.0;
  run.task.equalPointCount = 21;
  run.task.equalStart = -5;
  run.task.equalEnd = 15;
  run.displacement = 100.0;
  ASSERT_TRUE(resampleEqualSpacing(run));
  const EqualSpacedValues& eq = run.equalSpaced;
  EXPECT_NEAR(eq.displacement, 100.0, 0.01);
  EXPECT_EQ(eq.span, 20.0);
  for (int k = 1; k <= 21; ++k) {
    if (eq.x(k) < 0 || eq.x(k) > 10) {
      EXPECT_EQ(eq.v(k), 0.0) << eq.x(k);
    } else {
      EXPECT_NEAR(eq.v(k), 100.0 / 11, 0.01 / 11) << eq.x(k);
      EXPECT_NEAR(eq.v(k), eq.v(11), 1e-12) << "a uniform shift";
    }
  }
  EXPECT_NEAR(eq.centre, 5.0, 1e-9);
}

// Dry stations aft, then a steep rise: the spline through the station values
// swings below zero between the last dry station and the first wet one (about
// -99 t in all over those points). The displacement asked for lies 0.02 t
// above the trapezoid of the interpolated values, so the first correction,
// which lifts the dip to zero, widens the gap; later ones close it.
TEST(EqualSpacing, ValuesBelowZeroNearDryStationsStillMeetTheDisplacement) {
  const double values[] = {0, 0, 0, 0.5, 150, 150, 150, 150, 150, 150, 150};
  for (double required : {9654.827981, 9654.787981}) {
    RunState run;
    run.hull.stationCount = 11;
    for (int st = 1; st <= 11; ++st) {
      run.hull.stationX(st) = 10.0 * (st - 1);
      run.stationArea(st) = values[st - 1];
    }
    run.task.waterDensity = 1.0;
    run.task.equalPointCount = 101;
    run.task.equalStart = 0;
    run.task.equalEnd = 100;
    run.displacement = required;
    ASSERT_TRUE(resampleEqualSpacing(run)) << required;
    const EqualSpacedValues& eq = run.equalSpaced;
    EXPECT_NEAR(eq.displacement, required, 0.01);
    for (int k = 1; k <= 101; ++k) EXPECT_GE(eq.v(k), 0.0) << eq.x(k);
  }
}

// Sections with negative offsets give negative values; when they must come down
// further the first correction clamps them at zero, the gap grows instead of
// shrinking, and the run stops instead of correcting until its bound.
TEST(EqualSpacing, AGapThatCannotCloseStopsTheRun) {
  RecordingPlatform platform;
  RunState run;
  run.hull.stationCount = 3;
  for (int st = 1; st <= 3; ++st) {
    run.hull.stationX(st) = 5.0 * (st - 1);
    run.stationArea(st) = -2.0;
  }
  run.task.waterDensity = 1.0;
  run.task.equalPointCount = 11;
  run.task.equalStart = 0;
  run.task.equalEnd = 10;
  run.displacement = -25.0;
  EXPECT_FALSE(resampleEqualSpacing(run));
  EXPECT_THROW(stopForEqualSpacing(platform, run.displacement), ProgramEnd);
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(platform.messages()[0].text,
            "ESIT ARALIKLI SEPHIYE DEGERLERI     -25.0 ton DEPLASMANA ESITLENEMEDI - STOP ");
}

}  // namespace
}  // namespace norvika
