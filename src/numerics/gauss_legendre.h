#pragma once

#include <array>

namespace norvika {

/// The positive half of the 10-point Gauss-Legendre rule on [-1, 1], 1-based
/// (element 0 unused).
inline constexpr std::array<double, 6> kGaussAbscissa = {
    0.0, 0.1488743389816312, 0.4333953941292472, 0.6794095682990244, 0.8650633666889845,
    0.9739065285171717};
inline constexpr std::array<double, 6> kGaussWeight = {
    0.0, 0.2955242247147529, 0.2692667193099963, 0.2190863625159820, 0.1494513491505806,
    0.0666713443086881};

/// Visits the five point pairs of the 10-point rule on [mid - half, mid + half]:
/// visit(weight, zPlus, zMinus), from the innermost pair outward. Callers add
/// up what they need in their own order.
template <typename Visit>
void forEachGaussPair(double mid, double half, Visit visit) {
  for (int g = 1; g <= 5; ++g) {
    visit(kGaussWeight[g], mid + kGaussAbscissa[g] * half, mid - kGaussAbscissa[g] * half);
  }
}

inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 2.0 * kPi;
/// Degrees to radians, as every angle of the program is converted.
inline constexpr double kDegree = 0.0174532925199433;

}  // namespace norvika
