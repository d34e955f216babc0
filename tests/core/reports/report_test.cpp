#include <gtest/gtest.h>

#include "../run/run_files.h"
#include "calculation/equal_spacing.h"
#include "platform/recording_platform.h"
#include "run/calculation_driver.h"
#include "run/run_stops.h"

namespace norvika {
namespace {

using testing::boxHullText;
using testing::RunDirectory;
using testing::taskText;

// How the run ended, a completed one included.
ProgramEnd runIn(RecordingPlatform& platform) {
  const RunOutcome outcome = runCalculation(platform);
  return ProgramEnd(outcome.reason, outcome.message);
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
                  "",
                  "",
                  "",
                  "HESAP: TRIMLI SU HATTI SEPHIYE DAGILIM HESABI",
                  "",
                  "",
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
                  "",
                  "",
                  " ESIT ARALIKLI NOKTALARDA SEPHIYE DEGERLERI",
                  "",
                  "",
                  rule29,
                  "NO    KESIT NO    SEPH.DEGERI",
                  "         (m)        (ton/m)  ",
                  rule29,
                  "  1      0.000        2.000",
                  "  2      5.000        2.000",
                  "  3     10.000        2.000",
                  rule29,
                  "",
                  "",
                  "   3 POSTADAKI ..",
                  " ESIT ARALIKLI SEHHIYE HESAP BOYU       =  10.000 m. OLARAK ALINMISTIR.",
                  " ESIT ARALIKLI SEHHIYE DEGERI           =     20.0 ton. OLARAK HESAPLANMISTIR.",
                  " ESIT ARALIKLI SEPHIYE AGIRLIK MERKEZI  =   5.000 m. OLARAK HESAPLANMISTIR.",
                  "",
                  "",
                  "",
                  "",
                  " SEPHIYE HESABI - BITIS -------------------------------------------------",
                  "",
                  ""}));
  EXPECT_EQ(dir.read("SEPHIYE.TXT"), crlf({"      2.00000", "      2.00000", "      2.00000"}));

  // The closing question names both result files with their full paths.
  const auto& last = platform.questions().back();
  const std::string d = dir.path().string();
  EXPECT_EQ(last.prompt, "PROGRAM CALISMASI TAMAMLANDI. SONUCLAR  '" + d + "/Norvika.SON', '" + d +
                             "/SEPHIYE.TXT'  DOSYALARINA YAZILDI. BITIRMEK ICIN 'ENTER' TUSUNA "
                             "BASINIZ.");
  EXPECT_EQ(last.title, "PROGRAM SONU");
  EXPECT_EQ(last.xTwips, 9000);
  EXPECT_EQ(last.yTwips, 8500);
}

TEST(ResultsReport, WaveCaseHeaderAndRequiredDisplacement) {
  RunDirectory dir;
  // Wave length 1.5 L = 150 m, H = 3 m: H/Lamda = 0.02.
  dir.write("Norvika.TSK",
            taskText("HULL.DAT", 100, 20, 1.025, 3, {"10250", "4", "3", "1.5"}, "0, 0, 0"));
  dir.write("HULL.DAT", boxHullText(21, 100, 10, 10));
  RecordingPlatform platform(dir.path());
  EXPECT_EQ(runIn(platform).reason(), ExitReason::Completed);
  const std::string report = dir.read("Norvika.SON");
  for (const char* line :
       {"\r\nHESAP: TROKOID DALGA CUKURU SEPHIYE DAGILIM HESABI  H/Lamda =   0.02\r\n",
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
            "Norvika.TSK 69. SATIR: ESIT ARALIKLI NOKTALAR (20.000 - 30.000 m) POSTALARIN DISINDA "
            "KALIYOR; POSTALAR "
            "0.000 - 10.000 m ARASINDA. ARALIGI DUZELTIN");
  EXPECT_TRUE(platform.questions().empty());
  EXPECT_FALSE(dir.exists("Norvika.SON"));
}

// Stations carry 10 t/m from 0 to 10 m; 21 points from -5 to 15 m reach 5 m
// beyond each end. The trapezoids of the 11 points inside and of the two
// intervals that cross the ends hold 11 v, so the correction lowers the inside
// values to 100/11 t/m and keeps the outside points at zero.
// Stations at `x` with immersed areas `area` (m2) in water of density 1: the
// buoyancy per metre is the area.
struct Stations {
  Stations(std::vector<double> x, std::vector<double> area) {
    hull.stationCount = static_cast<int>(x.size());
    for (int st = 1; st <= hull.stationCount; ++st) {
      hull.stationX(st) = x[static_cast<std::size_t>(st - 1)];
      this->area(st) = area[static_cast<std::size_t>(st - 1)];
    }
    task.waterDensity = 1.0;
  }
  std::optional<EqualSpacing> resample(int points, double first, double last, double displacement) {
    task.equalPointCount = points;
    task.equalStart = first;
    task.equalEnd = last;
    return resampleEqualSpacing(task, hull, area, displacement);
  }
  TaskParameters task;
  HullModel hull;
  Table<double> area{kMaxStations};
};

// Stations carry 10 t/m from 0 to 10 m; 21 points from -5 to 15 m reach 5 m
// beyond each end. The trapezoids of the 11 points inside and of the two
// intervals that cross the ends hold 11 v, so the correction lowers the inside
// values to 100/11 t/m and keeps the outside points at zero.
TEST(EqualSpacing, CorrectionMeetsTheDisplacementAndKeepsOutsidePointsEmpty) {
  Stations stations({0, 5, 10}, {10, 10, 10});
  const std::optional<EqualSpacing> result = stations.resample(21, -5, 15, 100.0);
  ASSERT_TRUE(result);
  const EqualSpacing& eq = *result;
  EXPECT_EQ(eq.count, 21);
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
  for (double required : {9654.827981, 9654.787981}) {
    Stations stations({0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100},
                      {0, 0, 0, 0.5, 150, 150, 150, 150, 150, 150, 150});
    const std::optional<EqualSpacing> eq = stations.resample(101, 0, 100, required);
    ASSERT_TRUE(eq) << required;
    EXPECT_NEAR(eq->displacement, required, 0.01);
    for (int k = 1; k <= 101; ++k) EXPECT_GE(eq->v(k), 0.0) << eq->x(k);
  }
}

// Sections with negative offsets give negative values; when they must come down
// further the first correction clamps them at zero, the gap grows instead of
// shrinking, and the run stops instead of correcting until its bound.
TEST(EqualSpacing, AGapThatCannotCloseStopsTheRun) {
  RecordingPlatform platform;
  Stations stations({0, 5, 10}, {-2, -2, -2});
  EXPECT_FALSE(stations.resample(11, 0, 10, -25.0));
  EXPECT_THROW(stopForEqualSpacing(platform, -25.0), ProgramEnd);
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(platform.messages()[0].text,
            "ESIT ARALIKLI SEPHIYE DEGERLERI     -25.0 ton DEPLASMANA ESITLENEMEDI - STOP ");
}

}  // namespace
}  // namespace norvika
