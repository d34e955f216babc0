#include "run.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "arrays.h"
#include "errors.h"
#include "inputs.h"
#include "model/calculation_case.h"
#include "model/weights_file.h"
#include "platform/quiet_platform.h"
#include "run/calculation_driver.h"
#include "support/capacities.h"

namespace norvika::python {

namespace {

using Outcome = std::shared_ptr<const RunOutcome>;

/// What a completed run reached; its parts read the one outcome.
struct Result {
  Outcome outcome;
};
struct History {
  Outcome outcome;
};
struct EqualSpacingResult {
  Outcome outcome;
};
struct StrengthResult {
  Outcome outcome;
  const Strength& strength() const { return *outcome->strength; }
};

const Immersion& immersionOf(const Result& r) { return *r.outcome->immersion(); }
const HullModel& hullOf(const Result& r) { return *r.outcome->hull; }

py::tuple extremeOf(const Extreme& e) { return py::make_tuple(e.value, e.x); }

// One value of every evaluated draft of the search, as an array.
auto historyColumn(double BalanceStep::*value) {
  return [value](const History& h) {
    std::vector<double> column;
    for (const BalanceStep& step : h.outcome->balance->history) column.push_back(step.*value);
    return arrayOf(column);
  };
}

// The weights of a run: none, a weights file's path, or rows of blocks.
std::optional<WeightDistribution> weightsOf(const py::object& weights, double shipLength) {
  if (weights.is_none()) return std::nullopt;
  if (py::isinstance<py::str>(weights) || py::hasattr(weights, "__fspath__")) {
    const std::filesystem::path path =
        py::cast<std::string>(py::module_::import("os").attr("fspath")(weights));
    return readingInput(
        [&] { return readWeightsFile(path, path.filename().string(), shipLength); });
  }
  std::vector<WeightBlock> blocks;
  // One more than a weights file may hold is enough for its refusal.
  for (const std::vector<double>& row :
       rowsOf(weights, 4, static_cast<std::size_t>(kMaxWeightBlocks) + 1, "weights")) {
    blocks.push_back({row[0], row[1], row[2], row[3]});
  }
  return readingInput([&] { return weightsFromValues("", blocks, shipLength); });
}

// Runs on a platform that asks no one, the results kept in the outcome only,
// with the interpreter free for other threads meanwhile.
Result runQuietly(const std::filesystem::path& directory, std::optional<RunInputs> inputs) {
  auto outcome = std::make_shared<RunOutcome>();
  {
    const py::gil_scoped_release release;
    QuietPlatform platform(directory);
    RunSettings settings;
    settings.resultFiles = ResultFiles::InOutcome;
    *outcome = inputs ? runCalculation(platform, std::move(*inputs), settings)
                      : runCalculation(platform, settings);
  }
  if (outcome->reason != ExitReason::Completed) raiseRunEnd(*outcome);
  return Result{std::move(outcome)};
}

Result run(const Task& task, const Hull& hull, const py::object& weights) {
  RunInputs inputs{task.parameters, *hull.model, weightsOf(weights, task.parameters.shipLength)};
  const std::filesystem::path directory = task.parameters.file.empty()
                                              ? std::filesystem::path(".")
                                              : task.parameters.file.parent_path();
  return runQuietly(directory, std::move(inputs));
}

Result runDirectory(const std::filesystem::path& directory) {
  return runQuietly(directory, std::nullopt);
}

void defineStrength(py::module_& module) {
  py::class_<StrengthCondition>(module, "StrengthCondition",
                                "The buoyancy of one condition of the strength step: the case's "
                                "waterline, or still water.")
      .def_readonly("balanced", &StrengthCondition::balanced,
                    "Balanced in sink and trim against the weights (cases 1-5).")
      .def_readonly("iterations", &StrengthCondition::iterations, "Newton steps of the balance.")
      .def_readonly("mean_draft", &StrengthCondition::meanDraft,
                    "Mean draft at L/2, m (on a wave the wave's mean level).")
      .def_readonly("trim", &StrengthCondition::trim, "Trim, forward minus aft draft, m.")
      .def_readonly("aft_draft", &StrengthCondition::aftDraft, "Draft at AP, m.")
      .def_readonly("forward_draft", &StrengthCondition::forwardDraft, "Draft at FP, m.")
      .def_readonly("displacement", &StrengthCondition::displacement, "Displacement, t.")
      .def_readonly("lcb", &StrengthCondition::centre, "LCB, m from AP.");

  py::class_<RuleWaveLoads>(module, "RuleWaveLoads",
                            "The wave loads of the unified rule for longitudinal strength (IACS "
                            "UR S11) where their distribution factors are 1.")
      .def_readonly("applies", &RuleWaveLoads::applies, "Whether 90 m <= L <= 500 m.")
      .def_readonly("length", &RuleWaveLoads::length, "L, m.")
      .def_readonly("breadth", &RuleWaveLoads::breadth, "B, m.")
      .def_readonly("draft", &RuleWaveLoads::draft, "T, the still-water mean draft, m.")
      .def_readonly("computed_block_coefficient", &RuleWaveLoads::computedBlockCoefficient,
                    "Cb = volume / (L B T), as computed.")
      .def_readonly("block_coefficient", &RuleWaveLoads::blockCoefficient,
                    "Cb the rule takes: the computed one, not below 0.6.")
      .def_readonly("coefficient", &RuleWaveLoads::coefficient, "C.")
      .def_readonly("hogging", &RuleWaveLoads::hogging, "Hogging Mw where M = 1, kN m (positive).")
      .def_readonly("sagging", &RuleWaveLoads::sagging, "Sagging Mw where M = 1, kN m (negative).")
      .def_readonly("shear", &RuleWaveLoads::shear, "Wave shear force where F1 or F2 is 1, kN.");

  py::class_<StrengthResult> strength(
      module, "Strength",
      "The longitudinal strength of a run with weights. Load q = w - b (t/m), SF the integral "
      "of q from the aft end (t), BM the integral of SF (t m), BM > 0 hogging. The arrays stand "
      "at the rows of the strength table: every station, every 0.01 L and both ends.");
  const auto curve = [&strength](const char* name, std::vector<double> LoadCurves::*values,
                                 const char* doc) {
    strength.def_property_readonly(
        name, [values](const StrengthResult& s) { return arrayOf(s.strength().curves.*values); },
        doc);
  };
  curve("x", &LoadCurves::x, "Row positions, m from AP.");
  curve("w", &LoadCurves::weight, "Weight per metre just forward of each row, t/m.");
  curve("b", &LoadCurves::buoyancy, "Buoyancy per metre just forward of each row, t/m.");
  curve("q", &LoadCurves::load, "Load w - b, t/m.");
  curve("sf", &LoadCurves::shear, "Shear force, t.");
  curve("bm", &LoadCurves::moment, "Bending moment on the case's waterline, t m (hogging > 0).");
  strength.def_property_readonly(
      "weight", [](const StrengthResult& s) { return s.outcome->weights->total; },
      "W, the total weight, t.");
  strength.def_property_readonly(
      "lcg", [](const StrengthResult& s) { return s.outcome->weights->centre; }, "LCG, m from AP.");
  strength.def_property_readonly(
      "condition", [](const StrengthResult& s) { return s.strength().condition; },
      "The balance on the case's waterline.");
  strength.def_property_readonly(
      "still_water",
      [](const StrengthResult& s) -> std::optional<StrengthCondition> {
        if (!s.strength().hasStillWater) return std::nullopt;
        return s.strength().stillWater;
      },
      "The balance on still water (wave cases 2-5); None for the others.");
  strength.def_property_readonly(
      "bm_still_water",
      [](const StrengthResult& s) -> std::optional<py::array_t<double>> {
        if (!s.strength().hasStillWater) return std::nullopt;
        return arrayOf(s.strength().stillCurves.moment);
      },
      "Bending moment on still water at the same rows, t m (wave cases 2-5); None otherwise.");
  strength.def_property_readonly(
      "bm_wave",
      [](const StrengthResult& s) -> std::optional<py::array_t<double>> {
        if (!s.strength().hasStillWater) return std::nullopt;
        return arrayOf(s.strength().waveMoment);
      },
      "Wave-induced bending moment, the wave's BM minus still water's, t m (cases 2-5); None "
      "otherwise.");
  strength.def_property_readonly(
      "hogging", [](const StrengthResult& s) { return extremeOf(s.strength().curves.hogging); },
      "(largest BM, t m; its place, m from AP); 0 when BM never rises above 0.");
  strength.def_property_readonly(
      "sagging", [](const StrengthResult& s) { return extremeOf(s.strength().curves.sagging); },
      "(smallest BM, t m; its place, m from AP); 0 when BM never falls below 0.");
  strength.def_property_readonly(
      "positive_shear",
      [](const StrengthResult& s) { return extremeOf(s.strength().curves.positiveShear); },
      "(largest SF, t; its place, m from AP); 0 when SF never rises above 0.");
  strength.def_property_readonly(
      "negative_shear",
      [](const StrengthResult& s) { return extremeOf(s.strength().curves.negativeShear); },
      "(smallest SF, t; its place, m from AP); 0 when SF never falls below 0.");
  strength.def_property_readonly(
      "wave_hogging",
      [](const StrengthResult& s) -> std::optional<py::tuple> {
        if (!s.strength().hasStillWater) return std::nullopt;
        return extremeOf(s.strength().waveHogging);
      },
      "(largest wave-induced BM, t m; its place, m from AP) (cases 2-5); None otherwise.");
  strength.def_property_readonly(
      "wave_sagging",
      [](const StrengthResult& s) -> std::optional<py::tuple> {
        if (!s.strength().hasStillWater) return std::nullopt;
        return extremeOf(s.strength().waveSagging);
      },
      "(smallest wave-induced BM, t m; its place, m from AP) (cases 2-5); None otherwise.");
  strength.def_property_readonly(
      "end_shear", [](const StrengthResult& s) { return s.strength().curves.endShear; },
      "SF at the forward end, t (the closure; for cases 6 and 7 the residual force).");
  strength.def_property_readonly(
      "end_moment", [](const StrengthResult& s) { return s.strength().curves.endMoment; },
      "BM at the forward end, t m (the closure; for cases 6 and 7 the residual moment).");
  strength.def_property_readonly(
      "rule",
      [](const StrengthResult& s) -> std::optional<RuleWaveLoads> {
        if (!caseProperties(s.strength().caseNumber).balancesInSinkAndTrim) return std::nullopt;
        return s.strength().rule;
      },
      "The rule's wave loads (cases 1-5); None for cases 6 and 7.");
}

void defineResult(py::module_& module) {
  py::class_<History>(module, "BalanceHistory",
                      "Every draft the displacement balance evaluated, in order.")
      .def_property_readonly("draft", historyColumn(&BalanceStep::meanDraft),
                             "Mean draft, m (on a wave the wave's mean level).")
      .def_property_readonly("step", historyColumn(&BalanceStep::draftStep),
                             "The step the search stood at, m.")
      .def_property_readonly("displacement", historyColumn(&BalanceStep::displacement),
                             "Displacement at that draft, t.")
      .def("__len__", [](const History& h) { return h.outcome->balance->history.size(); });

  py::class_<EqualSpacingResult>(module, "EqualSpacing",
                                 "The buoyancy per metre at equally spaced points, corrected "
                                 "to the displacement.")
      .def_property_readonly(
          "x",
          [](const EqualSpacingResult& e) {
            return arrayOf(e.outcome->equalSpacing->x, e.outcome->equalSpacing->count);
          },
          "Positions, m from AP.")
      .def_property_readonly(
          "buoyancy",
          [](const EqualSpacingResult& e) {
            return arrayOf(e.outcome->equalSpacing->v, e.outcome->equalSpacing->count);
          },
          "Buoyancy per metre, t/m.")
      .def_property_readonly(
          "span", [](const EqualSpacingResult& e) { return e.outcome->equalSpacing->span; },
          "Length they span, m.")
      .def_property_readonly(
          "displacement",
          [](const EqualSpacingResult& e) { return e.outcome->equalSpacing->displacement; },
          "Their displacement (trapezoids), t.")
      .def_property_readonly(
          "lcb", [](const EqualSpacingResult& e) { return e.outcome->equalSpacing->centre; },
          "Their centre, m from AP.");

  py::class_<Result>(module, "Result",
                     "What a completed run reached, as the executable's report gives it.")
      .def_property_readonly(
          "case", [](const Result& r) { return r.outcome->task->caseNumber; }, "The case, 1-7.")
      .def_property_readonly(
          "station_x",
          [](const Result& r) { return arrayOf(hullOf(r).stationX, hullOf(r).stationCount); },
          "Station positions, m from AP.")
      .def_property_readonly(
          "waterline",
          [](const Result& r) {
            return arrayOf(immersionOf(r).waterline.height, hullOf(r).stationCount);
          },
          "Waterline height at each station, m above the base line.")
      .def_property_readonly(
          "section_area",
          [](const Result& r) {
            return arrayOf(immersionOf(r).stationArea, hullOf(r).stationCount);
          },
          "Immersed section area at each station, m2 (heeled for case 7).")
      .def_property_readonly(
          "buoyancy",
          [](const Result& r) {
            py::array_t<double> b = arrayOf(immersionOf(r).stationArea, hullOf(r).stationCount);
            const double density = r.outcome->task->waterDensity;
            auto out = b.mutable_unchecked<1>();
            for (py::ssize_t i = 0; i < out.shape(0); ++i) out(i) = density * out(i);
            return b;
          },
          "Buoyancy per metre at each station, t/m (density times section area).")
      .def_property_readonly(
          "displacement", [](const Result& r) { return immersionOf(r).displacement; },
          "Displacement, t.")
      .def_property_readonly(
          "lcb", [](const Result& r) { return r.outcome->centre->longitudinal; }, "LCB, m from AP.")
      .def_property_readonly(
          "tcb",
          [](const Result& r) -> std::optional<double> {
            if (!r.outcome->heeled) return std::nullopt;
            return r.outcome->centre->transverse;
          },
          "TCB, m from the centre line, rising side positive (case 7); None otherwise.")
      .def_property_readonly(
          "forward_draft",
          [](const Result& r) { return immersionOf(r).waterline.shownForwardDraft; },
          "Forward draft as the report's status lines give it, m (on a wave the wave's mean "
          "level).")
      .def_property_readonly(
          "aft_draft", [](const Result& r) { return immersionOf(r).waterline.shownAftDraft; },
          "Aft draft as the report's status lines give it, m.")
      .def_property_readonly(
          "mean_draft",
          [](const Result& r) -> std::optional<double> {
            if (!caseProperties(r.outcome->task->caseNumber).searchesDisplacement) {
              return std::nullopt;
            }
            return r.outcome->balance->meanDraft;
          },
          "The mean draft the search found, m (cases 1-5; on a wave its mean level); None "
          "otherwise.")
      .def_property_readonly(
          "history",
          [](const Result& r) -> std::optional<History> {
            if (!r.outcome->balance ||
                !caseProperties(r.outcome->task->caseNumber).searchesDisplacement) {
              return std::nullopt;
            }
            return History{r.outcome};
          },
          "Every draft the search evaluated (cases 1-5); None otherwise.")
      .def_property_readonly(
          "equal_spacing",
          [](const Result& r) -> std::optional<EqualSpacingResult> {
            if (!r.outcome->equalSpacing) return std::nullopt;
            return EqualSpacingResult{r.outcome};
          },
          "The equally spaced values; None when the task asks for none.")
      .def_property_readonly(
          "strength",
          [](const Result& r) -> std::optional<StrengthResult> {
            if (!r.outcome->strength) return std::nullopt;
            return StrengthResult{r.outcome};
          },
          "The longitudinal strength; None for a run without weights.")
      .def_property_readonly(
          "files",
          [](const Result& r) {
            py::dict files;
            for (const WrittenFile& f : r.outcome->written) {
              files[py::str(resultName(f.kind))] = py::bytes(f.text);
            }
            return files;
          },
          "The result files the executable would write, by name (Norvika.SON, SEPHIYE.TXT and "
          "with weights MUKAVEMET.SON, MUKAVEMET.TXT), as bytes; nothing is written.")
      .def("__repr__", [](const Result& r) {
        return "<norvika.Result: case " + std::to_string(r.outcome->task->caseNumber) + ", " +
               py::repr(py::float_(immersionOf(r).displacement)).cast<std::string>() + " t, LCB " +
               py::repr(py::float_(r.outcome->centre->longitudinal)).cast<std::string>() + " m>";
      });
}

}  // namespace

void defineRun(py::module_& module) {
  defineStrength(module);
  defineResult(module);
  module.def("run", &run, py::arg("task"), py::arg("hull"), py::arg("weights") = py::none(),
             R"(Runs the task's case on the hull, as the executable runs it in batch mode (every
question its default answer), and returns its Result; writes no file.

weights: None (no strength step), the path of a weights file, or rows of blocks
(x1, x2, w1, w2): from x1 to x2 (m from AP) the weight per metre runs from w1 to w2
(t/m). For cases 1-5 their total must be within 0.5 % of the task's displacement.

Raises InputError for inputs the executable rejects, CalculationStop with the
program's message when the calculation stops. The interpreter is free for other
threads while it runs.)");
  module.def("run_directory", &runDirectory, py::arg("directory"),
             R"(Runs the run directory's Norvika.TSK, its hull file and its Norvika.AGR (if any),
read in the executable's order, and returns its Result; writes no file.)");
}

}  // namespace norvika::python
