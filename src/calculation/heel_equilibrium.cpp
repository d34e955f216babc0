#include "calculation/heel_equilibrium.h"

#include <array>
#include <cmath>
#include <optional>

#include "numerics/false_position.h"

namespace norvika {

namespace {

class Solver {
 public:
  Solver(const StabilityHull& hull, const FloatingTarget& target, double heel)
      : hull_(hull), target_(target), heel_(heel) {}

  // The sinkage at a held trim: the volume rises with the height between a
  // dry and a drowned bound, so Newton steps kept inside a halving bracket
  // always end.
  Equilibrium sink(double trimSlope, double startHeight) {
    Equilibrium e;
    e.plane = {heel_, startHeight, trimSlope};
    const HeightBounds bounds = heightBounds(hull_, e.plane);
    double lo = bounds.dry, hi = bounds.submerged;
    if (!(startHeight > lo && startHeight < hi)) e.plane.height = (lo + hi) / 2.0;
    for (int i = 0; i < kBracketIterations; ++i) {
      e.immersed = cut(e.plane);
      const double misfit = e.immersed.volume - target_.volume;
      if (std::fabs(misfit) <= kVolumeTolerance * target_.volume) return e;
      (misfit < 0.0 ? lo : hi) = e.plane.height;
      const double mid = (lo + hi) / 2.0;
      if (!(mid > lo && mid < hi)) return e;  // the root to the last bit
      const double rate = e.immersed.volumePerHeight;
      const double newton = rate > 0.0 ? e.plane.height - misfit / rate : mid;
      e.plane.height = newton > lo && newton < hi ? newton : mid;
    }
    e.stop = EquilibriumStop::NoConvergence;
    return e;
  }

  // Free trim by Newton steps on height and trim together; false when a step
  // will not shrink the misfit or the iterations run out.
  bool newton(Equilibrium& e) {
    double misfit = scaledMisfit(e.immersed);
    for (int i = 0; i < kNewtonIterations; ++i) {
      if (converged(e.immersed)) return true;
      const Immersed& m = e.immersed;
      const double lcg = target_.lcg;
      const double f1 = m.volume - target_.volume;
      const double f2 = m.volume * (m.lcb - lcg);
      const double a = m.volumePerHeight, b = m.volumePerTrim;
      const double c = m.momentXPerHeight - lcg * a, d = m.momentXPerTrim - lcg * b;
      const double det = a * d - b * c;
      if (!std::isfinite(det) || det == 0.0) return false;
      const double dh = -(d * f1 - b * f2) / det;
      const double ds = -(a * f2 - c * f1) / det;
      bool better = false;
      for (double step = 1.0; step > 1e-3 && !better; step /= 2.0) {
        const Waterplane trial{heel_, e.plane.height + step * dh, e.plane.trimSlope + step * ds};
        if (!(std::fabs(trial.trimSlope) <= kMaxTrimSlope)) continue;
        const Immersed tried = cut(trial);
        const double trialMisfit = scaledMisfit(tried);
        if (trialMisfit < misfit) {
          e.plane = trial;
          e.immersed = tried;
          misfit = trialMisfit;
          better = true;
        }
      }
      if (!better) return false;
    }
    return converged(e.immersed);
  }

  // Free trim by a bracketed search: the LCB's offset from the LCG as the trim
  // goes, the sinkage found afresh at each trim.
  Equilibrium bracketTrim(const Waterplane& start) {
    Equilibrium a = sink(start.trimSlope, start.height);
    double ga = offset(a);
    if (a.stop != EquilibriumStop::None || std::fabs(ga) <= lcbTolerance()) return a;
    // Out from the start both ways, doubling, until the offset changes sign.
    Equilibrium b = a;
    double gb = ga;
    bool bracketed = false;
    for (double step = 1e-3; !bracketed && step <= 4.0 * kMaxTrimSlope; step *= 2.0) {
      for (const double direction : {1.0, -1.0}) {
        const double slope = start.trimSlope + direction * step;
        if (std::fabs(slope) > kMaxTrimSlope) continue;
        b = sink(slope, a.plane.height);
        if (b.stop != EquilibriumStop::None) return b;
        gb = offset(b);
        if ((gb < 0.0) != (ga < 0.0)) {
          bracketed = true;
          break;
        }
      }
    }
    if (!bracketed) return stopped(a, EquilibriumStop::TrimOutOfReach);
    // The LCB's offset at a trim within the tolerance counts as zero, which
    // ends the narrowing there.
    Equilibrium last = b;
    bool failed = false;
    const SignBracket bracket =
        narrowSignBracket(ga < 0.0 ? SignBracket{a.plane.trimSlope, ga, b.plane.trimSlope, gb}
                                   : SignBracket{b.plane.trimSlope, gb, a.plane.trimSlope, ga},
                          0.0, kBracketIterations, [&](double slope) -> std::optional<double> {
                            last = sink(slope, last.plane.height);
                            if (last.stop != EquilibriumStop::None) {
                              failed = true;
                              return std::nullopt;
                            }
                            const double g = offset(last);
                            return std::fabs(g) <= lcbTolerance() ? 0.0 : g;
                          });
    if (failed) return last;
    // A bracket that can shrink no further holds the root to the last bit.
    const bool collapsed = (bracket.negative + bracket.positive) / 2.0 == bracket.negative ||
                           (bracket.negative + bracket.positive) / 2.0 == bracket.positive;
    if (bracket.valuePositive != 0.0 && !collapsed) {
      return stopped(last, EquilibriumStop::NoConvergence);
    }
    return last;
  }

