#include "driver/displacement_balance.h"

#include <cmath>
#include <vector>

#include "driver/waterline_profiles.h"
#include "numerics/gauss_legendre.h"
#include "text/text_format.h"

namespace norvika {

namespace {

// Far more iterations than any draft search needs (a climb of D/100 steps and
// some fifty halvings); reaching it means the input cannot balance.
constexpr int kIterationLimit = 100000;

const char* caseTitle(int caseNumber) {
  switch (caseNumber) {
    case kLevelWaterline:
      return "HESAP: DUZ SU HATTI SEPHIYE DAGILIMI HESABI";
    case kTrochoidCrest:
      return "HESAP: TROKOID DALGA TEPESI SEPHIYE DAGILIMI HESABI";
    case kTrochoidTrough:
      return "HESAP: TROKOID DALGA CUKURU SEPHIYE DAGILIMI HESABI";
    case kSineCrest:
      return "HESAP: SINUS DALGA TEPESI SEPHIYE DAGILIMI HESABI";
    case kSineTrough:
      return "HESAP: SINUS DALGA CUKURU SEPHIYE DAGILIMI HESABI";
    default:
      return "";
  }
}

void printAt(Window& window, double x, double y, const std::string& text) {
  window.setCurrent(x, y);
  window.print(text);
}

// Areas of every station below the current waterline profile, then the
// displacement. The deck check comes before each station's area.
void evaluateDisplacement(RunState& run, const std::vector<StationSpline>& splines) {
  const HullModel& hull = run.hull;
  for (int st = 1; st <= hull.stationCount; ++st) {
    const StationSpline& spline = splines[static_cast<std::size_t>(st)];
    const double zw = run.waterlineHeight(1, st);
    if (zw > spline.nodeZ(spline.n)) checkDeck(run, st, zw, spline.nodeZ(spline.n));
    run.stationArea(1, st) = computeSectionArea(hull, st, spline, zw);
  }
  Table<double> x(kMaxStations);
  Table<double> area(kMaxStations);
  for (int st = 1; st <= hull.stationCount; ++st) {
    x(st) = hull.stationX(st);
    area(st) = run.stationArea(1, st);
  }
  run.displacementTable(1) = integrateTabulated(hull.stationCount, x, area) * run.task.waterDensity;
}

[[noreturn]] void stopBalance(RunState& run, const std::string& text, const std::string& title) {
  run.platform.messageBox(text, 276, title);
  run.platform.endProgram(ExitReason::CalculationStopped);
}

}  // namespace

double offsetAtHeight(const HullModel& hull, int st, const StationSpline& spline, double z) {
  const int n = spline.n;
  const Table<double>& nodeZ = spline.nodeZ;
  if (z == nodeZ(1)) return hull.pointY(st, 1);
  if (z == nodeZ(n)) return hull.pointY(st, n);
  int k = 0;
  for (int i = 1; i <= n - 1; ++i) {
    if (nodeZ(i) <= z && z < nodeZ(i + 1)) {
      k = i;
      break;
    }
  }
  if (k == 0) return 0.0;  // outside the section: the Gauss points never go there
  if (hull.pointY(st, k + 1) == hull.pointY(st, k)) return hull.pointY(st, k);
  const SplineCoefficients& coef = spline.coef;
  const double dz = z - nodeZ(k);
  return coef(1, k) + dz * (coef(2, k) + dz * (coef(3, k) + dz * coef(4, k) / 3.0) / 2.0);
}

double computeSectionArea(const HullModel& hull, int st, const StationSpline& spline, double zw) {
  const double keel = spline.nodeZ(1);
  if (zw <= keel) return 0.0;
  const double h = (zw - keel) / 4.0;
  double sum = 0.0;
  double half = 0.0;
  for (int m = 1; m <= 4; ++m) {
    const double a = keel + (m - 1) * h;
    const double b = m == 4 ? zw : a + h;
    const double mid = (a + b) / 2.0;
    half = (b - a) / 2.0;
    for (int g = 1; g <= 5; ++g) {
      const double u = kGaussAbscissa[g] * half;
      sum += kGaussWeight[g] *
             (offsetAtHeight(hull, st, spline, mid + u) + offsetAtHeight(hull, st, spline, mid - u));
    }
  }
  return 2.0 * (half * sum);
}

void printBalanceStatus(RunState& run, bool withTitle) {
  Window& report = run.platform.window(WindowId::Report);
  const double b = run.hull.maxHalfBreadth;
  const double d = run.hull.maxHeight;
  const int c = run.task.caseNumber;
  report.cls();
  if (withTitle) printAt(report, -2.5 * b, 0.0, caseTitle(c));
  if (withTitle || c <= kTrochoidTrough) {
    printAt(report, -2.5 * b, -0.15 * d,
            "ISTENEN DEPLASMAN = " + formatFixed(run.task.requiredDisplacement, 7, 1) + " ton. ");
  }
  printAt(report, -2.5 * b, -0.25 * d,
          "HESAPLANAN DEPLASMAN = " + formatFixed(run.displacementTable(1), 7, 1) + " ton. ");
  const bool draftsShown = withTitle ? c <= kTrochoidTrough
                                     : (c == kLevelWaterline || c == kTrimmedWaterline);
  if (draftsShown) {
    printAt(report, -2.5 * b, -0.35 * d,
            "Bas draft = " + formatFixed(run.shownForwardDraft, 3, 2) + " m. " +
                " /   Kic draft = " + formatFixed(run.shownAftDraft, 3, 2) + " m. ");
  }
}

void warnNegativeSectionAreas(RunState& run) {
  Window& report = run.platform.window(WindowId::Report);
  const double b = run.hull.maxHalfBreadth;
  const double d = run.hull.maxHeight;
  const auto number = [](double value) {
    const std::string text = formatFixed(value, 3, 3);
    return text.substr(text.find_first_not_of(' '));
  };
  int line = 0;
  for (int st = 1; st <= run.hull.stationCount; ++st) {
    const std::string area = number(run.stationArea(1, st));
    // Judged on the report's own figure, so a warning never names a "-0.000".
    if (area.front() != '-') continue;
    printAt(report, -2.5 * b, -(0.5 + 0.1 * line++) * d,
            "UYARI: " + std::to_string(st) + ". POSTADA (" + number(run.hull.stationX(st)) +
                " m) KESIT ALANI NEGATIF: " + area + " m2");
  }
}

namespace {

// Whether the climb with the current constant step would still be below the
// required displacement when the iteration limit comes: the profile raised by
// every step left, with no station's deck under water (a deck reached first
// ends the climb with its own message). The displacement grows with the
// draft, so this one evaluation decides what some hundred thousand would.
bool climbEndsAtLimit(const RunState& run, const std::vector<StationSpline>& splines, int iteration) {
  const HullModel& hull = run.hull;
  const double rise = (kIterationLimit - iteration) * run.draftStep;
  Table<double> x(kMaxStations);
  Table<double> area(kMaxStations);
  for (int st = 1; st <= hull.stationCount; ++st) {
    const StationSpline& spline = splines[static_cast<std::size_t>(st)];
    const double zw = run.waterlineHeight(1, st) + rise;
    if (zw > spline.nodeZ(spline.n)) return false;
    x(st) = hull.stationX(st);
    area(st) = computeSectionArea(hull, st, spline, zw);
  }
  return integrateTabulated(hull.stationCount, x, area) * run.task.waterDensity <
         run.task.requiredDisplacement;
}

[[noreturn]] void stopAtIterationLimit(RunState& run) {
  stopBalance(run,
              "DEPLASMAN DENGESI " + std::to_string(kIterationLimit) +
                  " ADIMDA SONUCLANMADI. GIRIS DEGERLERINI KONTROL EDIN - STOP ",
              "Uyari mesaji");
}

}  // namespace

void balanceDisplacement(RunState& run) {
  const TaskParameters& task = run.task;
  const int c = task.caseNumber;
  run.meanDraft = 0.0;
  run.draftStep = 0.0;
  if (c >= kLevelWaterline && c <= kSineTrough) {
    run.meanDraft = task.initialDraft;
    if (task.initialDraft == 0.0) {
      run.draftStep = run.hull.maxHeight / 100.0;
    } else if (task.initialDraft > 0.0) {
      run.draftStep = task.initialDraft / 10.0;
    }
  }

  // The geometry does not change during the search, only the waterline: each
  // station is fitted once.
  std::vector<StationSpline> splines;
  splines.reserve(static_cast<std::size_t>(run.hull.stationCount) + 1);
  splines.emplace_back(0);
  for (int st = 1; st <= run.hull.stationCount; ++st) {
    splines.emplace_back(run.hull.pointCount(st));
    fitStationSpline(st, run.hull, splines.back());
  }

  // The search has found the required displacement only when it has been on
  // both sides of it. Started too high it can step down only twice its first
  // step, started too low with a step under 0.0001 m not at all; it then
  // starts again from the keel, as an initial draft of 0 does.
  bool below = false;
  bool above = false;
  bool restarted = false;
  bool climbChecked = false;
  for (int iteration = 1;; ++iteration) {
    setWaterlineProfile(run, c, run.meanDraft);
    evaluateDisplacement(run, splines);
    if (c == kTrimmedWaterline) return;
    printBalanceStatus(run, true);
    const double displacement = run.displacementTable(1);
    below = below || displacement < task.requiredDisplacement;
    above = above || displacement > task.requiredDisplacement;
    if (std::fabs(run.draftStep) < 0.0001) {
      if (below && above) return;
      if (restarted) {
        stopBalance(run,
                    "DEPLASMAN DENGESI BULUNAMADI: HESAPLANAN DEPLASMAN = " +
                        formatFixed(displacement, 7, 1) + " ton, ISTENEN DEPLASMAN = " +
                        formatFixed(task.requiredDisplacement, 7, 1) +
                        " ton. GIRIS DEGERLERINI KONTROL EDIN - STOP ",
                    "Uyari mesaji");
      }
      restarted = true;
      climbChecked = false;
      below = above = false;
      run.meanDraft = 0.0;
      run.draftStep = run.hull.maxHeight / 100.0;
      continue;
    }
    if (run.meanDraft < 0.0001 && displacement > task.requiredDisplacement) {
      stopBalance(run,
                  "Baslangic deplasmani fazla geldi. Bu deplasmanda hesap mumkun degil - STOP ",
                  "Uyari mesaji");
    }
    if (iteration >= kIterationLimit) stopAtIterationLimit(run);
    if (displacement < task.requiredDisplacement) {
      if (!climbChecked && !above) {
        climbChecked = true;
        if (climbEndsAtLimit(run, splines, iteration)) stopAtIterationLimit(run);
      }
      run.meanDraft += run.draftStep;
    } else if (displacement > task.requiredDisplacement) {
      run.meanDraft -= run.draftStep;
      run.draftStep /= 2.0;
    } else {
      return;
    }
  }
}

}  // namespace norvika
