// The box barge of the examples run up to its strength step, shared by the
// strength and sweep tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../run/run_files.h"
#include "calculation/displacement_balance.h"
#include "calculation/strength.h"
#include "model/task_file.h"
#include "platform/recording_platform.h"
#include "run/hull_preparation.h"

namespace norvika::testing {

// The box barge of the examples (L 100, B 20, depth 10, 21 stations, rho
// 1.025) run through its case up to the buoyancy of the even-keel search.
struct BoxRun {
  BoxRun(int c, const std::vector<std::string>& values, int stations = 21) : platform(dir.path()) {
    dir.write("Norvika.TSK", taskText("HULL.DAT", 100, 20, 1.025, c, values, "0, 0, 0"));
    dir.write("HULL.DAT", boxHullText(stations, 100, 10, 10));
    task = readTaskFile(dir.path());
    hull = readRunHull(task);
    checkHullGeometry(platform, task, hull);
    balance = balanceDisplacement(task, hull, [](const Balance&) {});
    EXPECT_EQ(balance.outcome.stop, BalanceStop::None);
  }
  // The strength of the run against the weights.
  Strength strength(const WeightDistribution& weights, const RuleChoices& choices = {}) const {
    return computeStrength(task, hull, balance.immersion, balance.meanDraft, weights, choices);
  }
  RunDirectory dir;
  RecordingPlatform platform;
  TaskParameters task;
  HullModel hull;
  Balance balance;
};

inline WeightDistribution weightsOf(std::vector<WeightBlock> blocks) {
  WeightDistribution w;
  w.blocks = std::move(blocks);
  sumBlocks(w);
  return w;
}

}  // namespace norvika::testing
