#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "hull_file_writing.h"
#include "hull_mesh.h"
#include "station_sampling.h"

namespace norvika::offsets {

/// A placed model cut into its offset table, with what the summary needs.
struct CutResult {
  OffsetTable table;
  std::vector<std::vector<CutSegment>> cuts;  // per station, in hull-file axes
  ModelSides sides = ModelSides::Both;        // as the cuts found them
  SideMismatch mismatch;
  std::vector<std::string> warnings;
};

/// Moves the mesh into hull-file axes: x from AP, z above the base line (m).
void placeAtPerpendiculars(HullMesh& mesh, double ap, double base);

/// Station positions (m from AP) for the options: equally spaced from AP to
/// FP inclusive, or the --at list.
std::vector<double> stationPositions(const OffsetsOptions& options);

/// Cuts a mesh already in hull-file axes at the stations (m from AP) into
/// stations and end contours. Which halves the model holds is found in the
/// cuts (rules.presence). Throws OffsetsError for a station outside the
/// model, a cut without hull, or a model without breadth.
CutResult cutHull(const HullMesh& mesh, const std::vector<double>& stationX,
                  const SamplingRules& rules, double midshipX, const std::string& title);

/// The whole tool: options, model, cut, hull file (and task file), summary
/// on `out`, warnings and errors on `err`. Returns the exit status, an
/// OffsetsStatus.
int runOffsets(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace norvika::offsets
