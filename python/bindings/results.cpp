#include "results.h"

#include <pybind11/numpy.h>

#include <string>
#include <vector>

#include "arrays.h"
#include "model/calculation_case.h"
#include "sweep_values.h"
#include "values.h"

namespace norvika::python {

namespace {

struct ResultValues : Values {};
struct HistoryValues : Values {};
struct EqualSpacingValues : Values {};
struct StrengthValues : Values {};
struct ConditionValues : Values {};
struct RuleValues : Values {};

py::tuple extremeOf(const Extreme& e) { return py::make_tuple(e.value, e.x); }

// One value of every evaluated draft of the search.
py::array_t<double> historyColumn(const Balance& balance, double BalanceStep::*value) {
  std::vector<double> column;
  for (const BalanceStep& step : balance.history) column.push_back(step.*value);
  return arrayOf(column);
}

py::object historyOf(const Balance& balance) {
  py::dict v;
  v["draft"] = historyColumn(balance, &BalanceStep::meanDraft);
  v["step"] = historyColumn(balance, &BalanceStep::draftStep);
  v["displacement"] = historyColumn(balance, &BalanceStep::displacement);
  return py::cast(HistoryValues{{v}});
}

py::object equalSpacingOf(const EqualSpacing& e) {
  py::dict v;
  v["x"] = arrayOf(e.x, e.count);
  v["buoyancy"] = arrayOf(e.v, e.count);
  v["span"] = e.span;
  v["displacement"] = e.displacement;
  v["lcb"] = e.centre;
  return py::cast(EqualSpacingValues{{v}});
}

py::object conditionOf(const StrengthCondition& c) {
  py::dict v;
  v["balanced"] = c.balanced;
  v["iterations"] = c.iterations;
  v["mean_draft"] = c.meanDraft;
  v["trim"] = c.trim;
  v["aft_draft"] = c.aftDraft;
  v["forward_draft"] = c.forwardDraft;
  v["displacement"] = c.displacement;
  v["lcb"] = c.centre;
  return py::cast(ConditionValues{{v}});
}

py::object ruleOf(const RuleWaveLoads& r) {
  py::dict v;
  v["applies"] = r.applies;
  v["length"] = r.length;
  v["breadth"] = r.breadth;
  v["draft"] = r.draft;
  v["computed_block_coefficient"] = r.computedBlockCoefficient;
  v["block_coefficient"] = r.blockCoefficient;
  v["coefficient"] = r.coefficient;
  v["hogging"] = r.hogging;
  v["sagging"] = r.sagging;
  v["shear"] = r.shear;
  return py::cast(RuleValues{{v}});
}

py::object strengthOf(const Strength& s, const WeightDistribution& weights) {
  const LoadCurves& c = s.curves;
  const bool wave = s.hasStillWater;
  py::dict v;
  v["x"] = arrayOf(c.x);
  v["w"] = arrayOf(c.weight);
  v["b"] = arrayOf(c.buoyancy);
  v["q"] = arrayOf(c.load);
  v["sf"] = arrayOf(c.shear);
  v["bm"] = arrayOf(c.moment);
  v["weight"] = weights.total;
  v["lcg"] = weights.centre;
  v["condition"] = conditionOf(s.condition);
  v["still_water"] = wave ? conditionOf(s.stillWater) : py::none();
  v["bm_still_water"] = wave ? py::object(arrayOf(s.stillCurves.moment)) : py::none();
  v["bm_wave"] = wave ? py::object(arrayOf(s.waveMoment)) : py::none();
  v["hogging"] = extremeOf(c.hogging);
  v["sagging"] = extremeOf(c.sagging);
  v["positive_shear"] = extremeOf(c.positiveShear);
  v["negative_shear"] = extremeOf(c.negativeShear);
  v["wave_hogging"] = wave ? py::object(extremeOf(s.waveHogging)) : py::none();
  v["wave_sagging"] = wave ? py::object(extremeOf(s.waveSagging)) : py::none();
  v["end_shear"] = c.endShear;
  v["end_moment"] = c.endMoment;
  v["rule"] =
      caseProperties(s.caseNumber).balancesInSinkAndTrim ? ruleOf(s.rule) : py::object(py::none());
  return py::cast(StrengthValues{{v}});
}

void defineParts(py::module_& module) {
  defineValues<HistoryValues>(module, "BalanceHistory",
                              "Every draft the displacement balance evaluated, in order.",
                              {{"draft", "Mean draft, m (on a wave the wave's mean level)."},
                               {"step", "The step the search stood at, m."},
                               {"displacement", "Displacement at that draft, t."}})
      .def("__len__", [](const HistoryValues& h) { return py::len(h.values["draft"]); });

  defineValues<EqualSpacingValues>(
      module, "EqualSpacing",
      "The buoyancy per metre at equally spaced points, corrected to the displacement.",
      {{"x", "Positions, m from AP."},
       {"buoyancy", "Buoyancy per metre, t/m."},
       {"span", "Length they span, m."},
       {"displacement", "Their displacement (trapezoids), t."},
       {"lcb", "Their centre, m from AP."}});

  defineValues<ConditionValues>(
      module, "StrengthCondition",
      "The buoyancy of one condition of the strength step: the case's waterline, or still water.",
      {{"balanced", "Balanced in sink and trim against the weights (cases 1-5)."},
       {"iterations", "Newton steps of the balance."},
       {"mean_draft", "Mean draft at L/2, m (on a wave the wave's mean level)."},
       {"trim", "Trim, forward minus aft draft, m."},
       {"aft_draft", "Draft at AP, m."},
       {"forward_draft", "Draft at FP, m."},
       {"displacement", "Displacement, t."},
       {"lcb", "LCB, m from AP."}});

  defineValues<RuleValues>(
      module, "RuleWaveLoads",
      "The wave loads of the unified rule for longitudinal strength (IACS UR S11) where their "
      "distribution factors are 1.",
      {{"applies", "Whether 90 m <= L <= 500 m."},
       {"length", "L, m."},
       {"breadth", "B, m."},
       {"draft", "T, the still-water mean draft, m."},
       {"computed_block_coefficient", "Cb = volume / (L B T), as computed."},
       {"block_coefficient", "Cb the rule takes: the computed one, not below 0.6."},
       {"coefficient", "C."},
       {"hogging", "Hogging Mw where M = 1, kN m (positive)."},
       {"sagging", "Sagging Mw where M = 1, kN m (negative)."},
       {"shear", "Wave shear force where F1 or F2 is 1, kN."}});

  defineValues<StrengthValues>(
      module, "Strength",
      "The longitudinal strength of a run with weights. Load q = w - b (t/m), SF the integral "
      "of q from the aft end (t), BM the integral of SF (t m), BM > 0 hogging. The arrays stand "
      "at the rows of the strength table: every station, every 0.01 L and both ends.",
      {{"x", "Row positions, m from AP."},
       {"w", "Weight per metre just forward of each row, t/m."},
       {"b", "Buoyancy per metre just forward of each row, t/m."},
       {"q", "Load w - b, t/m."},
       {"sf", "Shear force, t."},
       {"bm", "Bending moment on the case's waterline, t m (hogging > 0)."},
       {"weight", "W, the total weight, t."},
       {"lcg", "LCG, m from AP."},
       {"condition", "The balance on the case's waterline."},
       {"still_water", "The balance on still water (wave cases 2-5); None for the others."},
       {"bm_still_water",
        "Bending moment on still water at the same rows, t m (wave cases 2-5); None otherwise."},
       {"bm_wave",
        "Wave-induced bending moment, the wave's BM minus still water's, t m (cases 2-5); None "
        "otherwise."},
       {"hogging", "(largest BM, t m; its place, m from AP); 0 when BM never rises above 0."},
       {"sagging", "(smallest BM, t m; its place, m from AP); 0 when BM never falls below 0."},
       {"positive_shear", "(largest SF, t; its place, m from AP); 0 when SF never rises above 0."},
       {"negative_shear", "(smallest SF, t; its place, m from AP); 0 when SF never falls below 0."},
       {"wave_hogging",
        "(largest wave-induced BM, t m; its place, m from AP) (cases 2-5); None otherwise."},
       {"wave_sagging",
        "(smallest wave-induced BM, t m; its place, m from AP) (cases 2-5); None otherwise."},
       {"end_shear",
        "SF at the forward end, t (the closure; for cases 6 and 7 the residual force)."},
       {"end_moment",
        "BM at the forward end, t m (the closure; for cases 6 and 7 the residual moment)."},
       {"rule", "The rule's wave loads (cases 1-5); None for cases 6 and 7."}});
}

}  // namespace

void defineResults(py::module_& module) {
  defineParts(module);
  defineSweep(module);
  defineValues<ResultValues>(
      module, "Result",
      "What a completed run reached, as the executable's report gives it. Its arrays are "
      "read-only; a Result compares (==), copies and pickles by value.",
      {{"case", "The case, 1-7."},
       {"station_x", "Station positions, m from AP."},
       {"waterline", "Waterline height at each station, m above the base line."},
       {"section_area", "Immersed section area at each station, m2 (heeled for case 7)."},
       {"buoyancy", "Buoyancy per metre at each station, t/m (density times section area)."},
       {"displacement", "Displacement, t."},
       {"lcb", "LCB, m from AP."},
       {"tcb", "TCB, m from the centre line, rising side positive (case 7); None otherwise."},
       {"forward_draft",
        "Forward draft as the report's status lines give it, m (on a wave the wave's mean "
        "level)."},
       {"aft_draft", "Aft draft as the report's status lines give it, m."},
       {"mean_draft",
        "The mean draft the search found, m (cases 1-5; on a wave its mean level); None "
        "otherwise."},
       {"history", "Every draft the search evaluated (cases 1-5); None otherwise."},
       {"equal_spacing", "The equally spaced values; None when the task asks for none."},
       {"strength", "The longitudinal strength; None for a run without weights."},
       {"sweep", "The crest sweep (run(..., sweep=N)); None without one."},
       {"files",
        "The result files the executable would write, by name (Norvika.SON, SEPHIYE.TXT, with "
        "weights MUKAVEMET.SON and MUKAVEMET.TXT, with a sweep TARAMA.TXT), as bytes in a "
        "read-only mapping; nothing is written."}})
      .def("__repr__", [](const ResultValues& r) {
        return "<norvika.Result: case " + py::str(r.values["case"]).cast<std::string>() + ", " +
               py::repr(r.values["displacement"]).cast<std::string>() + " t, LCB " +
               py::repr(r.values["lcb"]).cast<std::string>() + " m>";
      });
}

py::object resultOf(const RunOutcome& outcome) {
  const TaskParameters& task = *outcome.task;
  const HullModel& hull = *outcome.hull;
  const Immersion& immersion = *outcome.immersion();
  const CaseProperties& properties = caseProperties(task.caseNumber);
  std::vector<double> buoyancy;
  for (int i = 1; i <= hull.stationCount; ++i)
    buoyancy.push_back(task.waterDensity * immersion.stationArea(i));
  const bool searched = properties.searchesDisplacement && outcome.balance;
  py::dict files;
  for (const WrittenFile& f : outcome.written)
    files[py::str(resultName(f.kind))] = py::bytes(f.text);

  py::dict v;
  v["case"] = task.caseNumber;
  v["station_x"] = arrayOf(hull.stationX, hull.stationCount);
  v["waterline"] = arrayOf(immersion.waterline.height, hull.stationCount);
  v["section_area"] = arrayOf(immersion.stationArea, hull.stationCount);
  v["buoyancy"] = arrayOf(buoyancy);
  v["displacement"] = immersion.displacement;
  v["lcb"] = outcome.centre->longitudinal;
  v["tcb"] = outcome.heeled ? py::object(py::float_(outcome.centre->transverse)) : py::none();
  v["forward_draft"] = immersion.waterline.shownForwardDraft;
  v["aft_draft"] = immersion.waterline.shownAftDraft;
  v["mean_draft"] = searched ? py::object(py::float_(outcome.balance->meanDraft)) : py::none();
  v["history"] = searched ? historyOf(*outcome.balance) : py::none();
  v["equal_spacing"] = outcome.equalSpacing ? equalSpacingOf(*outcome.equalSpacing) : py::none();
  v["strength"] = outcome.strength ? strengthOf(*outcome.strength, *outcome.weights) : py::none();
  v["sweep"] = outcome.sweep ? sweepOf(*outcome.sweep, outcome.strength->rule) : py::none();
  v["files"] = files;
  return py::cast(ResultValues{{v}});
}

}  // namespace norvika::python
