#include "offsets_run.h"

#include <cmath>
#include <new>

#include "mesh_slicing.h"
#include "model_reading.h"
#include "summary.h"
#include "text/text_format.h"

namespace norvika::offsets {

namespace {

// Half-breadths of the two halves may differ by this share before the
// averaged offsets are worth a warning.
constexpr double kSideTolerance = 0.01;

ModelSides sidesOf(const MeshBounds& b) {
  const double tolerance = 1e-6 * (b.high.y - b.low.y);
  if (b.low.y >= -tolerance) return ModelSides::Port;
  if (b.high.y <= tolerance) return ModelSides::Starboard;
  return ModelSides::Both;
}

const char* sidesText(ModelSides sides) {
  switch (sides) {
    case ModelSides::Port:
      return "port half";
    case ModelSides::Starboard:
      return "starboard half";
    case ModelSides::Both:
      return "both halves";
  }
  return "";
}

}  // namespace

void placeAtPerpendiculars(HullMesh& mesh, double ap, double base) {
  for (Point3& p : mesh.nodes) {
    p.x -= ap;
    p.z -= base;
  }
}

std::vector<double> stationPositions(const OffsetsOptions& o) {
  std::vector<double> x;
  if (!o.stationsAt.empty()) {
    for (const double at : o.stationsAt) x.push_back(at - o.ap);
    return x;
  }
  const double length = o.fp - o.ap;
  for (int i = 0; i < o.stationCount; ++i) x.push_back(length * i / (o.stationCount - 1));
  x.back() = length;
  return x;
}

CutResult cutHull(const HullMesh& mesh, const std::vector<double>& stationX,
                  const SamplingRules& rules, double midshipX, const std::string& title) {
  const MeshBounds b = meshBounds(mesh);
  const double tolerance = 1e-9 * (b.high.x - b.low.x);
  for (std::size_t k = 0; k < stationX.size(); ++k) {
    if (stationX[k] < b.low.x - tolerance || stationX[k] > b.high.x + tolerance) {
      throw OffsetsError("station " + std::to_string(k + 1) + " at x =" + numberText(stationX[k]) +
                         " m from AP lies outside the model (x from" + numberText(b.low.x) + " to" +
                         numberText(b.high.x) + " m from AP)");
    }
  }
  CutResult result;
  result.sides = rules.sides;
  result.table.title = title;
  result.table.stationX = stationX;
  result.cuts = sliceMesh(mesh, CutAxis::Length, stationX, 0.5 * (b.low.x + b.high.x));
  for (std::size_t k = 0; k < stationX.size(); ++k) {
    result.table.stations.push_back(sampleStation(static_cast<int>(k + 1), stationX[k],
                                                  result.cuts[k], rules, result.mismatch));
  }
  result.table.sternContour = sampleEndContour(mesh, true, midshipX, rules);
  result.table.bowContour = sampleEndContour(mesh, false, midshipX, rules);
  if (result.mismatch.fraction > kSideTolerance) {
    result.warnings.push_back(
        "the two halves of the hull differ by up to " +
        formatFixed(100.0 * result.mismatch.fraction, 1, 1) +
        " % (at x =" + numberText(std::round(result.mismatch.x * 1000.0) / 1000.0) +
        " m, z =" + numberText(std::round(result.mismatch.z * 1000.0) / 1000.0) +
        " m); their average is written");
  }
  if (rules.draft) {
    for (std::size_t k = 0; k < stationX.size(); ++k) {
      const auto& points = result.table.stations[k];
      if (points.back().z < *rules.draft) {
        result.warnings.push_back(
            "station " + std::to_string(k + 1) +
            " ends below the draft: Norvika will stop with the deck immersed");
      }
    }
  }
  return result;
}

int runOffsets(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    const OffsetsOptions o = parseCommandLine(args);
    if (o.help) {
      out << usageText();
      return 0;
    }
    if (o.version) {
      out << "norvika-offsets " NORVIKA_VERSION "\n";
      return 0;
    }
    const std::optional<ModelFormat> format = modelFormatOf(o.model);
    if (!format) {
      throw OffsetsError(o.model.string() +
                         ": unknown model format; expected .step, .stp, .iges, .igs, .stl or .obj");
    }
    ModelPlacement placement;
    placement.axes = parseModelAxes(o.axes);
    placement.scale = o.scale;
    placement.deflection = o.deflection;
    HullMesh mesh = readHullModel(o.model, *format, placement);
    const MeshBounds shipBounds = meshBounds(mesh);
    const long openEdges = countOpenEdges(mesh);
    if (openEdges > 0) {
      err << "norvika-offsets: warning: " << o.model.string() << ": the mesh is open, " << openEdges
          << " edges belong to one triangle only\n";
    }
    const double base = o.base.value_or(shipBounds.low.z);
    placeAtPerpendiculars(mesh, o.ap, base);

    SamplingRules rules;
    rules.points = o.points;
    rules.draft = o.draft;
    rules.knuckleDegrees = o.knuckleDegrees;
    rules.sides = sidesOf(shipBounds);
    rules.modelTop = shipBounds.high.z - base;
    rules.modelMiddle = 0.5 * (shipBounds.low.z + shipBounds.high.z) - base;
    const std::vector<double> stationX = stationPositions(o);
    const CutResult cut = cutHull(mesh, stationX, rules, 0.5 * (o.fp - o.ap),
                                  "NORVIKA-OFFSETS " + o.model.filename().string() + ", AP" +
                                      numberText(o.ap) + " M, FP" + numberText(o.fp) + " M");
    for (const std::string& w : cut.warnings) err << "norvika-offsets: warning: " << w << "\n";
    writeHullFile(o.output, cut.table);

    SummaryData s;
    s.modelName = o.model.filename().string();
    s.formatName = modelFormatName(*format);
    s.bounds = shipBounds;
    s.triangles = static_cast<long>(mesh.triangles.size());
    s.openEdges = openEdges;
    s.sidesText = sidesText(rules.sides);
    s.ap = o.ap;
    s.fp = o.fp;
    s.base = base;
    s.hullFile = o.output.filename().string();
    s.stationX = stationX;
    for (const auto& station : cut.table.stations) {
      s.stationPoints.push_back(static_cast<int>(station.size()));
    }
    s.draft = o.draft;
    if (o.draft) {
      // A half model holds half the ship.
      const double sidesFactor = rules.sides == ModelSides::Both ? 1.0 : 2.0;
      const VolumeBelow v = meshVolumeBelow(mesh, *o.draft);
      const double turn = v.volume < 0.0 ? -1.0 : 1.0;
      s.modelVolume = sidesFactor * turn * v.volume;
      s.modelLcb = v.volume != 0.0 ? v.moment / v.volume : 0.0;
      for (const auto& c : cut.cuts)
        s.modelArea.push_back(sidesFactor * turn * cutAreaBelow(c, *o.draft));
      s.volumeMethod = openEdges == 0
                           ? "the closed mesh cut by the waterplane"
                           : "facets below the waterplane by the divergence theorem; exact when "
                             "the mesh is open only above it or along the centre plane";
      s.offsets = offsetsVolumeBelow(o.output, *o.draft);
    }
    printSummary(out, s);
    return 0;
  } catch (const OffsetsError& e) {
    err << "norvika-offsets: " << e.what() << "\n";
    return 1;
  } catch (const std::bad_alloc&) {
    err << "norvika-offsets: out of memory\n";
    return 5;
  }
}

}  // namespace norvika::offsets
