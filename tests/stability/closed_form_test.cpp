// The box barge example (100 x 20 x 10 m) through norvika-stability's run: at
// half its depth it is wall sided until its deck edge immerses (and its bilge
// emerges), at arctan((D - T) / (B/2)); its righting lever there is
// GZ = sin(phi) (GM + BM/2 tan^2(phi)), with BM = B^2 / (12 T) and KB = T/2.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <iomanip>
#include <map>
#include <sstream>
#include <string>

#include "platform/quiet_platform.h"
#include "run/stability_run.h"
#include "run_files.h"

namespace norvika {
namespace {

namespace fs = std::filesystem;

constexpr double kPi = 3.14159265358979323846;

// GZ.TXT's levers by heel.
std::map<double, double> leversOf(const std::string& table) {
  std::istringstream in(table);
  std::string header;
  std::getline(in, header);
  std::map<double, double> levers;
  double heel = 0.0, kn = 0.0, gz = 0.0;
  while (in >> heel >> kn >> gz) levers[heel] = gz;
  return levers;
}

TEST(StabilityClosedForm, BoxBargeLeversAreTheWallSidedFormulaBelowTheDeckEdge) {
  const double B = 20.0, D = 10.0, T = 5.0;
  for (const double kg : {5.0, 8.0}) {
    SCOPED_TRACE("KG " + std::to_string(kg));
    testing::RunDirectory run;
    for (const char* name : {"KUTU.DAT", "Norvika.TSK"}) {
      fs::copy_file(fs::path(NORVIKA_SOURCE_DIR) / "examples/box-barge/hydrostatics" / name,
                    run.path() / name);
    }
    StabilitySettings settings;
    settings.condition.emplace();
    settings.condition->displacement = {{T}, true};
    settings.condition->kg = kg;
    QuietPlatform platform(run.path());
    const StabilityRun result = runStability(platform, settings);
    ASSERT_EQ(result.reason, ExitReason::Completed) << result.message;

    const double bm = B * B / (12.0 * T);
    const double gm = T / 2.0 + bm - kg;
    const double deckEdge = std::atan((D - T) / (B / 2.0)) * 180.0 / kPi;
    const std::map<double, double> levers = leversOf(run.read("GZ.TXT"));
    int checked = 0;
    for (const auto& [heel, gz] : levers) {
      if (heel == 0.0 || heel >= deckEdge) continue;
      const double phi = heel * kPi / 180.0;
      const double expected = std::sin(phi) * (gm + bm / 2.0 * std::pow(std::tan(phi), 2));
      // GZ.TXT keeps four decimals: 0.1 % or half its last digit.
      EXPECT_NEAR(gz, expected, std::fmax(1e-3 * std::fabs(expected), 5e-5)) << heel;
      ++checked;
    }
    EXPECT_GE(checked, 5);
    const std::string report = run.read("STABILITE.SON");
    std::ostringstream line;
    line << " GUVERTE KENARI SUYA GIRER     = " << std::fixed;
    line.precision(2);
    line << std::setw(7) << deckEdge << " derece";
    EXPECT_NE(report.find(line.str()), std::string::npos) << line.str();
  }
}

}  // namespace
}  // namespace norvika
