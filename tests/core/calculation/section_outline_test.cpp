// The large-angle cut of a section against an independent polygon clipping:
// polygonal sections exactly, the fitted curves of a real hull through a fine
// polygon of their own half-breadths, and upright against the moments of the
// upright integration.

#include "calculation/section_outline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "calculation/section_integrals.h"
#include "dtmb5415_hull.h"
#include "polygon_clip.h"

namespace norvika {
namespace {

using cliptest::Polygon;
using stabilitytest::dtmb5415;

// A section of straight pieces through (height, half-breadth) nodes.
SectionCurve polygonalCurve(const std::vector<std::pair<double, double>>& nodes) {
  SectionCurve curve;
  for (const auto& [z, y] : nodes) curve.z.push_back(z);
  for (std::size_t k = 0; k + 1 < nodes.size(); ++k) {
    const auto [z0, y0] = nodes[k];
    const auto [z1, y1] = nodes[k + 1];
    SectionCurve::Piece piece;
    piece.c1 = y0;
    piece.c2 = (y1 - y0) / (z1 - z0);
    curve.pieces.push_back(piece);
  }
  curve.bottomHalfBreadth = nodes.front().second;
  curve.topHalfBreadth = nodes.back().second;
  return curve;
}

// The closed polygon of a section sampled at the given heights: up the
// starboard side, down the port side.
Polygon polygonOf(const SectionCurve& curve, const std::vector<double>& heights) {
  Polygon polygon;
  for (const double z : heights) polygon.push_back({halfBreadthAt(curve, z), z});
  for (auto z = heights.rbegin(); z != heights.rend(); ++z) {
    polygon.push_back({-halfBreadthAt(curve, *z), *z});
  }
  return polygon;
}

struct Line {
  double heel;
  double share;  // of the way from the section's lowest to its highest point
};

// Each line across the section compared with the polygon clipped by it; the
// waterline breadth against the clipped area's rate of change.
void expectCutsMatch(const SectionCurve& curve, const Polygon& polygon, double tolerance,
                     const std::string& name) {
  const SectionOutline outline = outlineOfSection(curve);
  const Line lines[] = {{0, 0.4},   {10, 0.3},  {35, 0.5},  {60, 0.2},   {60, 0.85}, {90, 0.55},
                        {120, 0.6}, {170, 0.7}, {180, 0.3}, {-25, 0.45}, {-100, 0.5}};
  for (const Line& l : lines) {
    const double s = std::sin(cliptest::radians(l.heel)), c = std::cos(cliptest::radians(l.heel));
    double least = INFINITY, greatest = -INFINITY;
    for (const auto& v : polygon) {
      least = std::fmin(least, -v.y * s + v.z * c);
      greatest = std::fmax(greatest, -v.y * s + v.z * c);
    }
    const double height = least + l.share * (greatest - least);
    SCOPED_TRACE(name + " heel " + std::to_string(l.heel) + " share " + std::to_string(l.share));
    const SectionCut cut = cutSection(outline, {s, c, height});
    const cliptest::Centroid wet =
        cliptest::centroidOf(cliptest::clipBelow(polygon, l.heel, height));
    const double size = std::fabs(cliptest::centroidOf(polygon).area);
    EXPECT_NEAR(cut.area, wet.area, tolerance * size);
    EXPECT_NEAR(cut.momentY, wet.area * wet.y, tolerance * size * 10.0);
    EXPECT_NEAR(cut.momentZ, wet.area * wet.z, tolerance * size * 10.0);
    const double dh = 1e-5;
    const double rate =
        (cliptest::centroidOf(cliptest::clipBelow(polygon, l.heel, height + dh)).area -
         cliptest::centroidOf(cliptest::clipBelow(polygon, l.heel, height - dh)).area) /
        (2.0 * dh);
    EXPECT_NEAR(cut.waterlineBreadth, rate, 1e-4 + tolerance * 100.0);
  }
}

TEST(SectionOutline, PolygonalSectionsCutAsTheirPolygonsClip) {
  struct Case {
    const char* name;
    std::vector<std::pair<double, double>> nodes;  // (height, half-breadth)
  };
  const Case cases[] = {
      {"box", {{0, 5}, {10, 5}}},
      {"hard chine with flare", {{0, 0.5}, {1.5, 4}, {6, 5.5}}},
      {"V to a point", {{-1, 0}, {3, 4}, {7, 4}}},
      {"tumblehome", {{0, 2}, {2, 6}, {8, 6}, {11, 4.5}}},
      {"crossing the centre line", {{0, 1}, {2, -0.5}, {4, 2}, {6, 3}}},
  };
  for (const Case& c : cases) {
    const SectionCurve curve = polygonalCurve(c.nodes);
    std::vector<double> heights;
    for (const auto& node : c.nodes) heights.push_back(node.first);
    expectCutsMatch(curve, polygonOf(curve, heights), 1e-12, c.name);
  }
}

// The fitted curves of the DTMB 5415's stations (a sonar dome, a transom, the
// stem's gap at the forward perpendicular) against 4000-sided polygons of
// their own half-breadths.
TEST(SectionOutline, FittedStationsCutAsFinePolygonsClip) {
  const auto hull = dtmb5415();
  const std::vector<SectionCurve> curves = layOutStations(*hull);
  for (const int st : {1, 3, 11, 22, 25}) {
    const SectionCurve& curve = curves[static_cast<std::size_t>(st - 1)];
    std::vector<double> heights;
    for (int i = 0; i <= 4000; ++i)
      heights.push_back(curve.keel() + (curve.deck() - curve.keel()) * i / 4000.0);
    expectCutsMatch(curve, polygonOf(curve, heights), 2e-6, "station " + std::to_string(st));
  }
}

// Upright, the cut's moment about the base line is the upright integration's
// (piece by piece, exact as well) at waterlines from under the keel to over
// the deck of every station.
TEST(SectionOutline, UprightMomentsAreThoseOfTheUprightIntegration) {
  const auto hull = dtmb5415();
  for (int st = 1; st <= hull->stationCount; ++st) {
    StationSection section;
    prepareStationSection(*hull, st, section);
    const SectionOutline outline = outlineOfSection(section.curve);
    for (const double share : {-0.1, 0.05, 0.3, 0.77, 1.0, 1.2}) {
      const double zw =
          section.curve.keel() + share * (section.curve.deck() - section.curve.keel());
      const SectionCut cut = cutSection(outline, {0.0, 1.0, zw});
      SCOPED_TRACE("station " + std::to_string(st) + " waterline " + std::to_string(zw));
      EXPECT_NEAR(cut.momentZ, sectionBelow(section, zw).moment, 1e-9);
      EXPECT_NEAR(cut.momentY, 0.0, 1e-12);
    }
  }
}

}  // namespace
}  // namespace norvika
