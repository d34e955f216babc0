#include "reports/hydrostatics_report.h"

#include <string>
#include <vector>

#include "quantities/hydrostatic_quantities.h"
#include "reports/hull_lines.h"
#include "support/result_names.h"
#include "text/column_table.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

void writePart(ResultFile& file, std::string_view title, HydrostaticsPart part,
               const Hydrostatics& table) {
  const auto quantities = reportColumns(part, table.kg.has_value());
  writeFixedTable(file, title, fixedColumns(quantities), tableRows(table, quantities));
}

void writeInputs(ResultFile& file, const TaskParameters& task, const HullModel& hull,
                 const HydrostaticsSources& sources, const Hydrostatics& table) {
  writeHullLines(file, task, hull, table.shipLength, table.density, sources.densityFromCommandLine);
  file.line(text(Text::HydrostaticsTrim, {formatFixed(table.trim, 4, 3)}));
  file.line(
      text(Text::HydrostaticsDraftCount,
           {padInteger(static_cast<double>(table.rows.size()), 8),
            sources.draftsFromCommandLine ? "--drafts" : text(Text::HydrostaticsDefaultDrafts)}));
  if (table.kg) file.line(text(Text::HydrostaticsKg, {formatFixed(*table.kg, 4, 3)}));
  file.line(text(Text::HydrostaticsDraftMeasured));
  file.blank(2);
}

// Stations whose outline zigzags (a mesh's seams): their girths, and the
// wetted surface, come out too large.
void writeSeamWarnings(ResultFile& file, const std::vector<SeamedStation>& seamed) {
  for (const SeamedStation& s : seamed) {
    file.line(text(Text::HydrostaticsSeamed,
                   {std::to_string(s.station), formatPlain(s.girth, 3),
                    formatPlain(s.convexGirth, 3), formatPlain(s.girth / s.convexGirth, 2)}));
  }
  if (!seamed.empty()) file.blank(2);
}

}  // namespace

ResultFile writeHydrostaticsReport(const TaskParameters& task, const HullModel& hull,
                                   const HydrostaticsSources& sources, const Hydrostatics& table,
                                   const std::vector<SeamedStation>& seamed) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::HydrostaticsReport));
  file.line();
  file.line(text(Text::HydrostaticsStart));
  file.blank(2);
  writeInputs(file, task, hull, sources, table);
  writeSeamWarnings(file, seamed);
  writePart(file, text(Text::HydrostaticsVolumePart), HydrostaticsPart::Volume, table);
  writePart(
      file,
      text(table.kg ? Text::HydrostaticsStabilityPartWithKg : Text::HydrostaticsStabilityPart),
      HydrostaticsPart::Stability, table);
  writePart(file, text(Text::HydrostaticsFormPart), HydrostaticsPart::Form, table);
  writePart(file, text(Text::HydrostaticsCentresPart), HydrostaticsPart::Centres, table);
  file.lines(text(Text::HydrostaticsNotes));
  file.blank(2);
  file.line(text(Text::HydrostaticsEnd));
  return file;
}

ResultFile writeHydrostaticsTable(const TaskParameters& task, const Hydrostatics& table) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::HydrostaticsTable));
  const auto quantities = tableFileColumns(table.kg.has_value());
  writePlainTable(file, plainColumns(quantities), tableRows(table, quantities));
  return file;
}

ResultFile writeBonjeanTable(const TaskParameters& task, const BonjeanCurves& curves) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::BonjeanTable));
  file.line("station x_m z_m area_m2 moment_m3");
  for (const BonjeanStation& s : curves.stations) {
    for (std::size_t k = 0; k < s.z.size(); ++k) {
      file.line(std::to_string(s.station) + " " + formatPlain(s.x, 4) + " " +
                formatPlain(s.z[k], 4) + " " + formatPlain(s.area[k], 4) + " " +
                formatPlain(s.moment[k], 4));
    }
  }
  return file;
}

}  // namespace norvika
