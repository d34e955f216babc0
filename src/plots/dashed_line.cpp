#include "plots/dashed_line.h"

#include <algorithm>
#include <cmath>

#include "plots/text_extent.h"

namespace norvika {

void drawStyledPolyline(Window& window, const std::vector<PlotPoint>& points,
                        const LineStyle& style, double widthUnits, double heightUnits) {
  window.drawWidth(style.width);
  if (style.dashes.empty()) {
    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
      window.line(points[k].first, points[k].second, points[k + 1].first, points[k + 1].second,
                  style.colour);
    }
    window.drawWidth(1);
    return;
  }
  // Pixels of the smallest picture per user unit across and up.
  const double px = kSmallestGraphWidth / widthUnits;
  const double py = kSmallestGraphHeight / heightUnits;
  std::size_t dash = 0;
  double left = style.dashes[0];  // of the current dash or gap, pixels
  for (std::size_t k = 0; k + 1 < points.size(); ++k) {
    const auto& [x1, y1] = points[k];
    const auto& [x2, y2] = points[k + 1];
    const double length = std::hypot((x2 - x1) * px, (y2 - y1) * py);
    if (!std::isfinite(length)) continue;
    double done = 0.0;
    while (length - done > 0.0) {
      const double step = std::min(left, length - done);
      if (dash % 2 == 0) {
        const double a = done / length;
        const double b = (done + step) / length;
        window.line(x1 + a * (x2 - x1), y1 + a * (y2 - y1), x1 + b * (x2 - x1), y1 + b * (y2 - y1),
                    style.colour);
      }
      done += step;
      left -= step;
      if (left <= 0.0) {
        dash = (dash + 1) % style.dashes.size();
        left = style.dashes[dash];
      }
    }
  }
  window.drawWidth(1);
}

}  // namespace norvika
