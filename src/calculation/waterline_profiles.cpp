#include "calculation/waterline_profiles.h"

#include <cmath>
#include <optional>

#include "numerics/gauss_legendre.h"

namespace norvika {

namespace {

constexpr int kPhaseIterationLimit = 500;

void setStraightWaterline(RunState& run) {
  const StraightWaterline line =
      straightWaterline(run.aftWaterline, run.forwardWaterline, run.task.shipLength);
  for (int st = 1; st <= run.hull.stationCount; ++st) {
    run.waterlineHeight(st) = line.heightAt(run.hull.stationX(st));
  }
}

// The trochoid's phase at x: the fixed point of θ = 2π/λ · (x − H/2 · sin θ);
// none when it does not settle.
std::optional<double> wavePhase(double waveHeight, double x, double waveLength) {
  double theta = 0.0;
  for (int count = 0;;) {
    const double next = (kTwoPi / waveLength) * (x - (waveHeight / 2.0) * std::sin(theta));
    if (std::fabs(next - theta) < 0.000001) return theta;
    theta = next;
    if (++count >= kPhaseIterationLimit) return std::nullopt;
  }
}

}  // namespace

StraightWaterline straightWaterline(double aft, double forward, double shipLength) {
  return StraightWaterline{aft, std::tan(std::atan((forward - aft) / shipLength))};
}

bool setWaterlineProfile(RunState& run, int caseNumber, double meanDraft) {
  const TaskParameters& task = run.task;
  switch (caseNumber) {
    case kLevelWaterline:
      run.aftWaterline = meanDraft;
      run.forwardWaterline = meanDraft;
      run.shownForwardDraft = meanDraft;
      run.shownAftDraft = meanDraft;
      setStraightWaterline(run);
      return true;
    case kTrimmedWaterline:
      run.aftWaterline = task.aftDraft + meanDraft;
      run.forwardWaterline = task.forwardDraft + meanDraft;
      run.shownForwardDraft = task.forwardDraft;
      run.shownAftDraft = task.aftDraft;
      setStraightWaterline(run);
      return true;
    case kDamagedHeeled:
      run.aftWaterline = task.aftDraft;
      run.forwardWaterline = task.forwardDraft;
      setStraightWaterline(run);
      return true;
    default:
      break;
  }
  // The wave cases work with the mean level only; the status lines show it
  // as both drafts.
  run.shownForwardDraft = meanDraft;
  run.shownAftDraft = meanDraft;
  const double waveLength = task.shipLength * task.waveLengthRatio;
  const double halfHeight = task.waveHeight / 2.0;
  for (int st = 1; st <= run.hull.stationCount; ++st) {
    const double x = run.hull.stationX(st);
    double& z = run.waterlineHeight(st);
    switch (caseNumber) {
      case kTrochoidCrest:
      case kTrochoidTrough: {
        const std::optional<double> phase = wavePhase(task.waveHeight, x, waveLength);
        if (!phase) return false;
        z = caseNumber == kTrochoidCrest ? meanDraft - halfHeight * std::cos(*phase)
                                         : meanDraft + halfHeight * std::cos(*phase);
        break;
      }
      case kSineCrest:
        z = meanDraft - halfHeight * std::cos(6.2831853 * x / waveLength);
        break;
      case kSineTrough:
        z = meanDraft + halfHeight * std::cos(6.2831853 * x / waveLength);
        break;
      default:
        break;
    }
  }
  return true;
}

}  // namespace norvika
