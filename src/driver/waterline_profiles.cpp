#include "driver/waterline_profiles.h"

#include <cmath>

#include "numerics/gauss_legendre.h"
#include "plots/ship_position.h"
#include "text/text_format.h"

namespace norvika {

namespace {

constexpr int kStopStyle = 276;
constexpr int kPhaseIterationLimit = 500;

[[noreturn]] void stop(RunState& run, const std::string& text, const std::string& title) {
  run.platform.messageBox(text, kStopStyle, title);
  run.platform.endProgram(ExitReason::CalculationStopped);
}

void setStraightWaterline(RunState& run) {
  const double d = run.waterlineEnds(1, 2) - run.waterlineEnds(1, 1);
  const double slope = std::tan(std::atan(d / run.task.shipLength));
  for (int st = 1; st <= run.hull.stationCount; ++st) {
    run.waterlineHeight(1, st) = run.waterlineEnds(1, 1) + run.hull.stationX(st) * slope;
  }
}

// The trochoid's phase at x: the fixed point of θ = 2π/λ · (x − H/2 · sin θ).
double wavePhase(RunState& run, double x, double waveLength) {
  const double h = run.task.waveHeight;
  double theta = 0.0;
  for (int count = 0;;) {
    const double next = (kTwoPi / waveLength) * (x - (h / 2.0) * std::sin(theta));
    if (std::fabs(next - theta) < 0.000001) return theta;
    theta = next;
    if (++count >= kPhaseIterationLimit) {
      stop(run,
           "DALGA TEPESI/CUKURU SARTLARINDA DALGA YUKSEKLIGI = " + formatFixed(h, 3, 3) +
               " m. ICIN YAKINSAMA OLMADI. YENI BIR DALGA YUKSEKLIGI GIRIN - STOP",
           "DALGA YUKSEKLIGI GIRIS HATASI");
    }
  }
}

}  // namespace

void setWaterlineProfile(RunState& run, int caseNumber, double meanDraft) {
  const TaskParameters& task = run.task;
  switch (caseNumber) {
    case kLevelWaterline:
      run.waterlineEnds(1, 1) = meanDraft;
      run.waterlineEnds(1, 2) = meanDraft;
      run.shownForwardDraft = meanDraft;
      run.shownAftDraft = meanDraft;
      setStraightWaterline(run);
      return;
    case kTrimmedWaterline:
      run.waterlineEnds(1, 1) = task.aftDraft + meanDraft;
      run.waterlineEnds(1, 2) = task.forwardDraft + meanDraft;
      run.shownForwardDraft = task.forwardDraft;
      run.shownAftDraft = task.aftDraft;
      setStraightWaterline(run);
      return;
    case kDamagedHeeled:
      run.waterlineEnds(1, 1) = task.aftDraft;
      run.waterlineEnds(1, 2) = task.forwardDraft;
      setStraightWaterline(run);
      return;
    default:
      break;
  }
  // The wave cases work with the mean level only; the status lines show it
  // as both drafts.
  run.shownForwardDraft = meanDraft;
  run.shownAftDraft = meanDraft;
  const double waveLength = task.shipLength * task.waveLengthRatio;
  const double halfHeight = task.waveHeight / 2.0;
  for (int st = 1; st <= run.hull.stationCount; ++st) {
    const double x = run.hull.stationX(st);
    double& z = run.waterlineHeight(1, st);
    switch (caseNumber) {
      case kTrochoidCrest:
        z = meanDraft - halfHeight * std::cos(wavePhase(run, x, waveLength));
        break;
      case kTrochoidTrough:
        z = meanDraft + halfHeight * std::cos(wavePhase(run, x, waveLength));
        break;
      case kSineCrest:
        z = meanDraft - halfHeight * std::cos(6.2831853 * x / waveLength);
        break;
      case kSineTrough:
        z = meanDraft + halfHeight * std::cos(6.2831853 * x / waveLength);
        break;
      default:
        break;
    }
  }
}

void checkDeck(RunState& run, int station, double zw, double zTop) {
  if (run.task.caseNumber == kLevelWaterline) {
    run.platform.window(WindowId::Graph).cls();
    run.platform.window(WindowId::Report).cls();
    stop(run,
         formatFixed(run.task.requiredDisplacement, 7, 1) +
             " ton BASLANGIC DEPLASMANI FAZLA GELDI. DEPLASMAN DEGERINI YENIDEN GIRIN",
         "UYARI MESAJI");
  }
  // Waves, and a trimmed waterline over the deck: show where the water stands.
  drawShipPosition(run.platform, run.hull, run.task.shipLength, run.waterlineHeight);
  stop(run,
       padInteger(station, 2) + ". POSTADA DALGA GUVERTEYI ASTI. GUVERTE YUKSEKLIGI = " +
           formatFixed(zTop, 3, 3) + " m dir. DALGA YUKSEKLIGI ISE = " + formatFixed(zw, 2, 1) +
           " m oldu. DALGA YUKSEKLIGINI YENIDEN GIRIN - STOP ",
       "UYARI");
}

void checkHeelAngle(RunState& run) {
  if (std::fabs(run.task.heelAngle) < 0.001) {
    stop(run,
         "MEYIL ACISI DEGERI = " + formatFixed(run.task.heelAngle, 3, 3) +
             " derece COL KUCUK GIRILDI.  MEYIL ACISINI YENIDEN GIRIN - STOP ",
         "UYARI");
  }
}

}  // namespace norvika
