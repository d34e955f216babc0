#include "run/hydrostatics_run.h"

#include <algorithm>
#include <memory>

#include "calculation/girth_check.h"
#include "model/calculation_case.h"
#include "model/hull_data_file.h"
#include "model/task_file.h"
#include "plots/bonjean_curves.h"
#include "plots/curves_of_form.h"
#include "plots/drawing_texts.h"
#include "reports/hydrostatics_report.h"
#include "run/input_places.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

[[noreturn]] void refuse(const std::string& message) {
  throw ProgramEnd(ExitReason::InputError, message);
}

}  // namespace

std::string hydrostaticsRefusal(const HydrostaticsOutcome& outcome, const HullModel& hull) {
  const std::string draft = text(Text::HydrostaticsDraftPrefix, {formatFixed(outcome.draft, 1, 3)});
  switch (outcome.stop) {
    case HydrostaticsStop::DeckImmersed: {
      // Enough decimals to show the waterline above the deck it is over.
      int decimals = 3;
      while (decimals < 9 && formatFixed(outcome.waterline, 1, decimals) ==
                                 formatFixed(outcome.deck, 1, decimals)) {
        ++decimals;
      }
      return text(Text::HydrostaticsDraftPrefix, {formatFixed(outcome.draft, 1, decimals)}) +
             text(Text::HydrostaticsDeckImmersed,
                  {std::to_string(outcome.station), formatFixed(outcome.waterline, 1, decimals),
                   formatFixed(outcome.deck, 1, decimals)});
    }
    case HydrostaticsStop::NoVolume: {
      double lowestKeel = hull.keelHeight(1);
      for (int st = 2; st <= hull.stationCount; ++st) {
        lowestKeel = std::min(lowestKeel, hull.keelHeight(st));
      }
      return draft + text(Text::HydrostaticsNoVolume,
                          {text(outcome.draft > lowestKeel ? Text::HydrostaticsNoBreadthBelow
                                                           : Text::HydrostaticsBelowKeel)});
    }
    default:
      return draft + std::string(text(Text::HydrostaticsNoWaterplane));
  }
}

std::vector<double> hydrostaticDrafts(const HullModel& hull, double shipLength, double trim,
                                      const std::optional<std::vector<double>>& given,
                                      const std::string& draftsOption) {
  if (given) return *given;
  std::vector<double> drafts = defaultHydrostaticDrafts(hull, shipLength, trim);
  if (drafts.empty()) {
    refuse(text(Text::HydrostaticsNoDefaultDrafts,
                {formatFixed(hull.minTopHeight, 1, 3), formatFixed(trim, 1, 3), draftsOption}));
  }
  return drafts;
}

// The names and captions the drawings give themselves.
const char* hydrostaticsDrawingName(WindowId window) {
  if (window == WindowId::Graph) return texts::hydrostatics::kCurvesName;
  if (window == WindowId::ShipPosition) return texts::hydrostatics::kBonjeanName;
  return "";
}

const char* hydrostaticsDrawingCaption(WindowId window) {
  // The catalogues' words are literals: their views end where a C string does.
  if (window == WindowId::Graph) return text(Text::DrawingCurvesCaption).data();
  if (window == WindowId::ShipPosition) return text(Text::DrawingBonjeanCaption).data();
  return "";
}

namespace {

// The run's steps, its results kept in `run` as they are reached.
void runHydrostaticsSteps(Platform& platform, const HydrostaticsSettings& settings,
                          HydrostaticsRun& run) {
  const TaskParameters task = readTaskFile(platform.currentDirectory());
  refuseInputsAtResults(platform.currentDirectory(), taskInputFiles(task),
                        resultsOf(Analysis::Hydrostatics));
  const auto hull =
      std::make_unique<HullModel>(readHullDataFile(runHullFile(task), task.hullFileName));
  computeHullExtents(*hull);

  HydrostaticsInput input;
  input.shipLength = task.shipLength;
  input.density = settings.density.value_or(task.waterDensity);
  input.trim = settings.trim;
  input.kg = settings.kg;
  input.drafts =
      hydrostaticDrafts(*hull, input.shipLength, input.trim, settings.drafts, "--drafts");

  if (const HydrostaticsOutcome outcome = computeHydrostatics(*hull, input, run.table);
      outcome.stop != HydrostaticsStop::None) {
    refuse(hydrostaticsRefusal(outcome, *hull));
  }
  run.bonjean = computeBonjeanCurves(*hull);

  const HydrostaticsSources sources{settings.density.has_value(), settings.drafts.has_value()};
  const ResultFile report =
      writeHydrostaticsReport(task, *hull, sources, run.table, seamedStations(*hull));
  const ResultFile table = writeHydrostaticsTable(task, run.table);
  const ResultFile bonjean = writeBonjeanTable(task, run.bonjean);
  publishResultFiles({&report, &table, &bonjean});
  run.report = report.text();
  run.resultFiles = {report.path(), table.path(), bonjean.path()};

  if (settings.draw) {
    // A task file that gives its drafts (cases 6 and 7) states the ship's design waterline.
    std::optional<double> designDraft;
    if (!caseProperties(task.caseNumber).searchesDisplacement) {
      designDraft = (task.forwardDraft + task.aftDraft) / 2.0;
    }
    drawCurvesOfForm(platform, run.table, designDraft);
    drawBonjeanCurves(platform, *hull, run.bonjean, task.shipLength);
    platform.finishAllFrames();
  }
}

}  // namespace

HydrostaticsRun runHydrostatics(Platform& platform, const HydrostaticsSettings& settings) {
  HydrostaticsRun run;
  static_cast<AnalysisEnding&>(run) =
      runToEnd([&] { runHydrostaticsSteps(platform, settings, run); });
  return run;
}

}  // namespace norvika
