#include "support/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace norvika {

AtomicFile::AtomicFile(std::filesystem::path target) : target_(std::move(target)) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary_ =
        target_.parent_path() / ("." + target_.filename().string() + "." +
                                 std::to_string(::getpid()) + "." + std::to_string(attempt));
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd_ >= 0 || errno != EEXIST) break;
  }
  if (fd_ < 0) error_ = errno;
}

AtomicFile::~AtomicFile() {
  if (fd_ >= 0) ::close(fd_);
  if (made() && !committed_) ::unlink(temporary_.c_str());
}

bool AtomicFile::write(std::string_view bytes) {
  if (fd_ < 0) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      // A write that takes nothing without an error is a full disc.
      error_ = n < 0 ? errno : ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return close();
}

bool AtomicFile::close() {
  if (fd_ < 0) return closed_;
  const int result = ::close(fd_);
  fd_ = -1;
  if (result != 0) {
    error_ = errno;
    return false;
  }
  closed_ = true;
  return true;
}

bool AtomicFile::commit() {
  if (!close()) return false;
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
    error_ = errno;
    return false;
  }
  committed_ = true;
  return true;
}

}  // namespace norvika
