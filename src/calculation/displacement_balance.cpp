#include "calculation/displacement_balance.h"

#include <cmath>

#include "model/calculation_case.h"
#include "numerics/gauss_legendre.h"

namespace norvika {

namespace {

double integrateAlongShip(const HullModel& hull, const Table<double>& area) {
  Table<double> x(kMaxStations);
  for (int st = 1; st <= hull.stationCount; ++st) x(st) = hull.stationX(st);
  return integrateTabulated(hull.stationCount, x, area);
}

// The geometry does not change during a search, only the waterline: each
// station is fitted once.
std::vector<StationSpline> fitStations(const HullModel& hull) {
  std::vector<StationSpline> splines;
  splines.reserve(static_cast<std::size_t>(hull.stationCount) + 1);
  splines.emplace_back(0);
  for (int st = 1; st <= hull.stationCount; ++st) {
    splines.emplace_back(hull.pointCount(st));
    fitCurveSpline(hull, st, splines.back());
  }
  return splines;
}

// Areas of every station below the waterline, then the displacement. The
// deck check comes before each station's area.
BalanceOutcome evaluateDisplacement(const HullModel& hull, double density,
                                    const std::vector<StationSpline>& splines,
                                    Immersion& immersion) {
  for (int st = 1; st <= hull.stationCount; ++st) {
    const StationSpline& spline = splines[static_cast<std::size_t>(st)];
    const double zw = immersion.waterline.height(st);
    const double deck = spline.nodeZ(spline.n);
    if (zw > deck) return BalanceOutcome{BalanceStop::DeckImmersed, st, zw, deck};
    immersion.stationArea(st) = computeSectionArea(hull, st, spline, zw);
  }
  immersion.displacement = integrateAlongShip(hull, immersion.stationArea) * density;
  return {};
}

// Whether the climb with the current constant step would still be below the
// required displacement when the iteration limit comes: the profile raised by
// every step left, with no station's deck under water (a deck reached first
// ends the climb with its own message). The displacement grows with the
// draft, so this one evaluation decides what some hundred thousand would.
bool climbEndsAtLimit(const TaskParameters& task, const HullModel& hull,
                      const std::vector<StationSpline>& splines, const Balance& balance,
                      int iteration) {
  const double rise = (kBalanceIterationLimit - iteration) * balance.draftStep;
  Table<double> area(kMaxStations);
  for (int st = 1; st <= hull.stationCount; ++st) {
    const StationSpline& spline = splines[static_cast<std::size_t>(st)];
    const double zw = balance.immersion.waterline.height(st) + rise;
    if (zw > spline.nodeZ(spline.n)) return false;
    area(st) = computeSectionArea(hull, st, spline, zw);
  }
  return integrateAlongShip(hull, area) * task.waterDensity < task.requiredDisplacement;
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
      sum += weight *
             (offsetAtHeight(hull, st, spline, zPlus) + offsetAtHeight(hull, st, spline, zMinus));
    });
  }
  return 2.0 * (half * sum);
}

Balance balanceDisplacement(const TaskParameters& task, const HullModel& hull,
                            const std::function<void(const Balance&)>& afterIteration) {
  const int c = task.caseNumber;
  const bool searches = caseProperties(c).searchesDisplacement;
  Balance balance;
  if (searches) {
    balance.meanDraft = task.initialDraft;
    if (task.initialDraft == 0.0) {
      balance.draftStep = hull.maxHeight / 100.0;
    } else if (task.initialDraft > 0.0) {
      balance.draftStep = task.initialDraft / 10.0;
    }
  }
  const std::optional<WaterlineShape> shape = shapeWaterline(task, hull, c);
  if (!shape) {
    balance.outcome = {BalanceStop::WavePhase};
    return balance;
  }
  const std::vector<StationSpline> splines = fitStations(hull);

  // The search has found the required displacement only when it has been on
  // both sides of it. Started too high it can step down only twice its first
  // step, started too low with a step under 0.0001 m not at all; it then
  // starts again from the keel, as an initial draft of 0 does.
  bool below = false;
  bool above = false;
  bool restarted = false;
  bool climbChecked = false;
  for (int iteration = 1;; ++iteration) {
    balance.immersion.waterline = waterlineProfile(*shape, balance.meanDraft);
    balance.outcome = evaluateDisplacement(hull, task.waterDensity, splines, balance.immersion);
    if (balance.outcome.stop != BalanceStop::None || !searches) return balance;
    const double displacement = balance.immersion.displacement;
    balance.history.push_back({balance.meanDraft, balance.draftStep, displacement});
    afterIteration(balance);
    below = below || displacement < task.requiredDisplacement;
    above = above || displacement > task.requiredDisplacement;
    if (std::fabs(balance.draftStep) < 0.0001) {
      if (below && above) return balance;
      if (restarted) {
        balance.outcome = {BalanceStop::NotCrossed};
        return balance;
      }
      restarted = true;
      climbChecked = false;
      below = above = false;
      balance.meanDraft = 0.0;
      balance.draftStep = hull.maxHeight / 100.0;
      continue;
    }
    if (balance.meanDraft < 0.0001 && displacement > task.requiredDisplacement) {
      balance.outcome = {BalanceStop::StartsTooDeep};
      return balance;
    }
    if (iteration >= kBalanceIterationLimit) {
      balance.outcome = {BalanceStop::IterationLimit};
      return balance;
    }
    if (displacement < task.requiredDisplacement) {
      if (!climbChecked && !above) {
        climbChecked = true;
        if (climbEndsAtLimit(task, hull, splines, balance, iteration)) {
          balance.outcome = {BalanceStop::IterationLimit};
          return balance;
        }
      }
      balance.meanDraft += balance.draftStep;
    } else if (displacement > task.requiredDisplacement) {
      balance.meanDraft -= balance.draftStep;
      balance.draftStep /= 2.0;
    } else {
      return balance;
    }
  }
}

double longitudinalCentre(const HullModel& hull, const Table<double>& stationArea,
                          double displacement, double density) {
  Table<double> moment(kMaxStations);
  for (int st = 1; st <= hull.stationCount; ++st) moment(st) = hull.stationX(st) * stationArea(st);
  return integrateAlongShip(hull, moment) / (displacement / density);
}

}  // namespace norvika
