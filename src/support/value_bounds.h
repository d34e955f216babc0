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

/// The height of the centre of gravity KG above the base line, m.
inline constexpr ValueBounds kKgBounds{
    "the centre of gravity's height KG above the base line", "m", 0.0, 1e6, false, ""};

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
