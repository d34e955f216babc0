#include "plots/heel_plot.h"

#include <cmath>

#include "numerics/gauss_legendre.h"
#include "numerics/integration_spline.h"
#include "platform/colour.h"
#include "plots/check_plots.h"
#include "plots/curve_sampling.h"

namespace norvika {

namespace {

constexpr int kFrameColourIndex = 9;  // light blue

Colour stationColour(int station) { return static_cast<Colour>(2500 * station + 4010); }
Colour waterlineColour(int k) { return static_cast<Colour>(k * 100); }

}  // namespace

void prepareHeelWindow(Window& window, double maxHalfBreadth, double maxHeight) {
  const double p = drawableExtent(maxHalfBreadth);
  const double d = drawableExtent(maxHeight);
  const Colour frame = qbColor(kFrameColourIndex);
  window.show();
  window.fontName("Arial");
  window.fontSize(20);
  window.drawWidth(2);
  window.foreColor(frame);
  window.scale(-3.0 * p, 1.25 * d, 2.0 * p, -1.25 * d);
  drawFrameLines(window, p, d, frame);
  window.drawWidth(1);
}

void drawHeeledSection(Window& window, double maxHalfBreadth, int station,
                       const HeeledStation& heeled, const StationSpline& spline, double heelAngle) {
  const HeeledWaterlineEnds& ends = heeled.ends;
  const HalfSectionResults& halves = heeled.halves;
  const int n = spline.n;
  const double z1 = spline.nodeZ(1);
  const double zn = spline.nodeZ(n);
  const double y1 = spline.coef(1, 1);
  const double yn = spline.coef(1, n);
  const double r0 = drawableExtent(maxHalfBreadth) / 100.0;
  const double step = 2.0 * r0;
  const Colour contour = stationColour(station);

  // Both halves of the contour, mirrored about the centre line, sampled like
  // every other curve so that a needle of a hull cannot ask for millions of
  // segments.
  double yp = y1;
  double zp = z1;
  double y = y1;
  forEachCurveSample(z1, zn, step, [&](double z) {
    evaluateSpline(n, z, y, spline.nodeZ, spline.coef);
    window.line(yp, zp, y, z, contour);
    window.line(-yp, zp, -y, z, contour);
    yp = y;
    zp = z;
  });
  window.line(yn, zn, -yn, zn, contour);  // deck

  const double t1 = std::tan((heelAngle + 90.0) * kDegree);
  constexpr int k = 1;  // the run's one waterline
  const Colour colour = waterlineColour(k);
  if (halves.emergedArea(k) > 0.0) {
    double zi = ends.emergedInnerZ(k);
    double yi = ends.emergedInnerY(k);
    const double zo = ends.emergedOuterZ(k);
    const double yo = ends.emergedOuterY(k);
    if (zo < zn && zi > zn) {
      yi = yo + (zn - zo) * t1;
      zi = zn;
    }
    if (!(zo >= zn && zi >= zn)) window.line(yi, zi, yo, zo, colour);
  }
  if (halves.immersedArea(k) > 0.0) {
    const double zi = ends.immersedInnerZ(k);
    const double yi = ends.immersedInnerY(k);
    const double zo = ends.immersedOuterZ(k);
    const double yo = -ends.immersedOuterY(k);
    if (!(zo >= zn && zi >= zn)) window.line(yi, zi, yo, zo, colour);
  }
  if (heeled.area > 0.0) {
    const double cy = heeled.momentY / heeled.area;
    const double cz = heeled.momentZ / heeled.area;
    window.circle(cy, cz, r0, colour);
    window.circle(cy, cz, r0 / 2.0, colour);
    window.circle(cy, cz, r0 / 4.0, colour);
  }
}

}  // namespace norvika
