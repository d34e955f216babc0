#include "plots/sampled_section.h"

#include "plots/curve_sampling.h"

namespace norvika {

SectionPoint drawSampledSection(Window& window, const StationSpline& spline, double step,
                                Colour colour) {
  SectionPoint last{spline.nodeZ(1), spline.coef(1, 1)};
  forEachCurveSample(spline.nodeZ(1), spline.nodeZ(spline.n), step, [&](double z) {
    double y = last.y;
    evaluateSpline(spline.n, z, y, spline.nodeZ, spline.coef);
    window.line(last.y, last.z, y, z, colour);
    window.line(-last.y, last.z, -y, z, colour);
    last = SectionPoint{z, y};
  });
  return last;
}

}  // namespace norvika
