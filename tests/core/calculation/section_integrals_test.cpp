// A section's area, moment and girth come from one outline: sections with
// steps, a chine and a bulb against the closed forms of their polygons, and
// random hulls of every kind the hull reader accepts against what any section
// must satisfy.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "calculation/bonjean.h"
#include "calculation/hydrostatics.h"
#include "hydrostatic_hulls.h"
#include "numerics/integration_spline.h"

namespace norvika {
namespace {

using hydrotest::hullOf;
using hydrotest::Section;

// Area, moment about the base line and girth (both sides, m2, m3, m) of the
// polygon through a section's points below height t, and its half-breadth at t.
struct Polygon {
  double area = 0.0, moment = 0.0, girth = 0.0, halfBreadth = 0.0;
};
Polygon polygonBelow(const Section& points, double t) {
  Polygon p;
  p.girth = 2.0 * points.front().second;
  for (std::size_t k = 0; k + 1 < points.size() && points[k].first < t; ++k) {
    const auto [z0, y0] = points[k];
    auto [z1, y1] = points[k + 1];
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

// The box barge's stations with a step, a chine or a bulb: the points as
// hullOf takes them (a negative height marks a knuckle, code 0) and a draft.
struct SteppedSection {
  const char* name;
  Section points;
  double draft;
};

Section absolute(Section points) {
  for (auto& [z, y] : points) z = std::fabs(z);
  return points;
}

TEST(SectionIntegrals, SteppedSectionsMeetTheClosedFormsOfTheirPolygons) {
  const SteppedSection rows[] = {
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
  for (const SteppedSection& row : rows) {
    SCOPED_TRACE(row.name);
    const Section points = absolute(row.points);
    const auto hull = hullOf(5, L, [&](double) { return row.points; });

    Hydrostatics table;
    ASSERT_EQ(computeHydrostatics(*hull, {L, 1.025, 0.0, {row.draft}}, table).stop,
              HydrostaticsStop::None);
    const Polygon atDraft = polygonBelow(points, row.draft);
    EXPECT_NEAR(table.rows[0].kb, atDraft.moment / atDraft.area, 1e-4 * row.draft);
    EXPECT_NEAR(table.rows[0].wettedSurface, L * atDraft.girth, 1e-4 * L * atDraft.girth);
    EXPECT_NEAR(table.rows[0].waterplaneArea, 2.0 * L * atDraft.halfBreadth,
                1e-4 * L * atDraft.halfBreadth);

    const BonjeanStation bonjean = computeBonjeanCurves(*hull).stations.front();
    for (std::size_t i = 0; i < bonjean.z.size(); ++i) {
      const Polygon expected = polygonBelow(points, bonjean.z[i]);
      const double scale = 1e-4 * (1.0 + expected.area);
      EXPECT_NEAR(bonjean.area[i], expected.area, scale) << "z = " << bonjean.z[i];
      EXPECT_NEAR(bonjean.moment[i], expected.moment, scale * 10.0) << "z = " << bonjean.z[i];
    }
  }
}

// A hull the reader accepts, at random: two to six stations, each with points
// a micrometre to metres apart, half-breadths below zero, repeated (vertical
// sides) and knuckles, and a point at the height T on every station.
struct RandomHull {
  std::unique_ptr<HullModel> hull;
  double length = 0.0;
  double draft = 0.0;  // T
};

class HullDice {
 public:
  explicit HullDice(std::uint32_t seed) : bits_(seed) {}
  double unit() { return static_cast<double>(bits_() >> 5) / 134217728.0; }
  double between(double a, double b) { return a + (b - a) * unit(); }
  bool chance(double p) { return unit() < p; }

  double gap() {
    const double u = unit();
    if (u < 0.1) return 1e-6;
    if (u < 0.2) return 1e-4;
    if (u < 0.3) return 1e-3;
    if (u < 0.4) return 0.02;
    return between(0.05, 3.0);
  }

  RandomHull hull() {
    RandomHull r;
    r.draft = between(1.0, 6.0);
    r.length = between(10.0, 150.0);
    const int stations = 2 + static_cast<int>(unit() * 5.0);
    r.hull = std::make_unique<HullModel>();
    HullModel& h = *r.hull;
    h.stationCount = stations;
    for (int st = 1; st <= stations; ++st) {
      h.stationX(st) = r.length * (st - 1) / (stations - 1);
      std::vector<double> z{r.draft};
      for (int k = static_cast<int>(unit() * 5.0); k >= 0; --k)
        z.insert(z.begin(), z.front() - gap());
      for (int k = static_cast<int>(unit() * 5.0); k >= 0; --k) z.push_back(z.back() + gap());
      double y = between(-0.5, 10.0);
      h.pointCount(st) = static_cast<int>(z.size());
      for (std::size_t k = 0; k < z.size(); ++k) {
        if (!chance(0.3)) y = between(-0.5, 10.0);
        const int column = static_cast<int>(k) + 1;
        h.pointZ(st, column) = z[k];
        h.pointY(st, column) = y;
        h.pointCode(st, column) = chance(0.3) ? 0.0 : 1.0;
      }
    }
    for (const int curve : {h.sternCurve(), h.bowCurve()}) {
      h.pointCount(curve) = 1;
      h.pointY(curve, 1) = curve == h.sternCurve() ? 0.0 : r.length;
    }
    computeHullExtents(h);
    return r;
  }

 private:
  std::mt19937 bits_;
};

// One side's polygon girth through station st's points up to height t (a
// point height), half-breadths below zero taken as zero; and the most an
// outline may add to it: a piece's curve may reach ten of its heights beyond
// its two points, so its length with the join closing it is at most
// 81 h + 4 |dy|.
struct GirthBounds {
  double polygon = 0.0;
  double largest = 0.0;
};
GirthBounds girthBounds(const HullModel& hull, int st, double t) {
  const auto y = [&](int k) { return std::fmax(hull.pointY(st, k), 0.0); };
  GirthBounds b{y(1), y(1)};
  for (int k = 1; k < hull.pointCount(st) && hull.pointZ(st, k) < t; ++k) {
    const double h = hull.pointZ(st, k + 1) - hull.pointZ(st, k);
    b.polygon += std::hypot(h, y(k + 1) - y(k));
    b.largest += 81.0 * h + 4.0 * std::fabs(hull.pointY(st, k + 1) - hull.pointY(st, k));
  }
  return b;
}

double alongShip(const HullModel& hull, const std::function<double(int)>& perStation) {
  Table<double> values(hull.stationCount);
  for (int st = 1; st <= hull.stationCount; ++st) values(st) = perStation(st);
  return integrateTabulated(hull.stationCount, hull.stationX, values);
}

// On every random hull: the Bonjean area never falls with height and each
// layer's centre lies within the layer; where the curves of form have a row at
// T, KB lies between the lowest keel and T, and the wetted surface between the
// polygons' and the most the outlines may add to them.
TEST(SectionIntegrals, RandomHullsKeepAreasMomentsAndGirthsTogether) {
  HullDice dice(20240527u);
  int rowsChecked = 0;
  for (int n = 0; n < 30000; ++n) {
    const RandomHull r = dice.hull();
    const HullModel& hull = *r.hull;
    SCOPED_TRACE("hull " + std::to_string(n));
    for (const BonjeanStation& s : computeBonjeanCurves(hull).stations) {
      for (std::size_t i = 1; i < s.z.size(); ++i) {
        const double dA = s.area[i] - s.area[i - 1];
        const double dM = s.moment[i] - s.moment[i - 1];
        const double tolerance = 1e-9 * (1.0 + std::fabs(s.area[i]) * (1.0 + std::fabs(s.z[i])));
        ASSERT_GE(dA, -tolerance) << "station " << s.station << " z = " << s.z[i];
        ASSERT_GE(dM, s.z[i - 1] * dA - tolerance) << "station " << s.station << " z = " << s.z[i];
        ASSERT_LE(dM, s.z[i] * dA + tolerance) << "station " << s.station << " z = " << s.z[i];
      }
    }

    Hydrostatics table;
    if (computeHydrostatics(hull, {r.length, 1.025, 0.0, {r.draft}}, table).stop !=
        HydrostaticsStop::None) {
      continue;  // the run's own areas leave no volume or waterplane there
    }
    ++rowsChecked;
    const HydrostaticRow& row = table.rows[0];
    double lowestKeel = r.draft;
    for (int st = 1; st <= hull.stationCount; ++st)
      lowestKeel = std::fmin(lowestKeel, hull.keelHeight(st));
    EXPECT_GE(row.kb, lowestKeel - 1e-9);
    EXPECT_LE(row.kb, r.draft + 1e-9);
    const double polygon =
        2.0 * alongShip(hull, [&](int st) { return girthBounds(hull, st, r.draft).polygon; });
    const double largest =
        2.0 * alongShip(hull, [&](int st) { return girthBounds(hull, st, r.draft).largest; });
    EXPECT_GE(row.wettedSurface, polygon * (1.0 - 1e-6));
    EXPECT_LE(row.wettedSurface, largest);
  }
  EXPECT_GT(rowsChecked, 100) << "too few hulls had curves of form at T";
}

}  // namespace
}  // namespace norvika
