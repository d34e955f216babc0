#pragma once

#include <filesystem>
#include <functional>

#include "support/named_output.h"

namespace norvika {

/// How the run record may be written to `file`, the place --pdf names: as a
/// named output (a link is never replaced; a character device is written
/// through), and never in the place of a result file of any Norvika program
/// (named like one, there yet or not) or of an existing file that is not a
/// PDF (a task or hull file named by mistake): those are refused (InputError).
NamedOutput recordPlace(const std::filesystem::path& file);

/// Writes the record through `write` (given a new temporary file, it returns
/// false on failure), checks that the PDF is complete and puts it at `file`
/// the way `place` says; a failure leaves `file` as it was.
bool writeRecord(const std::filesystem::path& file, const NamedOutput& place,
                 const std::function<bool(const std::filesystem::path&)>& write);

}  // namespace norvika
