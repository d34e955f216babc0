// Meshes as designers have them: patches with seams between them, a crack
// across a station plane, a real aperture, a flat bottom a hair off level
// or noisy, faces that overlap. The written hull's volume, LCB, waterplane
// area and wetted surface (Norvika's own, girths along the ship) against
// the closed form or the mesh's own values worked out here.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "calculation/hydrostatics.h"
#include "offsets_test_models.h"

namespace norvika::offsets::testing {
namespace {

struct Values {
  double volume, lcb, waterplane, wetted;  // m3, m from AP, m2, m2
};

struct TornModel {
  const char* name;
  std::vector<Facet> facets;
  std::vector<std::string> args;  // beyond the model, -o and --draft
  double draft;                   // m above base
  Values expected;
  double share;         // of each value (LCB: of the length)
  const char* warning;  // the warnings must hold this, or ""
};

Values writtenValues(const HullModel& hull, double length, double draft) {
  Hydrostatics h;
  EXPECT_EQ(computeHydrostatics(hull, {length, 1.0, 0.0, {draft}}, h).stop, HydrostaticsStop::None);
  if (h.rows.empty()) return {};
  const HydrostaticRow& r = h.rows.front();
  return {r.volume, r.lcb, r.waterplaneArea, r.wettedSurface};
}

// The port half-section of a barge: a flat bottom whose middle sags `sag`
// (m) below its edge at y = 8 m, a bilge of radius 2 m, a side up to 10 m.
std::vector<std::array<double, 2>> bargeSection(double sag) {
  std::vector<std::array<double, 2>> s;
  for (int k = 0; k <= 8; ++k) {
    const double y = k;
    s.push_back({y, -sag * (1.0 - (y / 8.0) * (y / 8.0))});
  }
  for (int k = 1; k <= 12; ++k) {
    const double t = 0.5 * std::numbers::pi * k / 12;
    s.push_back({8.0 + 2.0 * std::sin(t), 2.0 - 2.0 * std::cos(t)});
  }
  s.push_back({10.0, 10.0});
  return s;
}

// Area (m2, both halves) and girth (m, both halves) of a half-section below T.
std::pair<double, double> sectionBelow(const std::vector<std::array<double, 2>>& s, double T) {
  double area = 0.0, girth = s.front()[0];
  for (std::size_t k = 0; k + 1 < s.size() && s[k][1] < T; ++k) {
    const auto [y0, z0] = s[k];
    auto [y1, z1] = s[k + 1];
    if (z1 > T) {
      y1 = y0 + (T - z0) / (z1 - z0) * (y1 - y0);
      z1 = T;
    }
    area += (y0 + y1) * (z1 - z0);
    girth += std::hypot(y1 - y0, z1 - z0);
  }
  return {area, 2.0 * girth};
}

Values bargeValues(const std::vector<std::array<double, 2>>& s, double L, double T) {
  const auto [area, girth] = sectionBelow(s, T);
  return {L * area, 0.5 * L, L * 20.0, L * girth};
}

// The parabolic hull's wetted surface by girths: 2 ∫∫ sqrt(1 + h_z^2) dz dx.
double parabolicGirths(const ParabolicHull& h) {
  const int n = 400;
  double sum = 0.0;
  for (int i = 0; i < n; ++i) {
    const double x = h.L * (i + 0.5) / n, f = 1.0 - (2.0 * x / h.L - 1.0) * (2.0 * x / h.L - 1.0);
    for (int j = 0; j < n; ++j) {
      const double z = h.T * (j + 0.5) / n;
      const double slope = 0.5 * h.B * f * 2.0 * (h.T - z) / (h.T * h.T);
      sum += std::sqrt(1.0 + slope * slope);
    }
  }
  return 2.0 * sum * (h.L / n) * (h.T / n);
}

std::vector<Facet> joined(std::vector<std::vector<Facet>> parts) {
  std::vector<Facet> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(TornModels, WrittenHullKeepsVolumeCentreWaterplaneAndWettedSurface) {
  const ParabolicHull wigley;
  PatchedHull box{[](double, double) { return 10.0; }, 100.0, 10.0, 4, {}, {}};
  box.across = {{37.3, 0.01}, {50.0, 0.001}};
  box.along = {{3.0, 0.01}, {7.0, 0.01}};
  PatchedHull parabolic{
      [&](double x, double z) { return wigley.halfBreadth(x, std::min(z, wigley.D)); },
      wigley.L,
      wigley.D,
      12,
      {},
      {}};
  parabolic.across = {{22.3, 0.01}, {50.0, 0.001}, {71.2, 0.01}};
  parabolic.along = {{1.5, 0.01}, {4.5, 0.01}};

  // A box barge 10 .. 100 m with, aft of it, a skeg 1 m wide up to 2 m and
  // a counter from 5 m: an aperture 10 m long and 3 m tall, both its sides
  // closed. Its girth, as the hull file writes it, runs in to the centre
  // line and along it across the aperture: 28 m there, 26 m elsewhere.
  std::vector<Facet> aperture =
      joined({boxFacets(10, 100, -5, 5, 0, 10), boxFacets(0, 10, -0.5, 0.5, 0, 2),
              boxFacets(0, 10, -5, 5, 5, 10)});
  const double apertureVolume = 90 * 80 + 10 * (1 * 2 + 10 * 3);

  std::mt19937 random(5415);
  std::uniform_real_distribution<double> noise(-0.002, 0.002);
  const auto clean = bargeSection(0.0), sagging = bargeSection(0.003);

  // The box with every port facet twice, an inner bulkhead and deck, and a
  // patch over the starboard side 0.5 mm out of it.
  std::vector<Facet> overlapping = boxFacets(0, 100, -10, 10, 0, 10);
  for (const Facet& f : boxFacets(0, 100, -10, 10, 0, 10)) {
    if (f[0].y > 9.0 && f[1].y > 9.0 && f[2].y > 9.0) overlapping.push_back(f);
  }
  overlapping =
      joined({overlapping, boxFacets(49.9, 50.1, -9, 9, 1, 9), boxFacets(1, 99, -9, 9, 5, 5.1)});
  overlapping.push_back(
      {Point3{20, -10.0005, 2}, Point3{80, -10.0005, 6}, Point3{80, -10.0005, 2}});
  overlapping.push_back(
      {Point3{20, -10.0005, 2}, Point3{20, -10.0005, 6}, Point3{80, -10.0005, 6}});

  const std::vector<std::string> stations21 = {"--ap", "0", "--fp", "100"};
  const std::vector<std::string> stations11 = {"--ap", "0", "--fp", "100", "--stations", "11"};
  const TornModel models[] = {
      {"box in patches, 1 cm seams, a 1 mm crack at station 6",
       patchedFacets(box),
       stations11,
       4.0,
       {8000.0, 50.0, 2000.0, 100.0 * (20.0 + 8.0)},
       0.005,
       "station 6 at x = 50 m: the plane meets no hull"},
      {"parabolic hull in patches, 1 cm seams, a 1 mm crack at station 11",
       patchedFacets(parabolic),
       stations21,
       wigley.T,
       {4.0 / 9.0 * wigley.L * wigley.B * wigley.T, 50.0, 2.0 / 3.0 * wigley.L * wigley.B,
        parabolicGirths(wigley)},
       0.005,
       "station 11 at x = 50 m: the plane meets no hull"},
      {"a propeller aperture, kept",
       aperture,
       {"--ap", "0", "--fp", "100", "--at",
        "0,2.5,5,7.5,9.99,10,10.01,20,30,40,50,60,70,80,90,100"},
       8.0,
       {apertureVolume, (90 * 80 * 55.0 + 10 * 32 * 5.0) / apertureVolume, 1000.0,
        90 * 26.0 + 10 * 28.0},
       0.005,
       ""},
      {"a flat bottom sagging 3 mm",
       bargeFacets(sagging, 100.0, 10, 9, [](double, double) { return 0.0; }), stations21, 6.0,
       bargeValues(sagging, 100.0, 6.0), 0.005, ""},
      {"a flat bottom with 2 mm noise",
       bargeFacets(clean, 100.0, 40, 9, [&](double, double) { return noise(random); }), stations21,
       6.0, bargeValues(clean, 100.0, 6.0), 0.01, ""},
      {"faces twice, inner faces, a patch over the side",
       overlapping,
       stations21,
       4.0,
       {8000.0, 50.0, 2000.0, 2800.0},
       0.005,
       ""},
  };
  for (const TornModel& m : models) {
    SCOPED_TRACE(m.name);
    ScratchDirectory dir;
    dir.write("model.stl", stlText(m.facets));
    std::vector<std::string> args = {
        (dir / "model.stl").string(), "-o", (dir / "HULL.DAT").string(), "--base", "0", "--draft",
        std::to_string(m.draft)};
    args.insert(args.end(), m.args.begin(), m.args.end());
    const ToolRun run = runTool(args);
    ASSERT_EQ(run.status, 0) << run.err << run.out;
    if (*m.warning) {
      EXPECT_NE(run.err.find(m.warning), std::string::npos) << run.err;
    }
    EXPECT_EQ(run.err.find("bridged"), std::string::npos) << run.err;
    const HullModel hull = readWritten(dir / "HULL.DAT");
    const Values v = writtenValues(hull, 100.0, m.draft);
    const Values& e = m.expected;
    EXPECT_NEAR(v.volume, e.volume, m.share * e.volume) << run.out;
    EXPECT_NEAR(v.lcb, e.lcb, m.share * 100.0);
    EXPECT_NEAR(v.waterplane, e.waterplane, m.share * e.waterplane);
    EXPECT_NEAR(v.wetted, e.wetted, m.share * e.wetted) << run.out;
  }
}

}  // namespace
}  // namespace norvika::offsets::testing
