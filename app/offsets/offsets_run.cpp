#include "offsets_run.h"

#include <cmath>
#include <new>
#include <tuple>

#include "end_contours.h"
#include "mesh_slicing.h"
#include "model_reading.h"
#include "offsets_check.h"
#include "output_files.h"
#include "summary.h"
#include "support/capacities.h"
#include "task_checks.h"
#include "text/text_format.h"
#include "words/language.h"

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
// t/m3, the task file's water unless --density.
constexpr double kSeaWater = 1.025;

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

// What a station's outline tells the user: holes filled and where the two
// halves were told apart.
void noteOutline(int station, double x, const SectionOutline& o, double seam,
                 std::vector<std::string>& warnings) {
  const std::string name = "station " + std::to_string(station) + " at x =" + numberText(x) + " m";
  for (const auto& [low, high] : o.oneSided) {
    if (high - low <= seam) continue;
    warnings.push_back(name + ": only one half of the hull has hull from z = " + metres(low) +
                       " to " + metres(high) +
                       " m (a hole in the other?); that half is written there");
  }
  for (const auto& [low, high] : o.bridged) {
    warnings.push_back(name + ": a hole in the hull from z = " + metres(low) + " to " +
                       metres(high) +
                       " m, bridged by a straight line (no other half is whole there)");
  }
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

void sampleStations(CutResult& cut, const SamplingRules& rules) {
  cut.written.clear();
  cut.tolerance.clear();
  cut.table.stations.clear();
  for (std::size_t k = 0; k < cut.outlines.size(); ++k) {
    cut.written.push_back(writtenOutline(cut.outlines[k], rules));
    cut.tolerance.push_back(curveTolerance(cut.written.back(), rules.curve));
    cut.table.stations.push_back(
        sampleStation(static_cast<int>(k + 1), cut.table.stationX[k], cut.written.back(), rules));
  }
}

CutResult cutHull(const CutModel& model, const std::vector<double>& stationX,
                  const SamplingRules& rules, double midshipX, const std::string& title) {
  const HullMesh& mesh = *model.mesh;
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
  std::vector<std::size_t> borrowed;
  const std::vector<ClosedCut> cuts = closedCutsAt(model, stationX, std::nullopt, &borrowed);
  HalvesPresent present;
  for (const ClosedCut& cut : cuts) noteHalvesPresent(cut.profile, rules.presence, present);
  const std::optional<ModelSides> sides = modelSidesOf(present);
  if (!sides) {
    throw OffsetsError("the model has no breadth at the stations: its hull lies within " +
                       formatFixed(rules.presence, 1, 6) +
                       " m of the centre plane y = 0 (is --axes right? the model's extents: " +
                       extentsText(b) + ")");
  }
  result.sides = *sides;
  double mismatch = 0.0, mismatchX = 0.0, mismatchZ = 0.0;
  for (std::size_t k = 0; k < stationX.size(); ++k) {
    result.outlines.push_back(sectionOutline(cuts[k], result.sides, rules.presence));
    const SectionOutline& o = result.outlines.back();
    result.seamsClosed += o.seamsClosed;
    noteOutline(static_cast<int>(k + 1), stationX[k], o, cuts[k].seam, result.warnings);
    if (o.mismatch > mismatch) {
      mismatch = o.mismatch;
      mismatchX = stationX[k];
      mismatchZ = o.mismatchZ;
    }
  }
  for (const std::size_t k : borrowed) {
    result.warnings.push_back(
        "station " + std::to_string(k + 1) + " at x =" + numberText(stationX[k]) +
        " m: the plane meets no hull (a crack across the model there?); the model's cuts " +
        metres(model.tolerances.seam) + " m aft and forward of it are written together");
  }
  if (mismatch > kSideTolerance) {
    result.warnings.push_back("the two halves of the hull differ by up to " +
                              formatFixed(100.0 * mismatch, 1, 1) +
                              " % (at x =" + numberText(std::round(mismatchX * 1000.0) / 1000.0) +
                              " m, z =" + numberText(std::round(mismatchZ * 1000.0) / 1000.0) +
                              " m); their average is written");
  }
  sampleStations(result, rules);
  result.table.sternContour = sampleEndContour(mesh, true, midshipX, rules);
  result.table.bowContour = sampleEndContour(mesh, false, midshipX, rules);
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

// The model's own sections at the stations, at the waterline (m above base).
std::vector<SectionValues> stationValues(const CutResult& cut, const CutModel& model,
                                         const SamplingRules& rules, double waterline) {
  std::vector<SectionValues> values;
  for (const SectionOutline& outline : cut.outlines) {
    const SectionOutline reduced =
        reducedOutline(outline, curveTolerance(outline, model.tolerances.curve));
    values.push_back(sectionValues(outline, reduced, waterline,
                                   goesUpCentreLine(outline.top(), rules.modelMiddle)));
  }
  return values;
}

// Stations whose deck edge the draft stands above: Norvika stops there with
// the deck immersed, so a task file for that draft is refused.
void checkDecks(const OffsetsOptions& o, const CutResult& cut, std::ostream& err) {
  if (!o.draft) return;
  for (std::size_t k = 0; k < cut.table.stations.size(); ++k) {
    const double deck = cut.table.stations[k].back().z;
    if (!(deck < *o.draft)) continue;
    if (!o.task.empty()) {
      throw OffsetsError("--draft " + metres(*o.draft) +
                         ": the waterline stands above the deck "
                         "edge of station " +
                         std::to_string(k + 1) + " (" + metres(deck) +
                         " m above the base line); Norvika would stop on the task file with the "
                         "deck immersed");
    }
    err << "norvika-offsets: warning: station " << k + 1
        << " ends below the draft: Norvika will stop with the deck immersed\n";
  }
}

// What one run cuts with.
struct CutJob {
  const OffsetsOptions& options;
  const CutModel& model;
  const SamplingRules& rules;
  const std::vector<double>& stationX;  // m from AP
  double length = 0.0;                  // m between the perpendiculars
  std::string title;
};

// The remedies for offsets the check refused (tryRemedies): the cut sampled
// anew, and a station between each two (by their count for equal stations,
// else as --at positions) for advice.
std::vector<Remedy> remediesFor(const CutJob& job, const CutResult& cut, const CheckBasis& basis,
                                const Attempt& refused) {
  auto resample = [&](const SamplingRules& tried) {
    CutResult again = cut;
    sampleStations(again, tried);
    return attemptOffsets(again, basis);
  };
  auto recut = [&]() -> std::optional<Remedy> {
    const std::vector<double>& x = job.stationX;
    if (2 * x.size() - 1 > static_cast<std::size_t>(kMaxStations)) return std::nullopt;
    std::vector<double> twice;
    for (std::size_t k = 0; k < x.size(); ++k) {
      if (k > 0) twice.push_back(0.5 * (x[k - 1] + x[k]));
      twice.push_back(x[k]);
    }
    const CutResult more = cutHull(job.model, twice, job.rules, 0.5 * job.length, job.title);
    CheckBasis moreBasis = basis;
    moreBasis.modelStations = stationValues(more, job.model, job.rules, basis.draft);
    std::string advice = "--stations " + std::to_string(twice.size());
    if (!job.options.stationsAt.empty()) {
      advice = "--at";
      for (std::size_t k = 0; k < twice.size(); ++k) {
        advice += (k > 0 ? "," : " ") + formatPlain(twice[k] + job.options.ap, 3);
      }
    }
    return Remedy{advice, attemptOffsets(more, moreBasis)};
  };
  return tryRemedies(refused, job.rules, resample, recut);
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
    if (!o.force) checkTaskNotThere(o.task);
  }
  ModelPlacement placement;
  placement.axes = parseModelAxes(o.axes);
  placement.scale = o.scale;
  placement.deflection = o.deflection;
  placement.force = o.force;
  std::vector<std::string> readWarnings;
  HullMesh mesh = readHullModel(o.model, *format, placement, readWarnings);
  for (const std::string& w : readWarnings) err << "norvika-offsets: warning: " << w << "\n";
  const MeshBounds shipBounds = meshBounds(mesh);
  const bool surface = *format == ModelFormat::Step || *format == ModelFormat::Iges;
  if (!surface) checkModelSize(shipBounds, *format, placement, o.model.string());
  CutModel model;
  model.boundary = boundaryOf(mesh);
  const long openEdges = static_cast<long>(model.boundary.edges.size());
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
  if (o.draft && *o.draft > rules.modelTop) {
    throw OffsetsError("--draft " + metres(*o.draft) + ": the model's top stands " +
                       metres(rules.modelTop) +
                       " m above the base line; a waterline above the model is no draft of it");
  }
  model.mesh = &mesh;
  model.tolerances = cutTolerances(mesh, o.deflection);
  if (o.tolerance) {
    model.tolerances.curve = *o.tolerance;
    model.tolerances.seam = std::max(model.tolerances.seam, 2.0 * *o.tolerance);
  }
  model.middleX = 0.5 * (shipBounds.low.x + shipBounds.high.x) - o.ap;
  rules.curve = model.tolerances.curve;
  const std::vector<double> stationX = stationPositions(o);
  const double length = o.fp - o.ap;
  const CutJob job{o,
                   model,
                   rules,
                   stationX,
                   length,
                   "NORVIKA-OFFSETS " + o.model.filename().string() + ", AP" + numberText(o.ap) +
                       " M, FP" + numberText(o.fp) + " M"};
  const CutResult cut = cutHull(model, stationX, rules, 0.5 * length, job.title);
  for (const std::string& w : cut.warnings) err << "norvika-offsets: warning: " << w << "\n";
  checkDecks(o, cut, err);

  CheckBasis basis;
  basis.output = o.output;
  basis.length = length;
  basis.draft = o.draft ? *o.draft : checkDraft(cut, length);
  SectionRules sectionRules{cut.sides, rules.presence, rules.modelMiddle};
  basis.model = modelHydrostaticsBelow(model, shipBounds.low.x - o.ap, shipBounds.high.x - o.ap,
                                       ModelParts{}, sectionRules, basis.draft);
  basis.modelStations = stationValues(cut, model, rules, basis.draft);
  // The file is read back as Norvika will read it before it is put in place.
  Attempt chosen = attemptOffsets(cut, basis);
  std::vector<Remedy> remedies;
  const bool checked = basis.model.volume > 0.0;
  if (checked && !chosen.verdict.agrees) remedies = remediesFor(job, cut, basis, chosen);
  const Attempt refused = chosen;
  if (!remedies.empty() && remedies.front().written) chosen = remedies.front().attempt;

  SummaryData s;
  s.draft = basis.draft;
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
  for (const auto& station : chosen.table.stations) {
    s.stationPoints.push_back(static_cast<int>(station.size()));
  }
  s.seamsClosed = cut.seamsClosed;
  s.seam = model.tolerances.seam;
  s.modelStations = basis.modelStations;
  s.model = basis.model;
  s.offsets = chosen.offsets;
  s.curves = chosen.curves;
  printSummary(out, s);

  if (!checked) {
    if (!o.task.empty()) {
      throw OffsetsError("--draft: the model has no hull below z = " + metres(s.draft) +
                         " m above the base line; the task file needs a displacement");
    }
    err << "norvika-offsets: warning: the model has no hull below z = " << metres(s.draft)
        << " m above the base line: the written offsets are not checked\n";
  } else if (chosen.verdict.agrees && !remedies.empty()) {
    err << "norvika-offsets: warning: the offsets as asked for were refused ("
        << refused.verdict.figures << "); written with " << remedies.front().advice
        << ", which agree\n";
  } else if (!chosen.verdict.agrees) {
    if (!o.force) {
      throw OffsetsError(
          o.output.string() + ": not written: " + chosen.verdict.text + "; " + adviceText(remedies),
          OffsetsStatus::Disagrees);
    }
    err << "norvika-offsets: warning: written with --force: " << chosen.verdict.text << "\n";
  }

  const ResultFile hull = hullFile(o.output, chosen.table);
  std::optional<ResultFile> task;
  const double density = o.density.value_or(kSeaWater);
  if (!o.task.empty()) {
    task = levelTaskFile(o.task, {.hullFileName = o.output.filename().string(),
                                  .length = length,
                                  .stationDivisions = static_cast<int>(stationX.size()) - 1,
                                  .density = density,
                                  .displacement = density * basis.model.volume,
                                  .initialDraft = *o.draft});
  }
  publishOffsetsFiles(hull, task ? &*task : nullptr);
  if (task) {
    out << "\ntask file " << o.task.filename().string() << ": case 1, "
        << formatFixed(density * basis.model.volume, 1, 1) << " t at density "
        << formatFixed(density, 1, 3)
        << " t/m3 (the model's displacement at T = " << metres(*o.draft) << " m)\n";
    out << nextStepText(o.task) << "\n";
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
    const LanguageScope language(o.language.value_or(Language::Turkish));
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
