#pragma once

#include "driver/task_parameters.h"
#include "hull/hull_model.h"
#include "platform/platform.h"
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

/// The working data of one run, owned by the run driver. Only row 1 of the
/// waterline, area and displacement tables is ever used.
struct RunState {
  explicit RunState(Platform& p) : platform(p) {}

  Platform& platform;
  TaskParameters task;
  HullModel hull;

  Table2<double> waterlineEnds{28, 2};  // (row, 1 = at AP / 2 = at FP), m
  Table2<double> waterlineHeight{kMaxWaterlineRows, kMaxStations};  // (row, station), m
  /// (row, station), m2; the heeled block fills it (station, heel step) and
  /// transposes it into row 1.
  Table2<double> stationArea{kMaxStations, kMaxStations};
  Table<double> displacementTable{kMaxWaterlineRows};  // t

  double meanDraft = 0.0;  // m
  double draftStep = 0.0;  // m
  /// The drafts shown in the status lines ("Bas draft" forward, "Kic draft" aft).
  double shownForwardDraft = 0.0;
  double shownAftDraft = 0.0;

  Table2<double> heelLCB{1, kMaxWaterlineRows};  // m from AP
  Table2<double> heelTCB{1, kMaxWaterlineRows};  // m from CL, rising side positive

  double longitudinalCentre = 0.0;  // m from AP
  EqualSpacedValues equalSpaced;
};

}  // namespace norvika
