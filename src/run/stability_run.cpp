#include "run/stability_run.h"

#include <memory>

#include "model/hull_data_file.h"
#include "model/task_file.h"
#include "plots/drawing_texts.h"
#include "plots/stability_curves.h"
#include "reports/stability_report.h"
#include "run/input_places.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

[[noreturn]] void refuse(const std::string& message) {
  throw ProgramEnd(ExitReason::InputError, message);
}

// The displacements given, in tonnes: drafts are floated upright on an even
// keel. A draft over the lowest deck, one that floats nothing and a
// displacement beyond the hull closed by its deck are refused.
std::vector<double> displacementsOf(const DisplacementsGiven& given, const HullModel& hull,
                                    const StabilityHull& stability) {
  const double whole = stability.enclosedVolume * stability.density;
  std::vector<double> displacements;
  for (const double value : given.values) {
    double displacement = value;
    if (given.byDraft) {
      if (value > hull.minTopHeight) {
        refuse(text(Text::StabilityDraftOverDeck,
                    {formatPlain(value, 3), formatPlain(hull.minTopHeight, 3)}));
      }
      displacement = volumeAtDraft(stability, value) * stability.density;
      if (!(displacement > 0.0)) {
        refuse(text(Text::StabilityNoVolumeAtDraft, {formatPlain(value, 3)}));
      }
    } else if (!(displacement < whole)) {
      refuse(text(Text::StabilityBeyondHull, {formatPlain(value, 1), formatPlain(whole, 1)}));
    }
    displacements.push_back(displacement);
  }
  return displacements;
}

// The ship must float upright at every displacement the run works on.
void refuseUnfloated(const FloatingCondition& condition) {
  if (condition.stop == EquilibriumStop::None) return;
  refuse(text(Text::StabilityNoUprightBalance,
              {formatPlain(condition.displacement, 1), equilibriumStopText(condition.stop)}));
}

ConditionCheck checkCondition(const StabilityHull& stability, const HullModel& hull,
                              const StabilitySettings& settings, double displacement,
                              const std::vector<double>& heels) {
  const ConditionSettings& given = *settings.condition;
  if (given.kg > hull.maxHeight) {
    refuse(text(Text::StabilityKgOverDeck,
                {formatPlain(given.kg, 3), formatPlain(hull.maxHeight, 3)}));
  }
  LoadingCondition condition;
  condition.displacement = displacement;
  condition.kg = given.kg;
  condition.freeSurfaceMoment = given.freeSurfaceMoment;
  condition.trimMode = settings.trimMode;
  condition.lcg = settings.lcg;
  condition.floodingAngle = given.floodingAngle;
  condition.heels = heels;
  ConditionCheck check = checkLoadingCondition(stability, hull, condition, given.wind);
  const RightingLevers& levers = check.levers;
  refuseUnfloated(levers.condition);
  if (levers.outcome.hydrostatics != HydrostaticsStop::None || levers.curve.heels.size() < 2) {
    refuse(text(Text::StabilityNoGzCurve, {formatPlain(displacement, 1)}));
  }
  // The first heel of the table past upright (of the curve, when the table
  // has none): the condition must stand up to it.
  double first = levers.curve.heels[1];
  for (const double heel : heels) {
    if (heel > 0.0) {
      first = heel;
      break;
    }
  }
  if (levers.vanishingAngle && *levers.vanishingAngle <= first) {
    refuse(text(Text::StabilityCapsizes, {formatPlain(first, 2), formatPlain(levers.gm0, 3)}));
  }
  return check;
}

}  // namespace

StabilityResults computeStability(const HullModel& hull, const StabilityHull& stability,
                                  const StabilitySettings& settings) {
  StabilityResults results;
  results.heels = settings.heels.value_or(crossCurveHeels(settings.finerHeels));
  std::optional<double> conditionDisplacement;
  if (settings.condition) {
    conditionDisplacement = displacementsOf(settings.condition->displacement, hull, stability)[0];
  }
  CrossCurvesInput input;
  input.displacements = settings.crossCurves.values.empty()
                            ? std::vector<double>{*conditionDisplacement}
                            : displacementsOf(settings.crossCurves, hull, stability);
  input.heels = results.heels;
  input.trimMode = settings.trimMode;
  input.lcg = settings.lcg;
  results.crossCurves = computeCrossCurves(stability, input);
  for (const CrossCurve& curve : results.crossCurves) refuseUnfloated(curve.condition);
  if (settings.condition) {
    results.condition =
        checkCondition(stability, hull, settings, *conditionDisplacement, results.heels);
  }
  return results;
}

namespace {

// The run's steps, its results kept in `run` as they are reached.
void runStabilitySteps(Platform& platform, const StabilitySettings& settings, StabilityRun& run) {
  const TaskParameters task = readTaskFile(platform.currentDirectory());
  refuseInputsAtResults(platform.currentDirectory(), taskInputFiles(task),
                        resultsOf(Analysis::Stability));
  const auto hull =
      std::make_unique<HullModel>(readHullDataFile(runHullFile(task), task.hullFileName));
  computeHullExtents(*hull);
  run.density = settings.density.value_or(task.waterDensity);
  static_cast<StabilityResults&>(run) =
      computeStability(*hull, prepareStabilityHull(*hull, task.shipLength, run.density), settings);

  StabilityReportInputs inputs;
  inputs.density = run.density;
  inputs.densityFromCommandLine = settings.density.has_value();
  inputs.trimMode = settings.trimMode;
  inputs.lcg = settings.lcg;
  inputs.heels = run.heels;
  if (settings.condition && settings.condition->displacement.byDraft) {
    inputs.conditionDraft = settings.condition->displacement.values[0];
  }
  const ResultFile report = writeStabilityReport(task, *hull, inputs, run.crossCurves,
                                                 run.condition ? &*run.condition : nullptr);
  const ResultFile crossCurves = writeCrossCurvesTable(task, run.crossCurves);
  std::vector<const ResultFile*> files{&report, &crossCurves};
  std::optional<ResultFile> gz;
  if (run.condition) files.push_back(&gz.emplace(writeGzTable(task, run.condition->levers)));
  publishResultFiles(files);
  // A GZ.TXT of an earlier run belongs to another condition.
  if (!gz) removeEarlierResult(task.directoryPrefix + resultName(ResultKind::GzTable));
  run.report = report.text();
  for (const ResultFile* file : files) run.resultFiles.push_back(file->path());

  if (settings.draw) {
    drawCrossCurves(platform, run.crossCurves);
    if (run.condition) drawGzCurve(platform, *run.condition);
    platform.finishAllFrames();
  }
}

}  // namespace

// The names and captions the drawings give themselves.
const char* stabilityDrawingName(WindowId window) {
  if (window == WindowId::Graph) return texts::stability::kCrossCurvesName;
  if (window == WindowId::Stability) return texts::stability::kGzName;
  return "";
}

const char* stabilityDrawingCaption(WindowId window) {
  // The catalogues' words are literals: their views end where a C string does.
  if (window == WindowId::Graph) return text(Text::DrawingCrossCurvesCaption).data();
  if (window == WindowId::Stability) return text(Text::DrawingGzCaption).data();
  return "";
}

StabilityRun runStability(Platform& platform, const StabilitySettings& settings) {
  StabilityRun run;
  static_cast<AnalysisEnding&>(run) = runToEnd([&] { runStabilitySteps(platform, settings, run); });
  return run;
}

}  // namespace norvika
