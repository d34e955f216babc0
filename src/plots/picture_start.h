#pragma once

#include "platform/colour.h"
#include "platform/window.h"

namespace norvika {

/// Shows and clears a window and sets the style every picture of the program
/// starts with: Arial, the given size, blue text and the given pen width.
inline void startPicture(Window& window, double fontSize, int drawWidth) {
  window.show();
  window.cls();
  window.fontName("Arial");
  window.fontSize(fontSize);
  window.foreColor(qbColor(1));
  window.drawWidth(drawWidth);
}

}  // namespace norvika
