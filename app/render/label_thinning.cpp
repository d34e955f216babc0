#include "render/label_thinning.h"

#include <algorithm>
#include <numeric>

namespace norvika {

std::vector<bool> labelsLeftOut(const std::vector<QRectF>& places, const std::vector<int>& ranks) {
  std::vector<std::size_t> order(places.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&ranks](std::size_t a, std::size_t b) { return ranks[a] < ranks[b]; });
  std::vector<bool> leftOut(places.size(), false);
  std::vector<QRectF> kept;
  for (const std::size_t i : order) {
    if (ranks[i] <= 0) continue;
    // Half the text's height either side: kept numbers stand clearly apart.
    const double gap = 0.5 * places[i].height();
    const QRectF spaced = places[i].adjusted(-gap, 0.0, gap, 0.0);
    const bool meets = std::any_of(kept.begin(), kept.end(),
                                   [&spaced](const QRectF& k) { return spaced.intersects(k); });
    if (meets) {
      leftOut[i] = true;
    } else {
      kept.push_back(places[i]);
    }
  }
  return leftOut;
}

}  // namespace norvika
