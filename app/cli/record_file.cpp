#include "cli/record_file.h"

#include <sys/stat.h>

#include <fstream>
#include <string>

#include "support/atomic_file.h"

namespace norvika {

namespace {

std::string firstBytes(const std::filesystem::path& file, std::size_t count) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

// A PDF written to its end closes with "%%EOF" (and perhaps a line end).
bool endsAsPdf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary | std::ios::ate);
  const std::streamoff size = in.tellg();
  if (!in || size < 16) return false;
  in.seekg(size - 16);
  std::string tail(16, '\0');
  in.read(tail.data(), 16);
  return firstBytes(file, 5) == "%PDF-" && tail.find("%%EOF") != std::string::npos;
}

}  // namespace

int checkRecordTarget(const std::filesystem::path& file, const std::filesystem::path& directory,
                      std::span<const ResultKind> results, std::string& problem) {
  // Never in the place of one of the run's result files, whether an earlier
  // run left one there or not.
  std::error_code error;
  const std::filesystem::path place =
      std::filesystem::weakly_canonical(file.parent_path(), error) / file.filename();
  const std::filesystem::path run = std::filesystem::weakly_canonical(directory, error);
  for (const ResultKind result : results) {
    if (place == run / resultName(result)) {
      problem = "--pdf would replace '" + file.string() + "', a result file of the run";
      return 1;
    }
  }
  struct stat status {};
  if (::lstat(file.c_str(), &status) != 0 || S_ISLNK(status.st_mode)) return 0;
  if (S_ISDIR(status.st_mode)) {
    problem = "'" + file.string() + "' is a directory";
    return 1;
  }
  if (!S_ISREG(status.st_mode)) {
    problem = "cannot write the run record '" + file.string() + "': not a regular file";
    return 4;
  }
  if (status.st_size > 0 && firstBytes(file, 5) != "%PDF-") {
    problem = "--pdf would replace '" + file.string() + "', which is not a PDF";
    return 1;
  }
  return 0;
}

bool replaceFile(const std::filesystem::path& file,
                 const std::function<bool(const std::filesystem::path&)>& write) {
  AtomicFile atomic(file);
  return atomic.made() && atomic.close() && write(atomic.temporaryPath()) && atomic.commit();
}

bool replaceWithRecord(const std::filesystem::path& file,
                       const std::function<bool(const std::filesystem::path&)>& write) {
  return replaceFile(file, [&](const std::filesystem::path& temporary) {
    return write(temporary) && endsAsPdf(temporary);
  });
}

}  // namespace norvika
