#include "run.h"

#include <pybind11/stl.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "arrays.h"
#include "bounded_numbers.h"
#include "calculation/crest_sweep.h"
#include "errors.h"
#include "inputs.h"
#include "language_argument.h"
#include "model/calculation_case.h"
#include "model/weights_file.h"
#include "numbers.h"
#include "paths.h"
#include "platform/quiet_platform.h"
#include "results.h"
#include "run/calculation_driver.h"
#include "support/capacities.h"
#include "support/input_file.h"
#include "support/value_bounds.h"
#include "words/language.h"

namespace norvika::python {

namespace {

// The weights of a run: none, a weights file's path, or rows of blocks.
std::optional<WeightDistribution> weightsOf(const py::object& weights, double shipLength) {
  if (weights.is_none()) return std::nullopt;
  if (py::isinstance<py::str>(weights) || py::isinstance<py::bytes>(weights) ||
      py::hasattr(weights, "__fspath__")) {
    const std::filesystem::path path = pathOf(weights, "weights", "a weights file");
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

// The crest positions of a sweep (0: none), refused in the command line's
// words (TypeError for what is no whole number), and only on a wave with weights.
int sweepPositionsOf(const py::object& sweep, const TaskParameters& task, bool weighted) {
  if (sweep.is_none()) return 0;
  // What was given as the command line would show it.
  const auto text = [](const py::handle& value) {
    return py::str(value).attr("encode")("ascii", "replace").cast<std::string>();
  };
  const py::object whole = NumberCheck().isBool(sweep) || !PyIndex_Check(sweep.ptr())
                               ? py::object()
                               : py::reinterpret_steal<py::object>(PyNumber_Index(sweep.ptr()));
  if (!whole) {
    if (PyErr_Occurred() != nullptr) {
      const py::error_already_set error;
      if (!mayBeRestated(error)) throw error;
    }
    throw py::type_error("sweep: expected " + expectedValue(kSweepPositionsBounds) + ", got " +
                         quotedForMessage(text(sweep)));
  }
  double count = 0.0;
  if (const auto problem = boundsProblem(kSweepPositionsBounds, text(whole), count))
    raiseInputError("sweep: " + *problem);
  if (!caseProperties(task.caseNumber).hasWave) {
    raiseInputError("sweep: the crest sweep moves a wave (cases 2-5), the task's case is " +
                    std::to_string(task.caseNumber));
  }
  if (!weighted) raiseInputError("sweep: the crest sweep needs the weights (weights=...)");
  return static_cast<int>(count);
}

// Runs on a platform that asks no one, the results kept in the outcome only,
// with the interpreter free for other threads meanwhile; its texts in
// `language`, on this thread alone.
py::object runQuietly(const std::filesystem::path& directory, std::optional<RunInputs> inputs,
                      const RunSettings& settings, Language language) {
  RunOutcome outcome;
  {
    const py::gil_scoped_release release;
    const LanguageScope scope(language);
    QuietPlatform platform(directory);
    outcome = inputs ? runCalculation(platform, std::move(*inputs), settings)
                     : runCalculation(platform, settings);
  }
  if (outcome.reason != ExitReason::Completed) raiseRunEnd(outcome);
  return resultOf(outcome);
}

py::object run(const Task& task, const Hull& hull, const py::object& weights,
               const WholeNumberArgument& sweep, const NumberArgument& ruleLength,
               const NumberArgument& scantlingDraft, const py::object& language) {
  const Language texts = languageOf(language);
  // A weights file named here is read now, and refused in the run's language.
  const LanguageScope scope(texts);
  RunInputs inputs{task.parameters, *hull.model, weightsOf(weights, task.parameters.shipLength)};
  RunSettings settings;
  settings.resultFiles = ResultFiles::InOutcome;
  settings.sweepPositions =
      sweepPositionsOf(sweep.value, task.parameters, inputs.weights.has_value());
  settings.rule.length = optionalBoundedNumber(kRuleLengthBounds, ruleLength, "rule_length");
  settings.rule.scantlingDraft =
      optionalBoundedNumber(kDraftBounds, scantlingDraft, "scantling_draft");
  const std::filesystem::path directory = task.parameters.file.empty()
                                              ? std::filesystem::path(".")
                                              : task.parameters.file.parent_path();
  return runQuietly(directory, std::move(inputs), settings, texts);
}

// The run directory a path names: the directory, or the one of the task file
// Norvika.TSK it names, as the program takes it.
std::filesystem::path runDirectoryOf(const PathArgument& given) {
  const std::filesystem::path path =
      pathOf(given.value, "directory", "a run directory or its task file");
  std::error_code error;
  if (!std::filesystem::exists(path, error) || std::filesystem::is_directory(path, error)) {
    return path;
  }
  if (path.filename() != "Norvika.TSK") {
    raiseInputError(
        "'" + path.string() + "' is neither a run directory nor a task file Norvika.TSK",
        InputPlace{path.string(), 0});
  }
  return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

py::object runDirectory(const PathArgument& directory, const py::object& language) {
  const Language texts = languageOf(language);
  RunSettings settings;
  settings.resultFiles = ResultFiles::InOutcome;
  return runQuietly(runDirectoryOf(directory), std::nullopt, settings, texts);
}

}  // namespace

void defineRun(py::module_& module) {
  defineResults(module);
  module.def("run", &run, py::arg("task"), py::arg("hull"), py::arg("weights") = py::none(),
             py::kw_only(), py::arg("sweep") = py::none(), py::arg("rule_length") = py::none(),
             py::arg("scantling_draft") = py::none(), py::arg("language") = "tr",
             R"(Runs the task's case on the hull, as the executable runs it in batch mode (every
question its default answer), and returns its Result; writes no file.

weights: None (no strength step), the path of a weights file, or rows of blocks
(x1, x2, w1, w2): from x1 to x2 (m from AP) the weight per metre runs from w1 to w2
(t/m). For cases 1-5 their total must be within 0.5 % of the task's displacement.

sweep: None, or N (2 to 1000) crest positions, as `norvika --sweep N`: on a wave
(cases 2-5) with weights, the wave's crest moved along the ship in N equal steps
over one wave length and the ship balanced at each; Result.sweep holds the values
per position and the envelopes along the ship, Result.files TARAMA.TXT.

rule_length, scantling_draft: None, or the rule length L and the scantling draft
(m) of the rule's wave loads, as `norvika --rule-length L --scantling-draft T`
(with weights, cases 1-5); by default L is the length between perpendiculars
within 0.96-0.97 of the waterline's length and T the still-water draft.

language: "tr" (the default, the legacy Turkish texts) or "en", as `norvika
--language`: the texts of the result files and of the stop's message; the numbers
are the same.

Raises InputError for inputs the executable rejects, CalculationStop with the
program's message when the calculation stops. The interpreter is free for other
threads while it runs; tasks, hulls and results pickle, so process pools run it
too.)");
  module.def("run_directory", &runDirectory, py::arg("directory"), py::kw_only(),
             py::arg("language") = "tr",
             R"(Runs a run directory's Norvika.TSK, its hull file and its Norvika.AGR (if any),
read in the executable's order, and returns its Result; writes no file. `directory`
names the run directory or its task file Norvika.TSK, as the executable takes it;
language as for run().)");
}

}  // namespace norvika::python
