// The criteria of the 2008 Intact Stability Code on constructed GZ curves,
// GZ = A sin(90 heel / peak) (the greatest lever A at the heel `peak`), whose
// areas have the closed form A (2 peak / pi) (1 - cos(90 heel / peak)): each
// criterion a little under and a little over its limit. The values attained
// were worked out by hand from the closed forms.

#include "calculation/intact_criteria.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "calculation/weather_criterion.h"

namespace norvika {
namespace {

// The sine curve sampled every degree from 0 to 90.
GzCurve sineCurve(double a, double peak) {
  std::vector<double> heels, levers;
  for (int heel = 0; heel <= 90; ++heel) {
    heels.push_back(heel);
    levers.push_back(a * std::sin(3.14159265358979323846 / 2.0 * heel / peak));
  }
  return fitGzCurve(std::move(heels), std::move(levers));
}

TEST(IntactCriteria, GeneralCriteriaEitherSideOfTheirLimits) {
  struct Case {
    const char* name;
    double a, peak, gm0;
    std::optional<double> flooding;
    IntactCriterion criterion;
    double required, attained;
    bool passes;
  };
  using C = IntactCriterion;
  const Case cases[] = {
      {"area to 30 short", 0.216, 45, 1, {}, C::Area0To30, 0.055, 0.054, false},
      {"area to 30 enough", 0.224, 45, 1, {}, C::Area0To30, 0.055, 0.056, true},
      {"area to 40 short", 0.213, 45, 1, {}, C::Area0To40, 0.090, 0.0880064691, false},
      {"area to 40 enough", 0.2228, 45, 1, {}, C::Area0To40, 0.090, 0.0920555930, true},
      {"area to flooding at 35 short", 0.27, 45, 1, 35.0, C::Area0To40, 0.090, 0.0888272807, false},
      {"area to flooding at 35 enough", 0.28, 45, 1, 35.0, C::Area0To40, 0.090, 0.0921171799, true},
      {"area 30 to 40 short", 0.18, 45, 1, {}, C::Area30To40, 0.030, 0.0293716640, false},
      {"area 30 to 40 enough", 0.19, 45, 1, {}, C::Area30To40, 0.030, 0.0310034231, true},
      {"area 30 to flooding short", 0.37, 45, 1, 35.0, C::Area30To40, 0.030, 0.0292262735, false},
      {"area 30 to flooding enough", 0.39, 45, 1, 35.0, C::Area30To40, 0.030, 0.0308060721, true},
      // The greatest lever, at 20 degrees, is over 0.20 m in both: what counts
      // is the lever at 30 degrees or more, A sin(135).
      {"lever at 30 short", 0.27, 20, 1, {}, C::LeverAt30OrMore, 0.20, 0.1909188309, false},
      {"lever at 30 enough", 0.30, 20, 1, {}, C::LeverAt30OrMore, 0.20, 0.2121320344, true},
      {"greatest lever too early", 1, 24, 1, {}, C::AngleOfMaxLever, 25, 24, false},
      {"greatest lever late enough", 1, 26, 1, {}, C::AngleOfMaxLever, 25, 26, true},
      {"GM0 short", 1, 45, 0.14, {}, C::InitialGm, 0.15, 0.14, false},
      {"GM0 enough", 1, 45, 0.16, {}, C::InitialGm, 0.15, 0.16, true},
  };
  for (const Case& c : cases) {
    const std::vector<CriterionCheck> checks =
        checkGeneralCriteria(sineCurve(c.a, c.peak), c.gm0, c.flooding);
    ASSERT_EQ(checks.size(), 6u);
    const CriterionCheck& check = checks[static_cast<std::size_t>(c.criterion)];
    EXPECT_EQ(check.criterion, c.criterion) << c.name;
    EXPECT_TRUE(check.determined) << c.name;
    EXPECT_EQ(check.required, c.required) << c.name;
    EXPECT_NEAR(check.attained, c.attained, 1e-6) << c.name;
    EXPECT_EQ(check.passes, c.passes) << c.name;
  }
}

// A curve that ends at 35 degrees leaves the areas to 40 undecided.
TEST(IntactCriteria, AreasBeyondTheCurveAreNotDecided) {
  const GzCurve curve = fitGzCurve({0, 10, 20, 30, 35}, {0, 0.2, 0.4, 0.5, 0.55});
  const std::vector<CriterionCheck> checks = checkGeneralCriteria(curve, 1.0, std::nullopt);
  EXPECT_TRUE(checks[0].determined);
  EXPECT_FALSE(checks[1].determined);
  EXPECT_FALSE(checks[1].passes);
  EXPECT_FALSE(checks[2].determined);
}

// A ship of 10 000 t, Lwl 100 m, B 20 m, d 6.25 m, Cb 0.575, bilge keels of
// 25 m2, KG 7.5 m, GM 1.0 m: B/d 3.2 gives X1 0.86, Cb X2 0.92, Ak 100/(L B)
// 1.25 k 0.965, OG 1.25 m r 0.85, C 0.4036 and T 16.144 s, s 0.043568, so
// theta1 = 109 k X1 X2 sqrt(r s) = 16.0152368 degrees. 504 Pa on 2000 m2 at
// 10 m give lw1 0.1027523 m.
WeatherParticulars roundBilgedShip(double deckEdgeAngle, std::optional<double> flooding) {
  return {10000.0, 100.0, 20.0, 6.25, 0.575, 7.5, 1.0, deckEdgeAngle, flooding};
}

WeatherInput beamWind() {
  WeatherInput wind;
  wind.windArea = 2000.0;
  wind.windLever = 10.0;
  wind.bilgeKeelArea = 25.0;
  return wind;
}

TEST(WeatherCriterion, RollAngleReadsTheCodesTables) {
  struct Case {
    const char* name;
    WeatherParticulars ship;
    WeatherInput wind;
    double x1, x2, k, r, period, s, angle;
  };
  WeatherInput sharp;
  sharp.sharpBilges = true;
  const Case cases[] = {
      {"between rows", roundBilgedShip(30, {}), beamWind(), 0.86, 0.92, 0.965, 0.85, 16.144,
       0.043568, 16.0152368088},
      // B/d 2 and Cb 0.8 beyond the tables' ends, G under the waterline
      // (r 0.63), T 4.6152 s short of the table: theta1 = 76.3 sqrt(0.063).
      {"beyond the tables, sharp bilges",
       {8000, 80, 12, 6, 0.8, 5, 4, 30, {}},
       sharp,
       1.0,
       1.0,
       0.7,
       0.63,
       4.6152,
       0.1,
       19.1511480074},
  };
  for (const Case& c : cases) {
    const RollAngle roll = rollAngle(c.wind, c.ship);
    EXPECT_NEAR(roll.x1, c.x1, 1e-12) << c.name;
    EXPECT_NEAR(roll.x2, c.x2, 1e-12) << c.name;
    EXPECT_NEAR(roll.k, c.k, 1e-12) << c.name;
    EXPECT_NEAR(roll.r, c.r, 1e-12) << c.name;
    EXPECT_NEAR(roll.rollPeriod, c.period, 1e-9) << c.name;
    EXPECT_NEAR(roll.s, c.s, 1e-12) << c.name;
    EXPECT_NEAR(roll.angle, c.angle, 1e-8) << c.name;
  }
}

// Areas a and b of the sine curves: theta0 and the gust's first intercept are
// asin(lw / A) (180 / pi) (peak / 90), thetac its second intercept.
TEST(WeatherCriterion, AreasAndSteadyHeelEitherSideOfTheirLimits) {
  struct Case {
    const char* name;
    double a, peak, deckEdgeAngle;
    std::optional<double> flooding;
    double steadyHeel, upperHeel, areaA, areaB;
    bool steadyPasses, areasPass;
  };
  const Case cases[] = {
      {"area b short, deck edge near",
       0.24,
       45,
       15,
       {},
       12.674616,
       50,
       0.03552771,
       0.03206168,
       false,
       false},
      {"area b enough, deck edge near",
       0.26,
       45,
       15,
       {},
       11.639259,
       50,
       0.03688038,
       0.04166694,
       true,
       true},
      {"second intercept ends b, short",
       0.25,
       30,
       30,
       {},
       8.089415,
       47.312668,
       0.04480254,
       0.03808018,
       true,
       false},
      {"second intercept ends b, enough",
       0.28,
       30,
       30,
       {},
       7.176341,
       48.867171,
       0.04813033,
       0.05433376,
       true,
       true},
      {"flooding at 20 ends b", 0.30, 45, 30, 20.0, 10.014864, 20, 0.03969056, 0.00156335, true,
       false},
      {"steady heel within 16 degrees",
       0.20,
       45,
       30,
       {},
       15.457353,
       50,
       0.03305132,
       0.01439401,
       true,
       false},
      {"steady heel over 16 degrees",
       0.19,
       45,
       30,
       {},
       16.36911,
       50,
       0.03252661,
       0.01046544,
       false,
       false},
      {"steady heel over 0.8 of the deck edge",
       0.20,
       45,
       18,
       {},
       15.457353,
       50,
       0.03305132,
       0.01439401,
       false,
       false},
  };
  for (const Case& c : cases) {
    const WeatherCriterion w = checkWeatherCriterion(sineCurve(c.a, c.peak), beamWind(),
                                                     roundBilgedShip(c.deckEdgeAngle, c.flooding));
    EXPECT_NEAR(w.steadyLever, 0.1027522936, 1e-9) << c.name;
    EXPECT_NEAR(w.gustLever, 1.5 * w.steadyLever, 1e-15) << c.name;
    ASSERT_TRUE(w.steadyHeel.has_value()) << c.name;
    EXPECT_NEAR(*w.steadyHeel, c.steadyHeel, 1e-5) << c.name;
    EXPECT_NEAR(w.upperHeel, c.upperHeel, 1e-5) << c.name;
    EXPECT_NEAR(w.areaA, c.areaA, 1e-7) << c.name;
    EXPECT_NEAR(w.areaB, c.areaB, 1e-7) << c.name;
    EXPECT_EQ(w.steadyHeelCheck.required, std::fmin(16.0, 0.8 * c.deckEdgeAngle)) << c.name;
    EXPECT_EQ(w.steadyHeelCheck.passes, c.steadyPasses) << c.name;
    EXPECT_EQ(w.areasCheck.required, w.areaA) << c.name;
    EXPECT_EQ(w.areasCheck.attained, w.areaB) << c.name;
    EXPECT_EQ(w.areasCheck.passes, c.areasPass) << c.name;
  }
}

// A curve whose greatest lever stays under the steady wind's capsizes: both
// checks decided and failed.
TEST(WeatherCriterion, ALeverNeverReachedFails) {
  const WeatherCriterion w =
      checkWeatherCriterion(sineCurve(0.09, 45), beamWind(), roundBilgedShip(30, {}));
  EXPECT_FALSE(w.steadyHeel.has_value());
  EXPECT_TRUE(w.steadyHeelCheck.determined);
  EXPECT_FALSE(w.steadyHeelCheck.passes);
  EXPECT_TRUE(w.areasCheck.determined);
  EXPECT_FALSE(w.areasCheck.passes);
}

}  // namespace
}  // namespace norvika
