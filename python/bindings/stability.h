#pragma once

#include <pybind11/pybind11.h>

namespace norvika::python {

namespace py = pybind11;

/// Adds stability and the class of its results to the module.
void defineStability(py::module_& module);

}  // namespace norvika::python
