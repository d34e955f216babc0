#include "calculation/heeled_waterline_ends.h"

#include <cmath>

#include "numerics/gauss_legendre.h"
#include "numerics/integration_spline.h"

namespace norvika {

namespace {

// Both for the mismatch of the line against the contour and for the step.
constexpr double kSearchTolerance = 0.0001;
// Valid sections end a search after a few hundred steps; the cap only keeps a
// NaN offset from turning a search into an endless loop.
constexpr int kSearchStepCap = 100000;

struct LinePoint {
  double z = 0.0;
  double y = 0.0;
};

// The searches of one call share the last evaluated contour half-breadth: a
// height outside the node range leaves it as it was.
class LineSearch {
 public:
  explicit LineSearch(const StationSpline& spline)
      : spline_(spline), z1_(spline.nodeZ(1)), zn_(spline.nodeZ(spline.n)) {}

  // Walks up from `start` in tenths of the section height until the line
  // y = t (u - z0) crosses the contour, then halves the step back onto it.
  LinePoint upward(double theta, double t, double z0, double start) {
    const bool belowKeel = theta > 90.0 && z0 <= z1_;
    double dz = (zn_ - z1_) / 10.0;
    double u = start;
    double fPrev = mismatch(u, t, z0, belowKeel);
    const double startHalfBreadth = lastHalfBreadth_;
    for (int step = 0; step < kSearchStepCap; ++step) {
      u = u + dz;
      const double fCur = mismatch(u, t, z0, belowKeel);
      if (u > zn_ + dz) return LinePoint{z0, 0.0};
      // Only the start can pass here: every later point was tested as fCur.
      // A start on the line is the crossing, with its own half-breadth, not
      // the point a step above it. The sinking side starts on the line when
      // the waterline's centreline point lies in the gap between bulb and stem.
      if (std::fabs(fPrev) <= kSearchTolerance) {
        lastHalfBreadth_ = startHalfBreadth;
        return found(start, belowKeel);
      }
      if (std::fabs(fCur) <= kSearchTolerance) return found(u, belowKeel);
      if (fPrev * fCur <= 0.0) {
        dz = dz / 2.0;
        u = u - 2.0 * dz;
        if (dz > kSearchTolerance) continue;
        return found(u, belowKeel);
      }
      fPrev = fCur;
    }
    return LinePoint{z0, 0.0};
  }

  // The same walk down from the deck in thousandths of the section height; it
  // finds the highest crossing.
  LinePoint downward(double theta, double t, double z0) {
    const bool belowKeel = theta > 90.0 && z0 <= z1_;
    double dz = (zn_ - z1_) / 1000.0;
    double u = zn_;
    double fPrev = mismatch(u, t, z0, false);
    for (int step = 0; step < kSearchStepCap; ++step) {
      u = u - dz;
      const double fCur = mismatch(u, t, z0, false);
      if (u < z1_ + dz) return LinePoint{z0, 0.0};
      if (std::fabs(fPrev) <= kSearchTolerance || std::fabs(fCur) <= kSearchTolerance) {
        return found(u, belowKeel);
      }
      if (fPrev * fCur <= 0.0) {
        dz = dz / 2.0;
        u = u + 2.0 * dz;
        if (dz > kSearchTolerance) continue;
        return found(u, belowKeel);
      }
      fPrev = fCur;
    }
    return LinePoint{z0, 0.0};
  }

 private:
  // With the centreline point at or below the keel the rising side's line is
  // read on the sinking side, where it enters the section.
  double mismatch(double u, double t, double z0, bool negateLine) {
    evaluateSpline(spline_.n, u, lastHalfBreadth_, spline_.nodeZ, spline_.coef);
    double yw = t * (u - z0);
    if (negateLine) yw = -yw;
    return yw - lastHalfBreadth_;
  }

  LinePoint found(double u, bool belowKeel) const {
    return LinePoint{u, belowKeel ? -lastHalfBreadth_ : lastHalfBreadth_};
  }

