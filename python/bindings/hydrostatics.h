#pragma once

#include <pybind11/pybind11.h>

namespace norvika::python {

namespace py = pybind11;

/// Adds hydrostatics, bonjean and the classes of their results to the module.
void defineHydrostatics(py::module_& module);

}  // namespace norvika::python
