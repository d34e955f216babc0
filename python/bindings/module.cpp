// The Python module norvika._core: the core of Norvika behind plain values
// and NumPy arrays. The package norvika re-exports it.

#include <pybind11/pybind11.h>

#include "errors.h"
#include "hydrostatics.h"
#include "inputs.h"
#include "run.h"
#include "stability.h"

namespace py = pybind11;

PYBIND11_MODULE(_core, module) {
  module.doc() =
      "Norvika's calculation core: buoyancy distribution, displacement, centre of "
      "buoyancy, longitudinal strength, hydrostatics and stability of a ship.";
  module.attr("__version__") = NORVIKA_VERSION;
  norvika::python::defineErrors(module);
  norvika::python::defineInputs(module);
  norvika::python::defineRun(module);
  norvika::python::defineHydrostatics(module);
  norvika::python::defineStability(module);
}
