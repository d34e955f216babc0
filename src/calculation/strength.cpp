#include "calculation/strength.h"

#include <algorithm>
#include <cmath>

#include "calculation/waterline_profiles.h"

namespace norvika {

namespace {

bool isWaveProfile(int c) { return c >= kTrochoidCrest && c <= kSineTrough; }

}  // namespace

BuoyancySamples sampleBuoyancy(const HullModel& hull, const Table<double>& buoyancy) {
  const int n = hull.stationCount;
  BuoyancySamples samples;
  Table<double> x(kMaxStations);
  SplineCoefficients coef(kMaxStations);
  // A station whose half-breadth spline swings below zero near the keel (a
  // stem nearly without breadth) can give a small negative area: buoyancy is
  // never negative.
  for (int st = 1; st <= n; ++st) {
    x(st) = hull.stationX(st);
    coef(1, st) = std::max(0.0, buoyancy(st));
  }
  fitCubicSpline(n, x, coef, kNotAKnot, kNotAKnot);
  for (int st = 1; st < n; ++st) {
    const double h = x(st + 1) - x(st);
    for (int j = 0; j < kBuoyancySamples; ++j) {
      const double d = h * j / kBuoyancySamples;
      samples.x.push_back(x(st) + d);
      // Between a dry end station and a wet one the curve can swing below zero.
      samples.b.push_back(j == 0 ? coef(1, st) : std::max(0.0, cubicPieceValue(coef, st, d)));
    }
  }
  samples.x.push_back(x(n));
  samples.b.push_back(coef(1, n));
  return samples;
}

namespace {

// The points where the load changes its linear law: the stations and the ends
// of every weight block; with them every 0.01 L from the aft end, the rows of
// the table. Between two neighbours w and b are both linear, so the load is
// too, and SF and BM integrate exactly.
struct LoadGrid {
  std::vector<double> x;
  std::vector<bool> row;
};

LoadGrid buildGrid(const HullModel& hull, const BuoyancySamples& samples,
                   const WeightDistribution& weights, double shipLength, double step, double aftEnd,
                   double forwardEnd) {
  std::vector<std::pair<double, bool>> points;
  for (double x : samples.x) points.emplace_back(x, false);
  for (int st = 1; st <= hull.stationCount; ++st) points.emplace_back(hull.stationX(st), true);
  for (const WeightBlock& block : weights.blocks) {
    points.emplace_back(block.x1, false);
    points.emplace_back(block.x2, false);
  }
  const double tolerance = 1e-9 * std::max(shipLength, 1.0);
  for (int k = 0;; ++k) {
    const double x = aftEnd + k * step;
    if (x > forwardEnd - tolerance) break;
    points.emplace_back(x, true);
  }
  points.emplace_back(forwardEnd, true);
  std::sort(points.begin(), points.end());
  LoadGrid grid;
  for (const auto& [x, row] : points) {
    if (!grid.x.empty() && x - grid.x.back() <= tolerance) {
      if (row) grid.row.back() = true;
      continue;
    }
    grid.x.push_back(x);
    grid.row.push_back(row);
  }
  return grid;
}

// Weight per metre at both ends of the interval [a, b] of the grid: the sum
// of the blocks that cover it.
void intervalWeight(const WeightDistribution& weights, double a, double b, double tolerance,
                    double& wa, double& wb) {
  wa = wb = 0.0;
  for (const WeightBlock& block : weights.blocks) {
    if (block.x1 <= a + tolerance && b <= block.x2 + tolerance) {
      const double slope = (block.w2 - block.w1) / (block.x2 - block.x1);
      wa += block.w1 + slope * (a - block.x1);
      wb += block.w1 + slope * (b - block.x1);
    }
  }
}

// Buoyancy per metre at x from the samples, linear between them, none beyond
// the end stations. `k` is the sample interval to start from, moved forward.
double buoyancyAt(const BuoyancySamples& samples, double x, std::size_t& k) {
  const std::vector<double>& xs = samples.x;
  if (xs.size() < 2 || x < xs.front() || x > xs.back()) return 0.0;
  while (k + 2 < xs.size() && x > xs[k + 1]) ++k;
  const double x1 = xs[k];
  const double x2 = xs[k + 1];
  return samples.b[k] + (samples.b[k + 1] - samples.b[k]) * (x - x1) / (x2 - x1);
}

void keepLarger(Extreme& e, double value, double x) {
  if (value > e.value) e = {value, x};
}
void keepSmaller(Extreme& e, double value, double x) {
  if (value < e.value) e = {value, x};
}

// The ship's position on the trial waterline: the case's profile at the mean
// draft plus the trim line through L/2.
struct TrialState {
  double displacement = 0.0;
  double moment = 0.0;  // t m about AP
};

class SinkTrimEvaluator {
 public:
  SinkTrimEvaluator(const RunState& run, int profileCase)
      : scratch_(run), profileCase_(profileCase) {
    splines_.reserve(static_cast<std::size_t>(run.hull.stationCount) + 1);
    splines_.emplace_back(0);
    for (int st = 1; st <= run.hull.stationCount; ++st) {
      splines_.emplace_back(run.hull.pointCount(st));
      fitCurveSpline(run.hull, st, splines_.back());
    }
  }

