#include "support/file_names.h"

namespace norvika {

namespace {

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string asciiLowerCase(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) c = asciiLower(c);
  return lowered;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  }
  return true;
}

bool entryExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

std::filesystem::path findIgnoringCase(const std::filesystem::path& directory,
                                       const std::string& name) {
  const std::filesystem::path written = directory / name;
  if (entryExists(written)) return written;
  const std::string wanted = written.filename().string();
  // Of several such entries the first by name, whatever order the directory lists them in.
  std::filesystem::path found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(written.parent_path(), error)) {
    const std::filesystem::path& candidate = entry.path();
    if (equalIgnoringAsciiCase(candidate.filename().string(), wanted) &&
        (found.empty() || candidate < found)) {
      found = candidate;
    }
  }
  return found.empty() ? written : found;
}

}  // namespace norvika
