#pragma once

#include <cstdint>

namespace norvika {

/// A colour as the drawings give it: a plain RGB number with red in the low
/// byte, green in the middle byte and blue in the high byte.
using Colour = std::uint32_t;

/// The colour of red, green and blue intensities 0..255.
constexpr Colour rgbColour(int r, int g, int b) {
  return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

/// The colour of a 16-colour palette index (0 black .. 15 white).
Colour qbColor(int index);

inline int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
inline int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace norvika
