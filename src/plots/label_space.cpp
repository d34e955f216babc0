#include "plots/label_space.h"

#include <algorithm>

namespace norvika {

// The part of the segment inside the box, by Liang and Barsky.
bool crosses(const PlotPoint& a, const PlotPoint& b, const TextBox& box) {
  double enter = 0.0;
  double leave = 1.0;
  const double dx = b.first - a.first;
  const double dy = b.second - a.second;
  const std::pair<double, double> sides[] = {{-dx, a.first - box.left},
                                             {dx, box.right - a.first},
                                             {-dy, a.second - box.bottom},
                                             {dy, box.top - a.second}};
  for (const auto& [p, q] : sides) {
    if (p == 0.0) {
      if (q < 0.0) return false;
    } else if (p < 0.0) {
      enter = std::max(enter, q / p);
    } else {
      leave = std::min(leave, q / p);
    }
  }
  return enter <= leave;
}

bool LabelSpace::clearOfTexts(const TextBox& box) const {
  return std::none_of(boxes_.begin(), boxes_.end(), [&](const TextBox& other) {
    return box.left < other.right && other.left < box.right && box.bottom < other.top &&
           other.bottom < box.top;
  });
}

bool LabelSpace::isFree(const TextBox& box) const {
  if (!clearOfTexts(box)) return false;
  for (const std::vector<PlotPoint>& curve : curves_) {
    for (std::size_t k = 0; k + 1 < curve.size(); ++k) {
      if (crosses(curve[k], curve[k + 1], box)) return false;
    }
  }
  return true;
}

}  // namespace norvika

namespace norvika {

bool LabelSpace::segmentClear(const PlotPoint& a, const PlotPoint& b, const PlotPoint& from) const {
  return std::none_of(boxes_.begin(), boxes_.end(), [&](const TextBox& box) {
    const bool holdsFrom = from.first >= box.left && from.first <= box.right &&
                           from.second <= box.top && from.second >= box.bottom;
    return !holdsFrom && crosses(a, b, box);
  });
}

}  // namespace norvika
