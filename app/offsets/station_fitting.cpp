#include "station_fitting.h"

#include <algorithm>
#include <cmath>

#include "cut_tolerances.h"
#include "model/hull_model.h"

namespace norvika::offsets {

namespace {

// Refining stops after this many passes: each one adds a record wherever the
// curve strays, so a few passes reach the tolerance.
constexpr int kPasses = 8;
// Heights looked at in each interval between two records, its ends included,
// and at most this many of the outline's own vertices there (a fine mesh's
// cut has thousands; the corners among them are records already).
constexpr int kLooks = 9;
constexpr long kVertexLooks = 32;

// The station curve Norvika fits to the records.
SectionCurve stationCurve(const std::vector<OffsetPoint>& records) {
  const int n = static_cast<int>(records.size());
  HullModel hull(1, n);
  hull.stationCount = 1;
  hull.pointCount(1) = n;
  for (int k = 1; k <= n; ++k) {
    const OffsetPoint& p = records[static_cast<std::size_t>(k - 1)];
    hull.pointZ(1, k) = p.z;
    hull.pointY(1, k) = p.offset;
    hull.pointCode(1, k) = p.code;
  }
  StationSpline spline(n);
  fitCurveSpline(hull, 1, spline);
  return layOutSection(hull, 1, spline);
}

const SectionOutline::Run* runHolding(const SectionOutline& outline, double a, double b) {
  for (const SectionOutline::Run& r : outline.runs) {
    if (a >= r.z.front() && b <= r.z.back()) return &r;
  }
  return nullptr;
}

// How far y misses the half-breadths the run takes within `tolerance` of
// height z; at the run's ends the hull turns in to the centre line (the flat
// of the bottom, the edge of a gap, the deck), so 0 is taken there too.
double missAt(const SectionOutline::Run& r, double z, double y, double tolerance) {
  const double low = std::max(z - tolerance, r.z.front()),
               high = std::min(z + tolerance, r.z.back());
  double least = std::min(runHalfBreadth(r, low), runHalfBreadth(r, high));
  double most = std::max(runHalfBreadth(r, low), runHalfBreadth(r, high));
  const auto first = std::upper_bound(r.z.begin(), r.z.end(), low);
  const auto last = std::lower_bound(r.z.begin(), r.z.end(), high);
  for (auto at = first; at < last; ++at) {
    const double v = r.y[static_cast<std::size_t>(at - r.z.begin())];
    least = std::min(least, v);
    most = std::max(most, v);
  }
  if (z - tolerance <= r.z.front() || z + tolerance >= r.z.back()) least = 0.0;
  return y < least ? least - y : (y > most ? y - most : 0.0);
}

double runLength(const SectionOutline::Run& r, double a, double b) {
  double length = 0.0, z0 = a, y0 = runHalfBreadth(r, a);
  for (auto at = std::upper_bound(r.z.begin(), r.z.end(), a); at != r.z.end() && *at < b; ++at) {
    const double y = r.y[static_cast<std::size_t>(at - r.z.begin())];
    length += std::hypot(*at - z0, y - y0);
    z0 = *at;
    y0 = y;
  }
  return length + std::hypot(b - z0, runHalfBreadth(r, b) - y0);
}

struct Stray {
  double distance = 0.0;
  double z = 0.0;
  bool swings = false;  // longer than the run between the same heights
};

Stray strayBetween(const SectionCurve& curve, const SectionOutline::Run& r, double a, double b,
                   double tolerance) {
  Stray s;
  double length = 0.0, zBefore = a, yBefore = halfBreadthAt(curve, a);
  for (int i = 1; i < kLooks; ++i) {
    const double z = a + (b - a) * i / (kLooks - 1);
    const double y = halfBreadthAt(curve, z);
    length += std::hypot(z - zBefore, y - yBefore);
    zBefore = z;
    yBefore = y;
    const double miss = missAt(r, z, y, tolerance);
    if (miss > s.distance) s = {miss, z, false};
  }
  const auto first = std::upper_bound(r.z.begin(), r.z.end(), a);
  const auto last = std::lower_bound(first, r.z.end(), b);
  const long stride = std::max(1L, (last - first) / kVertexLooks);
  for (auto at = first; at < last; at += std::min(stride, last - at)) {
    const double miss = missAt(r, *at, halfBreadthAt(curve, *at), tolerance);
    if (miss > s.distance) s = {miss, *at, false};
  }
  s.swings = length > runLength(r, a, b) + tolerance;
  return s;
}

}  // namespace

double curveTolerance(const SectionOutline& outline, double curve) {
  return outline.empty() ? curve : std::min(curve, kCurveShare * (outline.top() - outline.keel()));
}

CurveDeviation curveDeviation(const SectionCurve& curve, const SectionOutline& outline,
                              double tolerance) {
  CurveDeviation worst;
  for (std::size_t k = 0; k + 1 < curve.z.size(); ++k) {
    const SectionOutline::Run* r = runHolding(outline, curve.z[k], curve.z[k + 1]);
    if (r == nullptr) continue;
    const Stray s = strayBetween(curve, *r, curve.z[k], curve.z[k + 1], tolerance);
    if (s.distance > worst.distance) worst = {s.distance, s.z};
  }
  return worst;
}

void fitToOutline(std::vector<OffsetPoint>& records, const SectionOutline& outline,
                  double tolerance, std::size_t most) {
  for (int pass = 0; pass < kPasses && records.size() >= 2; ++pass) {
    const SectionCurve curve = stationCurve(records);
    std::vector<OffsetPoint> added;
    bool broken = false;
    for (std::size_t j = 0; j + 1 < records.size(); ++j) {
      const double a = records[j].z, b = records[j + 1].z;
      const SectionOutline::Run* r = runHolding(outline, a, b);
      if (r == nullptr) continue;
      const Stray s = strayBetween(curve, *r, a, b, tolerance);
      if (s.distance <= tolerance && !s.swings) continue;
      if (b - a > 2.0 * tolerance) {
        const double at =
            s.distance > tolerance ? std::clamp(s.z, a + tolerance, b - tolerance) : 0.5 * (a + b);
        added.push_back({at, runHalfBreadth(*r, at), 1});
      } else if (records[j].code != 0 || records[j + 1].code != 0) {
        records[j].code = records[j + 1].code = 0;
        broken = true;
      }
    }
    if (added.size() > most - std::min(most, records.size())) {
      added.resize(most - std::min(most, records.size()));
    }
    if (added.empty() && !broken) return;
    records.insert(records.end(), added.begin(), added.end());
    std::sort(records.begin(), records.end(),
              [](const OffsetPoint& p, const OffsetPoint& q) { return p.z < q.z; });
  }
}

}  // namespace norvika::offsets
