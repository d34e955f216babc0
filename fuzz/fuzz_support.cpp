#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include <unistd.h>

namespace norvika::fuzz {

namespace {

constexpr double kLongestRunSeconds = 1.0;

std::filesystem::path makeScratchDirectory() {
  std::string pattern = (std::filesystem::temp_directory_path() / "norvika-fuzz-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    std::abort();
  }
  return pattern;
}

void removeScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(scratchDirectory(), ignored);
}

}  // namespace

const std::filesystem::path& scratchDirectory() {
  static const std::filesystem::path directory = [] {
    std::filesystem::path made = makeScratchDirectory();
    return made;
  }();
  static const bool cleanupRegistered = std::atexit(removeScratchDirectory) == 0;
  (void)cleanupRegistered;
  return directory;
}

void writeScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(scratchDirectory() / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) {
    std::fprintf(stderr, "cannot write the scratch file %s\n", name.c_str());
    std::abort();
  }
}

void writeScratchFile(const std::string& name, const std::string& text) {
  writeScratchFile(name, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

void checkDuration(double seconds, const char* what) {
  if (seconds > kLongestRunSeconds) {
    std::fprintf(stderr, "%s took %.2f s on this input (at most %.1f s allowed)\n", what, seconds,
                 kLongestRunSeconds);
    std::abort();
  }
}

}  // namespace norvika::fuzz
