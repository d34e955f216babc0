#include "plots/distribution_graph.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/recording_platform.h"
#include "test_hulls.h"

namespace norvika {
namespace {

using namespace norvika::testing;

// Draws the graph and returns the picture as it stood before the closing clear.
Frame drawGraph(RecordingPlatform& platform, const std::vector<double>& xs,
                const std::vector<double>& vs) {
  Table<double> x(kMaxEqualPoints), v(kMaxEqualPoints);
  for (std::size_t i = 0; i < xs.size(); ++i) {
    x(static_cast<int>(i) + 1) = xs[i];
    v(static_cast<int>(i) + 1) = vs[i];
  }
  drawDistributionGraph(platform, x, v, static_cast<int>(xs.size()), "SEPHIYE DAGILIMI");
  const Window& window = platform.window(WindowId::Graph);
  EXPECT_TRUE(window.currentFrame().items.empty());  // cleared after the pause
  const auto& frames = platform.finishedFrames(WindowId::Graph);
  return frames.empty() ? Frame{} : frames.back();
}

TEST(DistributionGraph, ScaleReferenceFollowsTheLargestMagnitude) {
  const struct {
    const char* what;
    std::vector<double> v;
    double S;
  } cases[] = {
      {"positive", {1, 3, 2}, 3},
      {"negative larger than positive", {1, -4, 2}, 4},
      {"negative first value left out of the minimum", {-5, 1, 2}, 2},
      {"all negative", {-1, -3, -2}, 3},
      {"all zero", {0, 0, 0}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingPlatform platform;
    const Frame frame = drawGraph(platform, {0, 40, 80}, c.v);
    ASSERT_EQ(frame.items.size(), 2u + 3 + 2 + 2);
    expectScale(frame.items[0].scale, -40, 1.35 * c.S, 120, -0.35 * c.S);
    expectLine(frame.items[1], 0, 0, 0, 1.05 * c.S);      // value axis
    EXPECT_DOUBLE_EQ(frame.items.back().y1, -0.2 * c.S);  // "AP" inside the lower margin
  }
}

}  // namespace
}  // namespace norvika
