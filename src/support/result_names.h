#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace norvika {

/// The result files the programs write into a run directory.
enum class ResultKind {
  Report,              // the buoyancy report
  EqualSpaced,         // the equally spaced buoyancy values
  StrengthReport,      // the longitudinal strength report (with a weights file)
  StrengthTable,       // its table for spreadsheets and scripts
  SweepTable,          // the envelopes of the wave's crest swept along the ship
  HydrostaticsReport,  // the curves of form as a report
  HydrostaticsTable,   // the curves of form as a table
  BonjeanTable,        // the Bonjean curves as a table
  StabilityReport,     // the cross curves, the GZ curve and the criteria as a report
  CrossCurvesTable,    // the cross curves as a table
  GzTable,             // the loading condition's GZ curve as a table
};

/// The analysis whose run writes a result file. A run owns its analysis's
/// files in the run directory: those it does not write this time are removed,
/// since they belong to an earlier run.
enum class Analysis {
  CaseRun,       // norvika: the case, its strength step and sweep
  Hydrostatics,  // norvika-hydrostatics
  Stability,     // norvika-stability
};

struct ResultName {
  ResultKind kind;
  const char* name;
  Analysis analysis;
  const char* holds;  // what the file holds, for the help texts
};

/// Every result file, in the order they are written and listed.
inline constexpr std::array kResultNames = {
    ResultName{ResultKind::Report, "Norvika.SON", Analysis::CaseRun, "the report"},
    ResultName{ResultKind::EqualSpaced, "SEPHIYE.TXT", Analysis::CaseRun,
               "the equally spaced buoyancy values"},
    ResultName{ResultKind::StrengthReport, "MUKAVEMET.SON", Analysis::CaseRun,
               "the longitudinal strength report (with a weights file)"},
    ResultName{ResultKind::StrengthTable, "MUKAVEMET.TXT", Analysis::CaseRun,
               "its table along the ship"},
    ResultName{ResultKind::SweepTable, "TARAMA.TXT", Analysis::CaseRun,
               "the envelopes of the crest sweep (--sweep)"},
    ResultName{ResultKind::HydrostaticsReport, "HIDROSTATIK.SON", Analysis::Hydrostatics,
               "the curves of form as a report"},
    ResultName{ResultKind::HydrostaticsTable, "HIDROSTATIK.TXT", Analysis::Hydrostatics,
               "the curves of form as a table"},
    ResultName{ResultKind::BonjeanTable, "BONJEAN.TXT", Analysis::Hydrostatics,
               "the Bonjean curves as a table"},
    ResultName{ResultKind::StabilityReport, "STABILITE.SON", Analysis::Stability,
               "the cross curves, the GZ curve and the criteria as a report"},
    ResultName{ResultKind::CrossCurvesTable, "KN.TXT", Analysis::Stability,
               "the cross curves as a table"},
    ResultName{ResultKind::GzTable, "GZ.TXT", Analysis::Stability,
               "the loading condition's GZ curve as a table (--kg)"},
};

/// The row of a result file.
constexpr const ResultName& resultRow(ResultKind kind) {
  return kResultNames[static_cast<std::size_t>(kind)];
}

/// The file name of a result file.
constexpr const char* resultName(ResultKind kind) { return resultRow(kind).name; }

/// The result files of an analysis, in the order they are listed.
inline std::vector<ResultKind> resultsOf(Analysis analysis) {
  std::vector<ResultKind> kinds;
  for (const ResultName& row : kResultNames) {
    if (row.analysis == analysis) kinds.push_back(row.kind);
  }
  return kinds;
}

}  // namespace norvika
