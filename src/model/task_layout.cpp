#include "model/task_layout.h"

#include <array>
#include <stdexcept>

#include "model/task_layout_text.h"

namespace norvika {

namespace {

struct FieldName {
  std::string_view placeholder;
  TaskField field;
};

constexpr std::array kFieldNames = {
    FieldName{"{hull file}", TaskField::HullFile},
    FieldName{"{ship length}", TaskField::ShipLength},
    FieldName{"{station divisions}", TaskField::StationDivisions},
    FieldName{"{water density}", TaskField::WaterDensity},
    FieldName{"{case number}", TaskField::CaseNumber},
    FieldName{"{case values}", TaskField::CaseValues},
    FieldName{"{equal spacing}", TaskField::EqualSpacing},
};

std::vector<TaskLayoutLine> parsedLayout() {
  std::vector<TaskLayoutLine> lines;
  std::string_view text = kTaskLayoutText;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    TaskLayoutLine entry{line};
    if (line.starts_with('{')) {
      entry.label = {};
      entry.isField = true;
      bool known = false;
      for (const FieldName& name : kFieldNames) {
        if (name.placeholder == line) {
          entry.field = name.field;
          known = true;
        }
      }
      // The layout is the program's own text: an unknown field is a fault in it.
      if (!known) throw std::logic_error("task layout: unknown field " + std::string(line));
    }
    lines.push_back(entry);
  }
  return lines;
}

}  // namespace

std::span<const TaskLayoutLine> taskLayout() {
  static const std::vector<TaskLayoutLine> layout = parsedLayout();
  return layout;
}

std::string taskFileText(const std::function<std::vector<std::string>(TaskField)>& fieldLines,
                         std::string_view lineEnd) {
  std::string text;
  for (const TaskLayoutLine& line : taskLayout()) {
    if (!line.isField) {
      text.append(line.label).append(lineEnd);
      continue;
    }
    for (const std::string& value : fieldLines(line.field)) text.append(value).append(lineEnd);
  }
  return text;
}

}  // namespace norvika
