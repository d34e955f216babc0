#pragma once

#include <filesystem>
#include <string>

namespace norvika::offsets {

/// Refuses (OffsetsError) a task file that would replace a file already
/// there: a task file holds a user's loading case, and --task names the file
/// to make, not one to overwrite.
void checkTaskNotThere(const std::filesystem::path& task);

/// What the user runs next once the task file is in place: "next: norvika -C
/// DIR", with what that run will meet there: a weights file Norvika reads
/// with the task (the strength calculation then follows), or the stop it
/// makes when its total is not the task's displacement.
std::string nextStepText(const std::filesystem::path& task);

}  // namespace norvika::offsets
