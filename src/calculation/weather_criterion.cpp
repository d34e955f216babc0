#include "calculation/weather_criterion.h"

#include <array>
#include <cmath>
#include <utility>

#include "numerics/gauss_legendre.h"

namespace norvika {

namespace {

template <std::size_t N>
using FactorTable = std::array<std::pair<double, double>, N>;

// 2008 IS Code, part A, table 2.3.4-1: X1 against B/d.
constexpr FactorTable<11> kX1{{{2.4, 1.00},
                               {2.5, 0.98},
                               {2.6, 0.96},
                               {2.7, 0.95},
                               {2.8, 0.93},
                               {2.9, 0.91},
                               {3.0, 0.90},
                               {3.1, 0.88},
                               {3.2, 0.86},
                               {3.4, 0.82},
                               {3.5, 0.80}}};

// Table 2.3.4-2: X2 against Cb.
constexpr FactorTable<6> kX2{
    {{0.45, 0.75}, {0.50, 0.82}, {0.55, 0.89}, {0.60, 0.95}, {0.65, 0.97}, {0.70, 1.00}}};

// Table 2.3.4-3: k against Ak 100 / (L B), for bilge keels, a bar keel or both.
constexpr FactorTable<8> kBilgeKeelK{{{0.0, 1.00},
                                      {1.0, 0.98},
                                      {1.5, 0.95},
                                      {2.0, 0.88},
                                      {2.5, 0.79},
                                      {3.0, 0.74},
                                      {3.5, 0.72},
                                      {4.0, 0.70}}};

// Table 2.3.4-4: s against the roll period T (s).
constexpr FactorTable<8> kS{{{6.0, 0.100},
                             {7.0, 0.098},
                             {8.0, 0.093},
                             {12.0, 0.065},
                             {14.0, 0.053},
                             {16.0, 0.044},
                             {18.0, 0.038},
                             {20.0, 0.035}}};

// The Code reads its tables between rows linearly (2.3.4) and holds the end
// rows beyond them ("<=", ">=").
template <std::size_t N>
double readTable(const FactorTable<N>& table, double at) {
  if (at <= table.front().first) return table.front().second;
  for (std::size_t i = 1; i < N; ++i) {
    const auto [x1, y1] = table[i];
    if (at <= x1) {
      const auto [x0, y0] = table[i - 1];
      return y0 + (y1 - y0) * (at - x0) / (x1 - x0);
    }
  }
  return table.back().second;
}

}  // namespace

WeatherParticulars weatherParticulars(const RightingLevers& levers,
                                      std::optional<double> floodingAngle) {
  WeatherParticulars ship;
  ship.displacement = levers.condition.displacement;
  ship.waterlineLength = levers.upright.waterlineLength;
  ship.breadth = levers.upright.waterlineBreadth;
  ship.meanDraft = levers.upright.draft;
  ship.blockCoefficient = levers.upright.blockCoefficient;
  ship.kg = levers.fluidKg;
  ship.gm = levers.gm0;
  ship.deckEdgeAngle = levers.deckEdgeAngle.value_or(90.0);
  ship.floodingAngle = floodingAngle;
  return ship;
}

RollAngle rollAngle(const WeatherInput& wind, const WeatherParticulars& ship) {
  // 2008 IS Code, part A, 2.3.4.
  RollAngle roll;
  const double b = ship.breadth, d = ship.meanDraft;
  roll.breadthDraftRatio = b / d;
  roll.x1 = readTable(kX1, roll.breadthDraftRatio);
  roll.x2 = readTable(kX2, ship.blockCoefficient);
  roll.bilgeKeelRatio = wind.bilgeKeelArea * 100.0 / (ship.waterlineLength * b);
  roll.k = wind.sharpBilges ? kSharpBilgeFactor : readTable(kBilgeKeelK, roll.bilgeKeelRatio);
  roll.og = ship.kg - d;
  roll.r = 0.73 + 0.6 * roll.og / d;
  roll.c = 0.373 + 0.023 * (b / d) - 0.043 * (ship.waterlineLength / 100.0);
  roll.rollPeriod = 2.0 * roll.c * b / std::sqrt(ship.gm);
  roll.s = readTable(kS, roll.rollPeriod);
  // r falls below zero only with G far under the keel; no roll then.
  roll.angle = 109.0 * roll.k * roll.x1 * roll.x2 * std::sqrt(std::fmax(0.0, roll.r * roll.s));
  return roll;
}

WeatherCriterion checkWeatherCriterion(const GzCurve& curve, const WeatherInput& wind,
                                       const WeatherParticulars& ship) {
  WeatherCriterion w;
  // 2.3.2: the wind's levers.
  w.steadyLever = wind.windPressure * wind.windArea * wind.windLever /
                  (1000.0 * kWeatherGravity * ship.displacement);
  w.gustLever = kWeatherGustFactor * w.steadyLever;
  const double steadyLimit =
      std::fmin(kWeatherMaxSteadyHeel, kWeatherDeckEdgeShare * ship.deckEdgeAngle);
  w.steadyHeelCheck = {
      IntactCriterion::WeatherSteadyHeel, steadyLimit, 0.0, 0.0, 0.0, false, false};
  w.areasCheck = {IntactCriterion::WeatherAreas, 0.0, 0.0, 0.0, 0.0, false, false};
  if (!(ship.gm > 0.0 && ship.meanDraft > 0.0)) return w;
  w.roll = rollAngle(wind, ship);

  const double end = curve.lastHeel();
  // A lever the curve never reaches before its greatest is a capsize, and
  // decided; one beyond a curve that ends still rising is not.
  const bool peakInside = gzMaximum(curve, 0.0, end).heel < end;
  w.steadyHeel = w.steadyLever > 0.0 ? gzCrossing(curve, w.steadyLever, 0.0, end, false) : 0.0;
  if (!w.steadyHeel) {
    w.steadyHeelCheck.determined = w.areasCheck.determined = peakInside;
    return w;
  }
  w.steadyHeelCheck.attained = *w.steadyHeel;
  w.steadyHeelCheck.determined = true;
  w.steadyHeelCheck.passes = *w.steadyHeel <= steadyLimit;

  // 2.3.1: theta2, the least of 50 degrees, the flooding angle and thetac.
  w.gustHeel = w.gustLever > 0.0 ? gzCrossing(curve, w.gustLever, 0.0, end, false) : 0.0;
  if (w.gustHeel) w.secondGustHeel = gzCrossing(curve, w.gustLever, *w.gustHeel, end, true);
  w.upperHeel = std::fmin(kWeatherMaxUpperHeel, ship.floodingAngle.value_or(kWeatherMaxUpperHeel));
  if (w.secondGustHeel) w.upperHeel = std::fmin(w.upperHeel, *w.secondGustHeel);
  const double windward = *w.steadyHeel - w.roll.angle;
  if (!w.gustHeel) {
    w.areasCheck.determined = peakInside;
    return w;
  }
  if (std::fmax(w.upperHeel, -windward) > end) return w;

  w.areaA = w.gustLever * (*w.gustHeel - windward) * kDegree - gzArea(curve, windward, *w.gustHeel);
  if (w.upperHeel > *w.gustHeel) {
    w.areaB = gzArea(curve, *w.gustHeel, w.upperHeel) -
              w.gustLever * (w.upperHeel - *w.gustHeel) * kDegree;
  }
  w.areasCheck = {IntactCriterion::WeatherAreas,
                  w.areaA,
                  w.areaB,
                  windward,
                  w.upperHeel,
                  true,
                  w.areaB >= w.areaA};
  return w;
}

}  // namespace norvika
