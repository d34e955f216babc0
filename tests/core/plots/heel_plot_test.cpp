#include "plots/heel_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "../calculation/heel_test_hulls.h"
#include "platform/colour.h"

namespace norvika {
namespace {

std::vector<Primitive> itemsOf(const Window& window, PrimitiveKind kind, Colour colour) {
  std::vector<Primitive> found;
  for (const Primitive& p : window.currentFrame().items) {
    if (p.kind == kind && p.colour == colour) found.push_back(p);
  }
  return found;
}

// A box of half-breadth 5 m and depth 8 m drawn as station 3, heeled 10 deg.
struct DrawnBox {
  explicit DrawnBox(double z0) {
    const HullModel hull = heeltest::boxHull(5.0, 8.0, {0.0, 10.0, 20.0});
    section = heeltest::heelStation(hull, 3, z0, 10.0);
    drawHeeledSection(window, hull.maxHalfBreadth, 3, section, section.spline, 10.0);
  }
  std::vector<Primitive> waterlines() const { return itemsOf(window, PrimitiveKind::Line, 100); }
  std::vector<Primitive> centre() const { return itemsOf(window, PrimitiveKind::Circle, 100); }

  Window window{WindowId::Stability};
  heeltest::StationCut section;
};

TEST(HeelPlot, SectionContourWaterlinesAndCentre) {
  const DrawnBox d(4.0);
  const std::vector<Primitive> outline = itemsOf(d.window, PrimitiveKind::Line, 2500 * 3 + 4010);
  ASSERT_GT(outline.size(), 3u);
  for (std::size_t i = 0; i + 1 < outline.size(); i += 2) {
    EXPECT_EQ(outline[i].x2, -outline[i + 1].x2);  // both sides, mirrored
    EXPECT_LE(outline[i].y2, 8.0);
  }
  EXPECT_EQ(outline.back().x2, -5.0);  // the deck
  EXPECT_EQ(outline.back().y2, 8.0);

  // Rising side out to (5, 4 - 5 tan 10), sinking side to (-5, 4 + 5 tan 10).
  const std::vector<Primitive> waterline = d.waterlines();
  ASSERT_EQ(waterline.size(), 2u);
  const double rise = 5.0 * heeltest::tanDeg(10.0);
  EXPECT_EQ(waterline[0].x1, 0.0);
  EXPECT_EQ(waterline[0].y1, 4.0);
  EXPECT_EQ(waterline[0].x2, 5.0);
  EXPECT_NEAR(waterline[0].y2, 4.0 - rise, 2e-4);
  EXPECT_EQ(waterline[1].x2, -5.0);
  EXPECT_NEAR(waterline[1].y2, 4.0 + rise, 2e-4);

  const double area = d.section.halves.emergedArea(1) + d.section.halves.immersedArea(1);
  EXPECT_EQ(d.section.area, area);
  const std::vector<Primitive> circles = d.centre();
  ASSERT_EQ(circles.size(), 3u);
  EXPECT_DOUBLE_EQ(circles[0].radius, 0.05);
  EXPECT_DOUBLE_EQ(circles[2].radius, 0.0125);
  EXPECT_DOUBLE_EQ(circles[0].x1, d.section.momentY / area);
  EXPECT_DOUBLE_EQ(circles[0].y1, d.section.momentZ / area);
}

TEST(HeelPlot, WaterlineSegmentsAboveTheDeckAreNotDrawn) {
  // Centreline 0.3 m above the deck: the rising segment is cut off where the
  // line crosses the deck (its end height is found to 0.0002 m); the sinking
  // one lies above the deck.
  const DrawnBox awash(8.3);
  const double cot = 1.0 / heeltest::tanDeg(10.0);
  ASSERT_EQ(awash.waterlines().size(), 1u);
  EXPECT_NEAR(awash.waterlines()[0].x1, 0.3 * cot, 2e-4 * cot);
  EXPECT_EQ(awash.waterlines()[0].y1, 8.0);
  EXPECT_EQ(awash.centre().size(), 3u);

  // Deck under water on both sides: no segment, the centre is still marked.
  const DrawnBox sunk(9.5);
  EXPECT_TRUE(sunk.waterlines().empty());
  EXPECT_EQ(sunk.centre().size(), 3u);
}

TEST(HeelPlot, DryOrTinySectionsDrawOnlyTheirOutline) {
  struct Case {
    std::vector<std::pair<double, double>> points;
    std::size_t outlineLines;  // 0: any number
  };
  const Case cases[] = {
      // Keel above the inclined line.
      {heeltest::boxSection(2.0, 8.0, 5.0), 0},
      // Node span shorter than the drawing step (2 r0 = 0.1 m): deck line only.
      {{{4.0, 1.0}, {4.03, 2.0}, {4.06, 2.5}}, 1},
  };
  for (const Case& c : cases) {
    const auto s = heeltest::heelStation(heeltest::hullOf(c.points, {0.0}), 1, 1.0, 5.0);
    Window window(WindowId::Stability);
    drawHeeledSection(window, 5.0, 1, s, s.spline, 5.0);
    EXPECT_EQ(s.area, 0.0);
    const auto outline = itemsOf(window, PrimitiveKind::Line, 2500 + 4010);
    EXPECT_EQ(outline.size(), window.currentFrame().items.size());  // nothing else
    if (c.outlineLines > 0) {
      EXPECT_EQ(outline.size(), c.outlineLines);
    }
  }
}

}  // namespace
}  // namespace norvika
