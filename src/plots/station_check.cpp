#include "numerics/integration_spline.h"
#include "numerics/station_spline.h"
#include "platform/colour.h"
#include "platform/pause.h"
#include "plots/check_plots.h"
#include "plots/curve_sampling.h"
#include "plots/drawing_texts.h"
#include "plots/sampled_section.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

// One station of the body plan: the fitted curve and its mirror image, the
// line joining the two top nodes, and the input points as double circles.
void drawStationSection(Window& window, const StationSpline& spline, double h) {
  const int n = spline.n;
  const Colour curve = qbColor(13);
  const Colour point = qbColor(12);

  // The piece above the last sample is left undrawn; the top line below
  // still joins the top nodes.
  drawSampledSection(window, spline, h, curve);
  window.line(spline.coef(1, n), spline.nodeZ(n), -spline.coef(1, n), spline.nodeZ(n), curve);

  for (int k = 1; k <= n; ++k) {
    const double y = spline.coef(1, k);
    const double z = spline.nodeZ(k);
    window.circle(y, z, h / 5, point);
    window.circle(-y, z, h / 5, point);
    window.circle(y, z, h / 10, point);
    window.circle(-y, z, h / 10, point);
  }
}

}  // namespace

bool checkStationSections(Platform& platform, const HullModel& hull) {
  Window& window = platform.window(WindowId::Report);
  drawCheckFrame(window, hull.maxHalfBreadth, hull.maxHeight);
  window.describe(std::string(text(Text::DrawingBodyPlanCaption)), texts::checks::kBodyPlanName);

  // Only drawn: nothing of it is worth working out when no drawing is kept.
  if (window.keepsDrawing()) {
    const double h = drawableExtent(hull.maxHalfBreadth) / 40;
    StationSpline spline;
    for (int i = 1; i <= hull.stationCount; ++i) {
      if (hull.pointCount(i) < 1) continue;
      fitCurveSpline(hull, i, spline);
      drawStationSection(window, spline, h);
    }
    const double B = drawableExtent(hull.maxHalfBreadth);
    drawCheckScales(window, hull, B, drawableExtent(hull.maxHeight),
                    {-B, B, 0.0, texts::checks::kHalfBreadth, nullptr, 0.0, -B});
  }

  const std::string answer = ask(platform, std::string(text(Text::QuestionStations)), " ",
                                 std::string(text(Text::AnswerNo)), kGeometryQuestionAt);
  return !answeredYes(answer);
}

}  // namespace norvika
