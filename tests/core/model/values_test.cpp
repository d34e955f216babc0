// Tasks, hulls and weights given in code are checked by the readers' own
// checks: each row makes one fault both in a file and in values, and the
// values must be refused with the file's message, less its file and line.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "../run/run_files.h"
#include "model/hull_data_file.h"
#include "model/task_file.h"
#include "model/task_values.h"
#include "model/weights_file.h"
#include "support/input_file.h"
#include "support/run_end.h"

namespace norvika {
namespace {

using testing::RunDirectory;

// The message a rejection ends with, and its place.
struct Refusal {
  std::string message;
  std::optional<InputPlace> place;
};

Refusal refusalOf(const std::function<void()>& attempt) {
  try {
    attempt();
  } catch (const ProgramEnd& end) {
    EXPECT_EQ(end.reason(), ExitReason::InputError);
    return {end.message(), end.place()};
  }
  ADD_FAILURE() << "accepted";
  return {};
}

// "Norvika.TSK 20. SATIR: text" -> "text"
std::string withoutPlace(const std::string& message) {
  const std::size_t at = message.find(". SATIR: ");
  return at == std::string::npos ? message : message.substr(at + 9);
}

GivenTask levelValues() {
  TaskParameters t;
  t.shipLength = 100.0;
  t.stationDivisions = 20.0;
  t.waterDensity = 1.025;
  t.caseNumber = 1;
  t.requiredDisplacement = 10250.0;
  t.initialDraft = 4.0;
  t.equalPointCount = 41;
  t.equalStart = 0.0;
  t.equalEnd = 100.0;
  return givenTaskOf(t);
}

// The level task made case 7, the ship 6 m forward and 4 m aft, heeled `heel` degrees.
void makeHeeled(GivenTask& v, double heel) {
  v.numbers.caseNumber = 7;
  giveValue(v, kRequiredDisplacement, std::nullopt);
  giveValue(v, kInitialDraft, std::nullopt);
  giveValue(v, kForwardDraft, 6.0);
  giveValue(v, kAftDraft, 4.0);
  giveValue(v, kHeelAngle, heel);
}

TEST(TaskValues, AreRefusedWithTheTaskFilesMessages) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    const char* fault;
    std::string length, density;
    int caseNumber;
    std::vector<std::string> caseLines;
    std::string equalLine;
    std::function<void(GivenTask&)> change;
  };
  const std::vector<Row> rows = {
      {"length not positive",
       "-5",
       "1.025",
       1,
       {"10250, 4"},
       "41, 0, 100",
       [](GivenTask& v) { giveValue(v, kShipLengthValue, -5.0); }},
      {"length too large",
       "2e+06",
       "1.025",
       1,
       {"10250, 4"},
       "41, 0, 100",
       [](GivenTask& v) { giveValue(v, kShipLengthValue, 2e6); }},
      {"density not a number",
       "100",
       "nan",
       1,
       {"10250, 4"},
       "41, 0, 100",
       [nan](GivenTask& v) { giveValue(v, kWaterDensityValue, nan); }},
      {"negative initial draft",
       "100",
       "1.025",
       1,
       {"10250, -1"},
       "41, 0, 100",
       [](GivenTask& v) { giveValue(v, kInitialDraft, -1.0); }},
      {"wave length ratio zero",
       "100",
       "1.025",
       2,
       {"10250, 4, 5, 0"},
       "41, 0, 100",
       [](GivenTask& v) {
         v.numbers.caseNumber = 2;
         giveValue(v, kWaveHeight, 5.0);
         giveValue(v, kWaveLengthRatio, 0.0);
       }},
      {"heel of 95 degrees",
       "100",
       "1.025",
       7,
       {"6, 4, -95"},
       "41, 0, 100",
       [](GivenTask& v) { makeHeeled(v, -95.0); }},
      {"case 8",
       "100",
       "1.025",
       8,
       {"10250, 4"},
       "41, 0, 100",
       [](GivenTask& v) { v.numbers.caseNumber = 8; }},
      {"one equally spaced point",
       "100",
       "1.025",
       1,
       {"10250, 4"},
       "1, 0, 100",
       [](GivenTask& v) { v.numbers.equalPointCount = 1; }},
      {"equal range reversed",
       "100",
       "1.025",
       1,
       {"10250, 4"},
       "41, 100, 0",
       [](GivenTask& v) {
         v.numbers.equalStart = 100.0;
         v.numbers.equalEnd = 0.0;
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.fault);
    RunDirectory dir;
    std::string text =
        testing::taskText("KUTU.DAT", 100, 20, 1.025, row.caseNumber, row.caseLines, row.equalLine);
    // taskText writes numbers; the faulty texts go in as written.
    text.replace(text.find("\n100\n") + 1, 3, row.length);
    text.replace(text.find("\n1.025\n") + 1, 5, row.density);
    dir.write("Norvika.TSK", text);
    const Refusal file = refusalOf([&] { readTaskFile(dir.path()); });
    GivenTask values = levelValues();
    row.change(values);
    const Refusal given = refusalOf([&] { taskFromValues(values); });
    EXPECT_EQ(given.message, withoutPlace(file.message));
    EXPECT_FALSE(given.place.has_value());
    ASSERT_TRUE(file.place.has_value());
    EXPECT_EQ(file.place->file, (dir.path() / "Norvika.TSK").string());
    EXPECT_EQ(file.message.substr(0, file.message.find(". SATIR")),
              "Norvika.TSK " + std::to_string(file.place->line));
  }
}

TEST(TaskValues, TakeExactlyTheValuesOfTheirCase) {
  GivenTask extra = levelValues();
  giveValue(extra, kWaveHeight, 5.0);
  EXPECT_EQ(refusalOf([&] { taskFromValues(extra); }).message,
            "DALGA YUKSEKLIGI HESAP 1 ICIN VERILMEZ (BU HESAP BU DEGERI KULLANMAZ)");
  GivenTask missing = levelValues();
  missing.numbers.caseNumber = 6;
  giveValue(missing, kRequiredDisplacement, std::nullopt);
  giveValue(missing, kInitialDraft, std::nullopt);
  giveValue(missing, kForwardDraft, 6.0);
  EXPECT_EQ(refusalOf([&] { taskFromValues(missing); }).message, "KIC DRAFT BEKLENIYORDU");

  // Read from a file or given, the same values make the same task.
  RunDirectory dir;
  dir.write("Norvika.TSK",
            testing::taskText("KUTU.DAT", 100, 20, 1.025, 7, {"6, 4, -10"}, "41, 0, 100"));
  GivenTask heeled = levelValues();
  makeHeeled(heeled, -10.0);
  const TaskParameters read = readTaskFile(dir.path());
  const TaskParameters given = taskFromValues(heeled);
  EXPECT_EQ(given.heelAngle, 10.0);
  EXPECT_EQ(given.heelAngle, read.heelAngle);
  EXPECT_EQ(given.forwardDraft, read.forwardDraft);
  EXPECT_EQ(given.equalEnd, read.equalEnd);
  EXPECT_TRUE(given.file.empty());
  EXPECT_TRUE(given.hullFileName.empty());
}

// A two-station box as values, and as the records of a hull file.
HullValues boxValues() {
  const CurveValues section{{0.0, 10.0}, {10.0, 10.0}, {1.0, 1.0}};
  return {{{0.0, section}, {100.0, section}},
          {{0.0, 10.0}, {0.0, 0.0}, {1.0, 1.0}},
          {{0.0, 10.0}, {100.0, 100.0}, {1.0, 1.0}}};
}

// Numbers written as messages show values given in code.
std::string hullText(const HullValues& hull) {
  std::ostringstream s;
  const auto n = [](double v) { return shortestNumberText(v); };
  s << "TITLE\n";
  const auto records = [&](const CurveValues& c, int end) {
    for (std::size_t j = 0; j < c.z.size(); ++j) {
      s << n(c.z[j]) << ", " << n(c.y[j]) << ", " << n(c.code[j]) << "\n";
    }
    s << "0, 0, " << end << "\n";
  };
  for (std::size_t i = 0; i < hull.stations.size(); ++i) {
    s << n(hull.stations[i].x) << "\n";
    records(hull.stations[i].curve, i + 1 == hull.stations.size() ? 9999 : 99);
  }
  s << "STERN\n";
  records(hull.stern, 99);
  s << "BOW\n";
  records(hull.bow, 99);
  return s.str();
}

TEST(HullValues, AreRefusedWithTheHullFilesMessages) {
  struct Row {
    const char* fault;
    std::function<void(HullValues&)> change;
  };
  const std::vector<Row> rows = {
      {"heights falling",
       [](HullValues& h) {
         h.stations[1].curve.z = {10.0, 5.0};
       }},
      {"stations repeated", [](HullValues& h) { h.stations[1].x = 0.0; }},
      {"a station of one point",
       [](HullValues& h) {
         h.stations[0].curve = {{0.0}, {10.0}, {1.0}};
       }},
      {"one station", [](HullValues& h) { h.stations.pop_back(); }},
      {"a code that is not whole", [](HullValues& h) { h.stations[0].curve.code[1] = 2.5; }},
      {"a half-breadth too large", [](HullValues& h) { h.stations[1].curve.y[0] = 1e7; }},
      {"a stern contour falling",
       [](HullValues& h) {
         h.stern.z = {10.0, 0.0};
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.fault);
    HullValues values = boxValues();
    row.change(values);
    const Refusal file = refusalOf([&] { readHullDataText(hullText(values), "KUTU.DAT"); });
    const Refusal given = refusalOf([&] { hullFromValues(values); });
    EXPECT_EQ(given.message, withoutPlace(file.message));
    EXPECT_FALSE(given.place.has_value());
  }
  // What the file's own syntax would not let through.
  HullValues nan = boxValues();
  nan.stations[0].curve.y[0] = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(refusalOf([&] { hullFromValues(nan); }).message,
            "1. POSTA 1. KAYIT YARI GENISLIK ICIN SAYI BEKLENIYORDU, 'nan' OKUNDU");
  HullValues terminator = boxValues();
  terminator.bow.code[0] = 99.0;
  EXPECT_EQ(refusalOf([&] { hullFromValues(terminator); }).message,
            "BAS BODOSLAMA 1. KAYIT KOD 99 VE 9999 EGRI SONU KODLARIDIR, NOKTA KODU OLAMAZ");
  HullValues none = boxValues();
  none.stations.clear();
  EXPECT_EQ(refusalOf([&] { hullFromValues(none); }).message,
            "EN AZ 2 POSTA BEKLENIYORDU, 0 POSTA OKUNDU (9999 KODU SON POSTAYI BITIRIR)");
  HullValues tall = boxValues();
  tall.bow = {std::vector<double>(250), std::vector<double>(250), std::vector<double>(250, 1.0)};
  EXPECT_EQ(refusalOf([&] { hullFromValues(tall); }).message,
            "BAS BODOSLAMA: EN FAZLA 249 NOKTA OKUNABILIR");

  // The good box is the same hull either way.
  const HullModel read = readHullDataText(hullText(boxValues()), "KUTU.DAT");
  const HullModel given = hullFromValues(boxValues());
  ASSERT_EQ(given.stationCount, read.stationCount);
  for (int c = 1; c <= read.stationCount + 2; ++c) {
    ASSERT_EQ(given.pointCount(c), read.pointCount(c));
    for (int j = 1; j <= read.pointCount(c); ++j) {
      EXPECT_EQ(given.pointZ(c, j), read.pointZ(c, j));
      EXPECT_EQ(given.pointY(c, j), read.pointY(c, j));
      EXPECT_EQ(given.pointCode(c, j), read.pointCode(c, j));
    }
  }
}

TEST(WeightValues, AreRefusedWithTheWeightsFilesMessages) {
  struct Row {
    const char* fault;
    std::vector<WeightBlock> blocks;
  };
  const std::vector<Row> rows = {
      {"x2 not beyond x1", {{0, 100, 80, 80}, {50, 50, 1, 1}}},
      {"a negative weight", {{0, 100, 80, -1}}},
      {"far beyond the ship", {{-150, 100, 1, 1}}},
      {"shorter than the grid", {{10, 10.00000001, 1, 1}}},
      {"nothing weighs", {{0, 100, 0, 0}}},
      {"no block", {}},
      {"501 blocks", std::vector<WeightBlock>(501, WeightBlock{0, 100, 1, 1})},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.fault);
    RunDirectory dir;
    std::ostringstream text;
    text.precision(17);
    text << "WEIGHTS\n";
    for (const WeightBlock& b : row.blocks) {
      text << b.x1 << ", " << b.x2 << ", " << b.w1 << ", " << b.w2 << "\n";
    }
    dir.write("Norvika.AGR", text.str());
    const Refusal file =
        refusalOf([&] { readWeightsFile(dir.path() / "Norvika.AGR", "Norvika.AGR", 100.0); });
    const Refusal given = refusalOf([&] { weightsFromValues("", row.blocks, 100.0); });
    EXPECT_EQ(given.message, withoutPlace(file.message));
  }
  const WeightDistribution w = weightsFromValues("T", {{0, 100, 80, 80}, {25, 75, 45, 45}}, 100.0);
  EXPECT_EQ(w.total, 8000.0 + 2250.0);
  EXPECT_EQ(w.centre, 50.0);
  EXPECT_EQ(w.fileName, "AGIRLIK DAGILIMI");
}

}  // namespace
}  // namespace norvika
