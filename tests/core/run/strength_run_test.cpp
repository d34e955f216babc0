#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/recording_platform.h"
#include "run/calculation_driver.h"
#include "run_files.h"

namespace norvika {
namespace {

using testing::boxHullText;
using testing::RunDirectory;
using testing::taskText;

ExitReason runIn(RecordingPlatform& platform, const RunSettings& settings = {}) {
  return runCalculation(platform, settings).reason;
}

bool holdsLine(const std::string& text, const std::string& line) {
  return text.find("\r\n" + line + "\r\n") != std::string::npos;
}

// The number after the last '=' of the report line that begins with `start`.
double reportValue(const std::string& report, const std::string& start) {
  const std::size_t at = report.find("\r\n" + start);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no line " << start;
    return 0.0;
  }
  const std::string line = report.substr(at + 2, report.find("\r\n", at + 2) - at - 2);
  return std::stod(line.substr(line.rfind('=') + 1));
}

// The rule's wave loads of the 100 m box barge of breadth 20 m worked by the
// formulas of UR S11: its waterline is 100 m long, so L = 0.97 Lwl = 97 m
// (Lpp = 100 m is above 0.97 Lwl), starting 3 m forward of AP; C = 10.75 -
// ((300 - L) / 100)^1.5; Cb = volume / (L B T) = 100 / 97 at any draft.
struct BoxRule {
  static constexpr double L = 97.0, B = 20.0, Cb = 100.0 / 97.0;
  double C = 10.75 - std::pow((300.0 - L) / 100.0, 1.5);
  double hogging = 190.0 * C * L * L * B * Cb * 1e-3;           // kN m
  double sagging = -110.0 * C * L * L * B * (Cb + 0.7) * 1e-3;  // kN m
  double shear = 30.0 * C * L * B * (Cb + 0.7) * 1e-2;          // kN
};

// The box barge, level, 10250 t: 80 t/m over the ship and 45 t/m more over
// its middle half sag it by 14062.5 t m amidships.
struct MiddleLoadRun {
  MiddleLoadRun() {
    dir.write("Norvika.TSK", taskText("KUTU.DAT", 100, 20, 1.025, 1, {"10250", "4"}, "0, 0, 0"));
    dir.write("KUTU.DAT", boxHullText(21, 100, 10, 10));
    dir.write("Norvika.AGR", kWeights);
  }
  static constexpr const char* kWeights = "ORTA YUK\n0, 100, 80, 80\n25, 75, 45, 45\n";
  RunDirectory dir;
};

TEST(StrengthRun, ReportTableAndDrawingOfTheMiddleLoad) {
  MiddleLoadRun box;
  RecordingPlatform platform(box.dir.path());
  ASSERT_EQ(runIn(platform), ExitReason::Completed);

  const std::string report = box.dir.read("MUKAVEMET.SON");
  for (const char* line : {
           " TOPLAM AGIRLIK        - W     =    10250.0 ton",
           "   TRIM      - Tf - Ta   =    0.000 m.",
           " EN BUYUK SARKMA MOMENTI      =    -14062.5 t.m  =    -137953.1 kN.m   x =   50.000 m. "
           "AP 'den",
           " EN BUYUK KAMBURLASMA MOMENTI : KAMBURLASMA YOK",
           "   KAPANMA SAGLANDI",
           "   L  =   97.000 m. (Lpp = 100.000 m., 0.96 Lwl - 0.97 Lwl ARALIGINDA; DUMEN RODUNUN "
           "YERI BILINMIYOR)",
           "   Lwl = 100.000 m. KURAL DRAFTINDA; L: x = 3.000 - 100.000 m. AP 'den (BAS UCU SU "
           "HATTININ BAS UCU)",
       }) {
    EXPECT_TRUE(holdsLine(report, line)) << line;
  }
  const BoxRule rule;
  EXPECT_NEAR(reportValue(report, "   KURAL KAMBURLASMA Mw"), rule.hogging, 0.05);
  EXPECT_NEAR(reportValue(report, "   KURAL SARKMA      Mw"), rule.sagging, 0.05);
  EXPECT_NEAR(reportValue(report, "   KURAL KESME KUV.  Fw"), rule.shear, 0.05);
  const std::string table = box.dir.read("MUKAVEMET.TXT");
  EXPECT_EQ(table.rfind("x_m w_t/m b_t/m q_t/m SF_t BM_tm\r\n", 0), 0u);
  // Just forward of x = 25 the middle load acts: w = 125, q = +22.5.
  EXPECT_TRUE(holdsLine(table, "25.0000 125.0000 102.5000 22.5000 -562.5000 -7031.250"));
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 1 + 101);  // header, 0..100 m by 1 m

