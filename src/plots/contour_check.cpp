#include <algorithm>

#include "numerics/integration_spline.h"
#include "numerics/station_spline.h"
#include "platform/colour.h"
#include "platform/pause.h"
#include "plots/check_plots.h"
#include "plots/curve_sampling.h"
#include "plots/drawing_texts.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

// One end contour, longitudinal position against height, drawn shifted by
// `shift` metres: the fitted curve (no mirror, no closing line) and its points;
// returns the leftmost place drawn.
double drawContour(Window& window, const StationSpline& spline, double shift, double h) {
  const int n = spline.n;
  const Colour curve = qbColor(13);
  const Colour point = qbColor(12);

  double z0 = spline.nodeZ(1);
  double x0 = spline.coef(1, 1);
  double leftmost = x0 + shift;
  forEachCurveSample(spline.nodeZ(1), spline.nodeZ(n), h, [&](double z) {
    double x = x0;
    evaluateSpline(n, z, x, spline.nodeZ, spline.coef);
    window.line(x0 + shift, z0, x + shift, z, curve);
    leftmost = std::min(leftmost, x + shift);
    z0 = z;
    x0 = x;
  });

  for (int m = 1; m <= n; ++m) {
    window.circle(spline.coef(1, m) + shift, spline.nodeZ(m), h / 5, point);
    window.circle(spline.coef(1, m) + shift, spline.nodeZ(m), h / 10, point);
    leftmost = std::min(leftmost, spline.coef(1, m) + shift);
  }
  return leftmost;
}

}  // namespace

bool checkEndContours(Platform& platform, const HullModel& hull, double shipLength) {
  Window& window = platform.window(WindowId::Report);
  const double B = drawableExtent(hull.maxHalfBreadth);
  const double h = B / 40;

  namespace t = texts::checks;
  struct Pass {
    int curve;
    double shift;  // m: AP drawn at the box's left side, FP on the centre line
    Text question;
    Text caption;
    const char* name;
    const char* end;
    double endAt;  // m from AP
  };
  const Pass passes[] = {
      {hull.sternCurve(), -B, Text::QuestionSternContour, Text::DrawingSternCaption, t::kSternName,
       t::kAft, 0.0},
      {hull.bowCurve(), -shipLength, Text::QuestionBowContour, Text::DrawingBowCaption, t::kBowName,
       t::kForward, shipLength},
  };

  StationSpline spline;
  for (const Pass& pass : passes) {
    drawCheckFrame(window, hull.maxHalfBreadth, hull.maxHeight);
    window.describe(std::string(text(pass.caption)), pass.name);
    double leftmost = -B;
    if (hull.pointCount(pass.curve) >= 1) {
      fitCurveSpline(hull, pass.curve, spline);
      leftmost = drawContour(window, spline, pass.shift, h);
    }
    if (window.keepsDrawing()) {
      drawCheckScales(
          window, hull, B, drawableExtent(hull.maxHeight),
          {-2.7 * B - pass.shift, 1.7 * B - pass.shift, pass.shift,
           std::string(text(Text::DrawingAlongFromAft)), pass.end, pass.endAt, leftmost});
    }
    const std::string answer = ask(platform, std::string(text(pass.question)), " ",
                                   std::string(text(Text::AnswerNo)), kGeometryQuestionAt);
    if (answeredYes(answer)) return false;
  }
  return true;
}

}  // namespace norvika
