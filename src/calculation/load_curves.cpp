#include "calculation/load_curves.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calculation/buoyancy_curve.h"

namespace norvika {

namespace {

// The points where the load changes its linear law: the stations and the ends
// of every weight block; with them every 0.01 L from the aft end, the rows of
// the table. Between two neighbours w and b are both linear, so the load is
// too, and SF and BM integrate exactly.
void buildGrid(const HullModel& hull, const WeightDistribution& weights, double shipLength,
               LoadGrid& grid) {
  std::vector<std::pair<double, bool>> points;
  for (double x : buoyancySamplePositions(hull)) points.emplace_back(x, false);
  for (int st = 1; st <= hull.stationCount; ++st) points.emplace_back(hull.stationX(st), true);
  for (const WeightBlock& block : weights.blocks) {
    points.emplace_back(block.x1, false);
    points.emplace_back(block.x2, false);
  }
  const double tolerance = 1e-9 * std::max(shipLength, 1.0);
  // A grid point by a station (or by the forward end) stays a point of the
  // integration, so that SF and BM are the same to the last bit, but leaves
  // the row to the station.
  const double reach = kStationRowReach * shipLength;
  const double aftEnd = grid.aftEnd;
  const double forwardEnd = grid.forwardEnd;
  int station = 1;
  for (int k = 0;; ++k) {
    const double x = aftEnd + k * grid.rowSpacing;
    if (x > forwardEnd - tolerance) break;
    while (station < hull.stationCount && hull.stationX(station + 1) <= x) ++station;
    const bool byStation =
        std::fabs(x - hull.stationX(station)) <= reach ||
        (station < hull.stationCount && std::fabs(hull.stationX(station + 1) - x) <= reach) ||
        forwardEnd - x <= reach;
    points.emplace_back(x, k == 0 || !byStation);
  }
  points.emplace_back(forwardEnd, true);
  std::sort(points.begin(), points.end());
  for (const auto& [x, row] : points) {
    if (!grid.x.empty() && x - grid.x.back() <= tolerance) {
      if (row) grid.row.back() = true;
      continue;
    }
    grid.x.push_back(x);
    grid.row.push_back(row);
  }
}

// The weight blocks that cover the grid's intervals, taken in rising order:
// a block joins when the walk reaches its aft end and leaves for good once an
// interval reaches beyond its forward end, so each interval looks at the
// blocks over it only, however many the file holds.
class CoveringBlocks {
 public:
  CoveringBlocks(const WeightDistribution& weights, double tolerance)
      : blocks_(weights.blocks), tolerance_(tolerance) {
    for (std::size_t k = 0; k < blocks_.size(); ++k) byAftEnd_.push_back(k);
    std::stable_sort(byAftEnd_.begin(), byAftEnd_.end(), [this](std::size_t p, std::size_t q) {
      return blocks_[p].x1 < blocks_[q].x1;
    });
  }

  // Weight per metre at both ends of the interval [a, b] (after the one
  // before it): the sum of the blocks that cover it, in the file's order.
  void weightOver(double a, double b, double& wa, double& wb) {
    while (next_ < byAftEnd_.size() && blocks_[byAftEnd_[next_]].x1 <= a + tolerance_) {
      const std::size_t k = byAftEnd_[next_++];
      active_.insert(std::lower_bound(active_.begin(), active_.end(), k), k);
    }
    std::erase_if(active_, [&](std::size_t k) { return !(b <= blocks_[k].x2 + tolerance_); });
    wa = wb = 0.0;
    for (const std::size_t k : active_) {
      const WeightBlock& block = blocks_[k];
      const double slope = (block.w2 - block.w1) / (block.x2 - block.x1);
      wa += block.w1 + slope * (a - block.x1);
      wb += block.w1 + slope * (b - block.x1);
    }
  }

