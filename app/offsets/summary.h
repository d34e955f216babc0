#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "hull_mesh.h"
#include "model/hull_model.h"

namespace norvika::offsets {

/// Norvika's own reading of a hull file below a level waterline: the
/// section areas (m2, both sides) by its station splines and the volume (m3)
/// and LCB (m from AP) by its integration along the ship.
struct OffsetsVolume {
  std::vector<double> stationX;
  std::vector<double> area;
  double volume = 0.0;
  double lcb = 0.0;
};

/// Integrates the hull, as Norvika's reader took it, to the waterline
/// `draft` (m above base).
OffsetsVolume offsetsVolumeBelow(HullModel hull, double draft);

/// Where the written offsets and the model part: the volume by more than
/// 1 % of the model's, or the LCB by more than 0.5 % of the length between
/// the perpendiculars. Empty when they agree.
std::string disagreement(double modelVolume, double modelLcb, const OffsetsVolume& offsets,
                         double length);

/// What the summary reports.
struct SummaryData {
  std::string modelName;
  std::string formatName;
  MeshBounds bounds;  // ship axes, m, before placing AP and base
  long triangles = 0;
  long openEdges = 0;
  std::string sidesText;  // "both halves", "port half", "starboard half"
  double ap = 0.0, fp = 0.0, base = 0.0;
  bool baseGiven = false;  // else the model's lowest point, bounds.lowest
  std::string hullFile;
  std::vector<double> stationX;  // m from AP
  std::vector<int> stationPoints;
  double draft = 0.0;             // m above base, of the check
  bool draftGiven = false;        // else chosen as 60 % of the depth amidships
  std::vector<double> modelArea;  // m2 below the draft, from the model's cut
  int sections = 0;               // cuts of the model for its volume
  double modelVolume = 0.0;       // m3 below the draft, from the model
  double modelLcb = 0.0;          // m from AP
  OffsetsVolume offsets;          // from the hull file's text
};

/// Prints the summary: model, bounds, triangles, the base line, stations
/// (with their areas below the draft), both volumes and LCBs and their
/// difference in %.
void printSummary(std::ostream& out, const SummaryData& s);

}  // namespace norvika::offsets
