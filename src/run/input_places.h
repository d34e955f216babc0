#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/task_parameters.h"
#include "support/result_names.h"
#include "support/run_end.h"
#include "words/catalogue.h"

namespace norvika {

/// A file a run reads: where it is, what it is to the run (the hull file) and
/// the line that names it (none: named by its fixed name or on the command line).
struct RunInputFile {
  std::filesystem::path path;
  Text role;
  std::optional<InputPlace> namedAt;
};

/// The hull file that the task names, found in the run directory as written or
/// ignoring case.
std::filesystem::path runHullFile(const TaskParameters& task);

/// The task file and the hull file it names (found as the run finds it).
std::vector<RunInputFile> taskInputFiles(const TaskParameters& task);

/// Ends the run (InputError), before anything is written or removed, when one
/// of `inputs` stands where one of `results` goes in the run directory
/// `directory` (by its own name there, or a link that leads there): the run
/// would remove or replace the file it reads. The message names the file in
/// both its roles.
void refuseInputsAtResults(const std::filesystem::path& directory,
                           std::span<const RunInputFile> inputs,
                           std::span<const ResultKind> results);

}  // namespace norvika
