#include "text/column_table.h"

#include "text/text_format.h"

namespace norvika {

namespace {

std::string alignedCell(std::string_view text, int width) {
  const auto w = static_cast<std::size_t>(width);
  std::string cell(text.size() >= w ? 1 : w - text.size(), ' ');
  return cell.append(text);
}

}  // namespace

void writeFixedTable(ResultFile& file, std::string_view title, std::span<const FixedColumn> columns,
                     std::span<const TableRow> rows) {
  std::string headings;
  std::string units;
  int width = 0;
  for (const FixedColumn& c : columns) {
    headings += alignedCell(c.heading, c.width);
    units += alignedCell(c.unit, c.width);
    width += c.width;
  }
  const std::string rule(static_cast<std::size_t>(width + 2), '=');
  file.line(std::string(" ").append(title));
  file.line();
  file.line(headings);
  file.line(units);
  file.line(rule);
  for (const TableRow& row : rows) {
    std::string text;
    for (std::size_t k = 0; k < columns.size(); ++k) {
      text += alignedCell(formatPlain(row.at(k), columns[k].decimals), columns[k].width);
    }
    file.line(text);
  }
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
