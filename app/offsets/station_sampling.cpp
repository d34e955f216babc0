#include "station_sampling.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "hull_mesh.h"
#include "station_fitting.h"
#include "support/capacities.h"
#include "text/text_format.h"

namespace norvika::offsets {

namespace {

// A deck that falls inward at less than this to the horizontal is camber
// above the deck edge, not side.
constexpr double kCamberDegrees = 10.0;
// Camber is at most this share of the section's height.
constexpr double kCamberShare = 0.02;
// The records that close a gap stand this share of the height inside it
// (or a quarter of the gap if that is less).
constexpr double kGapInset = 0.002;

double degreesBetween(double a1, double a2, double b1, double b2) {
  const double la = std::hypot(a1, a2), lb = std::hypot(b1, b2);
  const double c = std::clamp((a1 * b1 + a2 * b2) / (la * lb), -1.0, 1.0);
  return std::acos(c) * 180.0 / std::numbers::pi;
}

// Leaves out a cambered deck: the top of the section is its deck edge.
void dropCamber(SectionOutline::Run& r, double fullHeight) {
  if (r.z.size() < 3) return;
  const double slope = std::tan(kCamberDegrees * std::numbers::pi / 180.0);
  const std::size_t crown = r.z.size() - 1;
  std::size_t k = crown;
  while (k > 1 && r.y[k - 1] > r.y[k] && r.z[k] - r.z[k - 1] < slope * (r.y[k - 1] - r.y[k]) &&
         r.z[crown] - r.z[k - 1] <= kCamberShare * fullHeight) {
    --k;
  }
  r.z.resize(k + 1);
  r.y.resize(k + 1);
}

// The records a run must have (half-breadths from `r`, heights from its
// simplified `shape`): its ends (code 0 at a gap), its corners, and two
// code-0 records `tolerance` apart across each horizontal step.
void fixedRecords(const SectionOutline::Run& r, const SectionOutline::Run& shape, int bottomCode,
                  int topCode, double knuckle, double tolerance, std::vector<OffsetPoint>& fixed) {
  const std::size_t n = shape.z.size();
  fixed.push_back({r.z.front(), r.y.front(), bottomCode});
  fixed.push_back({r.z.back(), r.y.back(), topCode});
  std::vector<bool> onStep(n, false);
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (shape.z[i + 1] != shape.z[i]) continue;
    onStep[i] = onStep[i + 1] = true;
    for (const double side : {-0.5, 0.5}) {
      const double at = shape.z[i] + side * tolerance;
      if (at > r.z.front() && at < r.z.back()) fixed.push_back({at, runHalfBreadth(r, at), 0});
    }
  }
  for (const std::size_t k : cornersOf(shape.z, shape.y, 0, n - 1, knuckle, 0.0)) {
    if (!onStep[k]) fixed.push_back({shape.z[k], runHalfBreadth(r, shape.z[k]), 0});
  }
}

bool farFrom(const std::vector<OffsetPoint>& records, double z, double distance) {
  const auto at = std::lower_bound(records.begin(), records.end(), z,
                                   [](const OffsetPoint& p, double v) { return p.z < v; });
  return (at == records.end() || at->z - z >= distance) &&
         (at == records.begin() || z - (at - 1)->z >= distance);
}

}  // namespace

std::string stationName(int station, double x) {
  return "station " + std::to_string(station) + " at x =" + numberText(x) + " m";
}

void checkRecordCapacity(std::size_t records, const std::string& curve) {
  if (records > static_cast<std::size_t>(kMaxRecords - 1)) {
    throw OffsetsError(curve + ": " + std::to_string(records) + " records, more than the " +
                       std::to_string(kMaxRecords - 1) +
                       " a hull-file curve holds; ask for fewer --points");
  }
}

