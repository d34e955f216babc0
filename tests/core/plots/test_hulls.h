#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <vector>

#include "model/hull_model.h"
#include "platform/colour.h"
#include "platform/window.h"

namespace norvika::testing {

/// A curve point: height z and offset y (half-breadth, or position from AP for
/// an end contour), metres.
struct CurvePoint {
  double z, y;
};
using Curve = std::vector<CurvePoint>;

/// A hull of the given stations and end contours (all points ordinary spline
/// points, code 1), with its extents computed.
inline HullModel makeHull(const std::vector<double>& stationX, const std::vector<Curve>& stations,
                          const Curve& stern, const Curve& bow) {
  HullModel hull;
  hull.stationCount = static_cast<int>(stations.size());
  auto setCurve = [&hull](int row, const Curve& points) {
    int j = 0;
    for (const CurvePoint& p : points) {
      ++j;
      hull.pointZ(row, j) = p.z;
      hull.pointY(row, j) = p.y;
      hull.pointCode(row, j) = 1;
    }
    hull.pointCount(row) = j;
    hull.pointCode(row, j + 1) = 99;
  };
  for (int i = 1; i <= hull.stationCount; ++i) {
    hull.stationX(i) = stationX[static_cast<std::size_t>(i - 1)];
    setCurve(i, stations[static_cast<std::size_t>(i - 1)]);
  }
  setCurve(hull.sternCurve(), stern);
  setCurve(hull.bowCurve(), bow);
  computeHullExtents(hull);
  return hull;
}

/// A rectangular section of half-breadth b from height z0 to z1.
inline Curve boxSection(double b, double z0, double z1) {
  return {{z0, b}, {(z0 + z1) / 2, b}, {z1, b}};
}

/// Box barge, L = 100 m, B = 5 m, D = 10 m: box sections at 0, 50 and 100 m,
/// a stern raked from 0 to -2 m and a bow raked from 100 to 104 m.
inline HullModel boxBarge() {
  return makeHull({0, 50, 100}, {boxSection(5, 0, 10), boxSection(5, 0, 10), boxSection(5, 0, 10)},
                  {{0, 0}, {5, -1}, {10, -2}}, {{0, 100}, {5, 102}, {10, 104}});
}

/// The primitives of one kind and colour, in drawing order.
inline std::vector<Primitive> drawn(const Frame& frame, PrimitiveKind kind, Colour colour) {
  std::vector<Primitive> out;
  std::copy_if(frame.items.begin(), frame.items.end(), std::back_inserter(out),
               [&](const Primitive& p) { return p.kind == kind && p.colour == colour; });
  return out;
}

inline int countDrawn(const Frame& frame, PrimitiveKind kind, Colour colour) {
  return static_cast<int>(drawn(frame, kind, colour).size());
}

inline void expectLine(const Primitive& p, double x1, double y1, double x2, double y2) {
  EXPECT_EQ(p.kind, PrimitiveKind::Line);
  EXPECT_NEAR(p.x1, x1, 1e-9);
  EXPECT_NEAR(p.y1, y1, 1e-9);
  EXPECT_NEAR(p.x2, x2, 1e-9);
  EXPECT_NEAR(p.y2, y2, 1e-9);
}

inline void expectScale(const UserScale& s, double left, double top, double right, double bottom) {
  EXPECT_DOUBLE_EQ(s.left, left);
  EXPECT_DOUBLE_EQ(s.top, top);
  EXPECT_DOUBLE_EQ(s.right, right);
  EXPECT_DOUBLE_EQ(s.bottom, bottom);
}

}  // namespace norvika::testing