  const StationSpline& spline_;
  double z1_;
  double zn_;
  double lastHalfBreadth_ = 0.0;
};

}  // namespace

void findHeeledWaterlineEnds(double heelAngle, double zStart, double zEnd, int nSteps,
                             const StationSpline& spline, HeeledWaterlineEnds& ends) {
  const int n = spline.n;
  const double z1 = spline.nodeZ(1);
  const double zn = spline.nodeZ(n);
  const double y1 = spline.coef(1, 1);
  const double yn = spline.coef(1, n);
  LineSearch search(spline);

  const double step = (zEnd - zStart) / nSteps;
  ends.heelWaterlineZ(0) = zStart;
  for (int k = 1; k <= nSteps; ++k) ends.heelWaterlineZ(k) = ends.heelWaterlineZ(k - 1) + step;

  // Pass 1 finds the rising side, pass 2 the sinking side; pass 2 starts its
  // search where pass 1 left the contour.
  double theta = 0.0;
  double t = 0.0;
  for (int pass = 1; pass <= 2; ++pass) {
    theta = pass == 1 ? heelAngle + 90.0 : 90.0 - heelAngle;
    t = std::tan(theta * kDegree);
    for (int k = 1; k <= nSteps; ++k) {
      const double z0 = ends.heelWaterlineZ(k);
      LinePoint cut;
      if (theta > 90.0 && std::fabs(t * (z1 - z0)) <= y1) {
        cut = LinePoint{z1, t * (z1 - z0)};  // on the flat bottom line
      } else if (theta < 90.0 && t * (zn - z0) <= yn) {
        cut = LinePoint{zn, t * (zn - z0)};  // on the deck line
      } else if (theta > 90.0 && t * (zn - z0) >= yn) {
        cut = LinePoint{zn, t * (zn - z0)};
      } else {
        cut = search.upward(theta, t, z0, theta < 90.0 ? ends.emergedOuterZ(k) : z1);
      }
      if (theta < 90.0) {
        ends.immersedOuterZ(k) = cut.z;
        ends.immersedOuterY(k) = cut.y;
      } else {
        ends.emergedOuterZ(k) = cut.z;
        ends.emergedOuterY(k) = cut.y;
      }
    }
  }

  // Completion A: inner ends at the centreline point, outer ends beyond the
  // deck edge pulled back to it, and the waterline below the keel handed over
  // to the sinking side. t keeps the value of pass 2.
  theta = heelAngle + 90.0;
  for (int k = 1; k <= nSteps; ++k) {
    const double z0 = ends.heelWaterlineZ(k);
    ends.emergedInnerZ(k) = z0;
    ends.emergedInnerY(k) = 0.0;
    ends.immersedInnerZ(k) = z0;
    ends.immersedInnerY(k) = 0.0;
    if (z0 > zn && ends.emergedOuterZ(k) >= zn && ends.emergedOuterY(k) > yn) {
      ends.emergedOuterY(k) = yn;
      ends.emergedOuterZ(k) = z0 - yn / t;
    }
    if (z0 > zn && ends.immersedOuterZ(k) >= zn && std::fabs(ends.immersedOuterY(k)) > yn) {
      ends.immersedOuterY(k) = -yn;
      ends.immersedOuterZ(k) = z0 + ends.immersedOuterY(k) / t;
    }
    if (theta > 90.0 && z0 <= z1 && ends.emergedOuterY(k) <= 0.0) {
      const LinePoint cut = search.downward(theta, t, z0);
      ends.immersedInnerZ(k) = ends.emergedOuterZ(k);
      ends.immersedInnerY(k) = ends.emergedOuterY(k);
      ends.immersedOuterZ(k) = cut.z;
      ends.immersedOuterY(k) = -cut.y;
      ends.emergedOuterZ(k) = z1;
      ends.emergedOuterY(k) = 0.0;
      ends.emergedInnerZ(k) = z1;
      ends.emergedInnerY(k) = 0.0;
    }
  }

  // Completion B: a waterline at or below the keel on the centreline that
  // leaves the sinking side through the deck line.
  theta = 90.0 - heelAngle;
  t = std::tan(theta * kDegree);
  for (int k = 1; k <= nSteps; ++k) {
    const double z0 = ends.heelWaterlineZ(k);
    if (t * (zn - z0) <= yn && z0 <= z1) {
      if (t * (z1 - z0) < y1) {
        // The line enters through the flat bottom: the immersed part of the
        // sinking half lies between the bottom-line and the deck-line points.
        ends.immersedInnerZ(k) = z1;
        ends.immersedInnerY(k) = -t * (z1 - z0);
        ends.immersedOuterZ(k) = zn;
        ends.immersedOuterY(k) = t * (zn - z0);
      } else {
        const LinePoint cut = search.downward(theta, t, z0);
        ends.immersedOuterZ(k) = zn;
        ends.immersedOuterY(k) = t * (zn - z0);
        ends.immersedInnerZ(k) = cut.z;
        ends.immersedInnerY(k) = -cut.y;
      }
    }
  }
}

void mirrorForNegativeHeel(double heelAngle, int nSteps, HeeledWaterlineEnds& ends) {
  if (heelAngle >= 0.0) return;
  for (int k = 1; k <= nSteps; ++k) {
    const double emergedOuterZ = ends.emergedOuterZ(k);
    const double emergedOuterY = ends.emergedOuterY(k);
    const double emergedInnerZ = ends.emergedInnerZ(k);
    const double emergedInnerY = ends.emergedInnerY(k);
    ends.emergedOuterZ(k) = ends.immersedOuterZ(k);
    ends.emergedOuterY(k) = ends.immersedOuterY(k);
    ends.emergedInnerZ(k) = ends.immersedInnerZ(k);
    ends.emergedInnerY(k) = -ends.immersedInnerY(k);
    ends.immersedInnerZ(k) = emergedInnerZ;
    ends.immersedInnerY(k) = emergedInnerY;
    ends.immersedOuterZ(k) = emergedOuterZ;
    ends.immersedOuterY(k) = emergedOuterY;
  }
}

}  // namespace norvika
