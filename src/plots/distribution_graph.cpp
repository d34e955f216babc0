#include "plots/distribution_graph.h"

#include <cmath>

#include "platform/colour.h"
#include "platform/pause.h"
#include "text/text_format.h"

namespace norvika {

void drawDistributionGraph(Platform& platform, const Table<double>& x, const Table<double>& v,
                           int n, const std::string& title) {
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
  window.fontSize(8);
  window.fontName("Times New Roman");
  window.foreColor(qbColor(1));
  window.scale(-0.5 * L, 1.35 * S, 1.5 * L, -0.35 * S);

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
  window.print("AP");

  pauseForEnter(platform);
  window.cls();
}

}  // namespace norvika
