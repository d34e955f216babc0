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

// What the strength values are taken from.
struct StrengthSource {
  const Strength& strength;
  const WeightDistribution& weights;
  bool wave() const { return strength.hasStillWater; }
};

py::object extremeOf(const Extreme& e) { return py::make_tuple(e.value, e.x); }

// One value of every evaluated draft of the search.
py::object historyColumn(const Balance& balance, double BalanceStep::*value) {
  std::vector<double> column;
  for (const BalanceStep& step : balance.history) column.push_back(step.*value);
  return arrayOf(column);
}

const ValueFields<Balance>& historyFields() {
  static const ValueFields<Balance> fields = {
      {"draft", "Mean draft, m (on a wave the wave's mean level).",
       [](const Balance& b) { return historyColumn(b, &BalanceStep::meanDraft); }},
      {"step", "The step the search stood at, m.",
       [](const Balance& b) { return historyColumn(b, &BalanceStep::draftStep); }},
      {"displacement", "Displacement at that draft, t.",
       [](const Balance& b) { return historyColumn(b, &BalanceStep::displacement); }},
  };
  return fields;
}

const ValueFields<EqualSpacing>& equalSpacingFields() {
  using E = const EqualSpacing&;
  static const ValueFields<EqualSpacing> fields = {
      {"x", "Positions, m from AP.", [](E e) -> py::object { return arrayOf(e.x, e.count); }},
      {"buoyancy", "Buoyancy per metre, t/m.",
       [](E e) -> py::object { return arrayOf(e.v, e.count); }},
      {"span", "Length they span, m.", [](E e) { return py::cast(e.span); }},
      {"displacement", "Their displacement (trapezoids), t.",
       [](E e) { return py::cast(e.displacement); }},
      {"lcb", "Their centre, m from AP.", [](E e) { return py::cast(e.centre); }},
  };
  return fields;
}

const ValueFields<StrengthCondition>& conditionFields() {
  using C = const StrengthCondition&;
  static const ValueFields<StrengthCondition> fields = {
      {"balanced", "Balanced in sink and trim against the weights (cases 1-5).",
       [](C c) { return py::cast(c.balanced); }},
      {"iterations", "Newton steps of the balance.", [](C c) { return py::cast(c.iterations); }},
      {"mean_draft", "Mean draft at L/2, m (on a wave the wave's mean level).",
       [](C c) { return py::cast(c.meanDraft); }},
      {"trim", "Trim, forward minus aft draft, m.", [](C c) { return py::cast(c.trim); }},
      {"aft_draft", "Draft at AP, m.", [](C c) { return py::cast(c.aftDraft); }},
      {"forward_draft", "Draft at FP, m.", [](C c) { return py::cast(c.forwardDraft); }},
      {"displacement", "Displacement, t.", [](C c) { return py::cast(c.displacement); }},
      {"lcb", "LCB, m from AP.", [](C c) { return py::cast(c.centre); }},
  };
  return fields;
}

const ValueFields<RuleWaveLoads>& ruleFields() {
  using R = const RuleWaveLoads&;
  static const ValueFields<RuleWaveLoads> fields = {
      {"applies", "Whether 90 m <= L <= 500 m.", [](R r) { return py::cast(r.applies); }},
      {"length", "L, m: as given, else Lpp within 0.96-0.97 Lwl.",
       [](R r) { return py::cast(r.length); }},
      {"aft_end", "Where L starts, m from AP (it ends at the waterline's forward end).",
       [](R r) { return py::cast(r.aftEnd); }},
      {"breadth", "B, m.", [](R r) { return py::cast(r.breadth); }},
      {"draft", "T, m: the scantling draft given, else the still-water mean draft.",
       [](R r) { return py::cast(r.draft); }},
      {"computed_block_coefficient", "Cb = volume / (L B T), as computed.",
       [](R r) { return py::cast(r.computedBlockCoefficient); }},
      {"block_coefficient", "Cb the rule takes: the computed one, not below 0.6.",
       [](R r) { return py::cast(r.blockCoefficient); }},
      {"coefficient", "C.", [](R r) { return py::cast(r.coefficient); }},
      {"hogging", "Hogging Mw where M = 1, kN m (positive).",
       [](R r) { return py::cast(r.hogging); }},
      {"sagging", "Sagging Mw where M = 1, kN m (negative).",
       [](R r) { return py::cast(r.sagging); }},
      {"shear", "Wave shear force where F1 or F2 is 1, kN.", [](R r) { return py::cast(r.shear); }},
  };
  return fields;
}

