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

TEST(DistributionGraph, AxesBarsPolygonTitleAndPause) {
  RecordingPlatform platform;
  const Frame frame = drawGraph(platform, {0, 25, 50, 75, 100}, {0, 10, -2, 8, 0});

  const auto axes = drawn(frame, PrimitiveKind::Line, qbColor(9));
  ASSERT_EQ(axes.size(), 2u);
  expectLine(axes[0], 0, 0, 105, 0);
  EXPECT_EQ(axes[0].drawWidth, 2);
  const auto red = drawn(frame, PrimitiveKind::Line, qbColor(4));
  ASSERT_EQ(red.size(), 5u + 4u);
  expectLine(red[2], 50, 0, 50, -2);   // bars first, downwards for a negative value
  expectLine(red[6], 25, 10, 50, -2);  // then the polygon
  EXPECT_EQ(red[2].drawWidth, 1);

  const auto texts = drawn(frame, PrimitiveKind::Text, qbColor(1));
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "SEPHIYE DAGILIMI");
  EXPECT_DOUBLE_EQ(texts[0].x1, -40);
  EXPECT_DOUBLE_EQ(texts[0].y1, 13);
  EXPECT_EQ(texts[0].fontName, "Times New Roman");
  EXPECT_EQ(texts[0].fontSize, 8);
  EXPECT_EQ(texts[1].text, "AP");
  EXPECT_DOUBLE_EQ(texts[1].x1, 0);
  EXPECT_EQ(texts[1].fontSize, 12);

  EXPECT_EQ(platform.questions().size(), 1u);
  EXPECT_TRUE(platform.window(WindowId::Graph).visible());
}

}  // namespace
}  // namespace norvika
