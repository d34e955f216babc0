#pragma once

#include <pybind11/pybind11.h>

#include "run/run_outcome.h"

namespace norvika::python {

namespace py = pybind11;

/// Adds Result and the classes of its parts to the module.
void defineResults(py::module_& module);

/// The Result of a completed run: its values taken from the outcome.
py::object resultOf(const RunOutcome& outcome);

}  // namespace norvika::python
