#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "calculation/hydrostatics.h"
#include "text/column_table.h"
#include "words/language.h"

namespace norvika {

/// The parts of the hydrostatics report's table, in the report's order.
enum class HydrostaticsPart {
  Volume,     // volume, displacement, centre of buoyancy, waterplane
  Stability,  // metacentres, trim moment, wetted surface
  Form,       // waterline and form coefficients
  Centres,    // centres from L/2, largest section, fresh water displacement
};

/// When a quantity is reported, in the report and in the table file.
enum class HydrostaticsReported {
  Always,
  WithKg,  // with KG given only; 0 in Python without it
};

/// A column of the hydrostatics report: its heading over its unit, each
/// right-aligned in `width` characters, and its place among the columns of
/// its part (1 next to the draft; 0: the draft, first in every part).
struct HydrostaticsReportColumn {
  Words heading;
  Words unit;
  int width = 0;
  int decimals = 0;
  HydrostaticsPart part = HydrostaticsPart::Volume;
  int place = 0;
  HydrostaticsReported reported = HydrostaticsReported::Always;
};

/// A column of the whitespace-separated table file: its name, with the unit.
struct HydrostaticsFileColumn {
  std::string_view name;
  int decimals = 0;
};

/// A property of the Python module's hydrostatics; C strings, as Python keeps them.
struct HydrostaticsProperty {
  const char* name = "";
  const char* doc = "";  // with the unit
};

/// A reported hydrostatic quantity, described once: the report's column, the
/// table file's column, the Python property and the curves of form's legend
/// all come from it. Its value at a draft is the row's own (`value`) or, for a
/// quantity only reported, worked out from the row here (`formula`).
struct HydrostaticQuantity {
  double HydrostaticRow::*value = nullptr;
  double (*formula)(const Hydrostatics& table, const HydrostaticRow& row) = nullptr;
  HydrostaticsReportColumn report;
  HydrostaticsFileColumn file;
  HydrostaticsProperty python;
  Words legend;  // on the curves of form; none where it is not drawn
};

/// Every reported hydrostatic quantity, in the order of the table file's
/// columns and of the Python properties.
std::span<const HydrostaticQuantity> hydrostaticQuantities();

/// The value of `quantity` at `row` of `table`.
double valueAt(const HydrostaticQuantity& quantity, const Hydrostatics& table,
               const HydrostaticRow& row);

/// The quantity that reports `value`; std::logic_error when none does.
const HydrostaticQuantity& hydrostaticQuantity(double HydrostaticRow::*value);

/// The report's columns of `part` in their order, the draft first; those
/// reported with KG only `withKg`.
std::vector<const HydrostaticQuantity*> reportColumns(HydrostaticsPart part, bool withKg);

/// The table file's columns in their order; those reported with KG only `withKg`.
std::vector<const HydrostaticQuantity*> tableFileColumns(bool withKg);

/// The quantities as the report's columns, headed in the thread's language.
std::vector<FixedColumn> fixedColumns(const std::vector<const HydrostaticQuantity*>& quantities);

/// The quantities as the table file's columns.
std::vector<PlainColumn> plainColumns(const std::vector<const HydrostaticQuantity*>& quantities);

/// The values of `quantities` at every draft of `table`, a row per draft.
std::vector<TableRow> tableRows(const Hydrostatics& table,
                                const std::vector<const HydrostaticQuantity*>& quantities);

}  // namespace norvika
