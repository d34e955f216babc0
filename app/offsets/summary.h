#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "hull_mesh.h"

namespace norvika::offsets {

/// Norvika's own reading of a written hull file below a level waterline: the
/// section areas (m2, both sides) by its station splines and the volume (m3)
/// and LCB (m from AP) by its integration along the ship.
struct OffsetsVolume {
  std::vector<double> stationX;
  std::vector<double> area;
  double volume = 0.0;
  double lcb = 0.0;
};

/// Reads the hull file with Norvika's reader and integrates it to the
/// waterline `draft` (m above base). Throws OffsetsError when Norvika rejects
/// the file, with its message.
OffsetsVolume offsetsVolumeBelow(const std::filesystem::path& hullFile, double draft);

/// What the summary reports.
struct SummaryData {
  std::string modelName;
  std::string formatName;
  MeshBounds bounds;  // ship axes, m, before placing AP and base
  long triangles = 0;
  long openEdges = 0;
  std::string sidesText;  // "both halves", "port half", "starboard half"
  double ap = 0.0, fp = 0.0, base = 0.0;
  std::string hullFile;
  std::vector<double> stationX;  // m from AP
  std::vector<int> stationPoints;
  std::optional<double> draft;    // m above base
  std::vector<double> modelArea;  // m2 below the draft, from the model's cut
  double modelVolume = 0.0;       // m3 below the draft, from the model
  double modelLcb = 0.0;          // m from AP
  std::string volumeMethod;
  OffsetsVolume offsets;  // from the written file
};

/// Prints the summary: model, bounds, triangles, stations (with their areas
/// below the draft), both volumes and LCBs and their difference in %.
void printSummary(std::ostream& out, const SummaryData& s);

}  // namespace norvika::offsets
