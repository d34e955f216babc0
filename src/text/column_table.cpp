#include "text/column_table.h"

#include <cmath>

#include "text/text_format.h"

namespace norvika {

std::string cell(std::string_view text, int width) {
  const auto w = static_cast<std::size_t>(width);
  std::string cell(text.size() >= w ? 1 : w - text.size(), ' ');
  return cell.append(text);
}

std::string headingLine(std::span<const FixedColumn> columns) {
  std::string line;
  for (const FixedColumn& c : columns) line += cell(c.heading, c.width);
  return line;
}

std::string unitLine(std::span<const FixedColumn> columns, UnitLineEnd end) {
  std::string line;
  for (const FixedColumn& c : columns) line += cell(c.unit, c.width);
  if (end == UnitLineEnd::AtLastUnit) line.erase(line.find_last_not_of(' ') + 1);
  return line;
}

std::string rowLine(std::span<const FixedColumn> columns, const TableRow& row) {
  std::string line;
  for (std::size_t k = 0; k < columns.size(); ++k) {
    const double value = row.at(k);
    line +=
        cell(std::isnan(value) ? "-" : formatPlain(value, columns[k].decimals), columns[k].width);
  }
  return line;
}

void writeFixedTable(ResultFile& file, std::string_view title, std::span<const FixedColumn> columns,
                     std::span<const TableRow> rows) {
  int width = 0;
  for (const FixedColumn& c : columns) width += c.width;
  const std::string rule(static_cast<std::size_t>(width + 2), '=');
  file.line(std::string(" ").append(title));
  file.line();
  file.line(headingLine(columns));
  file.line(unitLine(columns));
  file.line(rule);
  for (const TableRow& row : rows) file.line(rowLine(columns, row));
  file.line(rule);
  file.blank(2);
}

void writePlainTable(ResultFile& file, std::span<const PlainColumn> columns,
                     std::span<const TableRow> rows) {
  std::string header;
  for (const PlainColumn& c : columns) {
    if (!header.empty()) header += ' ';
    header += c.name;
  }
  file.line(header);
  for (const TableRow& row : rows) {
    std::string text;
    for (std::size_t k = 0; k < columns.size(); ++k) {
      if (k > 0) text += ' ';
      text += formatPlain(row.at(k), columns[k].decimals);
    }
    file.line(text);
  }
}

}  // namespace norvika
