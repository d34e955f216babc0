#include <algorithm>

#include "plots/annotation.h"
#include "plots/check_plots.h"
#include "plots/drawing_texts.h"

namespace norvika {

double lowestHullPoint(const HullModel& hull) {
  double lowest = 0.0;
  for (int i = 1; i <= hull.stationCount; ++i) lowest = std::min(lowest, hull.keelHeight(i));
  for (const int c : {hull.sternCurve(), hull.bowCurve()}) {
    if (hull.pointCount(c) >= 1) lowest = std::min(lowest, hull.pointZ(c, 1));
  }
  return lowest;
}

void drawCheckScales(Window& window, const HullModel& hull, double B, double D,
                     const CheckAcross& across) {
  const double lowest = lowestHullPoint(hull);
  startAnnotation(window);
  const TextMeasure measure = textMeasure(window);

  const double scaleAt = std::min(-B, across.leftmost) - 0.05 * B;
  drawHeightScale(window, roundAxis(lowest, D, 5), scaleAt, lowest, 1.1 * D,
                  texts::checks::kHeight);

  // Under the legacy line below the base line, or under the hull where it reaches lower.
  const double at = std::min(-0.1 * D, lowest - 0.03 * D);
  if (at < -0.1 * D) {
    window.line(across.from + across.shift, at, across.to + across.shift, at, kAnnotationInk);
  }
  drawAlongScale(window, across.from, across.to, across.shift, at, across.unit, -2.7 * B);

  // The perpendicular's name over its place, in the band between the box and the border.
  if (across.end != nullptr) {
    constexpr double kEndPoints = 6.0;
    annotate(window, across.endAt + across.shift - measure.width(across.end, kEndPoints) / 2.0,
             1.15 * D + measure.height(kEndPoints) / 2.0, across.end, kEndPoints);
  }
}

}  // namespace norvika
