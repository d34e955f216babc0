#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norvika {

/// The values of the task file, each at its fixed place among the labels.
enum class TaskField {
  HullFile,          // the hull file's name
  ShipLength,        // L, m
  StationDivisions,  // the number of station intervals
  WaterDensity,      // t/m3
  CaseNumber,        // 1-7
  CaseValues,        // the case's values, one a line (or several on fewer lines)
  EqualSpacing,      // count, first and last point on one line
};

/// A line of the task file's layout: a label, which readers skip, or the
/// place of a field.
struct TaskLayoutLine {
  std::string_view label;  // the label's text; empty for a field (and for a blank label)
  bool isField = false;
  TaskField field = TaskField::HullFile;
};

/// The task file's layout, line by line, as src/model/task_layout.txt
/// describes it once for the reader, the writers and the example generator.
std::span<const TaskLayoutLine> taskLayout();

/// A task file's text: the layout's labels, and at each field the lines
/// `fieldLines` gives for it; every line ended by `lineEnd`.
std::string taskFileText(const std::function<std::vector<std::string>(TaskField)>& fieldLines,
                         std::string_view lineEnd = "\r\n");

}  // namespace norvika
