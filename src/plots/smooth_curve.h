#pragma once

#include <vector>

#include "plots/label_space.h"

namespace norvika {

/// The curve through the points (t(k), v(k)), t rising, as a monotone piecewise cubic
/// (Fritsch and Carlson's slopes), sampled `perPiece` times in each interval (fewer where
/// there are many, at most some 2000 points in all): smooth where the values are, and never
/// beyond two neighbouring values between them, so it shows no swing the values do not have.
/// Returns (t, v) points; a single point as itself.
std::vector<PlotPoint> smoothCurve(const std::vector<double>& t, const std::vector<double>& v,
                                   int perPiece);

}  // namespace norvika
