#include "plots/heel_plot.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "numerics/gauss_legendre.h"
#include "numerics/integration_spline.h"
#include "platform/colour.h"
#include "plots/annotation.h"
#include "plots/check_plots.h"
#include "plots/curve_sampling.h"
#include "plots/drawing_texts.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

constexpr int kFrameColourIndex = 9;  // light blue

Colour stationColour(int station) { return static_cast<Colour>(2500 * station + 4010); }
Colour waterlineColour(int k) { return static_cast<Colour>(k * 100); }

constexpr double kSample = 16.0;  // pixels of the smallest picture before a legend's text

// The readings beside the heeled sections, a line each; a line starting with a blank is
// written after a sample of its mark.
std::vector<std::string> readingLines(const HeelReadings& r) {
  namespace t = texts::heeled;
  const std::string m = " m";
  return {
      std::string(text(Text::DrawingHeelAngle)) + " " + formatPlain(r.heelAngle, 3) + " " +
          std::string(text(Text::DrawingDegrees)),
      std::string(t::kDrafts) + " = " + formatPlain(r.forwardDraft, 3) + " / " +
          formatPlain(r.aftDraft, 3) + m,
      std::string(text(Text::DrawingDisplacement)) + " = " + formatPlain(r.displacement, 1) + " t",
      "",
      std::string(" ") + std::string(text(Text::DrawingCentreOfBuoyancy)),
      "TCB = " + formatPlain(r.tcb, 3) + m + " " + std::string(text(Text::DrawingFromCentreLine)),
      std::string(text(Text::DrawingRisingSide)),
      "KB = " + formatPlain(r.kb, 3) + m,
      "LCB = " + formatPlain(r.lcb, 3) + m + " " + std::string(text(Text::DrawingFromAft)),
      "",
      std::string(" ") + std::string(text(Text::DrawingHeeledWaterline)),
      std::string(" ") + std::string(text(Text::DrawingSectionCentre))};
}

// Pixels of the smallest picture the readings take across, with the samples of the marks.
double readingsWidth() {
  const TextMeasure pixels = textMeasure(UserScale{0, 1, kSmallestGraphWidth, 0}, false);
  double widest = 0.0;
  // As wide as the values may come.
  for (const std::string& line :
       readingLines({89.999, -100.0, -100.0, 9999999.9, -1000.0, -100.0, -100.0})) {
    widest = std::max(widest, pixels.width(line, kAnnotationPoints));
  }
  return widest + kSample;
}

// The view of the heeled sections: from under the lowest point of the hull to just over the
// frame's top (the frame's empty lower half left out), across the frame as the legacy
// picture has it, the readings between its left border and the sections; where they do not
// fit there, left of the border. The picture keeps the true shape, so the width a pixel takes
// depends on the view: solved for the smallest picture.
UserScale heelView(double p, double d, double lowest) {
  const double top = 1.22 * d;
  const double bottom = std::min(-0.2 * d, lowest - 0.05 * d);
  const double right = 2.0 * p;
  const double height = top - bottom;
  const double room = readingsWidth() + 12.0;  // pixels, with a gap either side
  const double legacyPixel = std::max(5.0 * p / kSmallestGraphWidth, height / kSmallestGraphHeight);
  if (1.75 * p >= room * legacyPixel) return UserScale{-3.0 * p, top, right, bottom};
  const double border = -2.75 * p;
  double left = border - room * height / kSmallestGraphHeight;
  if ((right - left) / kSmallestGraphWidth > height / kSmallestGraphHeight) {
    const double share = room / kSmallestGraphWidth;
    left = (border - share * right) / (1.0 - share);
  }
  return UserScale{left, top, right, bottom};
}
}  // namespace

void prepareHeelWindow(Window& window, const HullModel& hull) {
  const double p = drawableExtent(hull.maxHalfBreadth);
  const double d = drawableExtent(hull.maxHeight);
  const Colour frame = qbColor(kFrameColourIndex);
  window.show();
  window.describe(std::string(text(Text::DrawingHeeledCaption)), texts::heeled::kName);
  window.fontName("Arial");
  window.fontSize(20);
  window.drawWidth(2);
  window.foreColor(frame);
  const UserScale view = heelView(p, d, lowestHullPoint(hull));
  window.scale(view.left, view.top, view.right, view.bottom);
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

namespace norvika {

namespace {

// The mark of the centre of buoyancy: a circle with a cross, in the readings' ink.
void drawCentreMark(Window& window, double y, double z, double r) {
  window.drawWidth(2);
  window.circle(y, z, r, kAnnotationInk);
  window.line(y - 1.8 * r, z, y + 1.8 * r, z, kAnnotationInk);
  window.line(y, z - 1.8 * r, y, z + 1.8 * r, kAnnotationInk);
  window.drawWidth(1);
}

}  // namespace

void drawHeelReadings(Window& window, const HullModel& hull, const HeelReadings& readings) {
  const double p = drawableExtent(hull.maxHalfBreadth);
  const double d = drawableExtent(hull.maxHeight);
  const double lowest = lowestHullPoint(hull);
  drawHeightScale(window, roundAxis(lowest, d, 5), 1.08 * p, lowest, 1.1 * d,
                  texts::heeled::kHeight, nullptr, ScaleSide::Right);

  const double r0 = p / 100.0;
  drawCentreMark(window, readings.tcb, readings.kb, 4.0 * r0);

  startAnnotation(window);
  const TextMeasure measure = textMeasure(window);
  const double line = measure.height(kAnnotationPoints);
  // Inside the frame's left border, or left of it where the view was widened for them.
  const double border = -2.75 * p;
  const double view = window.currentScale().left;
  const double left = (view < -3.0 * p - 1e-9 * p ? view : border) + 6.0 * measure.unitsAcross;
  const double sample = kSample * measure.unitsAcross;
  double top = 1.15 * d;
  int marks = 0;
  for (const std::string& text : readingLines(readings)) {
    if (text.empty()) {
      top -= line / 2.0;
      continue;
    }
    if (text.front() == ' ') {
      // The marks in the order the lines name them: B, the waterline, a section's centre.
      const double mid = top - line / 2.0;
      const double x = left + 0.4 * sample;
      if (marks == 0) drawCentreMark(window, x, mid, 2.0 * r0);
      if (marks == 1) window.line(left, mid, left + 0.8 * sample, mid, waterlineColour(1));
      if (marks == 2) {
        for (const double r : {r0, r0 / 2.0, r0 / 4.0})
          window.circle(x, mid, r, waterlineColour(1));
      }
      ++marks;
      annotate(window, left + sample, top, text.substr(1));
    } else {
      annotate(window, left, top, text);
    }
    top -= line;
  }
}

}  // namespace norvika
