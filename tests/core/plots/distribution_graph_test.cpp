#include "plots/distribution_graph.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/recording_platform.h"
#include "plots/annotation.h"
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
  drawDistributionGraph(platform, x, v, static_cast<int>(xs.size()), "SEPHIYE DAGILIMI", 80,
                        {"", ""});
  const Window& window = platform.window(WindowId::Graph);
  EXPECT_TRUE(window.currentFrame().items.empty());  // cleared after the pause
  const auto& frames = platform.finishedFrames(WindowId::Graph);
  return frames.empty() ? Frame{} : frames.back();
}

// The legacy graph scales to the largest magnitude S; the value scale added beside it reads
// round steps in t/m from the smallest value (or zero) up to a little over S, within the
// picture (which shows 0.35 S below the base line).
TEST(DistributionGraph, ScaleReferenceAndValueScaleFollowTheValues) {
  const struct {
    const char* what;
    std::vector<double> v;
    double S;
    std::vector<std::string> values;  // the value scale, bottom up
  } cases[] = {
      {"positive", {1, 3, 2}, 3, {"0.0", "0.5", "1.0", "1.5", "2.0", "2.5", "3.0"}},
      {"negative larger than positive", {1, -4, 2}, 4, {"-1", "0", "1", "2", "3", "4"}},
      // The first value, left out of the legacy scale's bottom, stands below the picture.
      {"negative first value left out of the minimum",
       {-5, 1, 2},
       2,
       {"-0.5", "0.0", "0.5", "1.0", "1.5", "2.0"}},
      {"all negative", {-1, -3, -2}, 3, {"0", "1", "2", "3"}},
      {"all zero", {0, 0, 0}, 1, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
      {"the buoyancy of a barge", {0, 102.5, 0}, 102.5, {"0", "20", "40", "60", "80", "100"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingPlatform platform;
    const Frame frame = drawGraph(platform, {0, 40, 80}, c.v);
    const auto axes = drawn(frame, PrimitiveKind::Line, qbColor(9));
    ASSERT_EQ(axes.size(), 2u);
    expectScale(axes[1].scale, -40, 1.35 * c.S, 120, -0.35 * c.S);
    expectLine(axes[1], 0, 0, 0, 1.05 * c.S);  // value axis
    const auto legacy = drawn(frame, PrimitiveKind::Text, qbColor(1));
    ASSERT_EQ(legacy.size(), 2u);
    EXPECT_DOUBLE_EQ(legacy[1].y1, -0.2 * c.S);  // "AP" inside the lower margin

    // The scale's values come first, then its unit.
    std::vector<std::string> values;
    for (const Primitive& p : drawn(frame, PrimitiveKind::Text, kAnnotationInk)) {
      if (p.text == "t/m") break;
      values.push_back(p.text);
    }
    EXPECT_EQ(values, c.values);
  }
}

}  // namespace
}  // namespace norvika
