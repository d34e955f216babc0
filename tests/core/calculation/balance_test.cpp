#include <gtest/gtest.h>

#include <cmath>

#include "../run/run_files.h"
#include "calculation/displacement_balance.h"
#include "calculation/waterline_profiles.h"
#include "model/task_file.h"
#include "platform/recording_platform.h"
#include "run/heeled_block.h"
#include "run/hull_preparation.h"
#include "run/run_stops.h"

namespace norvika {
namespace {

using testing::boxHullText;
using testing::RunDirectory;
using testing::taskText;

constexpr double kPi = 3.14159265358979;

// A run prepared up to the case: task read, hull read and confirmed.
struct PreparedRun {
  PreparedRun(const std::string& taskText, const std::string& hullText) : platform(dir.path()) {
    dir.write("Norvika.TSK", taskText);
    dir.write("HULL.DAT", hullText);
    task = readTaskFile(dir.path());
    hull = readRunHull(task);
    checkHullGeometry(platform, task, hull);
  }
  RunDirectory dir;
  RecordingPlatform platform;
  TaskParameters task;
  HullModel hull;
};

// The search without its status lines; the number of iterations it made.
Balance balance(const PreparedRun& p, int* iterations = nullptr) {
  return balanceDisplacement(p.task, p.hull, [iterations](const Balance&) {
    if (iterations != nullptr) ++*iterations;
  });
}

// The waterline of case c at the mean draft (m).
WaterlineProfile profileAt(const PreparedRun& p, int c, double meanDraft) {
  const std::optional<WaterlineShape> shape = shapeWaterline(p.task, p.hull, c);
  EXPECT_TRUE(shape.has_value());
  return shape ? waterlineProfile(*shape, meanDraft) : WaterlineProfile{};
}

std::string boxTask(int c, const std::vector<std::string>& values, double density = 1.025) {
  return taskText("HULL.DAT", 100, 20, density, c, values, "0, 0, 0");
}

// A box barge 100 m x 20 m x 20 m floats at T = displacement / (rho L B); each
// section's area is 2 b z(x) for its waterline height z(x). The search finds
// that draft from any start: from below with a step under its 0.0001 m end,
// and from above by more than the 20 % its halving steps can go down.
TEST(Balance, BoxBargeMeetsTheClosedFormDraftInLevelAndSineCasesFromAnyStart) {
  const double rho = 1.025, b = 10.0, length = 100.0, wave = 2.0;
  const double draft = 5.0;
  const double required = rho * length * 2 * b * draft;
  for (int c : {1, 4, 5}) {
    for (const char* start : {"4", "0.0009", "2.5", "7.5", "15"}) {
      SCOPED_TRACE("case " + std::to_string(c) + ", initial draft " + start);
      std::vector<std::string> values = {std::to_string(required), start};
      if (c != 1) values.insert(values.end(), {"2", "1"});
      PreparedRun p(boxTask(c, values), boxHullText(21, length, b, 20));
      const Balance r = balance(p);
      EXPECT_NEAR(r.meanDraft, draft, 2e-4);
      EXPECT_NEAR(r.immersion.displacement, required, 0.5);
      for (int st = 1; st <= 21; ++st) {
        const double x = p.hull.stationX(st);
        const double sign = c == 4 ? -1.0 : (c == 5 ? 1.0 : 0.0);
        const double z = r.meanDraft + sign * wave / 2 * std::cos(6.2831853 * x / length);
        EXPECT_NEAR(r.immersion.waterline.height(st), z, 1e-12) << st;
        EXPECT_NEAR(r.immersion.stationArea(st), 2 * b * z, 1e-9) << st;
      }
    }
  }
}

TEST(Balance, TrimmedBoxBargeIsEvaluatedOnce) {
  PreparedRun p(boxTask(6, {"6", "4"}), boxHullText(21, 100, 10, 10));
  const Balance r = balance(p);
  EXPECT_EQ(r.meanDraft, 0.0);
  EXPECT_NEAR(r.immersion.displacement, 1.025 * 100 * 20 * 5, 1e-6);
  for (int st = 1; st <= 21; ++st) {
    EXPECT_NEAR(r.immersion.stationArea(st), 20 * (4 + 2 * p.hull.stationX(st) / 100), 1e-9);
  }
  // Evaluated once, without status lines.
  int iterations = 0;
  EXPECT_TRUE(balance(p, &iterations).history.empty());
  EXPECT_EQ(iterations, 0);
}

// y = b(x) (2 z/T0 - (z/T0)^2) below T0 with b(x) = 5 (1 - (2x/L - 1)^2): the
// volume to T0 is 4/9 B L T0.
std::string parabolicHull() {
  std::ostringstream s;
  s << "PARABOLIC\n";
  for (int i = 0; i <= 20; ++i) {
    const double x = 5.0 * i, b = 5.0 * (1 - std::pow(2 * x / 100 - 1, 2));
    s << x << "\n";
    for (double z : {0.0, 1.0, 2.0, 3.0, 4.0, 5.0})
      s << z << ", " << b * (2 * z / 6 - z * z / 36) << ", 1\n";
    s << "6, " << b << ", 0\n8, " << b << ", 1\n10, " << b << ", 1\n0, 0, " << (i == 20 ? 9999 : 99)
      << "\n";
  }
  s << "S\n0, 0, 1\n10, 0, 1\n0, 0, 99\nB\n0, 100, 1\n10, 100, 1\n0, 0, 99\n";
  return s.str();
}

TEST(Balance, ParabolicHullDisplacementAndDraft) {
  const double volume = 4.0 / 9.0 * 10 * 100 * 6;
  PreparedRun trimmed(boxTask(6, {"6", "6"}, 1.0), parabolicHull());
  EXPECT_NEAR(balance(trimmed).immersion.displacement, volume, 1e-3);

  PreparedRun level(boxTask(1, {std::to_string(volume * 1.025), "5"}), parabolicHull());
  EXPECT_NEAR(balance(level).meanDraft, 6.0, 2e-4);
}

TEST(WaterlineProfile, WaveOfNoHeightIsTheLevelWaterline) {
  for (int c : {2, 3, 4, 5}) {
    PreparedRun p(boxTask(c, {"1000", "4", "0", "1"}), boxHullText(5, 100, 10, 10));
    const WaterlineProfile profile = profileAt(p, c, 3.5);
    for (int st = 1; st <= 5; ++st) EXPECT_EQ(profile.height(st), 3.5) << c;
  }
}

TEST(WaterlineProfile, TrochoidHasItsTroughOrCrestAtAP) {
  for (int c : {2, 3}) {
    PreparedRun p(boxTask(c, {"1000", "4", "3", "1"}), boxHullText(5, 100, 10, 10));
    const WaterlineProfile profile = profileAt(p, c, 4.0);
    EXPECT_EQ(profile.height(1), c == 2 ? 2.5 : 5.5);
    // Amidships the phase is π: the crest of case 2, the trough of case 3.
    EXPECT_NEAR(profile.height(3), c == 2 ? 5.5 : 2.5, 1e-5);
  }
}

struct StopCase {
  const char* what;
  std::string task;
  std::string hull;
  std::string text;  // the message, or its beginning when `prefix`
  bool prefix;
  const char* title;
};

TEST(Balance, StopsWithItsMessages) {
  const std::string box5 = boxHullText(5, 100, 10, 10);
  std::string deepKeel = boxHullText(5, 100, 10, 10);
  for (std::size_t at = deepKeel.find("\n0, 10, 1"); at != std::string::npos;
       at = deepKeel.find("\n0, 10, 1", at + 1)) {
    deepKeel.replace(at, 9, "\n-1, 10, 1");
  }
  const StopCase cases[] = {
      {"initial displacement too large", boxTask(1, {"1", "0"}), deepKeel,
       "Baslangic deplasmani fazla geldi. Bu deplasmanda hesap mumkun degil - STOP ", false,
       "Uyari mesaji"},
      {"level over the deck", boxTask(1, {"50000", "4"}), box5,
       "  50000.0 ton BASLANGIC DEPLASMANI FAZLA GELDI. DEPLASMAN DEGERINI YENIDEN GIRIN", false,
       "UYARI MESAJI"},
      {"wave over the deck", boxTask(2, {"50000", "4", "4", "1"}), box5,
       " 3. POSTADA DALGA GUVERTEYI ASTI. GUVERTE YUKSEKLIGI =  10.000 m dir. DALGA YUKSEKLIGI ISE "
       "= ",
       true, "UYARI"},
      {"trimmed over the deck", boxTask(6, {"11", "4"}), box5,
       " 5. POSTADA DALGA GUVERTEYI ASTI. GUVERTE YUKSEKLIGI =  10.000 m dir. DALGA YUKSEKLIGI ISE "
       "= 11.0 m "
       "oldu. DALGA YUKSEKLIGINI YENIDEN GIRIN - STOP ",
       false, "UYARI"},
      {"climb too slow for the iteration limit", boxTask(1, {"30750", "0.001"}),
       boxHullText(5, 100, 10, 20),
       "DEPLASMAN DENGESI 100000 ADIMDA SONUCLANMADI. GIRIS DEGERLERINI KONTROL EDIN - STOP ",
       false, "Uyari mesaji"},
      {"a hull too shallow for any step", boxTask(1, {"5", "0.0005"}),
       boxHullText(5, 100, 10, 0.005),
       "DEPLASMAN DENGESI BULUNAMADI: HESAPLANAN DEPLASMAN =       0.0 ton, ISTENEN DEPLASMAN =    "
       "   5.0 "
       "ton. GIRIS DEGERLERINI KONTROL EDIN - STOP ",
       false, "Uyari mesaji"},
      {"trochoid does not converge", boxTask(2, {"5000", "4", "60", "1"}), box5,
       "DALGA TEPESI/CUKURU SARTLARINDA DALGA YUKSEKLIGI =  60.000 m. ICIN YAKINSAMA OLMADI. YENI "
       "BIR "
       "DALGA YUKSEKLIGI GIRIN - STOP",
       false, "DALGA YUKSEKLIGI GIRIS HATASI"},
  };
  for (const auto& c : cases) {
    PreparedRun p(c.task, c.hull);
    try {
      const Balance r = balance(p);
      ASSERT_NE(r.outcome.stop, BalanceStop::None) << c.what << ": no stop";
      stopForBalance(p.platform, p.task, p.hull, r);
    } catch (const ProgramEnd& end) {
      EXPECT_EQ(end.reason(), ExitReason::CalculationStopped) << c.what;
      ASSERT_EQ(p.platform.messages().size(), 1u) << c.what;
      const auto& m = p.platform.messages()[0];
      EXPECT_EQ(m.style, 276) << c.what;
      EXPECT_EQ(m.title, c.title) << c.what;
      if (c.prefix) {
        EXPECT_EQ(m.text.substr(0, c.text.size()), c.text) << c.what;
      } else {
        EXPECT_EQ(m.text, c.text) << c.what;
      }
    }
  }
}

TEST(Balance, DeckStopsOfWavesShowTheShipPosition) {
  PreparedRun p(boxTask(2, {"50000", "4", "4", "1"}), boxHullText(5, 100, 10, 10));
  const Balance r = balance(p);
  EXPECT_EQ(r.outcome.stop, BalanceStop::DeckImmersed);
  EXPECT_EQ(r.outcome.station, 3);  // the crest amidships
  EXPECT_THROW(stopForBalance(p.platform, p.task, p.hull, r), ProgramEnd);
  p.platform.finishAllFrames();
  EXPECT_FALSE(p.platform.finishedFrames(WindowId::ShipPosition).empty());
}

TEST(Balance, ExactDisplacementEndsAtOnce) {
  PreparedRun probe(boxTask(6, {"5", "5"}), boxHullText(3, 100, 10, 10));
  const double exact = balance(probe).immersion.displacement;

  char required[64];
  std::snprintf(required, sizeof required, "%.17g", exact);
  PreparedRun p(boxTask(1, {required, "5"}), boxHullText(3, 100, 10, 10));
  const Balance r = balance(p);
  EXPECT_EQ(r.meanDraft, 5.0);
  EXPECT_EQ(r.draftStep, 0.5);
  ASSERT_EQ(r.history.size(), 1u);
  EXPECT_EQ(r.history[0].displacement, exact);
}

TEST(HeelAngleCheck, SmallestAcceptedAngle) {
  PreparedRun p(boxTask(7, {"5", "5", "0.0009"}), boxHullText(3, 100, 10, 10));
  EXPECT_THROW(runHeeledBlock(p.platform, p.task, p.hull), ProgramEnd);
  ASSERT_EQ(p.platform.messages().size(), 1u);
  EXPECT_EQ(p.platform.messages()[0].text,
            "MEYIL ACISI DEGERI =   0.001 derece COL KUCUK GIRILDI.  MEYIL ACISINI YENIDEN GIRIN - "
            "STOP ");
  p.task.heelAngle = 0.001;
  EXPECT_NO_THROW(runHeeledBlock(p.platform, p.task, p.hull));
}

}  // namespace
}  // namespace norvika
