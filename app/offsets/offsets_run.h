#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "hull_file_writing.h"
#include "model_sections.h"
#include "station_sampling.h"

namespace norvika::offsets {

/// A placed model cut at its stations, with what the summary needs.
struct CutResult {
  OffsetTable table;
  std::vector<SectionOutline> outlines;  // per station, as cut (seams closed, holes filled)
  std::vector<SectionOutline> written;   // per station, as the records follow it (writtenOutline)
  std::vector<double> tolerance;         // per station, m: its curve tolerance
  ModelSides sides = ModelSides::Both;   // as the cuts found them
  int seamsClosed = 0;
  std::vector<std::string> warnings;
};

/// Moves the mesh into hull-file axes: x from AP, z above the base line (m).
void placeAtPerpendiculars(HullMesh& mesh, double ap, double base);

/// Station positions (m from AP) for the options: equally spaced from AP to
/// FP inclusive, or the --at list.
std::vector<double> stationPositions(const OffsetsOptions& options);

/// Cuts a model already in hull-file axes at the stations (m from AP) into
/// outlines, stations and end contours (sampleStations). Which halves the
/// model holds is found in the cuts (rules.presence). Warns of holes filled
/// and stations in a crack. Throws OffsetsError for a station outside the
/// model, a cut without hull, or a model without breadth.
CutResult cutHull(const CutModel& model, const std::vector<double>& stationX,
                  const SamplingRules& rules, double midshipX, const std::string& title);

/// Samples the stations of the cut anew by `rules` (its written outlines and
/// its table's stations).
void sampleStations(CutResult& cut, const SamplingRules& rules);

/// The whole tool: options, model, cut, hull file (and task file), summary
/// on `out`, warnings and errors on `err`. Returns the exit status, an
/// OffsetsStatus.
int runOffsets(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace norvika::offsets
