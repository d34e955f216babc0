#pragma once

#include <optional>

#include "calculation/intact_criteria.h"
#include "calculation/righting_levers.h"

namespace norvika {

/// The severe wind and rolling criterion's constants (2008 IS Code, part A,
/// paragraphs 2.3.1, 2.3.2 and 2.3.4).
inline constexpr double kWeatherWindPressure = 504.0;  // P, Pa (2.3.2)
inline constexpr double kWeatherGravity = 9.81;        // g, m/s2 (2.3.2)
inline constexpr double kWeatherGustFactor = 1.5;      // lw2 = 1.5 lw1 (2.3.2)
inline constexpr double kWeatherMaxSteadyHeel = 16.0;  // degrees (2.3.1.2)
inline constexpr double kWeatherDeckEdgeShare = 0.8;   // of the deck-edge angle (2.3.1.2)
inline constexpr double kWeatherMaxUpperHeel = 50.0;   // theta2 at most, degrees (2.3.1)
inline constexpr double kSharpBilgeFactor = 0.7;       // k (2.3.4)

/// What the criterion needs beyond the GZ curve: the wind on the ship.
struct WeatherInput {
  double windArea = 0.0;   // A, m2: lateral projection above the waterline
  double windLever = 0.0;  // Z, m: from the centre of A to that of the underwater lateral area
  double windPressure = kWeatherWindPressure;  // P, Pa
  double bilgeKeelArea = 0.0;                  // Ak, m2: bilge keels, bar keel or both
  bool sharpBilges = false;
};

/// The ship at the condition as the criterion reads it.
struct WeatherParticulars {
  double displacement = 0.0;            // t
  double waterlineLength = 0.0;         // Lwl, m
  double breadth = 0.0;                 // B, m
  double meanDraft = 0.0;               // d, m
  double blockCoefficient = 0.0;        // Cb
  double kg = 0.0;                      // m, raised by the free surface
  double gm = 0.0;                      // m, corrected for the free surface
  double deckEdgeAngle = 90.0;          // degrees
  std::optional<double> floodingAngle;  // degrees
};

/// The particulars of a condition: Lwl, B (of the waterplane), d (at L/2) and
/// Cb from its upright curves of form, its fluid KG and GM0, its deck-edge
/// angle (90 degrees when the curve meets none).
WeatherParticulars weatherParticulars(const RightingLevers& levers,
                                      std::optional<double> floodingAngle);

/// The roll angle's factors (2.3.4) and the angle.
struct RollAngle {
  double breadthDraftRatio = 0.0;  // B/d
  double x1 = 0.0;                 // table 2.3.4-1
  double x2 = 0.0;                 // table 2.3.4-2
  double bilgeKeelRatio = 0.0;     // Ak 100 / (Lwl B)
  double k = 0.0;                  // 1 round bilge, 0.7 sharp, else table 2.3.4-3
  double og = 0.0;                 // KG - d, m
  double r = 0.0;                  // 0.73 + 0.6 OG/d
  double c = 0.0;                  // 0.373 + 0.023 B/d - 0.043 Lwl/100
  double rollPeriod = 0.0;         // T = 2 C B / sqrt(GM), s
  double s = 0.0;                  // table 2.3.4-4
  double angle = 0.0;              // theta1 = 109 k X1 X2 sqrt(r s), degrees
};

/// The roll angle of 2.3.4; the tables read between their rows linearly and
/// held at their ends. Needs GM > 0 and d > 0.
RollAngle rollAngle(const WeatherInput& wind, const WeatherParticulars& ship);

/// The criterion worked on a GZ curve (corrected for free surfaces). Angles in
/// degrees, levers in m, areas in m rad.
struct WeatherCriterion {
  double steadyLever = 0.0;  // lw1 = P A Z / (1000 g displacement)
  double gustLever = 0.0;    // lw2 = 1.5 lw1
  RollAngle roll;
  std::optional<double> steadyHeel;      // theta0: the first heel where GZ reaches lw1
  std::optional<double> gustHeel;        // where GZ first reaches lw2
  std::optional<double> secondGustHeel;  // thetac: where GZ falls back to lw2
  double upperHeel = 0.0;                // theta2: the least of 50, the flooding angle, thetac
  double areaA = 0.0;                    // between lw2 and GZ from theta0 - theta1 to the gust heel
  double areaB = 0.0;                    // between GZ and lw2 from the gust heel to theta2
  CriterionCheck steadyHeelCheck;  // theta0 at most the lesser of 16 and 0.8 of the deck-edge angle
  CriterionCheck areasCheck;       // area b (attained) at least area a (required)
};

/// The severe wind and rolling criterion (2.3).
WeatherCriterion checkWeatherCriterion(const GzCurve& curve, const WeatherInput& wind,
                                       const WeatherParticulars& ship);

}  // namespace norvika
