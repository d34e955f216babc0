#include "reports/results_report.h"

#include <cmath>

#include "model/calculation_case.h"
#include "support/result_names.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

const std::string kSectionRule(61, '=');
const std::string kBuoyancyRule(29, '=');

std::string caseTitleLine(const TaskParameters& task) {
  const CaseProperties& properties = caseProperties(task.caseNumber);
  std::string title =
      text(Text::ReportCaseTitle, {std::string(inCurrentLanguage(properties.name))});
  if (properties.hasWave) {
    const double waveLength = task.shipLength * task.waveLengthRatio;
    title += text(Text::ReportWaveSteepness, {formatFixed(task.waveHeight / waveLength, 3, 2)});
  }
  return title;
}

void writeCaseValues(ResultFile& file, const TaskParameters& task) {
  const CaseProperties& properties = caseProperties(task.caseNumber);
  if (properties.hasWave) {
    const double waveLength = task.shipLength * task.waveLengthRatio;
    file.line(text(Text::ReportWaveParameters));
    file.line(text(Text::ReportWaveHeight, {formatFixed(task.waveHeight, 3, 2)}));
    file.line(text(Text::ReportWaveLength, {formatFixed(waveLength, 3, 3)}));
    file.line(text(Text::ReportWaveParameter, {formatFixed(task.waveHeight / waveLength, 3, 3)}));
  }
  if (properties.heeled) {
    file.line(text(Text::ReportForwardDraft, {formatFixed(task.forwardDraft, 3, 2)}));
    file.line(text(Text::ReportAftDraft, {formatFixed(task.aftDraft, 3, 2)}));
    file.line(text(Text::ReportHeelAngle, {formatFixed(task.heelAngle, 3, 2)}));
  }
}

void writeSectionTable(ResultFile& file, const HullModel& hull, const Immersion& immersion) {
  file.line(text(Text::ReportSectionTableTitle));
  file.line();
  file.line(text(Text::ReportSectionTableHeading));
  file.line(text(Text::ReportSectionTableUnits));
  file.line(kSectionRule);
  const std::string gap(10, ' ');
  for (int st = 1; st <= hull.stationCount; ++st) {
    file.line("   " + padInteger(st, 2) + gap + formatFixed(hull.stationX(st), 3, 3) + gap +
              formatFixed(immersion.waterline.height(st), 3, 3) + gap +
              formatFixed(immersion.stationArea(st), 3, 3));
  }
  file.line(kSectionRule);
}

void writeBuoyancyHeader(ResultFile& file) {
  file.line(text(Text::ReportBuoyancyHeading));
  file.line(text(Text::ReportBuoyancyUnits));
  file.line(kBuoyancyRule);
}

std::string buoyancyRow(int k, double x, double value) {
  return padInteger(k, 3) + "    " + formatFixed(x, 3, 3) + "      " + formatFixed(value, 3, 3);
}

void writeCentreOfBuoyancy(ResultFile& file, const TaskParameters& task,
                           const CentreOfBuoyancy& centre) {
  if (caseProperties(task.caseNumber).heeled) {
    file.line(text(Text::ReportLcbAlong, {formatFixed(centre.longitudinal, 3, 3)}));
    file.line(text(Text::ReportLcbAcross, {formatFixed(centre.transverse, 3, 3)}));
  } else {
    file.line(text(Text::ReportLcb, {formatFixed(centre.longitudinal, 3, 3)}));
  }
}

void writeEqualSpacedBlock(ResultFile& file, const EqualSpacing& eq) {
  const int n = eq.count;
  file.blank(2);
  file.line(text(Text::ReportEqualSpacedTitle));
  file.blank(2);
  file.line(kBuoyancyRule);
  writeBuoyancyHeader(file);
  for (int k = 1; k <= n; ++k) file.line(buoyancyRow(k, eq.x(k), eq.v(k)));
  file.line(kBuoyancyRule);
  file.blank(2);
  file.line(text(Text::ReportEqualSpacedCount, {padInteger(n, 3)}));
  file.line(text(Text::ReportEqualSpacedSpan, {formatFixed(eq.span, 3, 3)}));
  file.line(text(Text::ReportEqualSpacedDisplacement, {formatFixed(eq.displacement, 6, 1)}));
  file.line(text(Text::ReportEqualSpacedCentre, {formatFixed(eq.centre, 3, 3)}));
  file.blank(2);
}

}  // namespace

std::string distributionTitle(int count) {
  return text(Text::ReportDistributionTitle, {numberText(count)});
}

ResultFile writeReportHead(const TaskParameters& task, const HullModel& hull,
                           const Immersion& immersion) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::Report));
  file.line();
  file.line(text(Text::ReportStart));
  file.blank(3);
  file.line(caseTitleLine(task));
  writeCaseValues(file, task);
  file.blank(2);
  writeSectionTable(file, hull, immersion);
  file.line();
  if (caseProperties(task.caseNumber).showsRequiredDisplacement) {
    file.line(
        text(Text::ReportRequiredDisplacement, {formatFixed(task.requiredDisplacement, 7, 1)}));
  }
  file.line(text(Text::ReportComputedDisplacement, {formatFixed(immersion.displacement, 7, 1)}));
  return file;
}

void writeReportRest(ResultFile& file, const TaskParameters& task, const HullModel& hull,
                     const Immersion& immersion, const CentreOfBuoyancy& centre,
                     const EqualSpacing* equalSpacing, double lastDraftStep) {
  file.line();
  file.line(distributionTitle(hull.stationCount));
  writeBuoyancyHeader(file);
  for (int st = 1; st <= hull.stationCount; ++st) {
    file.line(buoyancyRow(st, hull.stationX(st), task.waterDensity * immersion.stationArea(st)));
  }
  file.line(kBuoyancyRule);
  file.line(text(Text::ReportStationsDisplacement,
                 {padInteger(hull.stationCount, 3), formatFixed(immersion.displacement, 7, 1)}));
  writeCentreOfBuoyancy(file, task, centre);
  if (equalSpacing != nullptr) writeEqualSpacedBlock(file, *equalSpacing);

  file.blank(2);
  file.line(text(Text::ReportEnd));
  file.blank(2);
  const CaseProperties& properties = caseProperties(task.caseNumber);
  if (properties.hasWave && properties.trochoidal && std::fabs(lastDraftStep) < 0.0001 &&
      immersion.displacement > task.requiredDisplacement) {
    file.line(text(Text::ReportWaveErrorTitle));
    file.line(text(Text::ReportWaveErrorDifferent));
    file.line(text(Text::ReportWaveErrorHeight));
  }
}

ResultFile writeEqualSpacedFile(const TaskParameters& task, const EqualSpacing* equalSpacing) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::EqualSpaced));
  if (equalSpacing == nullptr) return file;
  for (int k = 1; k <= equalSpacing->count; ++k) {
    file.line("  " + formatFixed(equalSpacing->v(k), 5, 5));
  }
  return file;
}

}  // namespace norvika
