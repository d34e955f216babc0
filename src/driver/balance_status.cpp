#include "driver/balance_status.h"

#include "text/text_format.h"

namespace norvika {

namespace {

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

}  // namespace

void printBalanceStatus(Platform& platform, const RunState& run, bool withTitle) {
  Window& report = platform.window(WindowId::Report);
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
          "HESAPLANAN DEPLASMAN = " + formatFixed(run.displacement, 7, 1) + " ton. ");
  const bool draftsShown = withTitle ? c <= kTrochoidTrough
                                     : (c == kLevelWaterline || c == kTrimmedWaterline);
  if (draftsShown) {
    printAt(report, -2.5 * b, -0.35 * d,
            "Bas draft = " + formatFixed(run.shownForwardDraft, 3, 2) + " m. " +
                " /   Kic draft = " + formatFixed(run.shownAftDraft, 3, 2) + " m. ");
  }
}

void warnNegativeSectionAreas(Platform& platform, const RunState& run) {
  Window& report = platform.window(WindowId::Report);
  const double b = run.hull.maxHalfBreadth;
  const double d = run.hull.maxHeight;
  const auto number = [](double value) {
    const std::string text = formatFixed(value, 3, 3);
    return text.substr(text.find_first_not_of(' '));
  };
  int line = 0;
  for (int st = 1; st <= run.hull.stationCount; ++st) {
    const std::string area = number(run.stationArea(st));
    // Judged on the report's own figure, so a warning never names a "-0.000".
    if (area.front() != '-') continue;
    printAt(report, -2.5 * b, -(0.5 + 0.1 * line++) * d,
            "UYARI: " + std::to_string(st) + ". POSTADA (" + number(run.hull.stationX(st)) +
                " m) KESIT ALANI NEGATIF: " + area + " m2");
  }
}

}  // namespace norvika
