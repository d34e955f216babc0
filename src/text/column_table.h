#pragma once

#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/result_file.h"

namespace norvika {

/// A column of a report's fixed-column table: a heading on two lines (name,
/// unit) and values with `decimals`, each right-aligned in `width`
/// characters; a wider text keeps one blank before it.
struct FixedColumn {
  std::string_view heading;
  std::string_view unit;
  int width = 0;
  int decimals = 0;
};

/// A column of a whitespace-separated table: its name in the header line and
/// its values with `decimals`.
struct PlainColumn {
  std::string_view name;
  int decimals = 0;
};

/// One row of a table: a value per column, in the columns' order.
using TableRow = std::vector<double>;

/// No value at this place of a row: a fixed-column table writes "-".
inline constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

/// The text right-aligned in `width` characters; a wider text keeps one blank
/// before it, so that neighbouring columns never run together.
std::string cell(std::string_view text, int width);

/// The first heading line of fixed columns: their names.
std::string headingLine(std::span<const FixedColumn> columns);

/// How a table's unit line ends where its last columns have no unit: with the
/// blanks of their width (as the hydrostatics report has it), or at the last unit.
enum class UnitLineEnd { Padded, AtLastUnit };

/// The second heading line of fixed columns: their units.
std::string unitLine(std::span<const FixedColumn> columns, UnitLineEnd end = UnitLineEnd::Padded);

/// One row of fixed columns.
std::string rowLine(std::span<const FixedColumn> columns, const TableRow& row);

/// A fixed-column table with its title: " title", a blank line, the two
/// heading lines, a rule of '=' two wider than the columns, a line per row,
/// the rule again and two blank lines.
void writeFixedTable(ResultFile& file, std::string_view title, std::span<const FixedColumn> columns,
                     std::span<const TableRow> rows);

/// A whitespace-separated table: the header line of the columns' names, then
/// a line per row, the values separated by one blank.
void writePlainTable(ResultFile& file, std::span<const PlainColumn> columns,
                     std::span<const TableRow> rows);

}  // namespace norvika