  Equilibrium cutAt(const Waterplane& plane) {
    Equilibrium e;
    e.plane = plane;
    e.immersed = cut(plane);
    return e;
  }

  int evaluations() const { return evaluations_; }

 private:
  Immersed cut(const Waterplane& plane) {
    ++evaluations_;
    return immerse(hull_, plane);
  }

  double lcbTolerance() const { return kLcbTolerance * hull_.shipLength; }

  double offset(const Equilibrium& e) const { return e.immersed.lcb - target_.lcg; }

  bool converged(const Immersed& m) const {
    return std::fabs(m.volume - target_.volume) <= kVolumeTolerance * target_.volume &&
           std::fabs(m.lcb - target_.lcg) <= lcbTolerance();
  }

  double scaledMisfit(const Immersed& m) const {
    return std::fabs(m.volume - target_.volume) / target_.volume +
           std::fabs(m.volume * (m.lcb - target_.lcg)) / (target_.volume * hull_.shipLength);
  }

  static Equilibrium stopped(Equilibrium e, EquilibriumStop stop) {
    e.stop = stop;
    return e;
  }

  const StabilityHull& hull_;
  const FloatingTarget& target_;
  double heel_;
  int evaluations_ = 0;
};

}  // namespace

Equilibrium floatAtHeel(const StabilityHull& hull, const FloatingTarget& target, double heel,
                        const Waterplane& start) {
  if (!(target.volume > 0.0 && target.volume < hull.enclosedVolume)) {
    Equilibrium outside;
    outside.stop = EquilibriumStop::VolumeOutsideHull;
    outside.plane = {heel, start.height, start.trimSlope};
    return outside;
  }
  Solver solver(hull, target, heel);
  Equilibrium e;
  if (target.trimMode == TrimMode::Fixed) {
    e = solver.sink(target.trimSlope, start.height);
  } else {
    const double slope = std::fabs(start.trimSlope) <= kMaxTrimSlope ? start.trimSlope : 0.0;
    e = solver.cutAt({heel, start.height, slope});
    if (!solver.newton(e)) e = solver.bracketTrim(e.plane);
  }
  e.evaluations = solver.evaluations();
  return e;
}

Waterplane startAfter(const std::vector<Equilibrium>& rising, double heel) {
  // The last three waterplanes of distinct heels, the last first.
  std::array<const Waterplane*, 3> known{};
  std::size_t count = 0;
  for (auto e = rising.rbegin(); e != rising.rend() && count < known.size(); ++e) {
    bool distinct = true;
    for (std::size_t i = 0; i < count; ++i) distinct = distinct && known[i]->heel != e->plane.heel;
    if (distinct) known[count++] = &e->plane;
  }
  // Far beyond them a parabola says little: the last waterplane then.
  if (count > 1 &&
      std::fabs(heel - known[0]->heel) > 2.0 * std::fabs(known[0]->heel - known[1]->heel)) {
    count = 1;
  }
  // Lagrange's polynomial through them at the new heel.
  Waterplane start{heel, 0.0, 0.0};
  for (std::size_t i = 0; i < count; ++i) {
    double weight = 1.0;
    for (std::size_t j = 0; j < count; ++j) {
      if (j != i) weight *= (heel - known[j]->heel) / (known[i]->heel - known[j]->heel);
    }
    start.height += weight * known[i]->height;
    start.trimSlope += weight * known[i]->trimSlope;
  }
  return start;
}

double volumeAtDraft(const StabilityHull& hull, double draft) {
  return immerse(hull, {0.0, draft, 0.0}).volume;
}

}  // namespace norvika
