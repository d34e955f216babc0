#pragma once

#include <pybind11/pybind11.h>

namespace norvika::python {

namespace py = pybind11;

/// Adds run, run_directory and the classes of their results to the module.
void defineRun(py::module_& module);

}  // namespace norvika::python
