#include "run/input_places.h"

#include <string>

#include "support/file_names.h"
#include "support/input_file.h"
#include "support/result_file.h"
#include "words/catalogue.h"

namespace norvika {

std::filesystem::path runHullFile(const TaskParameters& task) {
  return findIgnoringCase(task.directoryPrefix, task.hullFileName);
}

std::vector<RunInputFile> taskInputFiles(const TaskParameters& task) {
  return {{task.file, Text::InputTaskFile, std::nullopt},
          {runHullFile(task), Text::InputHullFile, InputPlace{task.file.string(), task.hullLine}}};
}

void refuseInputsAtResults(const std::filesystem::path& directory,
                           std::span<const RunInputFile> inputs,
                           std::span<const ResultKind> results) {
  for (const RunInputFile& input : inputs) {
    const std::optional<ResultKind> result = resultPlaceOf(input.path, directory, results);
    if (!result) continue;
    std::string problem = text(
        Text::InputAtResultPlace,
        {text(input.role), printableText(input.path.filename().string()), resultName(*result)});
    if (input.namedAt) {
      problem = atLineText(std::filesystem::path(input.namedAt->file).filename().string(),
                           input.namedAt->line, problem);
    }
    throw ProgramEnd(ExitReason::InputError, problem, input.namedAt);
  }
}

}  // namespace norvika