  BalanceOutcome evaluate(double meanDraft, double trim, TrialState& state,
                          Table<double>& buoyancy) {
    if (!setWaterlineProfile(scratch_, profileCase_, meanDraft)) return {BalanceStop::WavePhase};
    const HullModel& hull = scratch_.hull;
    const double L = scratch_.task.shipLength;
    for (int st = 1; st <= hull.stationCount; ++st) {
      const StationSpline& spline = splines_[static_cast<std::size_t>(st)];
      const double zw = scratch_.waterlineHeight(st) + trim * (hull.stationX(st) / L - 0.5);
      const double deck = spline.nodeZ(spline.n);
      if (zw > deck) return BalanceOutcome{BalanceStop::DeckImmersed, st, zw, deck};
      buoyancy(st) = scratch_.task.waterDensity * computeSectionArea(hull, st, spline, zw);
    }
    double centre = 0.0;
    integrateStationBuoyancy(hull, buoyancy, state.displacement, centre);
    state.moment = state.displacement * centre;
    return {};
  }

 private:
  RunState scratch_;
  int profileCase_;
  std::vector<StationSpline> splines_;
};

}  // namespace

double tableRowSpacing(double shipLength, double aftEnd, double forwardEnd) {
  return std::max(0.01 * shipLength, (forwardEnd - aftEnd) / kMaxTableSteps);
}

void integrateStationBuoyancy(const HullModel& hull, const Table<double>& buoyancy,
                              double& displacement, double& centre) {
  const BuoyancySamples samples = sampleBuoyancy(hull, buoyancy);
  double force = 0.0;
  double moment = 0.0;
  for (std::size_t k = 0; k + 1 < samples.x.size(); ++k) {
    const double a = samples.x[k];
    const double b = samples.x[k + 1];
    const double h = b - a;
    force += h * (samples.b[k] + samples.b[k + 1]) / 2.0;
    moment += h / 6.0 * (samples.b[k] * (2.0 * a + b) + samples.b[k + 1] * (a + 2.0 * b));
  }
  displacement = force;
  centre = force != 0.0 ? moment / force : 0.0;
}

LoadCurves computeLoadCurves(const HullModel& hull, const Table<double>& buoyancy,
                             const WeightDistribution& weights, double shipLength) {
  LoadCurves curves;
  curves.aftEnd = hull.stationX(1);
  curves.forwardEnd = hull.stationX(hull.stationCount);
  for (const WeightBlock& block : weights.blocks) {
    curves.aftEnd = std::min(curves.aftEnd, block.x1);
    curves.forwardEnd = std::max(curves.forwardEnd, block.x2);
  }
  curves.rowSpacing = tableRowSpacing(shipLength, curves.aftEnd, curves.forwardEnd);
  const BuoyancySamples samples = sampleBuoyancy(hull, buoyancy);
  const LoadGrid grid = buildGrid(hull, samples, weights, shipLength, curves.rowSpacing,
                                  curves.aftEnd, curves.forwardEnd);
  const double tolerance = 1e-9 * std::max(shipLength, 1.0);

  double sf = 0.0;
  double bm = 0.0;
  std::size_t sample = 0;
  const std::size_t count = grid.x.size();
  auto addRow = [&](double x, double w, double b) {
    curves.x.push_back(x);
    curves.weight.push_back(w);
    curves.buoyancy.push_back(b);
    curves.load.push_back(w - b);
    curves.shear.push_back(sf);
    curves.moment.push_back(bm);
  };
  for (std::size_t k = 0; k + 1 < count; ++k) {
    const double a = grid.x[k];
    const double b = grid.x[k + 1];
    const double h = b - a;
    double wa = 0.0, wb = 0.0;
    intervalWeight(weights, a, b, tolerance, wa, wb);
    // The buoyancy of an interval that ends at the end stations is taken
    // from inside them.
    const double mid = (a + b) / 2.0;
    const bool wet = mid >= hull.stationX(1) && mid <= hull.stationX(hull.stationCount);
    const double ba = wet ? buoyancyAt(samples, std::max(a, hull.stationX(1)), sample) : 0.0;
    const double bb =
        wet ? buoyancyAt(samples, std::min(b, hull.stationX(hull.stationCount)), sample) : 0.0;
    const double qa = wa - ba;
    const double qb = wb - bb;
    if (grid.row[k]) addRow(a, wa, ba);

    // Inside the interval SF is quadratic and BM cubic in t = x - a:
    // SF(t) = sf + qa t + (qb - qa) t^2 / 2h, BM(t) = bm + sf t + qa t^2/2 + (qb - qa) t^3 / 6h.
    const double dq = qb - qa;
    auto shearAt = [&](double t) { return sf + qa * t + dq * t * t / (2.0 * h); };
    auto momentAt = [&](double t) {
      return bm + sf * t + qa * t * t / 2.0 + dq * t * t * t / (6.0 * h);
    };
    auto consider = [&](double t) {
      if (!(t > 0.0 && t < h)) return;
      const double m = momentAt(t);
      keepLarger(curves.hogging, m, a + t);
      keepSmaller(curves.sagging, m, a + t);
      const double s = shearAt(t);
      if (std::fabs(s) > std::fabs(curves.largestShear.value)) curves.largestShear = {s, a + t};
    };
    // SF is largest where q changes sign; BM where SF does.
    if (qa * qb < 0.0) consider(qa * h / (qa - qb));
    const double A = dq / (2.0 * h);
    if (A != 0.0) {
      const double disc = qa * qa - 4.0 * A * sf;
      if (disc >= 0.0) {
        const double root = std::sqrt(disc);
        consider((-qa + root) / (2.0 * A));
        consider((-qa - root) / (2.0 * A));
      }
    } else if (qa != 0.0) {
      consider(-sf / qa);
    }

    const double sfNext = sf + h * (qa + qb) / 2.0;
    bm += h * sf + h * h * (qa / 3.0 + qb / 6.0);
    sf = sfNext;
    keepLarger(curves.hogging, bm, b);
    keepSmaller(curves.sagging, bm, b);
    if (std::fabs(sf) > std::fabs(curves.largestShear.value)) curves.largestShear = {sf, b};
    if (k + 2 == count) addRow(b, wb, bb);
  }
  curves.endShear = sf;
  curves.endMoment = bm;
  return curves;
}

BalanceOutcome balanceSinkAndTrim(const RunState& run, int profileCase,
                                  const WeightDistribution& weights, double startDraft,
                                  StrengthCondition& condition) {
  const double W = weights.total;
  const double L = run.task.shipLength;
  const double target = W * weights.centre;
  SinkTrimEvaluator evaluator(run, profileCase);
  Table<double> buoyancy(kMaxStations);
  TrialState state;

  // Residuals scaled to be of one order: force over W, moment over W L.
  auto residual = [&](const TrialState& s, double& r1, double& r2) {
    r1 = (s.displacement - W) / W;
    r2 = (s.moment - target) / (W * L);
  };
  auto converged = [&](const TrialState& s) {
    if (!(std::fabs(s.displacement - W) <= 1e-6 * W) || s.displacement == 0.0) return false;
    return std::fabs(s.moment / s.displacement - weights.centre) <= 1e-6 * L;
  };

  double T = startDraft;
  double t = 0.0;
  if (const BalanceOutcome o = evaluator.evaluate(T, t, state, buoyancy);
      o.stop != BalanceStop::None) {
    return o;
  }
  const double h = 1e-6 * L;
  int iteration = 0;
  while (!converged(state)) {
    if (++iteration > kTrimBalanceIterationLimit) return {BalanceStop::IterationLimit};
    double r1 = 0.0, r2 = 0.0;
    residual(state, r1, r2);
    // Jacobian by forward differences (backward where a step forward puts a
    // deck under water).
    double J[2][2];
    for (int j = 0; j < 2; ++j) {
      double dT = j == 0 ? h : 0.0;
      double dt = j == 1 ? h : 0.0;
      TrialState probe;
      Table<double> scratch(kMaxStations);
      if (evaluator.evaluate(T + dT, t + dt, probe, scratch).stop != BalanceStop::None) {
        dT = -dT;
        dt = -dt;
        if (const BalanceOutcome o = evaluator.evaluate(T + dT, t + dt, probe, scratch);
            o.stop != BalanceStop::None) {
          return o;
        }
      }
      double p1 = 0.0, p2 = 0.0;
      residual(probe, p1, p2);
      const double d = dT + dt;
      J[0][j] = (p1 - r1) / d;
      J[1][j] = (p2 - r2) / d;
    }
    const double det = J[0][0] * J[1][1] - J[0][1] * J[1][0];
    if (!(std::fabs(det) > 0.0) || !std::isfinite(det)) return {BalanceStop::IterationLimit};
    const double stepT = -(J[1][1] * r1 - J[0][1] * r2) / det;
    const double stept = -(J[0][0] * r2 - J[1][0] * r1) / det;

    // Halve the step while it puts a deck under water or does not bring the
    // residual down.
    const double norm = std::hypot(r1, r2);
    BalanceOutcome last;
    bool accepted = false;
    for (double lambda = 1.0; lambda > 1e-6; lambda /= 2.0) {
      TrialState trial;
      Table<double> trialBuoyancy(kMaxStations);
      last = evaluator.evaluate(T + lambda * stepT, t + lambda * stept, trial, trialBuoyancy);
      if (last.stop == BalanceStop::WavePhase) return last;
      if (last.stop != BalanceStop::None) continue;
      double q1 = 0.0, q2 = 0.0;
      residual(trial, q1, q2);
      if (std::hypot(q1, q2) < norm || converged(trial)) {
        T += lambda * stepT;
        t += lambda * stept;
        state = trial;
        buoyancy = trialBuoyancy;
        accepted = true;
        break;
      }
    }
    if (!accepted)
      return last.stop != BalanceStop::None ? last : BalanceOutcome{BalanceStop::IterationLimit};
  }

  condition.profileCase = profileCase;
  condition.balanced = true;
  condition.iterations = iteration;
  condition.meanDraft = T;
  condition.trim = t;
  condition.aftDraft = T - t / 2.0;
  condition.forwardDraft = T + t / 2.0;
  condition.displacement = state.displacement;
  condition.centre = state.moment / state.displacement;
  condition.buoyancy = buoyancy;
  return {};
}

double ruleWaveCoefficient(double length) {
  if (length < 90.0 || length > 500.0) return 0.0;
  if (length <= 300.0) return 10.75 - std::pow((300.0 - length) / 100.0, 1.5);
  if (length <= 350.0) return 10.75;
  return 10.75 - std::pow((length - 350.0) / 150.0, 1.5);
}

RuleWaveMoments ruleWaveMoments(double length, double breadth, double draft, double volume) {
  RuleWaveMoments rule;
  rule.length = length;
  rule.breadth = breadth;
  rule.draft = draft;
  rule.applies = length >= 90.0 && length <= 500.0;
  const double box = length * breadth * draft;
  rule.blockCoefficient = std::max(box > 0.0 ? volume / box : 0.0, 0.6);
  if (!rule.applies) return rule;
  rule.coefficient = ruleWaveCoefficient(length);
  const double base = rule.coefficient * length * length * breadth * 1e-3;
  rule.hogging = 190.0 * base * rule.blockCoefficient;
  rule.sagging = -110.0 * base * (rule.blockCoefficient + 0.7);
  return rule;
}

BalanceOutcome computeStrength(const RunState& run, const WeightDistribution& weights,
                               StrengthResult& result) {
  const TaskParameters& task = run.task;
  const int c = task.caseNumber;
  result.caseNumber = c;
  StrengthCondition& condition = result.condition;
  if (c >= kLevelWaterline && c <= kSineTrough) {
    if (const BalanceOutcome o = balanceSinkAndTrim(run, c, weights, run.meanDraft, condition);
        o.stop != BalanceStop::None) {
      return o;
    }
  } else {
    // The run's own waterline, heeled buoyancy included: no balance, the
    // residual force and moment show at the forward end.
    condition.profileCase = c;
    condition.aftDraft = task.aftDraft;
    condition.forwardDraft = task.forwardDraft;
    condition.meanDraft = (task.aftDraft + task.forwardDraft) / 2.0;
    condition.trim = task.forwardDraft - task.aftDraft;
    for (int st = 1; st <= run.hull.stationCount; ++st) {
      condition.buoyancy(st) = task.waterDensity * run.stationArea(st);
    }
    integrateStationBuoyancy(run.hull, condition.buoyancy, condition.displacement,
                             condition.centre);
  }
  result.curves = computeLoadCurves(run.hull, condition.buoyancy, weights, task.shipLength);
  if (c > kSineTrough) return {};

  const StrengthCondition* still = &condition;
  if (isWaveProfile(c)) {
    result.hasStillWater = true;
    if (const BalanceOutcome o =
            balanceSinkAndTrim(run, kLevelWaterline, weights, run.meanDraft, result.stillWater);
        o.stop != BalanceStop::None) {
      return o;
    }
    result.stillCurves =
        computeLoadCurves(run.hull, result.stillWater.buoyancy, weights, task.shipLength);
    const std::size_t rows = result.curves.x.size();
    result.waveMoment.resize(rows);
    for (std::size_t k = 0; k < rows; ++k) {
      const double m = result.curves.moment[k] - result.stillCurves.moment[k];
      result.waveMoment[k] = m;
      keepLarger(result.waveHogging, m, result.curves.x[k]);
      keepSmaller(result.waveSagging, m, result.curves.x[k]);
    }
    still = &result.stillWater;
  }
  result.rule = ruleWaveMoments(task.shipLength, 2.0 * run.hull.maxHalfBreadth, still->meanDraft,
                                still->displacement / task.waterDensity);
  return {};
}

}  // namespace norvika
