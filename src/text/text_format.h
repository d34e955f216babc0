#pragma once

#include <string>

namespace norvika {

/// value with d decimals (half away from zero), padded in front so that the
/// point stands in column w + 1; a wider integer part is written whole.
std::string formatFixed(double value, int w, int d);

/// value with d decimals (half away from zero, as formatFixed), without the
/// blanks formatFixed pads it with: for labels and whitespace-separated tables.
std::string formatPlain(double value, int d);

/// Integer part of value (truncated toward zero), padded in front to width w.
std::string padInteger(double value, int w);

/// Plain number-to-text: a blank before a non-negative number, "-" before a
/// negative one, no trailing zeros (" 21", "-3.5").
std::string numberText(double value);

}  // namespace norvika
