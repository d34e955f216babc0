#include "hydrostatics.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "arrays.h"
#include "bounded_numbers.h"
#include "calculation/bonjean.h"
#include "calculation/hydrostatics.h"
#include "errors.h"
#include "inputs.h"
#include "language_argument.h"
#include "model/task_values.h"
#include "numbers.h"
#include "quantities/hydrostatic_quantities.h"
#include "run/hydrostatics_run.h"
#include "support/input_file.h"
#include "support/value_bounds.h"
#include "text/text_format.h"
#include "values.h"

namespace norvika::python {

namespace {

struct HydrostaticsValues : Values {};

// The quantities of the curves of form as the values of a Hydrostatics, in the order of
// HIDROSTATIK.TXT.
const ValueFields<Hydrostatics>& columnFields() {
  static const ValueFields<Hydrostatics> fields = [] {
    ValueFields<Hydrostatics> columns;
    for (const HydrostaticQuantity& q : hydrostaticQuantities()) {
      columns.push_back({q.python.name, q.python.doc, [&q](const Hydrostatics& t) {
                           std::vector<double> v;
                           for (const HydrostaticRow& row : t.rows) v.push_back(valueAt(q, t, row));
                           return py::object(arrayOf(v));
                         }});
    }
    return columns;
  }();
  return fields;
}

// The drafts given: each a draft of the command line's bounds, rising, at
// most kMaxHydrostaticDrafts, refused in the command line's words.
std::vector<double> draftsOf(const py::handle& given) {
  return risingNumbersOf(given, {"drafts", &kDraftBounds, kMaxHydrostaticDrafts, "draft", "m"});
}

py::object hydrostatics(const Hull& hull, const py::object& given, const NumberArgument& shipLength,
                        const NumberArgument& density, const NumberArgument& trim,
                        const NumberArgument& kg, const py::object& language) {
  // The refusals of the drafts in the language asked for; the keywords' own are English.
  const LanguageScope texts(languageOf(language));
  HydrostaticsInput input;
  input.kg = optionalBoundedNumber(kKgBounds, kg, "kg");
  input.shipLength = checkedNumber(kShipLengthValue, shipLength, "ship_length");
  input.density = boundedNumber(kWaterDensityBounds, density, "density");
  input.trim = boundedNumber(kTrimBounds, trim, "trim");
  std::optional<std::vector<double>> drafts;
  if (!given.is_none()) drafts = draftsOf(given);
  HullModel model = *hull.model;
  computeHullExtents(model);
  input.drafts = readingInput(
      [&] { return hydrostaticDrafts(model, input.shipLength, input.trim, drafts, "drafts="); });
  Hydrostatics table;
  HydrostaticsOutcome outcome;
  {
    const py::gil_scoped_release release;
    outcome = computeHydrostatics(model, input, table);
  }
  if (outcome.stop != HydrostaticsStop::None) raiseInputError(hydrostaticsRefusal(outcome, model));
  return valuesOf<HydrostaticsValues>(columnFields(), table);
}

py::list bonjean(const Hull& hull, const WholeNumberArgument& given) {
  const int steps = wholeNumberOf(given.value, "steps");
  if (steps < 1 || steps > 1000) {
    raiseInputError("steps: 1 to 1000 steps were expected, got " + std::to_string(steps));
  }
  BonjeanCurves curves;
  {
    const py::gil_scoped_release release;
    HullModel model = *hull.model;
    computeHullExtents(model);
    curves = computeBonjeanCurves(model, steps);
  }
  py::list stations;
  for (const BonjeanStation& s : curves.stations) {
    py::dict station;
    station["station"] = s.station;
    station["x"] = s.x;
    station["z"] = arrayOf(s.z);
    station["area"] = arrayOf(s.area);
    station["moment"] = arrayOf(s.moment);
    stations.append(station);
  }
  return stations;
}

}  // namespace

void defineHydrostatics(py::module_& module) {
  defineValues<HydrostaticsValues>(
      module, "Hydrostatics",
      "The curves of form: one value per draft in each column, as norvika-hydrostatics's "
      "HIDROSTATIK.TXT gives them. Coefficients on L and on B, the largest breadth of the "
      "waterplane. Its arrays are read-only; a table compares (==), copies and pickles by value.",
      columnFields())
      .def(
          "to_dict",
          [](const HydrostaticsValues& h) {
            py::dict columns;
            for (const HydrostaticQuantity& q : hydrostaticQuantities()) {
              columns[q.python.name] = h.values[q.python.name];
            }
            return columns;
          },
          "The columns by name, in table order (for pandas.DataFrame), as a new dict of the "
          "read-only arrays.")
      .def("__len__", [](const HydrostaticsValues& h) { return py::len(h.values["draft"]); });

  module.def("hydrostatics", &hydrostatics, py::arg("hull"), py::arg("drafts") = py::none(),
             py::kw_only(), py::arg("ship_length"), py::arg("density"), py::arg("trim") = 0.0,
             py::arg("kg") = py::none(), py::arg("language") = "tr",
             R"(The curves of form of the hull at each draft, as norvika-hydrostatics computes them.

drafts: waterline heights above the base line at L/2 (m), at least 0.001 m and rising,
at most 1000; None: 20 drafts from a tenth of the hull's depth (its lowest deck edge) to
it. ship_length: L (m), AP at x = 0 and FP at x = L; density: 0.5 to 2 t/m3; trim: Tf - Ta
(m), the waterline turned about L/2, positive by the head; kg: None, or KG (m above the
base line) for GMt, GMl and MCT 1 cm from GMl, as --kg. The bounds and their words are
those of norvika-hydrostatics's options. language: "tr" (the default, the legacy Turkish
texts) or "en", as `norvika-hydrostatics --language`: the words of the drafts' refusals.

Raises InputError when a draft puts a deck under water or leaves no volume or
waterplane (the program's message).)");
  module.def("bonjean", &bonjean, py::arg("hull"), py::arg("steps") = kBonjeanSteps,
             R"(The Bonjean curves: for every station a dict with 'station' (its number),
'x' (m from AP), and arrays 'z' (m above the base line, at `steps` equal steps from its
keel to its deck edge and at each of its points), 'area' (the section area below z,
both sides, m2) and 'moment' (its moment about the base line, m3).)");
}

}  // namespace norvika::python
