#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "hull_mesh.h"
#include "model/hull_model.h"
#include "model_sections.h"
#include "station_fitting.h"

namespace norvika::offsets {

/// Norvika's own reading of a hull file at a level waterline: each station's
/// area, waterplane breadth and girth by its station curves (m2, m, both
/// sides), and along the ship by its integration: volume (m3), LCB (m from
/// AP), waterplane area and wetted surface (girths, m2).
struct OffsetsValues {
  std::vector<double> stationX;
  std::vector<SectionValues> stations;
  double volume = 0.0;
  double lcb = 0.0;
  double waterplaneArea = 0.0;
  double wettedSurface = 0.0;
};

/// Integrates the hull, as Norvika's reader took it, to the waterline
/// `draft` (m above base).
OffsetsValues offsetsValuesBelow(HullModel hull, double draft);

/// How far the written offsets and the model part.
struct Verdict {
  bool agrees = true;
  /// The largest of the differences as a share of its limit: over 1 refused.
  double worst = 0.0;
  std::string text;     // what differs, and at which station most; empty when they agree
  std::string figures;  // the four differences, e.g. "volume -1.40 %, LCB 0.120 m, ..."
};

/// Compares the written offsets with the model (its own values and those of
/// its sections at the stations): the volume by more than 1 % of the
/// model's, the LCB by more than 0.5 % of the length between the
/// perpendiculars, the waterplane area or the wetted surface by more than 2 %
/// disagree; each named with the station where its section differs most.
Verdict judgeOffsets(const ModelHydrostatics& model,
                     const std::vector<SectionValues>& modelStations, const OffsetsValues& offsets,
                     double length);

/// The largest deviation of the written station curves from their outlines.
struct CurvesDeviation {
  CurveDeviation deviation;
  int station = 0;         // 1-based; 0 when no curve strays at all
  double tolerance = 0.0;  // m, that station's
};

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
  int seamsClosed = 0;                       // at the stations
  double seam = 0.0;                         // m, the seam tolerance
  double draft = 0.0;                        // m above base, of the check
  bool draftGiven = false;                   // else chosen as 60 % of the depth amidships
  std::vector<SectionValues> modelStations;  // the model's sections at the stations
  ModelHydrostatics model;
  OffsetsValues offsets;  // from the hull file's text
  CurvesDeviation curves;
};

/// Prints the summary: model, bounds, triangles, the base line, stations
/// (with their areas and girths below the draft), both volumes and LCBs,
/// waterplane areas and wetted surfaces and their difference in %, and how
/// closely the station curves follow the cut.
void printSummary(std::ostream& out, const SummaryData& s);

}  // namespace norvika::offsets
