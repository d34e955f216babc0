#pragma once

#include <filesystem>
#include <optional>
#include <ostream>

namespace norvika {

/// What must hold before a program reads anything: the run directory is
/// there, and the pictures (--plots) and the record (--pdf) can go where they
/// are asked to, which needs the desktop program (`canDraw`). A refusal is
/// said on `err` headed "PROGRAM: "; returns its exit status, 0 when all holds.
int checkRunPlaces(const char* program, const std::filesystem::path& directory,
                   const std::optional<std::filesystem::path>& plots,
                   const std::optional<std::filesystem::path>& pdf, bool canDraw,
                   std::ostream& err);

}  // namespace norvika