std::vector<std::size_t> cornersOf(const std::vector<double>& z, const std::vector<double>& value,
                                   std::size_t first, std::size_t last, double degrees,
                                   double tiny) {
  std::vector<std::size_t> corners;
  for (std::size_t i = first + 1; i < last; ++i) {
    const double a1 = value[i] - value[i - 1], a2 = z[i] - z[i - 1];
    const double b1 = value[i + 1] - value[i], b2 = z[i + 1] - z[i];
    if (std::hypot(a1, a2) <= tiny || std::hypot(b1, b2) <= tiny) continue;
    if (degreesBetween(a1, a2, b1, b2) > degrees) corners.push_back(i);
  }
  return corners;
}

std::vector<double> spreadHeights(const std::vector<double>& z, const std::vector<double>& value,
                                  const std::vector<bool>& covered, int count) {
  const std::size_t n = z.size();
  double length = 0.0, height = 0.0;
  for (std::size_t k = 0; k + 1 < n; ++k) {
    if (!covered[k]) continue;
    length += std::hypot(z[k + 1] - z[k], value[k + 1] - value[k]);
    height += z[k + 1] - z[k];
  }
  if (n < 2 || height <= 0.0 || count < 2) return {z.front()};
  std::vector<double> measure(n, 0.0);
  for (std::size_t k = 0; k + 1 < n; ++k) {
    double step = 0.0;
    if (covered[k]) {
      step = 0.5 * std::hypot(z[k + 1] - z[k], value[k + 1] - value[k]) / length +
             0.5 * (z[k + 1] - z[k]) / height;
    }
    measure[k + 1] = measure[k] + step;
  }
  std::vector<double> heights;
  heights.reserve(static_cast<std::size_t>(count));
  heights.push_back(z.front());
  std::size_t k = 0;
  for (int j = 1; j < count - 1; ++j) {
    const double target = measure.back() * j / (count - 1);
    while (k + 2 < n && measure[k + 1] < target) ++k;
    const double span = measure[k + 1] - measure[k];
    const double at = span > 0.0 ? z[k] + (target - measure[k]) / span * (z[k + 1] - z[k]) : z[k];
    if (at > heights.back()) heights.push_back(at);
  }
  if (z.back() > heights.back()) heights.push_back(z.back());
  return heights;
}

SectionOutline writtenOutline(const SectionOutline& outline, const SamplingRules& rules) {
  SectionOutline written = reducedOutline(outline, curveTolerance(outline, rules.curve));
  if (!written.empty() && !goesUpCentreLine(written.top(), rules.modelMiddle)) {
    dropCamber(written.runs.back(), written.top() - written.keel());
  }
  return written;
}

