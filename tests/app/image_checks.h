#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdlib>

namespace norvika::testing {

/// True when some pixel within `reach` of `at` is within `tolerance` of `colour` per channel.
inline bool colourNear(const QImage& image, QPoint at, QColor colour, int reach = 1,
                       int tolerance = 60) {
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      const QPoint p = at + QPoint(dx, dy);
      if (!image.rect().contains(p)) continue;
      const QColor c = image.pixelColor(p);
      if (std::abs(c.red() - colour.red()) <= tolerance &&
          std::abs(c.green() - colour.green()) <= tolerance &&
          std::abs(c.blue() - colour.blue()) <= tolerance) {
        return true;
      }
    }
  }
  return false;
}

/// Number of pixels in `area` that are not white.
inline int inkedPixels(const QImage& image, const QRect& area) {
  int count = 0;
  const QRect clipped = area.intersected(image.rect());
  for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
    for (int x = clipped.left(); x <= clipped.right(); ++x) {
      if (image.pixelColor(x, y) != QColor(Qt::white)) ++count;
    }
  }
  return count;
}

}  // namespace norvika::testing
