#include "offsets_run.h"

#include <cmath>
#include <new>
#include <tuple>

#include "mesh_slicing.h"
#include "model_reading.h"
#include "model_sections.h"
#include "output_files.h"
#include "summary.h"
#include "text/text_format.h"

namespace norvika::offsets {

namespace {

// Half-breadths of the two halves may differ by this share before the
// averaged offsets are worth a warning.
constexpr double kSideTolerance = 0.01;
// A half of the hull reaches further out than this share of the breadth
// where it is there.
constexpr double kPresenceShare = 1e-3;
// Without --draft the offsets are checked at this share of the depth amidships.
constexpr double kCheckDraftShare = 0.6;

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

std::string metres(double value) { return formatFixed(value, 1, 3); }

std::string extentsText(const MeshBounds& b) {
  return "length " + metres(b.low.x) + " .. " + metres(b.high.x) + ", breadth " + metres(b.low.y) +
         " .. " + metres(b.high.y) + ", height " + metres(b.low.z) + " .. " + metres(b.high.z);
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
                         " m from AP lies outside the model (x from " + metres(b.low.x) + " to " +
                         metres(b.high.x) +
                         " m from AP): are --ap, --fp and --axes right? The model's extents (m "
                         "from AP and above the base line): " +
                         extentsText(b));
    }
  }
  CutResult result;
  result.table.title = title;
  result.table.stationX = stationX;
  result.cuts = sliceMesh(mesh, CutAxis::Length, stationX, 0.5 * (b.low.x + b.high.x));
  std::vector<SectionProfile> profiles;
  HalvesPresent present;
  for (const auto& cut : result.cuts) {
    profiles.push_back(outerProfile(cut));
    noteHalvesPresent(profiles.back(), rules.presence, present);
  }
  const std::optional<ModelSides> sides = modelSidesOf(present);
  if (!sides) {
    throw OffsetsError("the model has no breadth at the stations: its hull lies within " +
                       formatFixed(rules.presence, 1, 6) +
                       " m of the centre plane y = 0 (is --axes right? the model's extents: " +
                       extentsText(b) + ")");
  }
  result.sides = *sides;
  for (std::size_t k = 0; k < stationX.size(); ++k) {
    SectionProfile& profile = profiles[k];
    combineHalves(profile, result.sides, rules.presence);
    result.table.stations.push_back(sampleStation(static_cast<int>(k + 1), stationX[k], profile,
                                                  result.sides, rules, result.mismatch));
    for (const auto& [low, high] : oneSidedStretches(profile, rules.presence)) {
      result.warnings.push_back("station " + std::to_string(k + 1) +
                                " at x =" + numberText(stationX[k]) +
                                " m: only one half of the hull has hull "
                                "from z = " +
                                metres(low) + " to " + metres(high) +
                                " m (a hole in the other?); that half is written there");
    }
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

namespace {

// The draft of the check without --draft: a share of the deck edge's height
// at the station nearest the middle of the perpendiculars.
double checkDraft(const CutResult& cut, double length) {
  std::size_t middle = 0;
  for (std::size_t k = 1; k < cut.table.stationX.size(); ++k) {
    if (std::fabs(cut.table.stationX[k] - 0.5 * length) <
        std::fabs(cut.table.stationX[middle] - 0.5 * length)) {
      middle = k;
    }
  }
  return kCheckDraftShare * cut.table.stations[middle].back().z;
}

// A perpendicular off the model is most often a model turned another way
// (its length along y or z, or pointing aft) or in other units.
void checkPerpendiculars(const OffsetsOptions& o, const MeshBounds& b) {
  const double tolerance = 1e-9 * (b.high.x - b.low.x);
  for (const auto& [option, name, x] :
       {std::tuple{"--ap", "aft", o.ap}, {"--fp", "forward", o.fp}}) {
    if (x >= b.low.x - tolerance && x <= b.high.x + tolerance) continue;
    throw OffsetsError(std::string(option) + " " + metres(x) + ": the " + name +
                       " perpendicular lies outside the model (x from " + metres(b.low.x) + " to " +
                       metres(b.high.x) +
                       " m): are --ap, --fp and --axes right? The model's extents (m, in --axes " +
                       o.axes + "): " + extentsText(b));
  }
}

int run(const OffsetsOptions& o, std::ostream& out, std::ostream& err) {
  const std::optional<ModelFormat> format = modelFormatOf(o.model);
  if (!format) {
    throw OffsetsError(o.model.string() +
                       ": unknown model format; expected .step, .stp, .iges, .igs, .stl or .obj");
  }
  // Outputs that cannot serve are refused before the model is read.
  checkOutputPath(o.output, o.model, "hull file");
  if (!o.task.empty()) {
    checkOutputPath(o.task, o.model, "task file");
    checkTaskBesideHull(o.task, o.output);
  }
  ModelPlacement placement;
  placement.axes = parseModelAxes(o.axes);
  placement.scale = o.scale;
  placement.deflection = o.deflection;
  placement.force = o.force;
  HullMesh mesh = readHullModel(o.model, *format, placement);
  const MeshBounds shipBounds = meshBounds(mesh);
  const bool surface = *format == ModelFormat::Step || *format == ModelFormat::Iges;
  if (!surface) checkModelSize(shipBounds, *format, placement, o.model.string());
  const long openEdges = countOpenEdges(mesh);
  if (openEdges > 0) {
    err << "norvika-offsets: warning: " << o.model.string() << ": the mesh is open, " << openEdges
        << " edges belong to one triangle only\n";
  }
  // The first and last of equally spaced stations stand at the perpendiculars.
  if (o.stationsAt.empty()) checkPerpendiculars(o, shipBounds);
  const double base = o.base.value_or(shipBounds.low.z);
  placeAtPerpendiculars(mesh, o.ap, base);

  const double breadth = 2.0 * std::max(std::fabs(shipBounds.low.y), std::fabs(shipBounds.high.y));
  SamplingRules rules;
  rules.points = o.points;
  rules.draft = o.draft;
  rules.knuckleDegrees = o.knuckleDegrees;
  rules.modelTop = shipBounds.high.z - base;
  rules.modelMiddle = 0.5 * (shipBounds.low.z + shipBounds.high.z) - base;
  rules.presence = std::max(surface ? o.deflection : 0.0, kPresenceShare * breadth);
  const std::vector<double> stationX = stationPositions(o);
  const double length = o.fp - o.ap;
  const CutResult cut = cutHull(mesh, stationX, rules, 0.5 * length,
                                "NORVIKA-OFFSETS " + o.model.filename().string() + ", AP" +
                                    numberText(o.ap) + " M, FP" + numberText(o.fp) + " M");
  for (const std::string& w : cut.warnings) err << "norvika-offsets: warning: " << w << "\n";

  // The file is read back as Norvika will read it before it is put in place.
  const ResultFile hull = hullFile(o.output, cut.table);
  SummaryData s;
  s.draft = o.draft ? *o.draft : checkDraft(cut, length);
  s.offsets = offsetsVolumeBelow(readBackHullFile(hull.text(), o.output), s.draft);
  s.draftGiven = o.draft.has_value();
  s.modelName = o.model.filename().string();
  s.formatName = modelFormatName(*format);
  s.bounds = shipBounds;
  s.triangles = static_cast<long>(mesh.triangles.size());
  s.openEdges = openEdges;
  s.sidesText = sidesText(cut.sides);
  s.ap = o.ap;
  s.fp = o.fp;
  s.base = base;
  s.baseGiven = o.base.has_value();
  s.hullFile = o.output.filename().string();
  s.stationX = stationX;
  for (const auto& station : cut.table.stations) {
    s.stationPoints.push_back(static_cast<int>(station.size()));
  }
  // A half model holds half the ship: its sections count twice, as the
  // written half-breadths do.
  for (const auto& c : cut.cuts) {
    s.modelArea.push_back(sectionAreaBelow(c, cut.sides, rules.presence, s.draft));
  }
  const ModelVolume model =
      modelVolumeBelow(mesh, shipBounds.low.x - o.ap, shipBounds.high.x - o.ap, ModelParts{},
                       cut.sides, rules.presence, s.draft);
  s.sections = model.sections;
  s.modelVolume = model.volume;
  s.modelLcb = model.lcb;
  printSummary(out, s);

  if (!(model.volume > 0.0)) {
    if (!o.task.empty()) {
      throw OffsetsError("--draft: the model has no hull below z = " + metres(s.draft) +
                         " m above the base line; the task file needs a displacement");
    }
    err << "norvika-offsets: warning: the model has no hull below z = " << metres(s.draft)
        << " m above the base line: the written offsets are not checked\n";
  } else if (const std::string apart = disagreement(model.volume, model.lcb, s.offsets, length);
             !apart.empty()) {
    if (!o.force) {
      throw OffsetsError(o.output.string() + ": not written: " + apart +
                             "; more or other stations (--stations, --at), more --points, or "
                             "--force to write it all the same",
                         OffsetsStatus::Disagrees);
    }
    err << "norvika-offsets: warning: written with --force: " << apart << "\n";
  }

  std::optional<ResultFile> task;
  if (!o.task.empty()) {
    task = levelTaskFile(o.task, {.hullFileName = o.output.filename().string(),
                                  .length = length,
                                  .stationDivisions = static_cast<int>(stationX.size()) - 1,
                                  .density = o.density,
                                  .displacement = o.density * model.volume,
                                  .initialDraft = *o.draft});
  }
  publishOffsetsFiles(hull, task ? &*task : nullptr);
  if (task) {
    const std::filesystem::path directory =
        o.task.parent_path().empty() ? std::filesystem::path(".") : o.task.parent_path();
    out << "\ntask file " << o.task.filename().string() << ": case 1, "
        << formatFixed(o.density * model.volume, 1, 1) << " t at density "
        << formatFixed(o.density, 1, 3)
        << " t/m3 (the model's displacement at T = " << metres(*o.draft) << " m)\n";
    out << "next: norvika -C " << directory.string()
        << (o.task.filename() == "Norvika.TSK" ? ""
                                               : "   (after renaming the task file Norvika.TSK)")
        << "\n";
  }
  return static_cast<int>(OffsetsStatus::Done);
}

}  // namespace

int runOffsets(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    const OffsetsOptions o = parseCommandLine(args);
    if (o.help) {
      out << usageText();
      return static_cast<int>(OffsetsStatus::Done);
    }
    if (o.version) {
      out << "norvika-offsets " NORVIKA_VERSION "\n";
      return static_cast<int>(OffsetsStatus::Done);
    }
    return run(o, out, err);
  } catch (const OffsetsError& e) {
    err << "norvika-offsets: " << e.what() << "\n";
    return static_cast<int>(e.status());
  } catch (const std::bad_alloc&) {
    err << "norvika-offsets: out of memory\n";
    return static_cast<int>(OffsetsStatus::InternalFailure);
  }
}

}  // namespace norvika::offsets
