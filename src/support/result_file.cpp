#include "support/result_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "support/run_end.h"

namespace norvika {

namespace {

[[noreturn]] void failWriting(const std::filesystem::path& path, const std::string& reason) {
  throw ProgramEnd(ExitReason::WriteFailed, path.filename().string() + " DOSYASI YAZILAMADI: " +
                                                path.string() + " (" + reason + ")");
}

// A temporary file beside the result: hidden, named after it, made new (never
// an existing file or a link), removed again unless it is renamed into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::filesystem::path& result) : result_(result) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = result.parent_path() / ("." + result.filename().string() + "." +
                                      std::to_string(::getpid()) + "." + std::to_string(attempt));
      fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
      if (fd_ >= 0 || errno != EEXIST) break;
    }
    if (fd_ < 0) failWriting(result_, std::strerror(errno));
  }
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!renamed_) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  void write(const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
      const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) failWriting(result_, n < 0 ? std::strerror(errno) : "YAZMA HATASI");
      done += static_cast<std::size_t>(n);
    }
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) failWriting(result_, std::strerror(errno));
  }
  void rename() {
    if (::rename(path_.c_str(), result_.c_str()) != 0) failWriting(result_, std::strerror(errno));
    renamed_ = true;
  }

 private:
  std::filesystem::path result_;
  std::filesystem::path path_;
  int fd_ = -1;
  bool renamed_ = false;
};

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

void publishResultFiles(std::initializer_list<const ResultFile*> files) {
  for (const ResultFile* file : files) checkReplaceable(file->path());
  std::vector<std::unique_ptr<TemporaryFile>> written;
  for (const ResultFile* file : files) {
    written.push_back(std::make_unique<TemporaryFile>(file->path()));
    written.back()->write(file->text());
  }
  for (auto& temporary : written) temporary->rename();
}

void removeEarlierResult(const std::filesystem::path& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) == 0 && (S_ISREG(status.st_mode) || S_ISLNK(status.st_mode))) {
    ::unlink(path.c_str());
  }
}

std::vector<std::filesystem::path> writtenResultFiles(const std::filesystem::path& directory,
                                                      bool strength) {
  std::vector<std::filesystem::path> files{directory / "Norvika.SON", directory / "SEPHIYE.TXT"};
  if (strength)
    files.insert(files.end(), {directory / "MUKAVEMET.SON", directory / "MUKAVEMET.TXT"});
  return files;
}

}  // namespace norvika