  // The strength drawing is the Graph window's last picture, its maximum labelled.
  const std::vector<Frame>& graphs = platform.finishedFrames(WindowId::Graph);
  ASSERT_FALSE(graphs.empty());
  const auto& items = graphs.back().items;
  EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const Primitive& p) {
    return p.kind == PrimitiveKind::Text && p.text == "-14063 t.m (x = 50.00 m)";
  }));
  EXPECT_TRUE(std::any_of(items.begin(), items.end(),
                          [](const Primitive& p) { return p.kind == PrimitiveKind::Circle; }));
}

TEST(StrengthRun, WeightsFileNamedOnTheCommandLine) {
  MiddleLoadRun box;
  RunDirectory elsewhere;
  elsewhere.write("GEMI.AGR", MiddleLoadRun::kWeights);
  std::filesystem::remove(box.dir.path() / "Norvika.AGR");
  RecordingPlatform platform(box.dir.path());
  ASSERT_EQ(runIn(platform, RunSettings{elsewhere.path() / "GEMI.AGR"}), ExitReason::Completed);
  EXPECT_TRUE(holdsLine(box.dir.read("MUKAVEMET.SON"), " AGIRLIK DOSYASI: GEMI.AGR"));

  RecordingPlatform missing(box.dir.path());
  const RunOutcome outcome = runCalculation(missing, RunSettings{elsewhere.path() / "YOK.AGR"});
  EXPECT_EQ(outcome.reason, ExitReason::InputError);
  EXPECT_EQ(outcome.message.rfind("YOK.AGR DOSYASI BULUNAMADI", 0), 0u) << outcome.message;
}

// The report is ASCII: a title typed with Turkish letters reads as the
// program's own texts are written, in either encoding.
TEST(StrengthRun, TurkishTitleOfTheWeightsFileInEitherEncoding) {
  for (const char* title : {"A\xC4\x9EIRLIK DA\xC4\x9EILIMI \xC5\x9E\xC4\xB0LEP",
                            "A\xD0IRLIK DA\xD0ILIMI \xDE\xDDLEP"}) {
    MiddleLoadRun box;
    box.dir.write("Norvika.AGR", std::string(title) + "\n0, 100, 80, 80\n25, 75, 45, 45\n");
    RecordingPlatform platform(box.dir.path());
    ASSERT_EQ(runIn(platform), ExitReason::Completed);
    EXPECT_TRUE(holdsLine(box.dir.read("MUKAVEMET.SON"), " AGIRLIK DAGILIMI SILEP")) << title;
  }
}

// A "yes" at the waterline check, or a completed run without weights: the
// strength files of an earlier run would not belong to this one.
TEST(StrengthRun, EarlierStrengthFilesDoNotStayBesideAnotherRunsReport) {
  for (const bool withWeights : {true, false}) {
    for (const bool rejected : {true, false}) {
      if (withWeights && !rejected) continue;  // a run with weights writes its own
      SCOPED_TRACE(std::string(withWeights ? "with" : "without") + " weights, " +
                   (rejected ? "waterline rejected" : "completed"));
      MiddleLoadRun box;
      if (!withWeights) std::filesystem::remove(box.dir.path() / "Norvika.AGR");
      box.dir.write("MUKAVEMET.SON", "EARLIER\r\n");
      box.dir.write("MUKAVEMET.TXT", "EARLIER\r\n");
      RecordingPlatform platform(box.dir.path());
      if (rejected) {
        for (const char* a : {"H", "H", "H", "E"}) platform.answer(a);
      }
      EXPECT_EQ(runIn(platform), rejected ? ExitReason::GeometryRejected : ExitReason::Completed);
      EXPECT_FALSE(box.dir.exists("MUKAVEMET.SON"));
      EXPECT_FALSE(box.dir.exists("MUKAVEMET.TXT"));
    }
  }
}

