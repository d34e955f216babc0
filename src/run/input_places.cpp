#include "run/input_places.h"

#include <string>

#include "support/file_names.h"
#include "support/input_file.h"
#include "support/result_file.h"

namespace norvika {

std::filesystem::path runHullFile(const TaskParameters& task) {
  return findIgnoringCase(task.directoryPrefix, task.hullFileName);
}

std::vector<RunInputFile> taskInputFiles(const TaskParameters& task) {
  return {{task.file, "GOREV DOSYASI", std::nullopt},
          {runHullFile(task), "GEMI FORM DOSYASI", InputPlace{task.file.string(), task.hullLine}}};
}

void refuseInputsAtResults(const std::filesystem::path& directory,
                           std::span<const RunInputFile> inputs,
                           std::span<const ResultKind> results) {
  for (const RunInputFile& input : inputs) {
    const std::optional<ResultKind> result = resultPlaceOf(input.path, directory, results);
    if (!result) continue;
    std::string where;
    if (input.namedAt) {
      where = std::filesystem::path(input.namedAt->file).filename().string() + " " +
              std::to_string(input.namedAt->line) + ". SATIR: ";
    }
    throw ProgramEnd(ExitReason::InputError,
                     where + input.role + " " + printableText(input.path.filename().string()) +
                         ", BU CALISMANIN SONUC DOSYASI " + resultName(*result) +
                         " 'NIN YERINDE: CALISMA ONU SILER VEYA DEGISTIRIR. DOSYAYA BASKA BIR "
                         "AD VERIN",
                     input.namedAt);
  }
}

}  // namespace norvika