 private:
  const std::vector<WeightBlock>& blocks_;
  double tolerance_;
  std::vector<std::size_t> byAftEnd_;
  std::size_t next_ = 0;
  std::vector<std::size_t> active_;  // in the file's order
};

}  // namespace

double tableRowSpacing(double shipLength, double aftEnd, double forwardEnd) {
  return std::max(0.01 * shipLength, (forwardEnd - aftEnd) / kMaxTableSteps);
}

LoadGrid loadGrid(const HullModel& hull, const WeightDistribution& weights, double shipLength) {
  LoadGrid grid;
  grid.aftEnd = hull.stationX(1);
  grid.forwardEnd = hull.stationX(hull.stationCount);
  for (const WeightBlock& block : weights.blocks) {
    grid.aftEnd = std::min(grid.aftEnd, block.x1);
    grid.forwardEnd = std::max(grid.forwardEnd, block.x2);
  }
  grid.rowSpacing = tableRowSpacing(shipLength, grid.aftEnd, grid.forwardEnd);
  buildGrid(hull, weights, shipLength, grid);
  return grid;
}

LoadCurves computeLoadCurves(const HullModel& hull, const Table<double>& buoyancy,
                             const WeightDistribution& weights, double shipLength) {
  return computeLoadCurves(loadGrid(hull, weights, shipLength), hull, buoyancy, weights,
                           shipLength);
}

LoadCurves computeLoadCurves(const LoadGrid& grid, const HullModel& hull,
                             const Table<double>& buoyancy, const WeightDistribution& weights,
                             double shipLength) {
  LoadCurves curves;
  curves.aftEnd = grid.aftEnd;
  curves.forwardEnd = grid.forwardEnd;
  curves.rowSpacing = grid.rowSpacing;
  const BuoyancySamples samples = sampleBuoyancy(hull, buoyancy);
  const double tolerance = 1e-9 * std::max(shipLength, 1.0);

  CoveringBlocks covering(weights, tolerance);
  double sf = 0.0;
  double bm = 0.0;
  std::size_t sample = 0;
  const std::size_t count = grid.x.size();
  auto addRow = [&](double x, double w, double b) {
    curves.x.push_back(x);
    curves.weight.push_back(w);
    curves.buoyancy.push_back(b);
    curves.load.push_back(w - b);
    curves.shear.push_back(sf);
    curves.moment.push_back(bm);
  };
  for (std::size_t k = 0; k + 1 < count; ++k) {
    const double a = grid.x[k];
    const double b = grid.x[k + 1];
    const double h = b - a;
    double wa = 0.0, wb = 0.0;
    covering.weightOver(a, b, wa, wb);
    // The buoyancy of an interval that ends at the end stations is taken
    // from inside them.
    const double mid = (a + b) / 2.0;
    const bool wet = mid >= hull.stationX(1) && mid <= hull.stationX(hull.stationCount);
    const double ba = wet ? buoyancyAt(samples, std::max(a, hull.stationX(1)), sample) : 0.0;
    const double bb =
        wet ? buoyancyAt(samples, std::min(b, hull.stationX(hull.stationCount)), sample) : 0.0;
    const double qa = wa - ba;
    const double qb = wb - bb;
    if (grid.row[k]) addRow(a, wa, ba);

    // Inside the interval SF is quadratic and BM cubic in t = x - a:
    // SF(t) = sf + qa t + (qb - qa) t^2 / 2h, BM(t) = bm + sf t + qa t^2/2 + (qb - qa) t^3 / 6h.
    const double dq = qb - qa;
    auto shearAt = [&](double t) { return sf + qa * t + dq * t * t / (2.0 * h); };
    auto momentAt = [&](double t) {
      return bm + sf * t + qa * t * t / 2.0 + dq * t * t * t / (6.0 * h);
    };
    auto consider = [&](double t) {
      if (!(t > 0.0 && t < h)) return;
      const double m = momentAt(t);
      keepLarger(curves.hogging, m, a + t);
      keepSmaller(curves.sagging, m, a + t);
      const double s = shearAt(t);
      keepLarger(curves.positiveShear, s, a + t);
      keepSmaller(curves.negativeShear, s, a + t);
    };
    // SF is largest where q changes sign; BM where SF does.
    if (qa * qb < 0.0) consider(qa * h / (qa - qb));
    const double A = dq / (2.0 * h);
    if (A != 0.0) {
      const double disc = qa * qa - 4.0 * A * sf;
      if (disc >= 0.0) {
        const double root = std::sqrt(disc);
        consider((-qa + root) / (2.0 * A));
        consider((-qa - root) / (2.0 * A));
      }
    } else if (qa != 0.0) {
      consider(-sf / qa);
    }

    const double sfNext = sf + h * (qa + qb) / 2.0;
    bm += h * sf + h * h * (qa / 3.0 + qb / 6.0);
    sf = sfNext;
    keepLarger(curves.hogging, bm, b);
    keepSmaller(curves.sagging, bm, b);
    keepLarger(curves.positiveShear, sf, b);
    keepSmaller(curves.negativeShear, sf, b);
    if (k + 2 == count) addRow(b, wb, bb);
  }
  curves.endShear = sf;
  curves.endMoment = bm;
  return curves;
}

}  // namespace norvika
