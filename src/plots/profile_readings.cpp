#include "plots/profile_readings.h"

#include <string>
#include <vector>

#include "plots/annotation.h"
#include "plots/check_plots.h"
#include "plots/drawing_texts.h"
#include "plots/station_numbers.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

void drawProfileReadings(Window& window, const HullModel& hull, double L, double D,
                         const Table<double>& waterlineHeight, bool onWave, double scaleAt,
                         double left, double top, bool stacked) {
  namespace t = texts::profile;
  const double lowest = lowestHullPoint(hull);
  drawHeightScale(window, roundAxis(lowest, D, 5), scaleAt, lowest, D, t::kHeight);

  const int n = hull.stationCount;
  std::vector<std::string> lines = {onWave ? std::string(text(Text::DrawingWaveHeight))
                                           : std::string(text(Text::DrawingWaterlineHeight))};
  for (const int st : {1, n}) {
    lines.push_back(std::string(text(Text::DrawingStation)) + " " +
                    stationLabel(stationNumber(hull.stationX(st), L)) + ": " +
                    formatPlain(waterlineHeight(st), 3) + " m");
  }
  const double height = textMeasure(window).height(kAnnotationPoints);
  if (stacked) {
    for (std::size_t k = 0; k < lines.size(); ++k) {
      annotate(window, left, top - static_cast<double>(k) * height, lines[k]);
    }
  } else {
    annotate(window, left, top, lines[0] + "   " + lines[1] + "   " + lines[2]);
  }
}

}  // namespace norvika
