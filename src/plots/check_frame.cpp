#include "platform/colour.h"
#include "plots/check_plots.h"
#include "plots/curve_sampling.h"
#include "plots/picture_start.h"
#include "words/catalogue.h"

namespace norvika {

bool answeredYes(const std::string& answer) {
  // The yes of the run's language, in either case; the Turkish "E" is always understood, so a
  // file of answers serves a run in any language.
  const auto isYes = [&](std::string_view yes) {
    return answer.size() == 1 && yes.size() == 1 &&
           (answer[0] == yes[0] || answer[0] == yes[0] - 'A' + 'a');
  };
  return isYes("E") || isYes(text(Text::AnswerYes));
}

void drawFrameLines(Window& window, double B, double D, Colour colour) {
  // Outer border.
  window.line(-2.75 * B, -1.2 * D, 1.75 * B, -1.2 * D, colour);
  window.line(1.75 * B, -1.2 * D, 1.75 * B, 1.2 * D, colour);
  window.line(1.75 * B, 1.2 * D, -2.75 * B, 1.2 * D, colour);
  window.line(-2.75 * B, 1.2 * D, -2.75 * B, -1.2 * D, colour);
  // Box of the full breadth, base line first.
  window.line(-B, 0, B, 0, colour);
  window.line(B, 0, B, 1.1 * D, colour);
  window.line(B, 1.1 * D, -B, 1.1 * D, colour);
  window.line(-B, 1.1 * D, -B, 0, colour);
  // Centre line, and the line across the border just under the base line.
  window.line(0, 0, 0, 1.1 * D, colour);
  window.line(-2.75 * B, -0.1 * D, 1.75 * B, -0.1 * D, colour);
}

void drawCheckFrame(Window& window, double B, double D) {
  B = drawableExtent(B);
  D = drawableExtent(D);

  startPicture(window, 14, 2);
  // Centre line at three fifths of the width, base line at mid-height.
  window.scale(-3 * B, 1.25 * D, 2 * B, -1.25 * D);

  drawFrameLines(window, B, D, qbColor(9));
  window.drawWidth(1);
}

}  // namespace norvika
