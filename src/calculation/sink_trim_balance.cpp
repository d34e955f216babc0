#include "calculation/sink_trim_balance.h"

#include <cmath>
#include <optional>
#include <vector>

#include "calculation/buoyancy_curve.h"
#include "calculation/section_area.h"
#include "calculation/waterline_profiles.h"

namespace norvika {

namespace {

// Displacement and its moment about AP of one trial waterline.
struct TrialState {
  double displacement = 0.0;  // t
  double moment = 0.0;        // t m about AP
};

// The ship on trial waterlines: the case's profile at a mean draft plus the
// trim line through L/2. The stations are fitted and the wave shaped once.
class SinkTrimEvaluator {
 public:
  SinkTrimEvaluator(const TaskParameters& task, const HullModel& hull,
                    const std::vector<SectionCurve>& sections, const WaterlineShape& shape)
      : task_(task), hull_(hull), shape_(shape), sections_(sections) {}

  BalanceOutcome evaluate(double meanDraft, double trim, TrialState& state,
                          Table<double>& buoyancy) const {
    const WaterlineProfile profile = waterlineProfile(shape_, meanDraft);
    const double L = task_.shipLength;
    for (int st = 1; st <= hull_.stationCount; ++st) {
      const SectionCurve& section = sections_[static_cast<std::size_t>(st - 1)];
      const double zw = profile.height(st) + trim * (hull_.stationX(st) / L - 0.5);
      const double deck = section.deck();
      if (zw > deck) return BalanceOutcome{BalanceStop::DeckImmersed, st, zw, deck};
      buoyancy(st) = task_.waterDensity * sectionArea(section, zw);
    }
    double centre = 0.0;
    integrateStationBuoyancy(hull_, buoyancy, state.displacement, centre);
    state.moment = state.displacement * centre;
    return {};
  }

 private:
  const TaskParameters& task_;
  const HullModel& hull_;
  const WaterlineShape& shape_;
  const std::vector<SectionCurve>& sections_;
};

}  // namespace

StrengthCondition balanceSinkAndTrim(const TaskParameters& task, const HullModel& hull,
                                     int profileCase, const WeightDistribution& weights,
                                     double startDraft) {
  const std::optional<WaterlineShape> shape = shapeWaterline(task, hull, profileCase);
  if (!shape) {
    StrengthCondition condition;
    condition.outcome = {BalanceStop::WavePhase};
    return condition;
  }
  return balanceSinkAndTrim(task, hull, layOutStations(hull), *shape, weights, startDraft);
}

StrengthCondition balanceSinkAndTrim(const TaskParameters& task, const HullModel& hull,
                                     const std::vector<SectionCurve>& sections,
                                     const WaterlineShape& shape, const WeightDistribution& weights,
                                     double startDraft) {
  StrengthCondition condition;
  const int profileCase = shape.caseNumber;
  const double W = weights.total;
  const double L = task.shipLength;
  const double target = W * weights.centre;
  const SinkTrimEvaluator evaluator(task, hull, sections, shape);
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

  double meanDraft = startDraft;
  double trim = 0.0;
  if (const BalanceOutcome o = evaluator.evaluate(meanDraft, trim, state, buoyancy);
      o.stop != BalanceStop::None) {
    condition.outcome = o;
    return condition;
  }
  const double h = 1e-6 * L;
  int iteration = 0;
  while (!converged(state)) {
    if (++iteration > kTrimBalanceIterationLimit) {
      condition.outcome = {BalanceStop::IterationLimit};
      return condition;
    }
    double r1 = 0.0, r2 = 0.0;
    residual(state, r1, r2);
    // Jacobian by forward differences (backward where a step forward puts a
    // deck under water).
    double J[2][2];
    for (int j = 0; j < 2; ++j) {
      double draftProbe = j == 0 ? h : 0.0;
      double trimProbe = j == 1 ? h : 0.0;
      TrialState probe;
      Table<double> scratch(kMaxStations);
      if (evaluator.evaluate(meanDraft + draftProbe, trim + trimProbe, probe, scratch).stop !=
          BalanceStop::None) {
        draftProbe = -draftProbe;
        trimProbe = -trimProbe;
        if (const BalanceOutcome o =
                evaluator.evaluate(meanDraft + draftProbe, trim + trimProbe, probe, scratch);
            o.stop != BalanceStop::None) {
          condition.outcome = o;
          return condition;
        }
      }
      double p1 = 0.0, p2 = 0.0;
      residual(probe, p1, p2);
      const double d = draftProbe + trimProbe;
      J[0][j] = (p1 - r1) / d;
      J[1][j] = (p2 - r2) / d;
    }
    const double det = J[0][0] * J[1][1] - J[0][1] * J[1][0];
    if (!(std::fabs(det) > 0.0) || !std::isfinite(det)) {
      condition.outcome = {BalanceStop::IterationLimit};
      return condition;
    }
    const double draftStep = -(J[1][1] * r1 - J[0][1] * r2) / det;
    const double trimStep = -(J[0][0] * r2 - J[1][0] * r1) / det;

    // Halve the step while it puts a deck under water or does not bring the
    // residual down.
    const double norm = std::hypot(r1, r2);
    BalanceOutcome last;
    bool accepted = false;
    for (double lambda = 1.0; lambda > 1e-6; lambda /= 2.0) {
      TrialState trial;
      Table<double> trialBuoyancy(kMaxStations);
      last = evaluator.evaluate(meanDraft + lambda * draftStep, trim + lambda * trimStep, trial,
                                trialBuoyancy);
      if (last.stop != BalanceStop::None) continue;
      double q1 = 0.0, q2 = 0.0;
      residual(trial, q1, q2);
      if (std::hypot(q1, q2) < norm || converged(trial)) {
        meanDraft += lambda * draftStep;
        trim += lambda * trimStep;
        state = trial;
        buoyancy = trialBuoyancy;
        accepted = true;
        break;
      }
    }
    if (!accepted) {
      condition.outcome =
          last.stop != BalanceStop::None ? last : BalanceOutcome{BalanceStop::IterationLimit};
      return condition;
    }
  }

  condition.profileCase = profileCase;
  condition.balanced = true;
  condition.iterations = iteration;
  condition.meanDraft = meanDraft;
  condition.trim = trim;
  condition.aftDraft = meanDraft - trim / 2.0;
  condition.forwardDraft = meanDraft + trim / 2.0;
  condition.displacement = state.displacement;
  condition.centre = state.moment / state.displacement;
  condition.buoyancy = buoyancy;
  return condition;
}

}  // namespace norvika
