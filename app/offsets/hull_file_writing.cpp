#include "hull_file_writing.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <system_error>

namespace norvika::offsets {

namespace {

// Fixed six decimals: a micrometre at ship scale, and no exponent the
// reader of older programs might trip over. Noise below that is a zero.
std::string number(double value) {
  if (std::fabs(value) < 5e-7) value = 0.0;
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  if (error != std::errc()) return "0";
  return std::string(buffer, end);
}

void appendCurve(std::string& text, const std::vector<OffsetPoint>& points) {
  for (const OffsetPoint& p : points) {
    text += number(p.z) + ", " + number(p.offset) + ", " + std::to_string(p.code) + "\r\n";
  }
}

}  // namespace

std::string hullFileText(const OffsetTable& table) {
  std::string text = table.title + "\r\n";
  for (std::size_t s = 0; s < table.stations.size(); ++s) {
    text += number(table.stationX[s]) + "\r\n";
    appendCurve(text, table.stations[s]);
    text += s + 1 == table.stations.size() ? "0, 0, 9999\r\n" : "0, 0, 99\r\n";
  }
  text += "KIC BODOSLAMA (STERN CONTOUR: HEIGHT, X FROM AP)\r\n";
  appendCurve(text, table.sternContour);
  text += "0, 0, 99\r\n";
  text += "BAS BODOSLAMA (BOW CONTOUR: HEIGHT, X FROM AP)\r\n";
  appendCurve(text, table.bowContour);
  text += "0, 0, 99\r\n";
  return text;
}

void writeHullFile(const std::filesystem::path& path, const OffsetTable& table) {
  const std::string text = hullFileText(table);
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      throw OffsetsError(path.string() + ": cannot write the hull file");
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    throw OffsetsError(path.string() + ": cannot write the hull file");
  }
}

}  // namespace norvika::offsets