namespace {

// The records every station of this outline must have: the ends of its runs,
// its corners and steps (fixedRecords, heights from its simplified `shape`)
// and the draft; one record at a height.
std::vector<OffsetPoint> requiredRecords(const SectionOutline& sampled, const SectionOutline& shape,
                                         const SamplingRules& rules, double tolerance,
                                         bool extend) {
  std::vector<OffsetPoint> records;
  for (std::size_t r = 0; r < sampled.runs.size(); ++r) {
    const SectionOutline::Run& run = sampled.runs[r];
    const bool last = r + 1 == sampled.runs.size();
    fixedRecords(run, shape.runs[r], r == 0 ? 1 : 0, last && !extend ? 1 : 0, rules.knuckleDegrees,
                 tolerance, records);
    if (rules.draft && *rules.draft > run.z.front() && *rules.draft < run.z.back()) {
      records.push_back({*rules.draft, runHalfBreadth(run, *rules.draft), 1});
    }
  }
  std::stable_sort(records.begin(), records.end(),
                   [](const OffsetPoint& a, const OffsetPoint& b) { return a.z < b.z; });
  std::vector<OffsetPoint> unique;
  for (const OffsetPoint& r : records) {
    if (!unique.empty() && r.z - unique.back().z <= kCloseRecords) {
      unique.back().code = std::min(unique.back().code, r.code);
      continue;
    }
    unique.push_back(r);
  }
  return unique;
}

// Adds `count` heights spread over the hull of the simplified `shape`, but
// none within the tolerance of another record: points that crowd merge.
void addSpreadRecords(std::vector<OffsetPoint>& records, const SectionOutline& sampled,
                      const SectionOutline& shape, int count, double tolerance) {
  std::vector<double> z, y;
  std::vector<bool> covered;
  for (const SectionOutline::Run& run : shape.runs) {
    if (!covered.empty()) covered.back() = false;
    z.insert(z.end(), run.z.begin(), run.z.end());
    y.insert(y.end(), run.y.begin(), run.y.end());
    covered.insert(covered.end(), run.z.size(), true);
  }
  std::vector<OffsetPoint> spread;
  for (const double at : spreadHeights(z, y, covered, count)) {
    const bool onHull = std::any_of(sampled.runs.begin(), sampled.runs.end(), [&](const auto& r) {
      return at > r.z.front() && at < r.z.back();
    });
    if (!onHull || !farFrom(records, at, tolerance)) continue;
    if (!spread.empty() && at - spread.back().z < tolerance) continue;
    spread.push_back({at, outlineHalfBreadth(sampled, at), 1});
  }
  records.insert(records.end(), spread.begin(), spread.end());
  std::sort(records.begin(), records.end(),
            [](const OffsetPoint& a, const OffsetPoint& b) { return a.z < b.z; });
}

// The records with those of the gaps of the ship (half-breadth 0 between
// two code-0 records just inside each) and of the centre line above.
std::vector<OffsetPoint> withGaps(const std::vector<OffsetPoint>& records,
                                  const SectionOutline& sampled, const SamplingRules& rules,
                                  bool extend) {
  const double fullHeight = sampled.top() - sampled.keel();
  std::vector<OffsetPoint> result;
  for (std::size_t r = 0; r < sampled.runs.size(); ++r) {
    const SectionOutline::Run& run = sampled.runs[r];
    for (const OffsetPoint& p : records) {
      if (p.z >= run.z.front() && p.z <= run.z.back()) result.push_back(p);
    }
    if (r + 1 < sampled.runs.size()) {
      const double top = run.z.back(), next = sampled.runs[r + 1].z.front();
      const double inset = std::min(0.25 * (next - top), kGapInset * fullHeight);
      result.push_back({top + inset, 0.0, 0});
      result.push_back({next - inset, 0.0, 0});
    }
  }
  const double top = sampled.top();
  if (extend && rules.modelTop - top > 4.0 * kCloseRecords) {
    const double inset = std::min(0.25 * (rules.modelTop - top), kGapInset * fullHeight);
    result.push_back({top + inset, 0.0, 0});
    result.push_back({rules.modelTop, 0.0, 0});
  }
  return result;
}

}  // namespace

std::vector<OffsetPoint> sampleStation(int station, double x, const SectionOutline& sampled,
                                       const SamplingRules& rules) {
  const std::string name = stationName(station, x);
  if (sampled.empty() || !(sampled.top() > sampled.keel())) {
    throw OffsetsError(name + ": the model has no hull there");
  }
  const double tolerance = curveTolerance(sampled, rules.curve);
  const bool extend = goesUpCentreLine(sampled.top(), rules.modelMiddle);
  // Where the records go is found on the outline without its undulations
  // under the tolerance; their half-breadths are the outline's own.
  const SectionOutline shape = simplifiedOutline(sampled, 0.5 * tolerance);
  std::vector<OffsetPoint> records = requiredRecords(sampled, shape, rules, tolerance, extend);
  addSpreadRecords(records, sampled, shape, rules.points, tolerance);
  // Room is kept for the records of the gaps and of the centre line above.
  const std::size_t closing = 2 * (sampled.runs.size() - 1) + (extend ? 2 : 0);
  fitToOutline(records, sampled, tolerance,
               static_cast<std::size_t>(kMaxRecords - 1) - std::min<std::size_t>(closing, 200));
  std::vector<OffsetPoint> result = withGaps(records, sampled, rules, extend);
  checkRecordCapacity(result.size(), name);
  return result;
}

}  // namespace norvika::offsets
