#include "reports/balance_status.h"

#include "model/calculation_case.h"
#include "text/text_format.h"
#include "words/catalogue.h"

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
  report.describe(std::string(text(Text::DrawingBalanceCaption)), "draft-search", FrameRole::Step);
  // The title stands over the draft search's lines only.
  if (withTitle) {
    printAt(report, -2.5 * b, 0.0,
            text(Text::StatusCaseTitle, {std::string(inCurrentLanguage(properties.name))}));
  }
  if (withTitle || properties.showsRequiredDisplacement) {
    printAt(report, -2.5 * b, -0.15 * d,
            text(Text::StatusRequiredDisplacement, {formatFixed(task.requiredDisplacement, 7, 1)}));
  }
  printAt(report, -2.5 * b, -0.25 * d,
          text(Text::StatusComputedDisplacement, {formatFixed(displacement, 7, 1)}));
  const bool draftsShown =
      withTitle ? properties.showsRequiredDisplacement : properties.showsFinalDrafts;
  if (draftsShown) {
    printAt(report, -2.5 * b, -0.35 * d,
            text(Text::StatusDrafts, {formatFixed(waterline.shownForwardDraft, 3, 2),
                                      formatFixed(waterline.shownAftDraft, 3, 2)}));
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
    printAt(
        report, -2.5 * b, -(0.5 + 0.1 * line++) * d,
        std::string(text(Text::WarningPrefix)) +
            text(Text::WarningNegativeArea, {std::to_string(st), number(hull.stationX(st)), area}));
  }
}

}  // namespace norvika
