#include "platform/colour.h"

#include <array>

namespace norvika {

Colour qbColor(int index) {
  static constexpr std::array<Colour, 16> palette = {
      rgbColour(0, 0, 0),      rgbColour(0, 0, 128),     rgbColour(0, 128, 0),
      rgbColour(0, 128, 128),  rgbColour(128, 0, 0),     rgbColour(128, 0, 128),
      rgbColour(128, 128, 0),  rgbColour(192, 192, 192), rgbColour(128, 128, 128),
      rgbColour(0, 0, 255),    rgbColour(0, 255, 0),     rgbColour(0, 255, 255),
      rgbColour(255, 0, 0),    rgbColour(255, 0, 255),   rgbColour(255, 255, 0),
      rgbColour(255, 255, 255)};
  return palette[static_cast<std::size_t>(index & 15)];
}

}  // namespace norvika
