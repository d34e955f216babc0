#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace norvika {

/// Whether the run record of a run in `directory` may be written to `file`: 0
/// when it may (nothing there, a link, which is replaced, or an earlier PDF),
/// else the exit status with `problem` saying why: 1 for one of the run's
/// result files (there yet or not), a directory or a file that is not a PDF
/// (a task or hull file named by mistake), 4 for a FIFO or a device.
int checkRecordTarget(const std::filesystem::path& file, const std::filesystem::path& directory,
                      std::string& problem);

/// Writes the record through `write` (given a new temporary file beside
/// `file`, it returns false on failure), checks that the PDF is complete and
/// renames it over `file`; a failure leaves `file` as it was.
bool replaceWithRecord(const std::filesystem::path& file,
                       const std::function<bool(const std::filesystem::path&)>& write);

}  // namespace norvika
