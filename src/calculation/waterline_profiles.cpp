#include "calculation/waterline_profiles.h"

#include <cmath>

#include "model/calculation_case.h"
#include "numerics/gauss_legendre.h"

namespace norvika {

namespace {

constexpr int kPhaseIterationLimit = 500;

void setStraightWaterline(const WaterlineShape& shape, WaterlineProfile& profile) {
  const StraightWaterline line = straightWaterline(profile.aft, profile.forward, shape.shipLength);
  for (int st = 1; st <= shape.stationCount; ++st) {
    profile.height(st) = line.heightAt(shape.stationX(st));
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

double ownCrestPosition(const TaskParameters& task, int caseNumber) {
  return caseProperties(caseNumber).crestAmidships ? task.shipLength * task.waveLengthRatio / 2.0
                                                   : 0.0;
}

std::optional<WaterlineShape> shapeWaterline(const TaskParameters& task, const HullModel& hull,
                                             int caseNumber) {
  return shapeWaterline(task, hull, caseNumber, ownCrestPosition(task, caseNumber));
}

std::optional<WaterlineShape> shapeWaterline(const TaskParameters& task, const HullModel& hull,
                                             int caseNumber, double crestPosition) {
  WaterlineShape shape;
  shape.caseNumber = caseNumber;
  shape.shipLength = task.shipLength;
  shape.forwardDraft = task.forwardDraft;
  shape.aftDraft = task.aftDraft;
  shape.stationCount = hull.stationCount;
  for (int st = 1; st <= hull.stationCount; ++st) shape.stationX(st) = hull.stationX(st);
  const CaseProperties& properties = caseProperties(caseNumber);
  if (!properties.hasWave) return shape;

  const double waveLength = task.shipLength * task.waveLengthRatio;
  const double halfHeight = task.waveHeight / 2.0;
  shape.crestPosition = crestPosition;
  // The wave moved forward by `shift`; in its own place by exactly nothing.
  const double shift = crestPosition - ownCrestPosition(task, caseNumber);
  for (int st = 1; st <= hull.stationCount; ++st) {
    const double x = hull.stationX(st) - shift;
    if (properties.trochoidal) {
      const std::optional<double> phase = wavePhase(task.waveHeight, x, waveLength);
      if (!phase) return std::nullopt;
      shape.waveRise(st) = halfHeight * std::cos(*phase);
    } else {
      shape.waveRise(st) = halfHeight * std::cos(6.2831853 * x / waveLength);
    }
  }
  return shape;
}

WaterlineProfile waterlineProfile(const WaterlineShape& shape, double meanDraft) {
  WaterlineProfile profile;
  switch (shape.caseNumber) {
    case kLevelWaterline:
      profile.aft = profile.forward = meanDraft;
      profile.shownForwardDraft = profile.shownAftDraft = meanDraft;
      setStraightWaterline(shape, profile);
      return profile;
    case kTrimmedWaterline:
      profile.aft = shape.aftDraft + meanDraft;
      profile.forward = shape.forwardDraft + meanDraft;
      profile.shownForwardDraft = shape.forwardDraft;
      profile.shownAftDraft = shape.aftDraft;
      setStraightWaterline(shape, profile);
      return profile;
    case kDamagedHeeled:
      profile.aft = shape.aftDraft;
      profile.forward = shape.forwardDraft;
      setStraightWaterline(shape, profile);
      return profile;
    default:
      break;
  }
  // The wave cases work with the mean level only; the status lines show it
  // as both drafts.
  profile.shownForwardDraft = profile.shownAftDraft = meanDraft;
  const bool crest = caseProperties(shape.caseNumber).crestAmidships;
  for (int st = 1; st <= shape.stationCount; ++st) {
    profile.height(st) = crest ? meanDraft - shape.waveRise(st) : meanDraft + shape.waveRise(st);
  }
  return profile;
}

}  // namespace norvika
