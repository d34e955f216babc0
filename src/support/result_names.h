#pragma once

#include <array>
#include <cstddef>

namespace norvika {

/// The result files a run writes into its run directory.
enum class ResultKind {
  Report,          // the buoyancy report
  EqualSpaced,     // the equally spaced buoyancy values
  StrengthReport,  // the longitudinal strength report (with a weights file)
  StrengthTable,   // its table for spreadsheets and scripts
};

struct ResultName {
  ResultKind kind;
  const char* name;
};

/// Every result file of a run, in the order they are written and listed.
inline constexpr std::array<ResultName, 4> kResultNames = {{
    {ResultKind::Report, "Norvika.SON"},
    {ResultKind::EqualSpaced, "SEPHIYE.TXT"},
    {ResultKind::StrengthReport, "MUKAVEMET.SON"},
    {ResultKind::StrengthTable, "MUKAVEMET.TXT"},
}};

/// The file name of a result file.
constexpr const char* resultName(ResultKind kind) {
  return kResultNames[static_cast<std::size_t>(kind)].name;
}

}  // namespace norvika
