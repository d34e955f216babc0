#pragma once

#include "model/hull_model.h"
#include "model/task_parameters.h"
#include "support/capacities.h"
#include "support/table.h"

namespace norvika {

/// Buoyancy per metre resampled at equally spaced points.
struct EqualSpacedValues {
  Table<double> x{kMaxEqualPoints};  // m from AP
  Table<double> v{kMaxEqualPoints};  // t/m
  double span = 0.0;                 // E, m
  double displacement = 0.0;         // DE, t
  double centre = 0.0;               // CE, m from AP
};

/// The inputs and results of one run's calculation: plain data, filled by the
/// calculation functions; what a completed run returns to its caller.
struct RunState {
  TaskParameters task;
  HullModel hull;

  double aftWaterline = 0.0;      // m above the base line at AP
  double forwardWaterline = 0.0;  // m above the base line at FP
  Table<double> waterlineHeight{kMaxStations};  // at each station, m
  /// Immersed area of each station, m2 (heeled for the damaged condition).
  Table<double> stationArea{kMaxStations};
  double displacement = 0.0;  // t

  double meanDraft = 0.0;  // m
  double draftStep = 0.0;  // m
  /// The drafts shown in the status lines ("Bas draft" forward, "Kic draft" aft).
  double shownForwardDraft = 0.0;
  double shownAftDraft = 0.0;

  double heelLCB = 0.0;  // m from AP, damaged condition
  double heelTCB = 0.0;  // m from CL, rising side positive

  double longitudinalCentre = 0.0;  // m from AP
  EqualSpacedValues equalSpaced;

  /// Whether the run also wrote MUKAVEMET.SON and MUKAVEMET.TXT (a weights file was there).
  bool strengthWritten = false;
};

}  // namespace norvika
