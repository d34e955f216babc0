#pragma once

// What the fuzz targets share: a private scratch directory for the files the
// readers open, and the rule that a run may only end through ProgramEnd.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace norvika::fuzz {

/// A directory of this process, created on first use and removed at exit.
const std::filesystem::path& scratchDirectory();

/// Replaces `name` in the scratch directory with the given bytes.
void writeScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size);
void writeScratchFile(const std::string& name, const std::string& text);

/// Aborts (a finding) when `seconds` exceeds the work one input may take.
void checkDuration(double seconds, const char* what);

}  // namespace norvika::fuzz
