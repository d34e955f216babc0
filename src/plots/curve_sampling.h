#pragma once

namespace norvika {

/// Most segments any sampled curve of the plots is drawn with. A curve that is
/// tall against its sampling step (a contour of a narrow hull, a zero breadth)
/// gets a larger step instead of an endless or enormous loop.
inline constexpr int kMaxCurveSegments = 2000;

/// The extent a plot scales to: `extent` (m), or 1 m when it is zero, negative
/// or not a number, so that no user scale collapses and no step becomes zero.
inline double drawableExtent(double extent) { return extent > 0.0 ? extent : 1.0; }

/// Calls visit(z) for z = low + step, low + 2·step, ... (accumulated by
/// repeated addition) while z <= high. The step is enlarged when the range
/// would need more than kMaxCurveSegments samples; a step that is not positive
/// visits nothing.
template <typename Visit>
void forEachCurveSample(double low, double high, double step, Visit visit) {
  const double span = high - low;
  if (span > step * kMaxCurveSegments) step = span / kMaxCurveSegments;
  if (!(step > 0.0)) return;
  double z = low + step;
  // The count also stops a step too small to move z at its magnitude.
  for (int count = 0; count < kMaxCurveSegments && z <= high; ++count) {
    visit(z);
    z = z + step;
  }
}

}  // namespace norvika
