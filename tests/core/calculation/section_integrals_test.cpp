// A section's area, moment and girth belong to one outline: stepped sections
// against their polygons' closed forms, random hulls against what any section
// must satisfy.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <utility>

#include "calculation/bonjean.h"
#include "calculation/hydrostatics.h"
#include "hydrostatic_hulls.h"
#include "numerics/integration_spline.h"

namespace norvika {
namespace {

using hydrotest::hullOf;
using hydrotest::Section;

// Area, moment about the base line and girth (both sides) of the polygon
// through a section's points below height t, and its half-breadth at t; a
// height's sign (hullOf's knuckle mark) is dropped.
struct Polygon {
  double area = 0.0, moment = 0.0, girth = 0.0, halfBreadth = 0.0;
};
Polygon polygonBelow(const Section& points, double t) {
  Polygon p{0.0, 0.0, 2.0 * points.front().second, 0.0};
  for (std::size_t k = 0; k + 1 < points.size() && std::fabs(points[k].first) < t; ++k) {
    const double z0 = std::fabs(points[k].first), y0 = points[k].second;
    double z1 = std::fabs(points[k + 1].first), y1 = points[k + 1].second;
    if (z1 > t) {
      y1 = y0 + (y1 - y0) * (t - z0) / (z1 - z0);
      z1 = t;
    }
    const double h = z1 - z0;
    p.area += h * (y0 + y1);
    p.moment += h * (y0 * (2.0 * z0 + z1) + y1 * (z0 + 2.0 * z1)) / 3.0;
    p.girth += 2.0 * std::hypot(h, y1 - y0);
    p.halfBreadth = y1;
  }
  return p;
}

TEST(SectionIntegrals, SteppedSectionsMeetTheClosedFormsOfTheirPolygons) {
  struct Row {
    const char* name;
    Section points;  // a negative height marks a knuckle (code 0)
    double draft;
  };
  const Row rows[] = {
      {"points a micrometre apart", {{0, 10}, {5, 10}, {5.000001, 20}, {10, 20}}, 6.0},
      {"knuckled step of 2 cm", {{0, 10}, {-5, 10}, {-5.02, 20}, {10, 20}}, 6.0},
      {"knuckled step of 1 mm", {{0, 10}, {-5, 10}, {-5.001, 20}, {10, 20}}, 6.0},
      {"knuckled step of 0.1 mm", {{0, 10}, {-5, 10}, {-5.0001, 20}, {10, 20}}, 6.0},
      {"hard chine with flare", {{0, 0}, {-1, 4}, {6, 5}}, 3.0},
      // Station 10 of a box with a bulb below it, as norvika-offsets cuts it.
      {"bulb",
       {{0, 3},
        {0.655172, 3},
        {1.310345, 3},
        {-1.5, 3},
        {-1.52, 0},
        {-1.98, 0},
        {-2, 10},
        {2.137931, 10},
        {2.465517, 10},
        {2.793103, 10},
        {10, 10}},
       2.5},
  };
  const double L = 100.0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const auto hull = hullOf(5, L, [&](double) { return row.points; });
    Hydrostatics table;
    ASSERT_EQ(computeHydrostatics(*hull, {L, 1.025, 0.0, {row.draft}}, table).stop,
              HydrostaticsStop::None);
    const Polygon p = polygonBelow(row.points, row.draft);
    EXPECT_NEAR(table.rows[0].kb, p.moment / p.area, 1e-4 * row.draft);
    EXPECT_NEAR(table.rows[0].wettedSurface, L * p.girth, 1e-4 * L * p.girth);
    EXPECT_NEAR(table.rows[0].waterplaneArea, 2.0 * L * p.halfBreadth, 1e-4 * L * p.halfBreadth);

    const BonjeanStation bonjean = computeBonjeanCurves(*hull).stations.front();
    for (std::size_t i = 0; i < bonjean.z.size(); ++i) {
      const Polygon below = polygonBelow(row.points, bonjean.z[i]);
      const double tolerance = 1e-4 * (1.0 + below.area);
      EXPECT_NEAR(bonjean.area[i], below.area, tolerance) << "z = " << bonjean.z[i];
      EXPECT_NEAR(bonjean.moment[i], below.moment, 10.0 * tolerance) << "z = " << bonjean.z[i];
    }
  }
}

// A hull the reader accepts, at random: two to six equally spaced stations,
// their points a micrometre to metres apart, half-breadths below zero,
// repeated (vertical sides) and knuckled, every station with a point at T.
std::unique_ptr<HullModel> randomHull(std::mt19937& bits, double& length, double& draft) {
  const auto unit = [&] { return static_cast<double>(bits() >> 5) / 134217728.0; };
  const auto gap = [&] {
    const double u = unit();
    return u < 0.1 ? 1e-6 : u < 0.2 ? 1e-4 : u < 0.3 ? 1e-3 : u < 0.4 ? 0.02 : 0.05 + 3.0 * u;
  };
  draft = 20.0 + 5.0 * unit();  // every point above the base line, as hullOf needs
  length = 10.0 + 140.0 * unit();
  const int stations = 2 + static_cast<int>(unit() * 5.0);
  return hullOf(stations, length, [&](double) {
    std::vector<double> z{draft};
    for (int k = static_cast<int>(unit() * 5.0); k >= 0; --k) z.insert(z.begin(), z[0] - gap());
    for (int k = static_cast<int>(unit() * 5.0); k >= 0; --k) z.push_back(z.back() + gap());
    Section section;
    double y = 10.5 * unit() - 0.5;
    for (const double height : z) {
      if (unit() > 0.3) y = 10.5 * unit() - 0.5;
      // Knuckles, marked as hullOf takes them, at positive heights only.
      section.emplace_back(height > 0.0 && unit() < 0.3 ? -height : height, y);
    }
    return section;
  });
}

// One side's girth through station st's points up to the point at height t:
// the polygon's (half-breadths below zero as zero), which the outline passes
// through, and the most the outline may be, its pieces reaching at most ten
// of their heights beyond their points (81 h + 4 |dy| with the join).
std::pair<double, double> girthBounds(const HullModel& hull, int st, double t) {
  const auto y = [&](int k) { return std::fmax(hull.pointY(st, k), 0.0); };
  double polygon = y(1), largest = y(1);
  for (int k = 1; k < hull.pointCount(st) && hull.pointZ(st, k) < t; ++k) {
    const double h = hull.pointZ(st, k + 1) - hull.pointZ(st, k);
    polygon += std::hypot(h, y(k + 1) - y(k));
    largest += 81.0 * h + 4.0 * std::fabs(hull.pointY(st, k + 1) - hull.pointY(st, k));
  }
  return {polygon, largest};
}

// On every hull each Bonjean area rises with height and each layer's centre
// lies in the layer; where the curves of form have a row at T, KB lies between
// the lowest keel and T and S between the bounds of the girths.
TEST(SectionIntegrals, RandomHullsKeepAreasMomentsAndGirthsTogether) {
  std::mt19937 bits(20240527u);
  int rowsChecked = 0;
  for (int n = 0; n < 400; ++n) {
    SCOPED_TRACE("hull " + std::to_string(n));
    double length = 0.0, draft = 0.0;
    const auto hull = randomHull(bits, length, draft);
    for (const BonjeanStation& s : computeBonjeanCurves(*hull).stations) {
      for (std::size_t i = 1; i < s.z.size(); ++i) {
        const double dA = s.area[i] - s.area[i - 1];
        const double dM = s.moment[i] - s.moment[i - 1];
        const double tolerance = 1e-9 * (1.0 + std::fabs(s.area[i]) * (1.0 + std::fabs(s.z[i])));
        SCOPED_TRACE("station " + std::to_string(s.station) + " z = " + std::to_string(s.z[i]));
        ASSERT_GE(dA, -tolerance);
        ASSERT_GE(dM, s.z[i - 1] * dA - tolerance);
        ASSERT_LE(dM, s.z[i] * dA + tolerance);
      }
    }

    Hydrostatics table;
    if (computeHydrostatics(*hull, {length, 1.025, 0.0, {draft}}, table).stop !=
        HydrostaticsStop::None) {
      continue;  // the run's own areas leave no volume or waterplane at T
    }
    ++rowsChecked;
    Table<double> polygon(hull->stationCount), largest(hull->stationCount);
    double lowestKeel = draft;
    for (int st = 1; st <= hull->stationCount; ++st) {
      std::tie(polygon(st), largest(st)) = girthBounds(*hull, st, draft);
      lowestKeel = std::fmin(lowestKeel, hull->keelHeight(st));
    }
    const HydrostaticRow& row = table.rows[0];
    EXPECT_GE(row.kb, lowestKeel - 1e-9);
    EXPECT_LE(row.kb, draft + 1e-9);
    const int count = hull->stationCount;
    EXPECT_GE(row.wettedSurface,
              2.0 * integrateTabulated(count, hull->stationX, polygon) * (1.0 - 1e-6));
    EXPECT_LE(row.wettedSurface, 2.0 * integrateTabulated(count, hull->stationX, largest));
  }
  EXPECT_GT(rowsChecked, 100) << "too few hulls had curves of form at T";
}

}  // namespace
}  // namespace norvika
