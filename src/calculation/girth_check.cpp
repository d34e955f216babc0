#include "calculation/girth_check.h"

#include <algorithm>
#include <cmath>

namespace norvika {

namespace {

struct Point {
  double y, z;
};

double cross(const Point& o, const Point& a, const Point& b) {
  return (a.y - o.y) * (b.z - o.z) - (a.z - o.z) * (b.y - o.y);
}

double chainLength(const std::vector<Point>& chain) {
  double length = 0.0;
  for (std::size_t k = 1; k < chain.size(); ++k) {
    length += std::hypot(chain[k].y - chain[k - 1].y, chain[k].z - chain[k - 1].z);
  }
  return length;
}

// The outer side of the convex outline of `points` (the first at the centre
// line at the keel, the last the deck edge): the hull's chain between them
// that keeps the centre line on its left, by the monotone chain over height.
double convexChainLength(std::vector<Point> points) {
  const Point keel = points.front();
  const Point deck = points.back();
  std::sort(points.begin(), points.end(),
            [](const Point& a, const Point& b) { return a.z < b.z || (a.z == b.z && a.y < b.y); });
  std::vector<Point> chain;
  for (const Point& p : points) {
    // Only left turns going up: the outer (larger y) side, the centre line on the left.
    while (chain.size() >= 2 && cross(chain[chain.size() - 2], chain.back(), p) <= 0.0) {
      chain.pop_back();
    }
    chain.push_back(p);
  }
  // From the keel's centre line point to the deck edge along the outer side.
  if (chain.front().y != keel.y || chain.front().z != keel.z) chain.insert(chain.begin(), keel);
  if (chain.back().y != deck.y || chain.back().z != deck.z) chain.push_back(deck);
  return chainLength(chain);
}

}  // namespace

std::vector<SeamedStation> seamedStations(const HullModel& hull) {
  std::vector<SeamedStation> seamed;
  for (int st = 1; st <= hull.stationCount; ++st) {
    const int count = hull.pointCount(st);
    if (count < 2) continue;
    std::vector<Point> points{{0.0, hull.pointZ(st, 1)}};
    for (int k = 1; k <= count; ++k) points.push_back({hull.pointY(st, k), hull.pointZ(st, k)});
    const double girth = chainLength(points);
    const double convex = convexChainLength(points);
    if (convex > 0.0 && girth > kSeamGirthRatio * convex) seamed.push_back({st, girth, convex});
  }
  return seamed;
}

}  // namespace norvika
