#include "hull_file_writing.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "model/task_layout.h"
#include "model/task_parameters.h"

namespace norvika::offsets {

namespace {

// Fixed six decimals: a micrometre at ship scale, and no exponent the
// reader of older programs might trip over. Noise below that is a zero.
std::string number(double value) {
  if (std::fabs(value) < 5e-7) value = 0.0;
  // Room for the largest double written whole, so that no value is lost.
  char buffer[400];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6).ptr;
  return std::string(buffer, end);
}

void appendCurve(ResultFile& file, const std::vector<OffsetPoint>& points) {
  for (const OffsetPoint& p : points) {
    file.line(number(p.z) + ", " + number(p.offset) + ", " + std::to_string(p.code));
  }
}

// Equally spaced values every 1 % of the length.
constexpr int kEqualPoints = 101;

// A task value: shortest text that reads back as the value, no exponent.
std::string value(double v, int decimals) {
  std::string text = number(std::round(v * std::pow(10.0, decimals)) / std::pow(10.0, decimals));
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

ResultFile hullFile(const std::filesystem::path& path, const OffsetTable& table) {
  ResultFile file(path);
  file.line(table.title);
  for (std::size_t s = 0; s < table.stations.size(); ++s) {
    file.line(number(table.stationX[s]));
    appendCurve(file, table.stations[s]);
    file.line(s + 1 == table.stations.size() ? "0, 0, 9999" : "0, 0, 99");
  }
  file.line("KIC BODOSLAMA (STERN CONTOUR: HEIGHT, X FROM AP)");
  appendCurve(file, table.sternContour);
  file.line("0, 0, 99");
  file.line("BAS BODOSLAMA (BOW CONTOUR: HEIGHT, X FROM AP)");
  appendCurve(file, table.bowContour);
  file.line("0, 0, 99");
  return file;
}

ResultFile levelTaskFile(const std::filesystem::path& path, const LevelTask& task) {
  ResultFile file(path);
  file.append(taskFileText([&](TaskField field) -> std::vector<std::string> {
    switch (field) {
      case TaskField::HullFile:
        return {task.hullFileName};
      case TaskField::ShipLength:
        return {value(task.length, 6)};
      case TaskField::StationDivisions:
        return {std::to_string(task.stationDivisions)};
      case TaskField::WaterDensity:
        return {value(task.density, 6)};
      case TaskField::CaseNumber:
        return {std::to_string(kLevelWaterline)};
      case TaskField::CaseValues:
        return {value(task.displacement, 1), value(task.initialDraft, 6)};
      case TaskField::EqualSpacing:
        return {std::to_string(kEqualPoints) + ", 0, " + value(task.length, 6)};
    }
    return {};
  }));
  return file;
}

}  // namespace norvika::offsets
