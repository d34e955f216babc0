#pragma once

#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "support/result_names.h"

namespace norvika {

/// Whether the record of a run in `directory` that writes `results` may be
/// written to `file`: 0 when it may (nothing there, a link, which is
/// replaced, or an earlier PDF), else the exit status with `problem` saying
/// why: 1 for one of the run's result files (there yet or not), a directory
/// or a file that is not a PDF (a task or hull file named by mistake), 4 for
/// a FIFO or a device.
int checkRecordTarget(const std::filesystem::path& file, const std::filesystem::path& directory,
                      std::span<const ResultKind> results, std::string& problem);

/// Writes `file` through `write`, given a new temporary file beside it (made
/// anew, never through a link), and renames it over `file` when `write`
/// returns true; a failure leaves `file` as it was and removes the temporary.
bool replaceFile(const std::filesystem::path& file,
                 const std::function<bool(const std::filesystem::path&)>& write);

/// Writes the record through `write` (given a new temporary file beside
/// `file`, it returns false on failure), checks that the PDF is complete and
/// renames it over `file`; a failure leaves `file` as it was.
bool replaceWithRecord(const std::filesystem::path& file,
                       const std::function<bool(const std::filesystem::path&)>& write);

}  // namespace norvika
