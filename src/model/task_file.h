#pragma once

#include <filesystem>

#include "model/task_parameters.h"

namespace norvika {

/// Reads Norvika.TSK in `directory`: label lines skipped by count, the hull
/// file name, ship length, station divisions, water density, the case and its
/// values, and the equally spaced point range. Ends the run (InputError) with
/// a message naming the line when the file is missing, short or malformed, or
/// a value is out of its range.
TaskParameters readTaskFile(const std::filesystem::path& directory);

/// readTaskFile on a task file of any name; messages name it by its file name,
/// and the hull file it names is looked for in its directory.
TaskParameters readTaskFileAt(const std::filesystem::path& path);

}  // namespace norvika
