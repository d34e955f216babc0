#include "sweep_values.h"

#include <pybind11/numpy.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "arrays.h"
#include "calculation/rule_values.h"
#include "values.h"

namespace norvika::python {

namespace {

struct SweepValues : Values {};

// What the sweep's values are taken from: the sweep and the rule's loads.
struct SweepSource {
  const CrestSweep& sweep;
  const RuleWaveLoads& rule;
};

using S = const SweepSource&;

// One value of every crest position.
py::object positionColumn(S s, double (*value)(const SweepPosition&)) {
  std::vector<double> column;
  for (const SweepPosition& p : s.sweep.positions) column.push_back(value(p));
  return arrayOf(column);
}

// The crest position (m from AP) that gave each row of an envelope.
py::object crestsAt(S s, const std::vector<int>& positions) {
  std::vector<double> crests;
  for (const int p : positions)
    crests.push_back(s.sweep.positions[static_cast<std::size_t>(p)].crest);
  return arrayOf(crests);
}

// The rule's value of one kind at each row.
py::object ruleColumn(S s, double RuleWaveLoadsAt::*value) {
  std::vector<double> column;
  for (const double x : s.sweep.x) column.push_back(ruleWaveLoadsAt(s.rule, x).*value);
  return arrayOf(column);
}

// A worst value of the sweep as (value, x, crest); None when no position gave one.
py::object worstOf(S s, const SweepWorst& worst) {
  if (worst.position < 0) return py::none();
  return py::make_tuple(worst.extreme.value, worst.extreme.x,
                        s.sweep.positions[static_cast<std::size_t>(worst.position)].crest);
}

// The ratio of one side of an envelope to the rule at each row, NaN where the
// rule gives no meaningful ratio.
py::object ratioColumn(const EnvelopeRatios& ratios) {
  std::vector<double> column;
  for (const RuleRatio& r : ratios.rows)
    column.push_back(r.hasRatio ? r.ratio : std::numeric_limits<double>::quiet_NaN());
  return arrayOf(column);
}

// The largest ratio of a side of an envelope as (ratio, x, crest); None without one.
py::object largestRatioOf(S s, const EnvelopeRatios& ratios) {
  if (ratios.position < 0) return py::none();
  return py::make_tuple(ratios.largest, ratios.x,
                        s.sweep.positions[static_cast<std::size_t>(ratios.position)].crest);
}

const ValueFields<SweepSource>& sweepFields() {
  using P = const SweepPosition&;
  static const ValueFields<SweepSource> fields = {
      {"wave_length", "The wave length, m.", [](S s) { return py::cast(s.sweep.waveLength); }},
      {"crest", "Crest position, m from AP (per position).",
       [](S s) { return positionColumn(s, [](P p) { return p.crest; }); }},
      {"iterations", "Newton steps of the balance (per position).",
       [](S s) -> py::object {
         std::vector<std::int64_t> steps;
         for (const SweepPosition& p : s.sweep.positions) steps.push_back(p.iterations);
         return readOnly(
             py::array_t<std::int64_t>(static_cast<py::ssize_t>(steps.size()), steps.data()));
       }},
      {"mean_draft", "The wave's mean level at L/2, m (per position).",
       [](S s) { return positionColumn(s, [](P p) { return p.meanDraft; }); }},
      {"trim", "Trim, forward minus aft draft, m (per position).",
       [](S s) { return positionColumn(s, [](P p) { return p.trim; }); }},
      {"hogging", "Largest wave-induced BM over the rows, t m (per position).",
       [](S s) { return positionColumn(s, [](P p) { return p.hogging.value; }); }},
      {"hogging_x", "Its place, m from AP (per position).",
       [](S s) { return positionColumn(s, [](P p) { return p.hogging.x; }); }},
      {"sagging", "Smallest wave-induced BM over the rows, t m (per position).",
       [](S s) { return positionColumn(s, [](P p) { return p.sagging.value; }); }},
      {"sagging_x", "Its place, m from AP (per position).",
       [](S s) { return positionColumn(s, [](P p) { return p.sagging.x; }); }},
      {"positive_shear", "Largest wave-induced SF over the rows, t (per position).",
       [](S s) { return positionColumn(s, [](P p) { return p.positiveShear.value; }); }},
      {"positive_shear_x", "Its place, m from AP (per position).",
       [](S s) { return positionColumn(s, [](P p) { return p.positiveShear.x; }); }},
      {"negative_shear", "Smallest wave-induced SF over the rows, t (per position).",
       [](S s) { return positionColumn(s, [](P p) { return p.negativeShear.value; }); }},
      {"negative_shear_x", "Its place, m from AP (per position).",
       [](S s) { return positionColumn(s, [](P p) { return p.negativeShear.x; }); }},
      {"x", "Row positions, m from AP (the rows of the strength table).",
       [](S s) -> py::object { return arrayOf(s.sweep.x); }},
      {"sf_max", "Largest wave-induced SF over the positions, t (per row).",
       [](S s) -> py::object { return arrayOf(s.sweep.shear.largest); }},
      {"sf_max_crest", "The crest position that gave it, m from AP (per row).",
       [](S s) { return crestsAt(s, s.sweep.shear.largestAt); }},
      {"sf_min", "Smallest wave-induced SF over the positions, t (per row).",
       [](S s) -> py::object { return arrayOf(s.sweep.shear.smallest); }},
      {"sf_min_crest", "The crest position that gave it, m from AP (per row).",
       [](S s) { return crestsAt(s, s.sweep.shear.smallestAt); }},
      {"bm_max", "Largest wave-induced BM over the positions, t m (per row).",
       [](S s) -> py::object { return arrayOf(s.sweep.moment.largest); }},
      {"bm_max_crest", "The crest position that gave it, m from AP (per row).",
       [](S s) { return crestsAt(s, s.sweep.moment.largestAt); }},
      {"bm_min", "Smallest wave-induced BM over the positions, t m (per row).",
       [](S s) -> py::object { return arrayOf(s.sweep.moment.smallest); }},
      {"bm_min_crest", "The crest position that gave it, m from AP (per row).",
       [](S s) { return crestsAt(s, s.sweep.moment.smallestAt); }},
      {"sf_rule_positive", "The rule's positive wave shear force, kN (per row).",
       [](S s) { return ruleColumn(s, &RuleWaveLoadsAt::positiveShear); }},
      {"sf_rule_negative", "The rule's negative wave shear force, kN (per row).",
       [](S s) { return ruleColumn(s, &RuleWaveLoadsAt::negativeShear); }},
      {"bm_rule_hogging", "The rule's hogging wave moment, kN m (per row).",
       [](S s) { return ruleColumn(s, &RuleWaveLoadsAt::hogging); }},
      {"bm_rule_sagging", "The rule's sagging wave moment, kN m (per row).",
       [](S s) { return ruleColumn(s, &RuleWaveLoadsAt::sagging); }},
      {"worst_hogging",
       "(largest wave-induced BM of the sweep, t m; its place, m from AP; the crest position, "
       "m from AP); None when no position hogs the ship.",
       [](S s) { return worstOf(s, s.sweep.hogging); }},
      {"worst_sagging",
       "(smallest wave-induced BM of the sweep, t m; its place; the crest position); None when "
       "no position sags the ship.",
       [](S s) { return worstOf(s, s.sweep.sagging); }},
      {"worst_positive_shear",
       "(largest wave-induced SF of the sweep, t; its place; the crest position); None when "
       "there is none.",
       [](S s) { return worstOf(s, s.sweep.positiveShear); }},
      {"worst_negative_shear",
       "(smallest wave-induced SF of the sweep, t; its place; the crest position); None when "
       "there is none.",
       [](S s) { return worstOf(s, s.sweep.negativeShear); }},
      {"sf_max_ratio", "sf_max over the rule's positive SF, NaN where |rule| < 0.1 Fw (per row).",
       [](S s) { return ratioColumn(s.sweep.positiveShear.ratios); }},
      {"sf_min_ratio", "sf_min over the rule's negative SF, NaN where |rule| < 0.1 Fw (per row).",
       [](S s) { return ratioColumn(s.sweep.negativeShear.ratios); }},
      {"bm_max_ratio", "bm_max over the rule's hogging BM, NaN where it is < 0.1 Mw (per row).",
       [](S s) { return ratioColumn(s.sweep.hogging.ratios); }},
      {"bm_min_ratio", "bm_min over the rule's sagging BM, NaN where |rule| < 0.1 Mw (per row).",
       [](S s) { return ratioColumn(s.sweep.sagging.ratios); }},
      {"largest_hogging_ratio",
       "(largest of bm_max_ratio; its place, m from AP; the crest position, m from AP); None "
       "without one.",
       [](S s) { return largestRatioOf(s, s.sweep.hogging.ratios); }},
      {"largest_sagging_ratio", "(largest of bm_min_ratio; its place; the crest position).",
       [](S s) { return largestRatioOf(s, s.sweep.sagging.ratios); }},
      {"largest_positive_shear_ratio", "(largest of sf_max_ratio; its place; the crest position).",
       [](S s) { return largestRatioOf(s, s.sweep.positiveShear.ratios); }},
      {"largest_negative_shear_ratio", "(largest of sf_min_ratio; its place; the crest position).",
       [](S s) { return largestRatioOf(s, s.sweep.negativeShear.ratios); }},
  };
  return fields;
}

}  // namespace

py::object sweepOf(const CrestSweep& sweep, const RuleWaveLoads& rule) {
  return valuesOf<SweepValues>(sweepFields(), SweepSource{sweep, rule});
}

void defineSweep(py::module_& module) {
  defineValues<SweepValues>(
      module, "Sweep",
      "The wave's crest moved along the ship in equal steps over one wave length, the ship "
      "balanced in sink and trim at each (run(..., sweep=N)), as MUKAVEMET.SON's sweep "
      "summary and TARAMA.TXT give it. Wave-induced values: the wave's minus still water's. "
      "Arrays per crest position (N, aft to forward) and per row of the strength table; "
      "read-only, and a Sweep compares, copies and pickles by value.",
      sweepFields());
}

}  // namespace norvika::python
