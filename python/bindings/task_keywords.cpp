#include "task_keywords.h"

#include <pybind11/stl.h>

#include <optional>

namespace norvika::python {

const TaskKeyword& taskKeywordNamed(const std::string& name, const char* function) {
  for (const TaskKeyword& keyword : kTaskKeywords) {
    if (name == keyword.name) return keyword;
  }
  throw py::type_error(std::string(function) + " got an unexpected keyword argument '" + name +
                       "'");
}

void setKeyword(GivenTask& task, const TaskKeyword& keyword, const py::handle& value) {
  switch (keyword.kind) {
    case KeywordKind::Value:
      giveValue(task, *keyword.value, optionalNumberOf(value, keyword.name));
      return;
    case KeywordKind::WholeNumber:
      task.numbers.*keyword.whole = wholeNumberOf(value, keyword.name);
      return;
    case KeywordKind::Number:
      task.numbers.*keyword.number = numberOf(value, keyword.name);
      return;
  }
}

py::object storedValue(const TaskParameters& task, const TaskKeyword& keyword) {
  switch (keyword.kind) {
    case KeywordKind::Value:
      return py::float_(task.*keyword.value->field);
    case KeywordKind::WholeNumber:
      return py::int_(task.*keyword.whole);
    case KeywordKind::Number:
      break;
  }
  return py::float_(task.*keyword.number);
}

void storeValue(TaskParameters& task, const TaskKeyword& keyword, const py::handle& value) {
  switch (keyword.kind) {
    case KeywordKind::Value:
      task.*keyword.value->field = value.cast<double>();
      return;
    case KeywordKind::WholeNumber:
      task.*keyword.whole = value.cast<int>();
      return;
    case KeywordKind::Number:
      task.*keyword.number = value.cast<double>();
      return;
  }
}

void defineKeywordProperty(py::class_<Task>& task, const TaskKeyword& keyword) {
  switch (keyword.kind) {
    case KeywordKind::Value:
      if (keyword.required) {
        task.def_property_readonly(
            keyword.name,
            [field = keyword.value->field](const Task& t) { return t.parameters.*field; },
            keyword.doc);
      } else {
        task.def_property_readonly(
            keyword.name,
            [value = keyword.value](const Task& t) -> std::optional<double> {
              if (!caseTakes(t.parameters.caseNumber, *value)) return std::nullopt;
              return t.parameters.*value->field;
            },
            keyword.doc);
      }
      return;
    case KeywordKind::WholeNumber:
      task.def_property_readonly(
          keyword.name, [field = keyword.whole](const Task& t) { return t.parameters.*field; },
          keyword.doc);
      return;
    case KeywordKind::Number:
      task.def_property_readonly(
          keyword.name, [field = keyword.number](const Task& t) { return t.parameters.*field; },
          keyword.doc);
      return;
  }
}

std::string keywordText(const TaskParameters& task, const TaskKeyword& keyword) {
  if (!keyword.required) {
    const bool shown = keyword.kind == KeywordKind::Value
                           ? caseTakes(task.caseNumber, *keyword.value)
                           : task.equalPointCount != 0;
    if (!shown) return "";
  }
  return std::string(keyword.name) + "=" + py::repr(storedValue(task, keyword)).cast<std::string>();
}

}  // namespace norvika::python
