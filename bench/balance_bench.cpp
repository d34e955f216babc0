// Cost of the calculation: one evaluation of a waterline (every station fitted
// and integrated), a whole trochoidal-wave search, the whole calculation of a
// run with its equally spaced values, the strength step, the curves of form
// and Bonjean curves, and the cross curves of stability; no drawing.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "calculation/bonjean.h"
#include "calculation/crest_sweep.h"
#include "calculation/cross_curves.h"
#include "calculation/displacement_balance.h"
#include "calculation/equal_spacing.h"
#include "calculation/hydrostatics.h"
#include "calculation/strength.h"

namespace norvika {
namespace {

// A fine-lined hull: `stations` stations of `points` points each, a U section
// widening from the keel, the beam falling off towards the ends.
void buildHull(HullModel& hull, int stations, int points) {
  const double length = 150.0, depth = 14.0;
  hull.stationCount = stations;
  for (int i = 1; i <= stations; ++i) {
    const double x = length * (i - 1) / (stations - 1);
    const double beam = 11.0 * (1.0 - std::pow(2.0 * x / length - 1.0, 4)) + 0.2;
    hull.stationX(i) = x;
    for (int j = 1; j <= points; ++j) {
      const double z = depth * (j - 1) / (points - 1);
      hull.pointZ(i, j) = z;
      hull.pointY(i, j) = beam * std::pow(z / depth, 0.3);
      hull.pointCode(i, j) = 1;
    }
    hull.pointCount(i) = points;
  }
  for (int c : {stations + 1, stations + 2}) {
    hull.pointZ(c, 1) = 0;
    hull.pointZ(c, 2) = depth;
    hull.pointY(c, 1) = hull.pointY(c, 2) = c == stations + 1 ? 0.0 : length;
    hull.pointCount(c) = 2;
  }
  computeHullExtents(hull);
}

void setTask(TaskParameters& task, int caseNumber) {
  task.shipLength = 150.0;
  task.waterDensity = 1.025;
  task.caseNumber = caseNumber;
  task.requiredDisplacement = 20000.0;
  task.initialDraft = 5.0;
  task.waveHeight = 7.5;
  task.waveLengthRatio = 1.0;
  task.forwardDraft = task.aftDraft = 7.0;
}

void noStatusLines(const Balance&) {}

// The hull and task of a benchmark.
struct BenchRun {
  BenchRun(int stations, int caseNumber) {
    buildHull(hull, stations, 50);
    setTask(task, caseNumber);
  }
  TaskParameters task;
  HullModel hull;
};

void BM_OneEvaluation(benchmark::State& state) {
  const BenchRun run(static_cast<int>(state.range(0)), 6);
  for (auto _ : state) {
    benchmark::DoNotOptimize(balanceDisplacement(run.task, run.hull, noStatusLines));
  }
}
BENCHMARK(BM_OneEvaluation)->Arg(21)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_TrochoidCrestSearch(benchmark::State& state) {
  const BenchRun run(static_cast<int>(state.range(0)), 2);
  for (auto _ : state) {
    benchmark::DoNotOptimize(balanceDisplacement(run.task, run.hull, noStatusLines));
  }
}
BENCHMARK(BM_TrochoidCrestSearch)->Arg(21)->Arg(100)->Unit(benchmark::kMillisecond);

// The whole calculation of a trochoidal-crest run on the 100-station hull:
// the search to its end, the centre of buoyancy and N equally spaced values
// (143, as bench/make_run.py writes, and the most the task file allows).
void BM_Case2Calculation(benchmark::State& state) {
  BenchRun run(100, 2);
  run.task.equalPointCount = static_cast<int>(state.range(0));
  run.task.equalStart = 0.0;
  run.task.equalEnd = 150.0;
  for (auto _ : state) {
    const Balance balance = balanceDisplacement(run.task, run.hull, noStatusLines);
    const Immersion& immersion = balance.immersion;
    benchmark::DoNotOptimize(longitudinalCentre(run.hull, immersion.stationArea,
                                                immersion.displacement, run.task.waterDensity));
    benchmark::DoNotOptimize(
        resampleEqualSpacing(run.task, run.hull, immersion.stationArea, immersion.displacement));
  }
}
BENCHMARK(BM_Case2Calculation)->Arg(143)->Arg(2500)->Unit(benchmark::kMillisecond);

// The strength step of a trochoidal-crest run on the 100-station hull with a
// weight distribution of 20 000 t in `blocks` blocks (a hull girder over the
// whole length and equal loads side by side amidships): the balance in sink
// and trim on the wave and on still water, SF and BM of both, the rule values.
WeightDistribution benchWeights(const BenchRun& run, int blocks) {
  WeightDistribution weights;
  const int loads = blocks - 1;
  weights.blocks.push_back({-2.0, 152.0, 40.0, 40.0});
  const double hull = 40.0 * 154.0;
  for (int k = 0; k < loads; ++k) {
    const double x1 = 20.0 + 110.0 * k / loads;
    const double x2 = 20.0 + 110.0 * (k + 1) / loads;
    const double w = (run.task.requiredDisplacement - hull) / 110.0;
    weights.blocks.push_back({x1, x2, w, w});
  }
  sumBlocks(weights);
  return weights;
}

void BM_Case2Strength(benchmark::State& state) {
  const BenchRun run(100, 2);
  const Balance balance = balanceDisplacement(run.task, run.hull, noStatusLines);
  const WeightDistribution weights = benchWeights(run, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const Strength result =
        computeStrength(run.task, run.hull, balance.immersion, balance.meanDraft, weights);
    if (result.outcome.stop != BalanceStop::None) {
      state.SkipWithError("the balance in sink and trim stopped");
      break;
    }
    benchmark::DoNotOptimize(result.curves.endMoment);
  }
}
BENCHMARK(BM_Case2Strength)->Arg(10)->Arg(500)->Unit(benchmark::kMillisecond);

// The wave's crest swept along the same ship over `range` positions: a balance
// in sink and trim and SF and BM at each, the envelopes and the worst. The
// wave is L/30 high and the ship of 14 000 t: with the L/20 wave and the
// 20 000 t of the other benchmarks this fine hull, its crest near AP, trims
// its bow under water.
void BM_CrestSweep(benchmark::State& state) {
  BenchRun run(100, 2);
  run.task.waveHeight = 5.0;
  run.task.requiredDisplacement = 14000.0;
  const Balance balance = balanceDisplacement(run.task, run.hull, noStatusLines);
  const WeightDistribution weights = benchWeights(run, 10);
  const Strength strength =
      computeStrength(run.task, run.hull, balance.immersion, balance.meanDraft, weights);
  for (auto _ : state) {
    const CrestSweep sweep = sweepCrest(run.task, run.hull, weights, strength,
                                        static_cast<int>(state.range(0)), balance.meanDraft);
    if (sweep.outcome.stop != BalanceStop::None) {
      state.SkipWithError("a crest position could not be balanced");
      break;
    }
    benchmark::DoNotOptimize(sweep.moment.largest.back());
  }
}
BENCHMARK(BM_CrestSweep)->Arg(40)->Unit(benchmark::kMillisecond);

// The curves of form of the 100-station hull at 50 drafts from 0.25 m to
// 12.5 m, and the Bonjean curves of its stations.
void BM_Hydrostatics(benchmark::State& state) {
  const auto hull = std::make_unique<HullModel>();
  buildHull(*hull, 100, 50);
  HydrostaticsInput input{150.0, 1.025, 0.0, {}};
  for (int k = 1; k <= 50; ++k) input.drafts.push_back(0.25 * k);
  for (auto _ : state) {
    Hydrostatics table;
    if (computeHydrostatics(*hull, input, table).stop != HydrostaticsStop::None) {
      state.SkipWithError("a draft was refused");
      break;
    }
    benchmark::DoNotOptimize(table.rows.back().kml);
  }
}
BENCHMARK(BM_Hydrostatics)->Unit(benchmark::kMillisecond);

void BM_BonjeanCurves(benchmark::State& state) {
  const auto hull = std::make_unique<HullModel>();
  buildHull(*hull, 100, 50);
  for (auto _ : state) benchmark::DoNotOptimize(computeBonjeanCurves(*hull).stations.back().moment);
}
BENCHMARK(BM_BonjeanCurves)->Unit(benchmark::kMillisecond);

// KN of the 100-station hull at 10 displacements (level drafts of 2 to 11 m)
// and 20 heels (0 to 95 degrees), free to trim: every station's outline cut
// at each waterplane the equilibria try.
void BM_CrossCurves(benchmark::State& state) {
  const auto hull = std::make_unique<HullModel>();
  buildHull(*hull, 100, 50);
  const StabilityHull prepared = prepareStabilityHull(*hull, 150.0, 1.025);
  CrossCurvesInput input;
  for (int k = 2; k <= 11; ++k) input.displacements.push_back(1.025 * volumeAtDraft(prepared, k));
  for (int k = 0; k < 20; ++k) input.heels.push_back(5.0 * k);
  for (auto _ : state) {
    const std::vector<CrossCurve> curves = computeCrossCurves(prepared, input);
    if (curves.back().points.size() != input.heels.size()) {
      state.SkipWithError("a heel had no equilibrium");
      break;
    }
    benchmark::DoNotOptimize(curves.back().points.back().kn);
  }
}
BENCHMARK(BM_CrossCurves)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace norvika
