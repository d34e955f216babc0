#include "numerics/integration_spline.h"
#include "numerics/station_spline.h"
#include "platform/colour.h"
#include "platform/pause.h"
#include "plots/check_plots.h"
#include "plots/curve_sampling.h"
#include "text/catalogue.h"

namespace norvika {

namespace {

// One end contour, longitudinal position against height, drawn shifted by
// `shift` metres: the fitted curve (no mirror, no closing line) and its points.
void drawContour(Window& window, const StationSpline& spline, double shift, double h) {
  const int n = spline.n;
  const Colour curve = qbColor(13);
  const Colour point = qbColor(12);

  double z0 = spline.nodeZ(1);
  double x0 = spline.coef(1, 1);
  forEachCurveSample(spline.nodeZ(1), spline.nodeZ(n), h, [&](double z) {
    double x = x0;
    evaluateSpline(n, z, x, spline.nodeZ, spline.coef);
    window.line(x0 + shift, z0, x + shift, z, curve);
    z0 = z;
    x0 = x;
  });

  for (int m = 1; m <= n; ++m) {
    window.circle(spline.coef(1, m) + shift, spline.nodeZ(m), h / 5, point);
    window.circle(spline.coef(1, m) + shift, spline.nodeZ(m), h / 10, point);
  }
}

}  // namespace

bool checkEndContours(Platform& platform, const HullModel& hull, double shipLength) {
  Window& window = platform.window(WindowId::Report);
  const double B = drawableExtent(hull.maxHalfBreadth);
  const double h = B / 40;

  struct Pass {
    int curve;
    double shift;  // m: AP drawn at the box's left side, FP on the centre line
    Text question;
  };
  const Pass passes[] = {
      {hull.sternCurve(), -B, Text::QuestionSternContour},
      {hull.bowCurve(), -shipLength, Text::QuestionBowContour},
  };

  StationSpline spline;
  for (const Pass& pass : passes) {
    drawCheckFrame(window, hull.maxHalfBreadth, hull.maxHeight);
    if (hull.pointCount(pass.curve) >= 1) {
      fitCurveSpline(hull, pass.curve, spline);
      drawContour(window, spline, pass.shift, h);
    }
    const std::string answer = ask(platform, std::string(text(pass.question)), " ",
                                   std::string(text(Text::AnswerNo)), kGeometryQuestionAt);
    if (answeredYes(answer)) return false;
  }
  return true;
}

}  // namespace norvika
