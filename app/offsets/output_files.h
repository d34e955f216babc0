#pragma once

#include <filesystem>
#include <string>

#include "model/hull_model.h"
#include "support/result_file.h"

namespace norvika::offsets {

/// Refuses, before any work, a file to write (`what`: "hull file", "task
/// file") that cannot serve: its directory missing or not a directory, a
/// directory, FIFO, block device or socket in its place, a link that does not
/// lead to a character device (a link is never replaced; one to a device is
/// written through), or the model itself (the same file by device and inode,
/// however named). Throws OffsetsError.
void checkOutputPath(const std::filesystem::path& output, const std::filesystem::path& model,
                     const std::string& what);

/// Refuses a task file that does not stand beside the hull file (the same
/// directory, however named), or is the hull file, or whose hull file name
/// could not be read back from a task file (blanks at its ends, a line
/// break). Throws OffsetsError.
void checkTaskBesideHull(const std::filesystem::path& task, const std::filesystem::path& hull);

/// The hull file as Norvika's own reader takes it, read from its text in
/// memory (nothing on disc). Throws OffsetsError with Norvika's message
/// when it would reject the file.
HullModel readBackHullFile(const std::string& text, const std::filesystem::path& output);

/// Puts the files in place together: each written to a new temporary file in
/// its directory and renamed over its name, or, a character device named for
/// it, written through. Throws OffsetsError (status 4,
/// the file named with the reason: a full disc, a file size limit, a
/// read-only directory) with nothing left behind: no temporary file, the
/// earlier files whole.
void publishOffsetsFiles(const ResultFile& hull, const ResultFile* task);

}  // namespace norvika::offsets
