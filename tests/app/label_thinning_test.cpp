// Station numbers that would run together where stations crowd give way by their rank.

#include "render/label_thinning.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace norvika {
namespace {

TEST(LabelThinning, CrowdedLabelsGiveWayByRank) {
  struct Case {
    const char* what;
    std::vector<double> lefts;  // labels 30 x 10 pixels on one line
    std::vector<int> ranks;
    std::string leftOut;  // one character a label: 'x' left out, '.' drawn
  };
  const Case cases[] = {
      {"room for all", {0, 40, 80}, {1, 5, 1}, "..."},
      // 18.00 18.50 19.00 19.50 20.00 at a bow with half stations, 20 px apart.
      {"half stations at the bow", {0, 20, 40, 60, 80}, {3, 4, 3, 4, 1}, ".x.x."},
      {"the end station keeps its number", {0, 20}, {3, 1}, "x."},
      {"equal ranks: the first drawn stays", {0, 20, 40}, {3, 3, 3}, ".x."},
      {"a gap of under half the height is too little", {0, 34}, {2, 2}, ".x"},
      {"a gap of over half the height is enough", {0, 36}, {2, 2}, ".."},
      {"texts of rank 0 always drawn and never in the way", {0, 10, 20}, {0, 1, 0}, "..."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<QRectF> places;
    for (const double left : c.lefts) places.emplace_back(left, 100.0, 30.0, 10.0);
    const std::vector<bool> leftOut = labelsLeftOut(places, c.ranks);
    std::string shown;
    for (const bool out : leftOut) shown += out ? 'x' : '.';
    EXPECT_EQ(shown, c.leftOut);
  }
}

TEST(LabelThinning, LabelsOnDifferentLinesDoNotMeet) {
  const std::vector<QRectF> places{{0, 0, 30, 10}, {0, 20, 30, 10}};
  EXPECT_EQ(labelsLeftOut(places, {2, 2}), (std::vector<bool>{false, false}));
}

}  // namespace
}  // namespace norvika
