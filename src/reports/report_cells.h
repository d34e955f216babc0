#pragma once

#include <cstddef>
#include <string>

namespace norvika {

/// The text right-aligned in `width` characters; a wider text is kept whole.
std::string cell(const std::string& text, std::size_t width);

/// A force in tonnes and in kilonewtons: "   810.0 t    =    7946.2 kN".
std::string forceText(double tonnes);

/// A moment in tonne-metres and in kilonewton-metres.
std::string momentText(double tonneMetres);

/// Where a value stands: "   x =   36.300 m. AP 'den".
std::string atText(double x);

/// A ratio to a rule value, three decimals, or "-" where there is none.
std::string ratioText(bool hasRatio, double ratio, std::size_t width);

}  // namespace norvika
