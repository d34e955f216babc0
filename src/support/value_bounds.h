#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace norvika {

/// What a value given on a command line or as a Python keyword must be: the
/// one place its range and its wording live, so that every program and the
/// module refuse the same value in the same words.
struct ValueBounds {
  std::string_view what;  // "a water density"
  std::string_view unit;  // "t/m3"; empty for a count
  double lowest;
  double highest;
  bool whole = false;     // a whole number
  std::string_view hint;  // "1.025 for sea water"; may be empty
};

/// Water density, t/m3: sea water 1.025, fresh water 1.000; 1025 (kg/m3 typed
/// by mistake) and 0.001025 are refused. The task file keeps its own check.
inline constexpr ValueBounds kWaterDensityBounds{"a water density",    "t/m3", 0.5, 2.0, false,
                                                 "1.025 for sea water"};
/// A draft, m above the base line: positive and, to be told from zero in the
/// reports' three decimals, at least a millimetre.
inline constexpr ValueBounds kDraftBounds{
    "a draft, the waterline's height above the base line", "m", 0.001, 1e6, false, ""};
/// Trim Tf - Ta, m, positive by the head.
inline constexpr ValueBounds kTrimBounds{"the trim Tf - Ta", "metres", -1e6, 1e6, false, ""};
/// Crest positions of a sweep along the ship.
inline constexpr ValueBounds kSweepPositionsBounds{
    "the number of crest positions", "", 2, 1000, true, ""};

/// The cutter's stations and the heights of each, within what a hull file holds.
inline constexpr ValueBounds kStationCountBounds{"a station count", "", 2, 100, true, ""};
inline constexpr ValueBounds kPointCountBounds{"a point count", "", 2, 249, true, ""};
/// A place along, across or up a model at ship scale, m.
inline constexpr ValueBounds kPlaceBounds{"a position", "m", -1e6, 1e6, false, ""};
/// Model units to metres: a model drawn in micrometres to one drawn in
/// thousands of kilometres.
inline constexpr ValueBounds kModelScaleBounds{
    "a scale factor, model units to metres", "", 1e-6, 1e6, false, ""};
/// A section's corner sharper than this, in degrees, is a knuckle.
inline constexpr ValueBounds kKnuckleBounds{"an angle", "degrees", 0.01, 179.99, false, ""};
/// The facets' chord error, m; the model's size bounds it further.
inline constexpr ValueBounds kDeflectionBounds{
    "a chord error of the facets", "m", 1e-9, 1e6, false, ""};
/// How closely a written station curve keeps to the cut, m.
inline constexpr ValueBounds kCurveToleranceBounds{"a curve tolerance", "m", 1e-5, 1.0, false, ""};

/// A displacement, t: positive; the hull decides how much it can hold.
inline constexpr ValueBounds kDisplacementBounds{"a displacement", "t", 0.001, 1e6, false, ""};
/// A heel angle, degrees, starboard side under: from upright to upside down.
inline constexpr ValueBounds kHeelBounds{"a heel angle", "degrees", 0, 180, false, ""};
/// The flooding angle, degrees: the first opening reaches the water past upright.
inline constexpr ValueBounds kFloodingAngleBounds{
    "a flooding angle", "degrees", 0.001, 180, false, ""};
/// A position along the ship, m from AP (an LCG).
inline constexpr ValueBounds kPositionBounds{
    "a position along the ship from AP", "metres", -1e6, 1e6, false, ""};
/// KG, m above the base line; the hull's deck bounds it in the run.
inline constexpr ValueBounds kKgBounds{
    "a height of the centre of gravity above the base line", "m", 0.001, 1e6, false, ""};
/// A free-surface moment, t m: the tanks' moments of inertia times their densities.
inline constexpr ValueBounds kFreeSurfaceMomentBounds{
    "a free-surface moment", "t.m", 0, 1e6, false, ""};
/// The lateral windage area above the waterline, m2.
inline constexpr ValueBounds kWindAreaBounds{"a windage area", "m2", 0.001, 1e6, false, ""};
/// The wind's lever: from the windage area's centre to the underwater lateral area's, m.
inline constexpr ValueBounds kWindLeverBounds{"a wind heeling lever", "m", 0.001, 1e6, false, ""};
/// The bilge keels' (and bar keel's) area, m2.
inline constexpr ValueBounds kBilgeKeelAreaBounds{"a bilge keel area", "m2", 0, 1e6, false, ""};

/// "0.5 to 2": the range as the help texts give it.
std::string rangeText(const ValueBounds& bounds);
/// The classification rule's length L, m: the rule applies from 90 to 500 m
/// (outside, the report says so); 1 mm to 10 km keeps out a typing slip.
inline constexpr ValueBounds kRuleLengthBounds{
    "the rule length L", "m", 0.001, 1e4, false, "the rule applies from 90 to 500 m"};

/// "a water density from 0.5 to 2 t/m3 (1.025 for sea water)".
std::string expectedValue(const ValueBounds& bounds);

/// The number a value's text holds: a plain decimal number (an optional
/// sign, digits, a point, an exponent), never through the process locale;
/// none for anything else (blanks, "nan", "inf", a decimal comma, hex).
std::optional<double> parseDecimal(std::string_view text);

/// Why `text` cannot be the value ("expected a water density from 0.5 to 2
/// t/m3 (1.025 for sea water), got '1025'"); none when it can, its number
/// then in `value`.
std::optional<std::string> boundsProblem(const ValueBounds& bounds, std::string_view text,
                                         double& value);

/// The same for a number given as such (a Python keyword): "..., got 1025".
std::optional<std::string> boundsProblem(const ValueBounds& bounds, double value);

}  // namespace norvika
