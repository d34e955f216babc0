#include "task_checks.h"

#include "hull_mesh.h"
#include "model/task_file.h"
#include "run/run_settings.h"
#include "run/strength_step.h"
#include "support/run_end.h"

namespace norvika::offsets {

void checkTaskNotThere(const std::filesystem::path& task) {
  std::error_code error;
  if (std::filesystem::symlink_status(task, error).type() ==
      std::filesystem::file_type::not_found) {
    return;
  }
  throw OffsetsError("--task: " + task.string() +
                     " is there already; name another file, or give --force to replace it");
}

std::string nextStepText(const std::filesystem::path& task) {
  const std::filesystem::path directory =
      task.parent_path().empty() ? std::filesystem::path(".") : task.parent_path();
  const std::string run = "norvika -C " + directory.string();
  const std::string renamed =
      task.filename() == "Norvika.TSK" ? "" : "   (after renaming the task file Norvika.TSK)";
  const TaskParameters read = readTaskFileAt(task);
  const std::optional<std::filesystem::path> weights = runWeightsFile(read, RunSettings{});
  if (!weights) return "next: " + run + renamed;
  const std::string name = weights->filename().string();
  try {
    readRunWeights(read, weights);
  } catch (const ProgramEnd& end) {
    return "next: " + run + renamed + " stops at once with the " + name +
           " there, which Norvika reads with the task: " + end.message() + "; move " + name +
           " out of " + directory.string() + " or make its weights the displacement's";
  }
  return "next: " + run + renamed + "   (it reads " + name +
         " there too: the strength calculation follows)";
}

}  // namespace norvika::offsets
