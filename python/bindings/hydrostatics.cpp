#include "hydrostatics.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "arrays.h"
#include "calculation/bonjean.h"
#include "calculation/hydrostatics.h"
#include "errors.h"
#include "inputs.h"
#include "model/task_values.h"
#include "run/hydrostatics_run.h"
#include "support/input_file.h"
#include "text/text_format.h"

namespace norvika::python {

namespace {

struct HydrostaticsResult {
  std::shared_ptr<const Hydrostatics> table;
};

struct Column {
  const char* name;
  double HydrostaticRow::*value;
  const char* doc;
};

// The columns of the curves of form, in the order of HIDROSTATIK.TXT.
const Column kColumns[] = {
    {"draft", &HydrostaticRow::draft, "T, the draft at L/2, m."},
    {"forward_draft", &HydrostaticRow::forwardDraft, "Tf at FP, m."},
    {"aft_draft", &HydrostaticRow::aftDraft, "Ta at AP, m."},
    {"volume", &HydrostaticRow::volume, "Displaced volume, m3."},
    {"displacement", &HydrostaticRow::displacement, "Displacement, t."},
    {"lcb", &HydrostaticRow::lcb, "LCB, m from AP."},
    {"kb", &HydrostaticRow::kb, "KB, m above the base line."},
    {"waterplane_area", &HydrostaticRow::waterplaneArea, "Awp, m2."},
    {"lcf", &HydrostaticRow::lcf, "LCF, m from AP."},
    {"tpc", &HydrostaticRow::tpc, "TPC, t per cm immersion."},
    {"bmt", &HydrostaticRow::bmt, "BMt, m."},
    {"bml", &HydrostaticRow::bml, "BMl (I_L about the LCF), m."},
    {"kmt", &HydrostaticRow::kmt, "KMt, m."},
    {"kml", &HydrostaticRow::kml, "KMl, m."},
    {"mct", &HydrostaticRow::mct, "MCT 1 cm, t m/cm."},
    {"waterline_length", &HydrostaticRow::waterlineLength, "Lwl, m."},
    {"waterline_breadth", &HydrostaticRow::waterlineBreadth, "Bwl, m."},
    {"midship_area", &HydrostaticRow::midshipArea, "Am, the section area at L/2, m2."},
    {"cb", &HydrostaticRow::blockCoefficient, "Cb = volume / (L B T)."},
    {"cp", &HydrostaticRow::prismaticCoefficient, "Cp = volume / (Am L)."},
    {"cm", &HydrostaticRow::midshipCoefficient, "Cm = Am / (B T)."},
    {"cwp", &HydrostaticRow::waterplaneCoefficient, "Cwp = Awp / (L B)."},
    {"wetted_surface", &HydrostaticRow::wettedSurface,
     "S, the stations' girths integrated along the ship, m2."},
};

py::array_t<double> columnOf(const Hydrostatics& table, double HydrostaticRow::*value) {
  std::vector<double> v;
  for (const HydrostaticRow& row : table.rows) v.push_back(row.*value);
  return arrayOf(v);
}

// A number of the call, checked as the task file's would be.
double checkedNumber(const TaskValue& value, double number) {
  if (const auto problem = numberProblem(value.what, number)) raiseInputError(*problem);
  if (const auto problem = valueProblem(value, number)) raiseInputError(*problem);
  return number;
}

// The drafts given: positive, rising, at most kMaxHydrostaticDrafts, as the
// command line takes them.
std::vector<double> draftsOf(const py::handle& given) {
  std::vector<double> drafts = numbersOf(given, "drafts");
  if (drafts.empty()) raiseInputError("drafts: at least one draft was expected");
  if (drafts.size() > static_cast<std::size_t>(kMaxHydrostaticDrafts)) {
    raiseInputError("drafts: at most " + std::to_string(kMaxHydrostaticDrafts) + " drafts, got " +
                    std::to_string(drafts.size()));
  }
  for (std::size_t i = 0; i < drafts.size(); ++i) {
    if (const auto problem = numberProblem("DRAFT", drafts[i])) raiseInputError(*problem);
    if (!(drafts[i] > 0.0)) {
      raiseInputError(
          "drafts: a draft is the waterline's height above the base line and must "
          "be positive, got " +
          formatFixed(drafts[i], 1, 6));
    }
    if (i > 0 && !(drafts[i] > drafts[i - 1])) {
      raiseInputError("drafts: the drafts must rise, " + formatFixed(drafts[i], 1, 6) +
                      " follows a draft of " + formatFixed(drafts[i - 1], 1, 6));
    }
  }
  return drafts;
}

HydrostaticsResult hydrostatics(const Hull& hull, const py::object& given, double shipLength,
                                double density, double trim) {
  HydrostaticsInput input;
  input.shipLength = checkedNumber(kShipLengthValue, shipLength);
  input.density = checkedNumber(kWaterDensityValue, density);
  if (const auto problem = numberProblem("TRIM", trim)) raiseInputError(*problem);
  input.trim = trim;
  std::optional<std::vector<double>> drafts;
  if (!given.is_none()) drafts = draftsOf(given);
  HullModel model = *hull.model;
  computeHullExtents(model);
  input.drafts =
      readingInput([&] { return hydrostaticDrafts(model, input.shipLength, input.trim, drafts); });
  auto table = std::make_shared<Hydrostatics>();
  HydrostaticsOutcome outcome;
  {
    const py::gil_scoped_release release;
    outcome = computeHydrostatics(model, input, *table);
  }
  if (outcome.stop != HydrostaticsStop::None) raiseInputError(hydrostaticsRefusal(outcome, model));
  return HydrostaticsResult{std::move(table)};
}

py::list bonjean(const Hull& hull, int steps) {
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
  py::class_<HydrostaticsResult> table(
      module, "Hydrostatics",
      "The curves of form: one value per draft in each column, as norvika-hydrostatics's "
      "HIDROSTATIK.TXT gives them. Coefficients on L and on B, the largest breadth of the "
      "waterplane.");
  for (const Column& column : kColumns) {
    table.def_property_readonly(
        column.name,
        [value = column.value](const HydrostaticsResult& h) { return columnOf(*h.table, value); },
        column.doc);
  }
  table.def(
      "to_dict",
      [](const HydrostaticsResult& h) {
        py::dict columns;
        for (const Column& column : kColumns)
          columns[column.name] = columnOf(*h.table, column.value);
        return columns;
      },
      "The columns by name, in table order (for pandas.DataFrame).");
  table.def("__len__", [](const HydrostaticsResult& h) { return h.table->rows.size(); });

  module.def("hydrostatics", &hydrostatics, py::arg("hull"), py::arg("drafts") = py::none(),
             py::kw_only(), py::arg("ship_length"), py::arg("density"), py::arg("trim") = 0.0,
             R"(The curves of form of the hull at each draft, as norvika-hydrostatics computes them.

drafts: waterline heights above the base line at L/2 (m), positive and rising, at most
1000; None: 20 drafts from a tenth of the hull's depth (its lowest deck edge) to it.
ship_length: L (m), AP at x = 0 and FP at x = L; density: t/m3; trim: Tf - Ta (m), the
waterline turned about L/2, positive by the head.

Raises InputError when a draft puts a deck under water or leaves no volume or
waterplane (the program's message).)");
  module.def("bonjean", &bonjean, py::arg("hull"), py::arg("steps") = kBonjeanSteps,
             R"(The Bonjean curves: for every station a dict with 'station' (its number),
'x' (m from AP), and arrays 'z' (m above the base line, at `steps` equal steps from its
keel to its deck edge and at each of its points), 'area' (the section area below z,
both sides, m2) and 'moment' (its moment about the base line, m3).)");
}

}  // namespace norvika::python
