#pragma once

#include <pybind11/pybind11.h>

#include <optional>
#include <string>
#include <utility>

#include "run/run_outcome.h"
#include "support/run_end.h"

namespace norvika::python {

namespace py = pybind11;

/// Adds InputError (a ValueError with `file` and `line`) and CalculationStop
/// (a RuntimeError with `title`) to the module.
void defineErrors(py::module_& module);

/// Raises InputError with the program's message; `file` and `line` from the
/// place the message names (None where it names none).
[[noreturn]] void raiseInputError(const std::string& message,
                                  const std::optional<InputPlace>& place = std::nullopt);

/// Raises InputError for values given in code, `cause` (an exception of
/// Python code) as its __cause__.
[[noreturn]] void raiseInputErrorFrom(const std::string& message,
                                      const py::error_already_set& cause);

/// Raises what ended a run that did not complete: InputError for a rejected
/// input, CalculationStop for a stop with its message box's text and title,
/// RuntimeError ("internal failure: ...") for an internal failure.
[[noreturn]] void raiseRunEnd(const RunOutcome& outcome);

/// `read()`, its rejection (ProgramEnd) raised as InputError.
template <typename Read>
auto readingInput(Read&& read) {
  try {
    return std::forward<Read>(read)();
  } catch (const ProgramEnd& end) {
    raiseInputError(end.message(), end.place());
  }
}

}  // namespace norvika::python
