#include "reports/balance_status.h"

#include "model/calculation_case.h"
#include "text/text_format.h"

namespace norvika {

namespace {

void printAt(Window& window, double x, double y, const std::string& text) {
  window.setCurrent(x, y);
  window.print(text);
}

}  // namespace

void printBalanceStatus(Platform& platform, const TaskParameters& task, const HullModel& hull,
                        const WaterlineProfile& waterline, double displacement, bool withTitle) {
  Window& report = platform.window(WindowId::Report);
  const double b = hull.maxHalfBreadth;
  const double d = hull.maxHeight;
  const CaseProperties& properties = caseProperties(task.caseNumber);
  report.cls();
  // The title stands over the draft search's lines only.
  if (withTitle) {
    printAt(report, -2.5 * b, 0.0,
            std::string("HESAP: ") + properties.name + " SEPHIYE DAGILIMI HESABI");
  }
  if (withTitle || properties.showsRequiredDisplacement) {
    printAt(report, -2.5 * b, -0.15 * d,
            "ISTENEN DEPLASMAN = " + formatFixed(task.requiredDisplacement, 7, 1) + " ton. ");
  }
  printAt(report, -2.5 * b, -0.25 * d,
          "HESAPLANAN DEPLASMAN = " + formatFixed(displacement, 7, 1) + " ton. ");
  const bool draftsShown =
      withTitle ? properties.showsRequiredDisplacement : properties.showsFinalDrafts;
  if (draftsShown) {
    printAt(report, -2.5 * b, -0.35 * d,
            "Bas draft = " + formatFixed(waterline.shownForwardDraft, 3, 2) + " m. " +
                " /   Kic draft = " + formatFixed(waterline.shownAftDraft, 3, 2) + " m. ");
  }
}

void warnNegativeSectionAreas(Platform& platform, const HullModel& hull,
                              const Table<double>& stationArea) {
  Window& report = platform.window(WindowId::Report);
  const double b = hull.maxHalfBreadth;
  const double d = hull.maxHeight;
  const auto number = [](double value) {
    const std::string text = formatFixed(value, 3, 3);
    return text.substr(text.find_first_not_of(' '));
  };
  int line = 0;
  for (int st = 1; st <= hull.stationCount; ++st) {
    const std::string area = number(stationArea(st));
    // Judged on the report's own figure, so a warning never names a "-0.000".
    if (area.front() != '-') continue;
    printAt(report, -2.5 * b, -(0.5 + 0.1 * line++) * d,
            "UYARI: " + std::to_string(st) + ". POSTADA (" + number(hull.stationX(st)) +
                " m) KESIT ALANI NEGATIF: " + area + " m2");
  }
}

}  // namespace norvika
