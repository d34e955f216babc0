#pragma once

#include <array>
#include <cstddef>

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
};

struct ResultName {
  ResultKind kind;
  const char* name;
};

/// Every result file, in the order they are written and listed.
inline constexpr std::array<ResultName, 8> kResultNames = {{
    {ResultKind::Report, "Norvika.SON"},
    {ResultKind::EqualSpaced, "SEPHIYE.TXT"},
    {ResultKind::StrengthReport, "MUKAVEMET.SON"},
    {ResultKind::StrengthTable, "MUKAVEMET.TXT"},
    {ResultKind::SweepTable, "TARAMA.TXT"},
    {ResultKind::HydrostaticsReport, "HIDROSTATIK.SON"},
    {ResultKind::HydrostaticsTable, "HIDROSTATIK.TXT"},
    {ResultKind::BonjeanTable, "BONJEAN.TXT"},
}};

/// The result files of a buoyancy run (norvika) and of a hydrostatics run.
inline constexpr std::array<ResultKind, 5> kBuoyancyRunResults = {
    ResultKind::Report, ResultKind::EqualSpaced, ResultKind::StrengthReport,
    ResultKind::StrengthTable, ResultKind::SweepTable};
inline constexpr std::array<ResultKind, 3> kHydrostaticsRunResults = {
    ResultKind::HydrostaticsReport, ResultKind::HydrostaticsTable, ResultKind::BonjeanTable};

/// The file name of a result file.
constexpr const char* resultName(ResultKind kind) {
  return kResultNames[static_cast<std::size_t>(kind)].name;
}

}  // namespace norvika