const ValueFields<StrengthSource>& strengthFields() {
  using S = const StrengthSource&;
  static const ValueFields<StrengthSource> fields = {
      {"x", "Row positions, m from AP.",
       [](S s) -> py::object { return arrayOf(s.strength.curves.x); }},
      {"w", "Weight per metre just forward of each row, t/m.",
       [](S s) -> py::object { return arrayOf(s.strength.curves.weight); }},
      {"b", "Buoyancy per metre just forward of each row, t/m.",
       [](S s) -> py::object { return arrayOf(s.strength.curves.buoyancy); }},
      {"q", "Load w - b, t/m.", [](S s) -> py::object { return arrayOf(s.strength.curves.load); }},
      {"sf", "Shear force, t.", [](S s) -> py::object { return arrayOf(s.strength.curves.shear); }},
      {"bm", "Bending moment on the case's waterline, t m (hogging > 0).",
       [](S s) -> py::object { return arrayOf(s.strength.curves.moment); }},
      {"weight", "W, the total weight, t.", [](S s) { return py::cast(s.weights.total); }},
      {"lcg", "LCG, m from AP.", [](S s) { return py::cast(s.weights.centre); }},
      {"condition", "The balance on the case's waterline.",
       [](S s) { return valuesOf<ConditionValues>(conditionFields(), s.strength.condition); }},
      {"still_water", "The balance on still water (wave cases 2-5); None for the others.",
       [](S s) {
         return s.wave() ? valuesOf<ConditionValues>(conditionFields(), s.strength.stillWater)
                         : py::none();
       }},
      {"bm_still_water",
       "Bending moment on still water at the same rows, t m (wave cases 2-5); None otherwise.",
       [](S s) {
         return s.wave() ? py::object(arrayOf(s.strength.stillCurves.moment)) : py::none();
       }},
      {"bm_wave",
       "Wave-induced bending moment, the wave's BM minus still water's, t m (cases 2-5); None "
       "otherwise.",
       [](S s) { return s.wave() ? py::object(arrayOf(s.strength.waveMoment)) : py::none(); }},
      {"hogging", "(largest BM, t m; its place, m from AP); 0 when BM never rises above 0.",
       [](S s) { return extremeOf(s.strength.curves.hogging); }},
      {"sagging", "(smallest BM, t m; its place, m from AP); 0 when BM never falls below 0.",
       [](S s) { return extremeOf(s.strength.curves.sagging); }},
      {"positive_shear", "(largest SF, t; its place, m from AP); 0 when SF never rises above 0.",
       [](S s) { return extremeOf(s.strength.curves.positiveShear); }},
      {"negative_shear", "(smallest SF, t; its place, m from AP); 0 when SF never falls below 0.",
       [](S s) { return extremeOf(s.strength.curves.negativeShear); }},
      {"wave_hogging",
       "(largest wave-induced BM, t m; its place, m from AP) (cases 2-5); None otherwise.",
       [](S s) { return s.wave() ? extremeOf(s.strength.waveHogging) : py::none(); }},
      {"wave_sagging",
       "(smallest wave-induced BM, t m; its place, m from AP) (cases 2-5); None otherwise.",
       [](S s) { return s.wave() ? extremeOf(s.strength.waveSagging) : py::none(); }},
      {"end_shear", "SF at the forward end, t (the closure; for cases 6 and 7 the residual force).",
       [](S s) { return py::cast(s.strength.curves.endShear); }},
      {"end_moment",
       "BM at the forward end, t m (the closure; for cases 6 and 7 the residual moment).",
       [](S s) { return py::cast(s.strength.curves.endMoment); }},
      {"rule", "The rule's wave loads (cases 1-5); None for cases 6 and 7.",
       [](S s) {
         return caseProperties(s.strength.caseNumber).balancesInSinkAndTrim
                    ? valuesOf<RuleValues>(ruleFields(), s.strength.rule)
                    : py::none();
       }},
  };
  return fields;
}

