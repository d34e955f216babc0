#pragma once

#include <pybind11/pybind11.h>

#include <optional>
#include <string>
#include <vector>

#include "model/task_values.h"
#include "numbers.h"
#include "support/value_bounds.h"

namespace norvika::python {

namespace py = pybind11;

/// A number of the call, named `name`, checked as the task file's would be.
double checkedNumber(const TaskValue& value, const NumberArgument& given, const char* name);

/// A number of the call, named `name`, within the bounds of its option on the
/// command line and refused in the same words ("density: expected ...").
double boundedNumber(const ValueBounds& bounds, const NumberArgument& given, const char* name);

/// boundedNumber, with None for a value left out.
std::optional<double> optionalBoundedNumber(const ValueBounds& bounds, const NumberArgument& given,
                                            const char* name);

/// What a list of rising numbers of the call is: its keyword, its values'
/// bounds, how many there may be and the words its refusals use.
struct RisingList {
  const char* name;  // "drafts"
  const ValueBounds* bounds;
  int maxCount;
  const char* noun;  // "draft"
  const char* unit;  // "m"
};

/// The numbers given for `list`: at least one, each within its bounds, rising,
/// at most maxCount; refused (InputError) in the command line's words.
std::vector<double> risingNumbersOf(const py::handle& given, const RisingList& list);

}  // namespace norvika::python
