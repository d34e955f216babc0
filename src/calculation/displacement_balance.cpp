#include "calculation/displacement_balance.h"

#include <cmath>
#include <vector>

#include "calculation/waterline_profiles.h"
#include "numerics/gauss_legendre.h"

namespace norvika {

namespace {

double integrateAlongShip(const HullModel& hull, const Table<double>& area) {
  Table<double> x(kMaxStations);
  for (int st = 1; st <= hull.stationCount; ++st) x(st) = hull.stationX(st);
  return integrateTabulated(hull.stationCount, x, area);
}

// Areas of every station below the current waterline profile, then the
// displacement. The deck check comes before each station's area.
BalanceOutcome evaluateDisplacement(RunState& run, const std::vector<StationSpline>& splines) {
  const HullModel& hull = run.hull;
  for (int st = 1; st <= hull.stationCount; ++st) {
    const StationSpline& spline = splines[static_cast<std::size_t>(st)];
    const double zw = run.waterlineHeight(st);
    const double deck = spline.nodeZ(spline.n);
    if (zw > deck) return BalanceOutcome{BalanceStop::DeckImmersed, st, zw, deck};
    run.stationArea(st) = computeSectionArea(hull, st, spline, zw);
  }
  run.displacement = integrateAlongShip(hull, run.stationArea) * run.task.waterDensity;
  return {};
}

// Whether the climb with the current constant step would still be below the
// required displacement when the iteration limit comes: the profile raised by
// every step left, with no station's deck under water (a deck reached first
// ends the climb with its own message). The displacement grows with the
// draft, so this one evaluation decides what some hundred thousand would.
bool climbEndsAtLimit(const RunState& run, const std::vector<StationSpline>& splines, int iteration) {
  const HullModel& hull = run.hull;
  const double rise = (kBalanceIterationLimit - iteration) * run.draftStep;
  Table<double> area(kMaxStations);
  for (int st = 1; st <= hull.stationCount; ++st) {
    const StationSpline& spline = splines[static_cast<std::size_t>(st)];
    const double zw = run.waterlineHeight(st) + rise;
    if (zw > spline.nodeZ(spline.n)) return false;
    area(st) = computeSectionArea(hull, st, spline, zw);
  }
  return integrateAlongShip(hull, area) * run.task.waterDensity < run.task.requiredDisplacement;
}

}  // namespace

double offsetAtHeight(const HullModel& hull, int st, const StationSpline& spline, double z) {
  const int n = spline.n;
  const Table<double>& nodeZ = spline.nodeZ;
  if (z == nodeZ(1)) return hull.pointY(st, 1);
  if (z == nodeZ(n)) return hull.pointY(st, n);
  const int k = findInterval(spline, z);
  if (k == 0) return 0.0;  // outside the section: the Gauss points never go there
  if (hull.pointY(st, k + 1) == hull.pointY(st, k)) return hull.pointY(st, k);
  return cubicPieceValue(spline.coef, k, z - nodeZ(k));
}

double computeSectionArea(const HullModel& hull, int st, const StationSpline& spline, double zw) {
  const double keel = spline.nodeZ(1);
  if (zw <= keel) return 0.0;
  const double h = (zw - keel) / 4.0;
  double sum = 0.0;
  double half = 0.0;
  for (int m = 1; m <= 4; ++m) {
    const double a = keel + (m - 1) * h;
    const double b = m == 4 ? zw : a + h;
    half = (b - a) / 2.0;
    forEachGaussPair((a + b) / 2.0, half, [&](double weight, double zPlus, double zMinus) {
      sum += weight * (offsetAtHeight(hull, st, spline, zPlus) + offsetAtHeight(hull, st, spline, zMinus));
    });
  }
  return 2.0 * (half * sum);
}

BalanceOutcome balanceDisplacement(RunState& run,
                                   const std::function<void(const RunState&)>& afterIteration) {
  const TaskParameters& task = run.task;
  const int c = task.caseNumber;
  run.meanDraft = 0.0;
  run.draftStep = 0.0;
  if (c >= kLevelWaterline && c <= kSineTrough) {
    run.meanDraft = task.initialDraft;
    if (task.initialDraft == 0.0) {
      run.draftStep = run.hull.maxHeight / 100.0;
    } else if (task.initialDraft > 0.0) {
      run.draftStep = task.initialDraft / 10.0;
    }
  }

  // The geometry does not change during the search, only the waterline: each
  // station is fitted once.
  std::vector<StationSpline> splines;
  splines.reserve(static_cast<std::size_t>(run.hull.stationCount) + 1);
  splines.emplace_back(0);
  for (int st = 1; st <= run.hull.stationCount; ++st) {
    splines.emplace_back(run.hull.pointCount(st));
    fitCurveSpline(run.hull, st, splines.back());
  }

  // The search has found the required displacement only when it has been on
  // both sides of it. Started too high it can step down only twice its first
  // step, started too low with a step under 0.0001 m not at all; it then
  // starts again from the keel, as an initial draft of 0 does.
  bool below = false;
  bool above = false;
  bool restarted = false;
  bool climbChecked = false;
  for (int iteration = 1;; ++iteration) {
    if (!setWaterlineProfile(run, c, run.meanDraft)) return {BalanceStop::WavePhase};
    if (const BalanceOutcome deck = evaluateDisplacement(run, splines); deck.stop != BalanceStop::None) {
      return deck;
    }
    if (c == kTrimmedWaterline) return {};
    afterIteration(run);
    const double displacement = run.displacement;
    below = below || displacement < task.requiredDisplacement;
    above = above || displacement > task.requiredDisplacement;
    if (std::fabs(run.draftStep) < 0.0001) {
      if (below && above) return {};
      if (restarted) return {BalanceStop::NotCrossed};
      restarted = true;
      climbChecked = false;
      below = above = false;
      run.meanDraft = 0.0;
      run.draftStep = run.hull.maxHeight / 100.0;
      continue;
    }
    if (run.meanDraft < 0.0001 && displacement > task.requiredDisplacement) {
      return {BalanceStop::StartsTooDeep};
    }
    if (iteration >= kBalanceIterationLimit) return {BalanceStop::IterationLimit};
    if (displacement < task.requiredDisplacement) {
      if (!climbChecked && !above) {
        climbChecked = true;
        if (climbEndsAtLimit(run, splines, iteration)) return {BalanceStop::IterationLimit};
      }
      run.meanDraft += run.draftStep;
    } else if (displacement > task.requiredDisplacement) {
      run.meanDraft -= run.draftStep;
      run.draftStep /= 2.0;
    } else {
      return {};
    }
  }
}

void computeLongitudinalCentre(RunState& run) {
  const HullModel& hull = run.hull;
  Table<double> moment(kMaxStations);
  for (int st = 1; st <= hull.stationCount; ++st) moment(st) = hull.stationX(st) * run.stationArea(st);
  run.longitudinalCentre = integrateAlongShip(hull, moment) / (run.displacement / run.task.waterDensity);
}

}  // namespace norvika