const ValueFields<RunOutcome>& resultFields() {
  using O = const RunOutcome&;
  const auto stations = [](O o, const Table<double>& table) -> py::object {
    return arrayOf(table, o.hull->stationCount);
  };
  // Whether the run searched a draft for the displacement (cases 1-5).
  const auto searched = [](O o) {
    return caseProperties(o.task->caseNumber).searchesDisplacement && o.balance;
  };
  static const ValueFields<RunOutcome> fields = {
      {"case", "The case, 1-7.", [](O o) { return py::cast(o.task->caseNumber); }},
      {"station_x", "Station positions, m from AP.",
       [stations](O o) { return stations(o, o.hull->stationX); }},
      {"waterline", "Waterline height at each station, m above the base line.",
       [stations](O o) { return stations(o, o.immersion()->waterline.height); }},
      {"section_area", "Immersed section area at each station, m2 (heeled for case 7).",
       [stations](O o) { return stations(o, o.immersion()->stationArea); }},
      {"buoyancy", "Buoyancy per metre at each station, t/m (density times section area).",
       [](O o) -> py::object {
         std::vector<double> buoyancy;
         for (int i = 1; i <= o.hull->stationCount; ++i)
           buoyancy.push_back(o.task->waterDensity * o.immersion()->stationArea(i));
         return arrayOf(buoyancy);
       }},
      {"displacement", "Displacement, t.",
       [](O o) { return py::cast(o.immersion()->displacement); }},
      {"lcb", "LCB, m from AP.", [](O o) { return py::cast(o.centre->longitudinal); }},
      {"tcb", "TCB, m from the centre line, rising side positive (case 7); None otherwise.",
       [](O o) { return o.heeled ? py::cast(o.centre->transverse) : py::none(); }},
      {"forward_draft",
       "Forward draft as the report's status lines give it, m (on a wave the wave's mean "
       "level).",
       [](O o) { return py::cast(o.immersion()->waterline.shownForwardDraft); }},
      {"aft_draft", "Aft draft as the report's status lines give it, m.",
       [](O o) { return py::cast(o.immersion()->waterline.shownAftDraft); }},
      {"mean_draft",
       "The mean draft the search found, m (cases 1-5; on a wave its mean level); None "
       "otherwise.",
       [searched](O o) { return searched(o) ? py::cast(o.balance->meanDraft) : py::none(); }},
      {"history", "Every draft the search evaluated (cases 1-5); None otherwise.",
       [searched](O o) {
         return searched(o) ? valuesOf<HistoryValues>(historyFields(), *o.balance) : py::none();
       }},
      {"equal_spacing", "The equally spaced values; None when the task asks for none.",
       [](O o) {
         return o.equalSpacing ? valuesOf<EqualSpacingValues>(equalSpacingFields(), *o.equalSpacing)
                               : py::none();
       }},
      {"strength", "The longitudinal strength; None for a run without weights.",
       [](O o) {
         return o.strength ? valuesOf<StrengthValues>(strengthFields(),
                                                      StrengthSource{*o.strength, *o.weights})
                           : py::none();
       }},
      {"sweep", "The crest sweep (run(..., sweep=N)); None without one.",
       [](O o) { return o.sweep ? sweepOf(*o.sweep, o.strength->rule) : py::none(); }},
      {"files",
       "The result files the executable would write, by name (Norvika.SON, SEPHIYE.TXT, with "
       "weights MUKAVEMET.SON and MUKAVEMET.TXT, with a sweep TARAMA.TXT), as bytes in a "
       "read-only mapping; nothing is written.",
       [](O o) -> py::object {
         py::dict files;
         for (const WrittenFile& f : o.written)
           files[py::str(resultName(f.kind))] = py::bytes(f.text);
         return files;
       }},
  };
  return fields;
}

}  // namespace

void defineResults(py::module_& module) {
  defineValues<HistoryValues>(module, "BalanceHistory",
                              "Every draft the displacement balance evaluated, in order.",
                              historyFields())
      .def("__len__", [](const HistoryValues& h) { return py::len(h.values["draft"]); });
  defineValues<EqualSpacingValues>(
      module, "EqualSpacing",
      "The buoyancy per metre at equally spaced points, corrected to the displacement.",
      equalSpacingFields());
  defineValues<ConditionValues>(
      module, "StrengthCondition",
      "The buoyancy of one condition of the strength step: the case's waterline, or still water.",
      conditionFields());
  defineValues<RuleValues>(
      module, "RuleWaveLoads",
      "The wave loads of the unified rule for longitudinal strength (IACS UR S11) where their "
      "distribution factors are 1.",
      ruleFields());
  defineValues<StrengthValues>(
      module, "Strength",
      "The longitudinal strength of a run with weights. Load q = w - b (t/m), SF the integral "
      "of q from the aft end (t), BM the integral of SF (t m), BM > 0 hogging. The arrays stand "
      "at the rows of the strength table: every station, every 0.01 L and both ends.",
      strengthFields());
  defineSweep(module);
  defineValues<ResultValues>(
      module, "Result",
      "What a completed run reached, as the executable's report gives it. Its arrays are "
      "read-only; a Result compares (==), copies and pickles by value.",
      resultFields())
      .def("__repr__", [](const ResultValues& r) {
        return "<norvika.Result: case " + py::str(r.values["case"]).cast<std::string>() + ", " +
               py::repr(r.values["displacement"]).cast<std::string>() + " t, LCB " +
               py::repr(r.values["lcb"]).cast<std::string>() + " m>";
      });
}

py::object resultOf(const RunOutcome& outcome) {
  return valuesOf<ResultValues>(resultFields(), outcome);
}

}  // namespace norvika::python
