#include "plots/waterline_check.h"

#include <cmath>

#include "numerics/integration_spline.h"
#include "numerics/station_spline.h"
#include "platform/colour.h"
#include "platform/pause.h"
#include "plots/check_plots.h"
#include "plots/curve_sampling.h"
#include "plots/drawing_texts.h"
#include "plots/picture_start.h"
#include "plots/profile_readings.h"
#include "plots/station_numbers.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

void prepareOffsetsWindow(Window& window, double L, double D) {
  L = drawableExtent(L);
  D = drawableExtent(D);

  startPicture(window, 7, 2);
  window.scale(-0.2 * L, 1.25 * D, 1.2 * L, -1.25 * D);

  const Colour frame = qbColor(9);
  window.line(0, 0, L, 0, frame);
  window.line(L, 0, L, D, frame);
  window.line(L, D, 0, D, frame);
  window.line(0, D, 0, 0, frame);
  window.drawWidth(1);
}

bool checkWaterlineIntersections(Platform& platform, const HullModel& hull, double shipLength,
                                 const Table<double>& waterlineHeight, bool onWave) {
  const double L = drawableExtent(shipLength);
  const int count = hull.stationCount;

  Window& window = platform.window(WindowId::Offsets);
  prepareOffsetsWindow(window, L, hull.maxHeight);
  window.describe(std::string(text(Text::DrawingWaterlineCheckCaption)),
                  texts::profile::kCheckName);

  for (int i = 1; i <= count; ++i) {
    window.line(hull.stationX(i), hull.keelHeight(i), hull.stationX(i), hull.topHeight(i),
                qbColor(13));
  }
  for (int i = 1; i <= count - 1; ++i) {
    window.line(hull.stationX(i), hull.topHeight(i), hull.stationX(i + 1), hull.topHeight(i + 1),
                qbColor(10));
  }

  // End contours from their splines; their lowest nodes give the keel joint.
  const double step = drawableExtent(hull.maxHalfBreadth) / 40;
  double lowX[2] = {0, 0};
  double lowZ[2] = {0, 0};
  StationSpline spline;
  int end = 0;
  for (const int c : {hull.sternCurve(), hull.bowCurve()}) {
    if (hull.pointCount(c) >= 1) {
      fitCurveSpline(hull, c, spline);
      const int n = spline.n;
      double x = spline.coef(1, 1);
      double y = spline.nodeZ(1);
      lowX[end] = x;
      lowZ[end] = y;
      forEachCurveSample(spline.nodeZ(1), spline.nodeZ(n), step, [&](double z) {
        double xz = x;
        evaluateSpline(n, z, xz, spline.nodeZ, spline.coef);
        window.line(x, y, xz, z, qbColor(10));
        x = xz;
        y = z;
      });
    }
    ++end;
  }
  window.line(lowX[0], lowZ[0], lowX[1], lowZ[1], qbColor(13));

  // Station numbers in twentieths of the ship length; every station keeps its line.
  for (int i = 1; i <= count; ++i) {
    const double number = stationNumber(hull.stationX(i), L);
    window.setCurrent(hull.stationX(i), 0);
    window.printLabel(formatFixed(number, 2, 2), stationLabelRank(i, count, number));
  }

  for (int i = 1; i <= count - 1; ++i) {
    window.line(hull.stationX(i), waterlineHeight(i), hull.stationX(i + 1), waterlineHeight(i + 1),
                qbColor(12));
  }
  const double D = drawableExtent(hull.maxHeight);
  drawProfileReadings(window, hull, L, D, waterlineHeight, onWave, -0.1 * L, 0.0, 1.2 * D, false);

  const std::string answer = ask(platform, std::string(text(Text::QuestionWaterline)),
                                 std::string(text(Text::QuestionWaterlineTitle)),
                                 std::string(text(Text::AnswerNo)), kWaterlineQuestionAt);
  return !answeredYes(answer);
}

}  // namespace norvika
