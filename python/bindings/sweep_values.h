#pragma once

#include <pybind11/pybind11.h>

#include "calculation/crest_sweep.h"

namespace norvika::python {

namespace py = pybind11;

/// Adds Sweep, a crest sweep's values, to the module.
void defineSweep(py::module_& module);

/// A crest sweep's values: its positions, its envelopes with the rule's
/// values `rule` beside them (as TARAMA.TXT), its worst values.
py::object sweepOf(const CrestSweep& sweep, const RuleWaveLoads& rule);

}  // namespace norvika::python
