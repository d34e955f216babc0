#pragma once

#include <pybind11/pybind11.h>

#include <array>
#include <string>
#include <type_traits>

#include "inputs.h"
#include "model/task_values.h"
#include "numbers.h"

namespace norvika::python {

namespace py = pybind11;

/// What a keyword of Task gives: a value of the task's rows, a whole number or
/// a number the task keeps as given.
enum class KeywordKind { Value, WholeNumber, Number };

/// A keyword of Task. `required`: Task() needs it; a value of the rows not
/// required is one a case takes, None where the case takes none.
struct TaskKeyword {
  const char* name = nullptr;
  KeywordKind kind = KeywordKind::Value;
  bool required = false;
  const char* doc = nullptr;
  const TaskValue* value = nullptr;          // KeywordKind::Value
  int TaskParameters::*whole = nullptr;      // KeywordKind::WholeNumber
  double TaskParameters::*number = nullptr;  // KeywordKind::Number
};

inline constexpr const char* kCaseValueDoc =
    "A value of the case (t for the displacement, m for drafts and the wave height, degrees for "
    "the heel, the wave length over L for the ratio); None when the case does not take it.";

/// Task's keywords, in the order of its signature, its repr and its pickled
/// state: the ship's values, the case, the values a case may take, the
/// equally spaced points.
inline constexpr auto kTaskKeywords = [] {
  constexpr std::array<const char*, kShipValues.size()> kShipDocs = {
      "L, the length between perpendiculars, m (AP at x = 0, FP at x = L).",
      "Number of station intervals between AP and FP (the previews' spacing).",
      "Water density, t/m3."};
  std::array<TaskKeyword, kShipValues.size() + 1 + kEveryCaseValue.size() + 3> keywords{};
  std::size_t i = 0;
  for (const TaskValue& value : kShipValues) {
    keywords[i] = {.name = value.keyword, .required = true, .doc = kShipDocs[i], .value = &value};
    ++i;
  }
  keywords[i++] = {.name = "case",
                   .kind = KeywordKind::WholeNumber,
                   .required = true,
                   .doc = "The case, 1-7.",
                   .whole = &TaskParameters::caseNumber};
  for (const TaskValue& value : kEveryCaseValue) {
    keywords[i++] = {.name = value.keyword, .doc = kCaseValueDoc, .value = &value};
  }
  keywords[i++] = {.name = "equal_points",
                   .kind = KeywordKind::WholeNumber,
                   .doc = "Number of equally spaced points of the buoyancy (0: none).",
                   .whole = &TaskParameters::equalPointCount};
  keywords[i++] = {.name = "equal_start",
                   .kind = KeywordKind::Number,
                   .doc = "First equally spaced point, m from AP.",
                   .number = &TaskParameters::equalStart};
  keywords[i++] = {.name = "equal_end",
                   .kind = KeywordKind::Number,
                   .doc = "Last equally spaced point, m from AP.",
                   .number = &TaskParameters::equalEnd};
  return keywords;
}();

/// How the argument of keyword I is given: a whole number or a number.
template <std::size_t I>
using KeywordArgument = std::conditional_t<kTaskKeywords[I].kind == KeywordKind::WholeNumber,
                                           WholeNumberArgument, NumberArgument>;

/// Task()'s argument for keyword I: required, or None (a value of the rows), 0
/// (a whole number) or 0.0 (a number) when left out.
template <std::size_t I>
auto keywordArgument() {
  constexpr TaskKeyword keyword = kTaskKeywords[I];
  if constexpr (keyword.required) {
    return py::arg(keyword.name);
  } else if constexpr (keyword.kind == KeywordKind::Value) {
    return py::arg(keyword.name) = py::none();
  } else if constexpr (keyword.kind == KeywordKind::WholeNumber) {
    return py::arg(keyword.name) = 0;
  } else {
    return py::arg(keyword.name) = 0.0;
  }
}

/// The keyword called `name`; TypeError, as Python words it, for a name
/// `function` takes no keyword by.
const TaskKeyword& taskKeywordNamed(const std::string& name, const char* function);

/// Sets what `keyword` gives in `task` to `value` (None: a value of the rows left out).
void setKeyword(GivenTask& task, const TaskKeyword& keyword, const py::handle& value);

/// The number `task` keeps for `keyword`, a value its case does not take too:
/// what a task is pickled as.
py::object storedValue(const TaskParameters& task, const TaskKeyword& keyword);

/// Puts the pickled number `value` of `keyword` into `task`.
void storeValue(TaskParameters& task, const TaskKeyword& keyword, const py::handle& value);

/// Adds `keyword` to Task as a read-only property.
void defineKeywordProperty(py::class_<Task>& task, const TaskKeyword& keyword);

/// The keyword as repr shows it ("case=1"); empty for a value the case does
/// not take and for the equally spaced range of a task without its points.
std::string keywordText(const TaskParameters& task, const TaskKeyword& keyword);

}  // namespace norvika::python
