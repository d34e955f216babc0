#pragma once

#include <vector>

#include "model/hull_model.h"

namespace norvika {

/// Equal steps from the keel to the deck of each station in the Bonjean curves.
inline constexpr int kBonjeanSteps = 20;

/// One station's Bonjean curves: at each height z (m above the base line,
/// rising from its keel to its deck edge) the section area below it (m2, both
/// sides) and that area's moment about the base line (m3).
struct BonjeanStation {
  int station = 0;
  double x = 0.0;  // m from AP
  std::vector<double> z;
  std::vector<double> area;
  std::vector<double> moment;
};

struct BonjeanCurves {
  std::vector<BonjeanStation> stations;  // aft to forward
};

/// The Bonjean curves of every station, at `steps` equal steps from its keel
/// to its deck edge and at each of its point heights; areas and moments are
/// those of each station's outline (sectionBelow), so that the area never falls
/// with height and each layer's centre lies within the layer.
BonjeanCurves computeBonjeanCurves(const HullModel& hull, int steps = kBonjeanSteps);

}  // namespace norvika
