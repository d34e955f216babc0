#include "heel/heel_plot.h"

#include <cmath>

#include "numerics/gauss_legendre.h"
#include "numerics/integration_spline.h"
#include "platform/colour.h"
#include "plots/curve_sampling.h"

namespace norvika {

namespace {

constexpr int kFrameColourIndex = 9;  // light blue

Colour stationColour(int station) { return static_cast<Colour>(2500 * station + 4010); }
Colour waterlineColour(int k) { return static_cast<Colour>(k * 100); }

}  // namespace

void prepareHeelWindow(Window& window, double maxHalfBreadth, double maxHeight) {
  const double p = maxHalfBreadth;
  const double d = maxHeight;
  const Colour frame = qbColor(kFrameColourIndex);
  window.show();
  window.fontName("Arial");
  window.fontSize(20);
  window.drawWidth(2);
  window.foreColor(frame);
  window.scale(-3.0 * p, 1.25 * d, 2.0 * p, -1.25 * d);

  window.line(-2.75 * p, -1.2 * d, 1.75 * p, -1.2 * d, frame);
  window.line(1.75 * p, -1.2 * d, 1.75 * p, 1.2 * d, frame);
  window.line(1.75 * p, 1.2 * d, -2.75 * p, 1.2 * d, frame);
  window.line(-2.75 * p, 1.2 * d, -2.75 * p, -1.2 * d, frame);
  window.line(-p, 0.0, p, 0.0, frame);  // base line
  window.line(p, 0.0, p, 1.1 * d, frame);
  window.line(p, 1.1 * d, -p, 1.1 * d, frame);
  window.line(-p, 1.1 * d, -p, 0.0, frame);
  window.line(-2.75 * p, -0.1 * d, 1.75 * p, -0.1 * d, frame);
  window.line(0.0, 0.0, 0.0, 1.1 * d, frame);  // centre line
  window.drawWidth(1);
}

void drawHeeledSection(Window& window, double maxHalfBreadth, int station,
                       const HeeledWaterlineEnds& ends, const HalfSectionResults& halves,
                       int nSteps, const StationSpline& spline, double heelAngle,
                       Table2<double>& stationArea, HeelMomentTables& moments) {
  const int n = spline.n;
  const double z1 = spline.nodeZ(1);
  const double zn = spline.nodeZ(n);
  const double y1 = spline.coef(1, 1);
  const double yn = spline.coef(1, n);
  const double r0 = maxHalfBreadth / 100.0;
  const double step = 2.0 * r0;
  const Colour contour = stationColour(station);

  // Both halves of the contour, mirrored about the centre line, sampled like
  // every other curve so that a needle of a hull cannot ask for millions of
  // segments. A hull without breadth has no step to walk with.
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
  for (int k = 1; k <= nSteps; ++k) {
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

    stationArea(station, k) = halves.emergedArea(k) + halves.immersedArea(k);
    moments.heelMomentY(station, k) = halves.emergedMomentY(k) + halves.immersedMomentY(k);
    moments.heelMomentZ(station, k) = halves.emergedMomentZ(k) + halves.immersedMomentZ(k);
    if (stationArea(station, k) > 0.0) {
      const double cy = moments.heelMomentY(station, k) / stationArea(station, k);
      const double cz = moments.heelMomentZ(station, k) / stationArea(station, k);
      window.circle(cy, cz, r0, colour);
      window.circle(cy, cz, r0 / 2.0, colour);
      window.circle(cy, cz, r0 / 4.0, colour);
    }
  }
}

}  // namespace norvika
