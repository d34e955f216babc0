#include "sweep_values.h"

#include <pybind11/numpy.h>

#include <string>
#include <vector>

#include "arrays.h"
#include "calculation/rule_values.h"
#include "values.h"

namespace norvika::python {

namespace {

struct SweepValues : Values {};

// One value of every crest position, as an array.
template <typename Value>
py::array positionColumn(const CrestSweep& sweep, Value&& value) {
  std::vector<double> column;
  for (const SweepPosition& p : sweep.positions) column.push_back(value(p));
  return arrayOf(column);
}

// The crest position of each row of an envelope, m from AP.
py::array crestsAt(const CrestSweep& sweep, const std::vector<int>& positions) {
  std::vector<double> crests;
  for (const int p : positions)
    crests.push_back(sweep.positions[static_cast<std::size_t>(p)].crest);
  return arrayOf(crests);
}

// The rule's value of one kind at each row.
py::array ruleColumn(const CrestSweep& sweep, const RuleWaveLoads& rule,
                     double RuleWaveLoadsAt::*value) {
  std::vector<double> column;
  for (const double x : sweep.x) column.push_back(ruleWaveLoadsAt(rule, x).*value);
  return arrayOf(column);
}

py::object worstOf(const CrestSweep& sweep, const SweepWorst& worst) {
  if (worst.position < 0) return py::none();
  return py::make_tuple(worst.extreme.value, worst.extreme.x,
                        sweep.positions[static_cast<std::size_t>(worst.position)].crest);
}

}  // namespace

py::object sweepOf(const CrestSweep& sweep, const RuleWaveLoads& rule) {
  py::dict v;
  v["wave_length"] = sweep.waveLength;
  v["crest"] = positionColumn(sweep, [](const SweepPosition& p) { return p.crest; });
  v["iterations"] = readOnly(py::array(positionColumn(sweep, [](const SweepPosition& p) {
                                         return p.iterations;
                                       }).attr("astype")("int64")));
  v["mean_draft"] = positionColumn(sweep, [](const SweepPosition& p) { return p.meanDraft; });
  v["trim"] = positionColumn(sweep, [](const SweepPosition& p) { return p.trim; });
  const auto extreme = [&](const char* name, Extreme SweepPosition::*e) {
    v[name] = positionColumn(sweep, [e](const SweepPosition& p) { return (p.*e).value; });
    v[(std::string(name) + "_x").c_str()] =
        positionColumn(sweep, [e](const SweepPosition& p) { return (p.*e).x; });
  };
  extreme("hogging", &SweepPosition::hogging);
  extreme("sagging", &SweepPosition::sagging);
  extreme("positive_shear", &SweepPosition::positiveShear);
  extreme("negative_shear", &SweepPosition::negativeShear);
  v["x"] = arrayOf(sweep.x);
  v["sf_max"] = arrayOf(sweep.shear.largest);
  v["sf_max_crest"] = crestsAt(sweep, sweep.shear.largestAt);
  v["sf_min"] = arrayOf(sweep.shear.smallest);
  v["sf_min_crest"] = crestsAt(sweep, sweep.shear.smallestAt);
  v["bm_max"] = arrayOf(sweep.moment.largest);
  v["bm_max_crest"] = crestsAt(sweep, sweep.moment.largestAt);
  v["bm_min"] = arrayOf(sweep.moment.smallest);
  v["bm_min_crest"] = crestsAt(sweep, sweep.moment.smallestAt);
  v["sf_rule_positive"] = ruleColumn(sweep, rule, &RuleWaveLoadsAt::positiveShear);
  v["sf_rule_negative"] = ruleColumn(sweep, rule, &RuleWaveLoadsAt::negativeShear);
  v["bm_rule_hogging"] = ruleColumn(sweep, rule, &RuleWaveLoadsAt::hogging);
  v["bm_rule_sagging"] = ruleColumn(sweep, rule, &RuleWaveLoadsAt::sagging);
  v["worst_hogging"] = worstOf(sweep, sweep.hogging);
  v["worst_sagging"] = worstOf(sweep, sweep.sagging);
  v["worst_positive_shear"] = worstOf(sweep, sweep.positiveShear);
  v["worst_negative_shear"] = worstOf(sweep, sweep.negativeShear);
  return py::cast(SweepValues{{v}});
}

void defineSweep(py::module_& module) {
  defineValues<SweepValues>(
      module, "Sweep",
      "The wave's crest moved along the ship in equal steps over one wave length, the ship "
      "balanced in sink and trim at each (run(..., sweep=N)), as MUKAVEMET.SON's sweep "
      "summary and TARAMA.TXT give it. Wave-induced values: the wave's minus still water's. "
      "Arrays per crest position (N, aft to forward) and per row of the strength table.",
      {{"wave_length", "The wave length, m."},
       {"crest", "Crest position, m from AP (per position)."},
       {"iterations", "Newton steps of the balance (per position)."},
       {"mean_draft", "The wave's mean level at L/2, m (per position)."},
       {"trim", "Trim, forward minus aft draft, m (per position)."},
       {"hogging", "Largest wave-induced BM over the rows, t m (per position)."},
       {"hogging_x", "Its place, m from AP (per position)."},
       {"sagging", "Smallest wave-induced BM over the rows, t m (per position)."},
       {"sagging_x", "Its place, m from AP (per position)."},
       {"positive_shear", "Largest wave-induced SF over the rows, t (per position)."},
       {"positive_shear_x", "Its place, m from AP (per position)."},
       {"negative_shear", "Smallest wave-induced SF over the rows, t (per position)."},
       {"negative_shear_x", "Its place, m from AP (per position)."},
       {"x", "Row positions, m from AP (the rows of the strength table)."},
       {"sf_max", "Largest wave-induced SF over the positions, t (per row)."},
       {"sf_max_crest", "The crest position that gave it, m from AP (per row)."},
       {"sf_min", "Smallest wave-induced SF over the positions, t (per row)."},
       {"sf_min_crest", "The crest position that gave it, m from AP (per row)."},
       {"bm_max", "Largest wave-induced BM over the positions, t m (per row)."},
       {"bm_max_crest", "The crest position that gave it, m from AP (per row)."},
       {"bm_min", "Smallest wave-induced BM over the positions, t m (per row)."},
       {"bm_min_crest", "The crest position that gave it, m from AP (per row)."},
       {"sf_rule_positive", "The rule's positive wave shear force, kN (per row)."},
       {"sf_rule_negative", "The rule's negative wave shear force, kN (per row)."},
       {"bm_rule_hogging", "The rule's hogging wave moment, kN m (per row)."},
       {"bm_rule_sagging", "The rule's sagging wave moment, kN m (per row)."},
       {"worst_hogging",
        "(largest wave-induced BM of the sweep, t m; its place, m from AP; the crest "
        "position, m from AP); None when no position hogs the ship."},
       {"worst_sagging",
        "(smallest wave-induced BM of the sweep, t m; its place; the crest position); None "
        "when no position sags the ship."},
       {"worst_positive_shear",
        "(largest wave-induced SF of the sweep, t; its place; the crest position); None "
        "when there is none."},
       {"worst_negative_shear",
        "(smallest wave-induced SF of the sweep, t; its place; the crest position); None "
        "when there is none."}});
}

}  // namespace norvika::python
