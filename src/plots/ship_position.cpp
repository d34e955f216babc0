#include "plots/ship_position.h"

#include <algorithm>

#include "platform/colour.h"
#include "plots/annotation.h"
#include "plots/curve_sampling.h"
#include "plots/drawing_texts.h"
#include "plots/picture_start.h"
#include "plots/profile_readings.h"
#include "plots/station_numbers.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

// The legend in the margin above the deck, left to right from before the stern: a short line of
// each colour and its name. Returns where it ends, a gap after the last name (m from AP).
double drawLegend(Window& window, double L, double D, bool onWave) {
  struct Entry {
    Colour colour;
    Text name;
  };
  const Entry entries[] = {{qbColor(2), Text::LegendShipProfile},
                           {qbColor(6), Text::LegendStations},
                           {qbColor(4), onWave ? Text::LegendWaveProfile : Text::LegendWaterline}};
  window.fontSize(8);
  // The entries 0.3 L apart, as they always were, further only where a name (as wide as it is
  // on the smallest picture) needs more room.
  const TextMeasure measure = textMeasure(window);
  double x = -0.25 * L;
  double end = x;
  for (const Entry& e : entries) {
    window.line(x, 1.152 * D, x + 0.06 * L, 1.152 * D, e.colour);
    window.setCurrent(x + 0.08 * L, 1.17 * D);
    const std::string name(text(e.name));
    window.print(name);
    end = x + 0.08 * L + measure.width(name, 8);
    x = std::max(x + 0.3 * L, end + 0.06 * L);
  }
  return end + 0.06 * L;
}

// Added for reading: each station's number above the deck, where numbers crowd those of the
// end stations, every fifth, the whole and the half stations first.
void drawStationNumbers(Window& window, const HullModel& hull, double L, double D) {
  startAnnotation(window);
  const TextMeasure measure = textMeasure(window);
  const double top = D + 0.01 * D + measure.height(kAnnotationPoints);
  const int n = hull.stationCount;
  for (int st = 1; st <= n; ++st) {
    const double number = stationNumber(hull.stationX(st), L);
    const std::string label = stationLabel(number);
    window.setCurrent(hull.stationX(st) - measure.width(label, kAnnotationPoints) / 2.0, top);
    window.drawText(label, stationLabelRank(st, n, number));
  }
}

}  // namespace

void drawShipPosition(Platform& platform, const HullModel& hull, double shipLength,
                      const Table<double>& waterlineHeight, bool onWave) {
  const double L = drawableExtent(shipLength);
  const double D = drawableExtent(hull.maxHeight);
  const int count = hull.stationCount;

  Window& window = platform.window(WindowId::ShipPosition);
  startPicture(window, 14, 1);
  namespace t = texts::profile;
  window.describe(onWave ? std::string(text(Text::DrawingPositionOnWaveCaption))
                         : std::string(text(Text::DrawingPositionCaption)),
                  t::kPositionName);
  window.scale(-0.3 * L, 1.25 * D, 1.3 * L, -0.25 * D);

  // Box from the first to the last station, base line to moulded height.
  const double x1 = hull.stationX(1);
  const double xn = hull.stationX(count);
  Colour colour = qbColor(1);
  window.line(x1, 0, xn, 0, colour);
  window.line(x1, D, xn, D, colour);
  window.line(x1, 0, x1, D, colour);
  window.line(xn, 0, xn, D, colour);

  colour = qbColor(6);
  for (int i = 1; i <= count; ++i) window.line(hull.stationX(i), 0, hull.stationX(i), D, colour);

  colour = qbColor(4);
  for (int i = 1; i <= count - 1; ++i) {
    window.line(hull.stationX(i), waterlineHeight(i), hull.stationX(i + 1), waterlineHeight(i + 1),
                colour);
  }

  const Colour profile = qbColor(2);
  for (const int c : {hull.sternCurve(), hull.bowCurve()}) {
    for (int j = 2; j <= hull.pointCount(c); ++j) {
      window.line(hull.pointY(c, j - 1), hull.pointZ(c, j - 1), hull.pointY(c, j),
                  hull.pointZ(c, j), profile);
    }
  }

  auto deck = [&](int i) { return hull.pointZ(i, hull.pointCount(i)); };
  for (int i = 1; i <= count - 1; ++i) {
    window.line(hull.stationX(i), deck(i), hull.stationX(i + 1), deck(i + 1), profile);
  }

  const int stern = hull.sternCurve();
  const int bow = hull.bowCurve();
  window.line(x1, deck(1), hull.pointY(stern, hull.pointCount(stern)),
              hull.pointZ(stern, hull.pointCount(stern)), profile);
  window.line(xn, deck(count), hull.pointY(bow, hull.pointCount(bow)),
              hull.pointZ(bow, hull.pointCount(bow)), profile);

  const double legendEnd = drawLegend(window, L, D, onWave);
  drawStationNumbers(window, hull, L, D);
  drawProfileReadings(window, hull, L, D, waterlineHeight, onWave, -0.1 * L, legendEnd, 1.24 * D,
                      true);
}

}  // namespace norvika
