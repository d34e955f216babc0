#include "plots/distribution_graph.h"

#include <algorithm>
#include <cmath>

#include "platform/colour.h"
#include "platform/pause.h"
#include "plots/annotation.h"
#include "plots/drawing_texts.h"
#include "plots/station_numbers.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

// The value scale in t/m left of the value axis, its grid behind the graph up to the end of
// the base line, from the smallest value (or zero) to a little over the scale reference S,
// within the picture.
void drawValueScale(Window& window, const Table<double>& x, const Table<double>& v, int n, double L,
                    double S) {
  double lowest = 0.0;
  for (int i = 1; i <= n; ++i) lowest = std::min(lowest, v(i));
  lowest = std::max(lowest, -0.3 * S);
  const double highest = 1.1 * S;
  const double at = std::min(x(1), 1.05 * x(1)) - 0.02 * L;
  const double gridRight = 1.05 * x(n);
  drawHeightScale(window, roundAxis(lowest, S, 6), at, lowest, highest, texts::distribution::kUnit,
                  &gridRight);
}

// Station numbers under the base line, FP level with the legacy AP.
void drawStationRow(Window& window, const Table<double>& x, int n, double L, double S,
                    double shipLength) {
  namespace t = texts::distribution;
  startAnnotation(window);
  const TextMeasure measure = textMeasure(window);
  const double unit = measure.unitsAcross;
  const double top = -0.03 * S;
  for (const auto& [at, number] :
       roundStations(shipLength, x(1) - 1e-9 * L, x(n) + 1e-9 * L,
                     measure.width("20", kAnnotationPoints), 4.0 * unit)) {
    const std::string label = stationLabel(number);
    window.line(at, 0.0, at, -0.02 * S, kAnnotationInk);
    annotate(window, at - measure.width(label, kAnnotationPoints) / 2.0, top, label);
  }
  annotate(window, -0.45 * L, top, std::string(text(Text::DrawingStation)));
  if (shipLength >= x(1) && shipLength <= 1.05 * x(n)) {
    annotate(window, shipLength, -0.2 * S, t::kForward, 8.0);
  }
}

}  // namespace

void drawDistributionGraph(Platform& platform, const Table<double>& x, const Table<double>& v,
                           int n, const std::string& title, double shipLength,
                           const GraphSubject& subject) {
  if (n < 1) return;

  double L = x(n) - x(1);
  // The first value counts for the top but not for the bottom of the scale.
  double vMax = v(1);
  double vMin = 0;
  for (int i = 2; i <= n; ++i) {
    if (v(i) > vMax) vMax = v(i);
    if (v(i) < vMin) vMin = v(i);
  }
  double S = std::fabs(vMax) > std::fabs(vMin) ? std::fabs(vMax) : std::fabs(vMin);
  // All values zero, or a single point: keep the user scale from collapsing.
  if (S == 0) S = 1;
  if (L == 0) L = 1;

  Window& window = platform.window(WindowId::Graph);
  window.show();
  window.cls();
  window.describe(subject.caption, subject.name);
  window.scale(-0.5 * L, 1.35 * S, 1.5 * L, -0.35 * S);
  // Added for reading values off; drawn first, behind the graph.
  drawValueScale(window, x, v, n, L, S);
  drawStationRow(window, x, n, L, S, shipLength);

  window.fontSize(8);
  window.fontName("Times New Roman");
  window.foreColor(qbColor(1));
  window.drawWidth(2);
  window.line(x(1), 0, 1.05 * x(n), 0, qbColor(9));
  window.line(x(1), 0, 1.05 * x(1), 1.05 * S, qbColor(9));
  window.drawWidth(1);

  for (int i = 1; i <= n; ++i) window.line(x(i), 0, x(i), v(i), qbColor(4));
  for (int i = 1; i <= n - 1; ++i) window.line(x(i), v(i), x(i + 1), v(i + 1), qbColor(4));

  window.setCurrent(-0.4 * L, 1.3 * S);
  window.print(title);
  // Just under the base line, inside the lower margin of 0.35·S.
  window.setCurrent(0, -0.2 * S);
  window.fontSize(12);
  window.print(texts::distribution::kAft);

  pauseForEnter(platform);
  window.cls();
}

}  // namespace norvika