// The last row of the table: x w b q SF BM.
std::vector<double> lastTableRow(const std::string& table) {
  const std::size_t end = table.rfind("\r\n");
  const std::size_t begin = table.rfind("\r\n", end - 1) + 2;
  std::istringstream row(table.substr(begin, end - begin));
  std::vector<double> values;
  for (double v = 0.0; row >> v;) values.push_back(v);
  return values;
}

// On a given waterline the residual force and moment of the report are what
// SF and BM come to at the forward end, sign and all.
TEST(StrengthRun, ResidualsOfAGivenWaterlineAreTheBowValues) {
  const struct {
    const char* what;
    int caseNumber;
    std::vector<std::string> values;
  } cases[] = {
      {"trimmed, Tf 6 Ta 4", 6, {"6", "4"}},
      {"trimmed by the head the other way", 6, {"3", "5.5"}},
      {"heeled 10 degrees", 7, {"5", "5", "10"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RunDirectory dir;
    dir.write("Norvika.TSK",
              taskText("KUTU.DAT", 100, 20, 1.025, c.caseNumber, c.values, "0, 0, 0"));
    dir.write("KUTU.DAT", boxHullText(21, 100, 10, 10));
    dir.write("Norvika.AGR", "UNIFORM\n0, 100, 102.5, 102.5\n");
    RecordingPlatform platform(dir.path());
    ASSERT_EQ(runIn(platform), ExitReason::Completed);

    const std::string report = dir.read("MUKAVEMET.SON");
    const std::vector<double> bow = lastTableRow(dir.read("MUKAVEMET.TXT"));
    ASSERT_EQ(bow.size(), 6u);
    EXPECT_EQ(bow[0], 100.0);
    const double force = reportValue(report, "   KALAN KUVVET   W - D");
    const double moment = reportValue(report, "   KALAN MOMENT   W (xF - LCG) - D (xF - LCB)");
    EXPECT_NEAR(force, bow[4], 2e-3);
    EXPECT_NEAR(moment, bow[5], 2e-3);
    EXPECT_GT(std::fabs(moment), 1.0) << "a case that leaves no moment tells nothing";
  }
}

// The box barge of uniform weight 102.5 t/m (5 m draft) in a sine wave of
// height H (m) as long as the ship, its crest amidships.
void writeUniformBoxOnASineCrest(RunDirectory& dir, const std::string& height) {
  dir.write("Norvika.TSK",
            taskText("KUTU.DAT", 100, 20, 1.025, 4, {"10250", "5", height, "1"}, "0, 0, 0"));
  dir.write("KUTU.DAT", boxHullText(21, 100, 10, 10));
  dir.write("Norvika.AGR", "UNIFORM\n0, 100, 102.5, 102.5\n");
}

// Moments within rounding of zero are no moment: a uniform weight on a sine
// crest hogs the box and does not sag it anywhere.
TEST(StrengthRun, RoundingNoiseIsNoWaveMoment) {
  RunDirectory dir;
  writeUniformBoxOnASineCrest(dir, "5");
  RecordingPlatform platform(dir.path());
  ASSERT_EQ(runIn(platform), ExitReason::Completed);
  const std::string report = dir.read("MUKAVEMET.SON");
  EXPECT_TRUE(holdsLine(report, "   HESAPLANAN DALGA SARKMA MOMENTI      : BU DALGADA SARKMA YOK"))
      << report;
  // Hogging rho B H L^2 / (4 pi^2) t m against the rule's Mw.
  const double hogging =
      1.025 * 20.0 * 5.0 * 100.0 * 100.0 / (4.0 * 3.14159265358979 * 3.14159265358979);
  EXPECT_NEAR(reportValue(report, "   HESAPLANAN DALGA KAMBURLASMA MOMENTI"),
              hogging * 9.81 / BoxRule().hogging, 0.001);
}

// The box barge of uniform weight in a sine wave H = 2 m as long as the ship,
// its crest at 25, 50, 75 and 100 m: the draft stays 5 m, the trim is
// 6 (H/2) sin(2 pi c / L) / pi = +-1.910 m a quarter wave off amidships, and
// with the crest amidships the wave hogs by rho B H L^2 / (4 pi^2) = 10385 t m
// (10384.3 on 21 stations) with shear forces of rho B (H/2) L / (2 pi) =
// 326.2 t at the quarter lengths; crest at the ends sags as much.
TEST(StrengthRun, SweepSummaryAndEnvelopeFileOfTheBoxBarge) {
  RunDirectory dir;
  writeUniformBoxOnASineCrest(dir, "2");
  RecordingPlatform platform(dir.path());
  RunSettings settings;
  settings.sweepPositions = 4;
  ASSERT_EQ(runIn(platform, settings), ExitReason::Completed);
  const std::string report = dir.read("MUKAVEMET.SON");
  for (const std::string& line : {
           std::string(" DALGA TEPESI TARAMASI: 4 TEPE YERI, BIR DALGA BOYU (100.000 m.) BOYUNCA "
                       "ESIT ADIMLARLA"),
           std::string("    25.000   0.250    5.000    1.910"),
           std::string("    50.000   0.500    5.000    0.000     10384.3   50.000         -        "
                       "-   326.2   25.000  -326.2   75.000"),
           std::string("   100.000   1.000    5.000    0.000           -        -  -10384.3   "
                       "50.000   326.2   75.000  -326.2   25.000"),
           std::string(" EN KOTU KAMBURLASMA MOMENTI  =     10384.3 t.m  =     101869.8 kN.m   x = "
                       "  50.000 m. AP 'den"),
           std::string("     TEPE x =  100.000 m. AP 'den   KURAL = "),
       }) {
    EXPECT_NE(report.find("\r\n" + line), std::string::npos) << line;
  }
  const std::string table = dir.read("TARAMA.TXT");
  EXPECT_EQ(table.rfind("x_m SF_wave_max_t SF_max_crest_m SF_wave_min_t SF_min_crest_m ", 0), 0u);
  // Amidships the largest moment comes with the crest there, the smallest with
  // the crest at the ends; the shear force there, rho B ((H/2) L / pi + s L^2 / 8)
  // with s = -6 (H/2) / (pi L) the trim's slope, with the crest at 0.75 L; the rule's
  // values where M is 1 and F1 = F2 = 0.7, and the ratios to them.
  const std::size_t row = table.find("\r\n50.0000 ");
  ASSERT_NE(row, std::string::npos) << table;
  EXPECT_EQ(table.substr(row + 2, 69),
            "50.0000 163.1085 75.000 -163.1085 25.000 10384.277 50.000 -10384.277 ");
  std::istringstream fields(table.substr(row + 70, table.find("\r\n", row + 2) - row - 70));
  double crest = 0, positive = 0, negative = 0, hog = 0, sag = 0, ratios[4] = {};
  fields >> crest >> positive >> negative >> hog >> sag >> ratios[0] >> ratios[1] >> ratios[2] >>
      ratios[3];
  const BoxRule rule;
  EXPECT_EQ(crest, 100.0);
  EXPECT_NEAR(positive, 0.7 * rule.shear, 0.05);
  EXPECT_NEAR(negative, -0.7 * rule.shear, 0.05);
  EXPECT_NEAR(hog, rule.hogging, 0.05);
  EXPECT_NEAR(sag, rule.sagging, 0.05);
  const double expected[4] = {163.1085 * 9.81 / (0.7 * rule.shear),
                              163.1085 * 9.81 / (0.7 * rule.shear), 10384.277 * 9.81 / rule.hogging,
                              -10384.277 * 9.81 / rule.sagging};
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(ratios[k], expected[k], 6e-5) << k;
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 1 + 101);
}

}  // namespace
}  // namespace norvika
