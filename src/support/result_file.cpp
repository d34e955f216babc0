#include "support/result_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "support/atomic_file.h"
#include "support/run_end.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

[[noreturn]] void failWriting(const std::filesystem::path& path, const std::string& reason) {
  throw ProgramEnd(ExitReason::WriteFailed,
                   text(Text::ResultUnwritable, {path.filename().string(), path.string(), reason}));
}

// Only a file or a link may be replaced: renaming over a FIFO or a device
// would take it away, and over a directory is not possible.
void checkReplaceable(const std::filesystem::path& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) {
    if (errno == ENOENT) return;
    failWriting(path, std::strerror(errno));
  }
  if (S_ISDIR(status.st_mode)) failWriting(path, std::strerror(EISDIR));
  if (!S_ISREG(status.st_mode) && !S_ISLNK(status.st_mode)) failWriting(path, "not a regular file");
}

}  // namespace

void publishResultFiles(const std::vector<const ResultFile*>& files) {
  for (const ResultFile* file : files) checkReplaceable(file->path());
  std::vector<std::unique_ptr<AtomicFile>> written;
  for (const ResultFile* file : files) {
    written.push_back(std::make_unique<AtomicFile>(file->path()));
    AtomicFile& atomic = *written.back();
    if (!atomic.made() || !atomic.write(file->text())) {
      failWriting(file->path(), std::strerror(atomic.error()));
    }
  }
  for (std::size_t k = 0; k < files.size(); ++k) {
    if (!written[k]->commit()) failWriting(files[k]->path(), std::strerror(written[k]->error()));
  }
}

bool removeEarlierResult(const std::filesystem::path& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 &&
         (S_ISREG(status.st_mode) || S_ISLNK(status.st_mode)) && ::unlink(path.c_str()) == 0;
}

std::optional<ResultKind> resultPlaceOf(const std::filesystem::path& input,
                                        const std::filesystem::path& directory,
                                        std::span<const ResultKind> results) {
  std::error_code error;
  const std::filesystem::path run = std::filesystem::weakly_canonical(directory, error);
  // The entry itself, a link not followed, and where it leads.
  const std::filesystem::path entry =
      std::filesystem::weakly_canonical(input.parent_path(), error) / input.filename();
  const std::filesystem::path target = std::filesystem::weakly_canonical(input, error);
  for (const ResultKind kind : results) {
    const std::filesystem::path place = run / resultName(kind);
    if (entry == place || target == place) return kind;
  }
  return std::nullopt;
}

}  // namespace norvika
