#include "calculation/heeled_section.h"

#include <cmath>
#include <utility>

#include "numerics/gauss_legendre.h"
#include "numerics/integration_spline.h"

namespace norvika {

namespace {

// The integrand at one height: the immersed width and the width times the
// lever of the centreline moment.
struct StripPoint {
  double width = 0.0;
  double momentY = 0.0;
};

struct HalfSection {
  double area = 0.0;
  double momentY = 0.0;
  double momentZ = 0.0;
};

// Integrates over [zLo, zHi] in nSub strips, Gauss-Legendre in each. The
// rising side's lever is half its width, which `halveMomentY` applies once
// per strip.
template <typename Integrand>
HalfSection integrateStrips(double zLo, double zHi, int nSub, bool halveMomentY,
                            Integrand integrand) {
  HalfSection half;
  const double h = nSub == 1 ? zHi - zLo : (zHi - zLo) / (nSub - 1);
  for (int j = 1; j <= nSub; ++j) {
    const double a = zLo + (j - 1) * h;
    const double b = j == nSub ? zHi : a + h;
    const double mid = (a + b) / 2.0;
    const double halfWidth = (b - a) / 2.0;
    double sumA = 0.0;
    double sumY = 0.0;
    double sumZ = 0.0;
    forEachGaussPair(mid, halfWidth, [&](double w, double zPlus, double zMinus) {
      const StripPoint plus = integrand(zPlus);
      const StripPoint minus = integrand(zMinus);
      sumA += w * (plus.width + minus.width);
      sumY += w * (plus.momentY + minus.momentY);
      sumZ += w * (zPlus * plus.width + zMinus * minus.width);
    });
    half.area += halfWidth * sumA;
    half.momentZ += halfWidth * sumZ;
    if (halveMomentY) {
      half.momentY += halfWidth * sumY / 2.0;
    } else {
      half.momentY += halfWidth * sumY;
    }
  }
  return half;
}

}  // namespace

void integrateHeeledSection(double heelAngle, const StationSpline& spline, int nSteps,
                            HeeledWaterlineEnds& ends, HalfSectionResults& halves) {
  const int n = spline.n;
  const double z1 = spline.nodeZ(1);
  const double zn = spline.nodeZ(n);
  auto halfBreadth = [&spline](double z) {
    double y = 0.0;
    evaluateSpline(spline.n, z, y, spline.nodeZ, spline.coef);
    return y;
  };

  for (int k = 1; k <= nSteps; ++k) {
    if (ends.emergedInnerZ(k) < ends.emergedOuterZ(k)) {
      std::swap(ends.emergedInnerZ(k), ends.emergedOuterZ(k));
      std::swap(ends.emergedInnerY(k), ends.emergedOuterY(k));
    }
  }

  // Rising side: the contour up to the outer end, the waterline above it.
  const double t1 = std::tan((heelAngle + 90.0) * kDegree);
  int nSub = 1;
  for (int k = 1; k <= nSteps; ++k) {
    const double zi = ends.emergedInnerZ(k);
    const double yi = ends.emergedInnerY(k);
    const double zo = ends.emergedOuterZ(k);
    if (zi < z1) {
      halves.emergedArea(k) = 0.0;
      halves.emergedMomentY(k) = 0.0;
      halves.emergedMomentZ(k) = 0.0;
      continue;
    }
    const double zLo = z1;
    const double zHi = zi > zn ? zn : zi;
    const HalfSection half = integrateStrips(zLo, zHi, nSub, true, [&](double z) {
      const double w = z < zo ? halfBreadth(z) : yi + (z - zi) * t1;
      return StripPoint{w, w * w};
    });
    halves.emergedArea(k) = half.area;
    halves.emergedMomentY(k) = half.momentY;
    halves.emergedMomentZ(k) = half.momentZ;
    if (halves.emergedArea(k) > 0.0) nSub = nSub + 1;
  }

  // Sinking side: from the waterline's inner edge out to the contour.
  const double t2 = std::tan((90.0 - heelAngle) * kDegree);
  nSub = 1;
  for (int k = 1; k <= nSteps; ++k) {
    const double zi = ends.immersedInnerZ(k);
    const double yi = ends.immersedInnerY(k);
    const double zo = ends.immersedOuterZ(k);
    if (zi < z1) {
      halves.immersedArea(k) = 0.0;
      halves.immersedMomentY(k) = 0.0;
      halves.immersedMomentZ(k) = 0.0;
      continue;
    }
    const double zLo = std::fabs(yi) < 0.0001 ? z1 : zi;
    const double zHi = zo > zn ? zn : zo;
    const HalfSection half = integrateStrips(zLo, zHi, nSub, false, [&](double z) {
      const double c = halfBreadth(z);
      double e = yi - (z - zi) * t2;
      if (e > 0.0) e = 0.0;
      const double w = c + e;
      const double s = e - w / 2.0;  // minus the strip's mid-position
      return StripPoint{w, s * w};
    });
    halves.immersedArea(k) = half.area;
    halves.immersedMomentY(k) = half.momentY;
    halves.immersedMomentZ(k) = half.momentZ;
    if (halves.immersedArea(k) > 0.0) nSub = nSub + 1;
  }
}

}  // namespace norvika
