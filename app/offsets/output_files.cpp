#include "output_files.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "hull_mesh.h"
#include "model/hull_data_file.h"
#include "support/run_end.h"

namespace norvika::offsets {

namespace {

std::string directoryOf(const std::filesystem::path& output) {
  const std::filesystem::path parent = output.parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// The reason in the core's message "<NAME> DOSYASI YAZILAMADI: <path> (<reason>)".
std::string reasonIn(const std::string& message, const std::filesystem::path& path) {
  const std::string head =
      path.filename().string() + " DOSYASI YAZILAMADI: " + path.string() + " (";
  if (message.rfind(head, 0) == 0 && message.size() > head.size() && message.back() == ')') {
    return message.substr(head.size(), message.size() - head.size() - 1);
  }
  return message;
}

// An anonymous file in memory whose text the core's reader opens by name;
// `failure` holds why it could not be written (the same limits, a file size
// limit among them, would stop the real file).
class MemoryFile {
 public:
  explicit MemoryFile(const std::string& text)
      : fd_(::memfd_create("norvika-offsets", MFD_CLOEXEC)) {
    if (fd_ < 0) {
      failure = std::strerror(errno);
      return;
    }
    std::size_t done = 0;
    while (done < text.size()) {
      const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        failure = n < 0 ? std::strerror(errno) : "nothing written";
        return;
      }
      done += static_cast<std::size_t>(n);
    }
  }
  ~MemoryFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;
  std::filesystem::path path() const { return "/proc/self/fd/" + std::to_string(fd_); }

  std::string failure;

 private:
  int fd_;
};

}  // namespace

void checkOutputPath(const std::filesystem::path& output, const std::filesystem::path& model,
                     const std::string& what) {
  const std::string name = output.string();
  const std::string directory = directoryOf(output);
  struct stat place {};
  if (::stat(directory.c_str(), &place) != 0) {
    throw OffsetsError(name + ": no such directory: " + directory);
  }
  if (!S_ISDIR(place.st_mode)) throw OffsetsError(name + ": " + directory + " is not a directory");
  if (::access(directory.c_str(), W_OK | X_OK) != 0) {
    throw OffsetsError(name + ": cannot write the " + what + " in " + directory + " (" +
                       std::strerror(errno) + ")");
  }
  struct stat target {};
  if (::lstat(output.c_str(), &target) != 0) return;
  if (S_ISLNK(target.st_mode)) return;
  if (S_ISDIR(target.st_mode)) throw OffsetsError(name + ": a directory, not a " + what);
  if (!S_ISREG(target.st_mode)) {
    throw OffsetsError(name + ": not a regular file (a FIFO, device or socket); the " + what +
                       " is written only as a regular file");
  }
  struct stat input {};
  if (::stat(model.c_str(), &input) == 0 && input.st_dev == target.st_dev &&
      input.st_ino == target.st_ino) {
    throw OffsetsError(name + ": this is the model itself; name another file for the " + what);
  }
}

void checkTaskBesideHull(const std::filesystem::path& task, const std::filesystem::path& hull) {
  struct stat taskPlace {
  }, hullPlace{};
  if (::stat(directoryOf(task).c_str(), &taskPlace) != 0 ||
      ::stat(directoryOf(hull).c_str(), &hullPlace) != 0 || taskPlace.st_dev != hullPlace.st_dev ||
      taskPlace.st_ino != hullPlace.st_ino) {
    throw OffsetsError("--task: the task file must stand beside the hull file (in " +
                       directoryOf(hull) + "), where Norvika looks for the hull file it names");
  }
  if (task.filename() == hull.filename()) {
    throw OffsetsError("--task: names the hull file; the task file needs a name of its own");
  }
  const std::string name = hull.filename().string();
  if (name.find_first_of("\r\n") != std::string::npos || name.front() == ' ' ||
      name.back() == ' ' || name.front() == '\t' || name.back() == '\t') {
    throw OffsetsError("--task: a task file cannot name the hull file '" + name +
                       "' (blanks at its ends or a line break); choose another name for -o");
  }
}

HullModel readBackHullFile(const std::string& text, const std::filesystem::path& output) {
  const MemoryFile file(text);
  if (!file.failure.empty()) {
    throw OffsetsError(
        output.string() + ": cannot write the hull file (" + file.failure + "); nothing written",
        OffsetsStatus::WriteFailed);
  }
  if (!std::filesystem::exists(file.path())) {
    throw OffsetsError("cannot read the hull file back before writing it (" + file.path().string() +
                           " is missing: is /proc mounted?)",
                       OffsetsStatus::InternalFailure);
  }
  HullModel hull;
  try {
    readHullDataFile(file.path(), output.filename().string(), hull);
  } catch (const ProgramEnd& end) {
    throw OffsetsError(
        output.string() +
        ": Norvika would reject this hull file, so it is not written: " + end.message());
  }
  return hull;
}

void publishOffsetsFiles(const ResultFile& hull, const ResultFile* task) {
  try {
    if (task) {
      publishResultFiles({&hull, task});
    } else {
      publishResultFiles({&hull});
    }
  } catch (const ProgramEnd& end) {
    const bool taskFailed =
        task &&
        end.message().rfind(task->path().filename().string() + " DOSYASI YAZILAMADI: ", 0) == 0;
    const ResultFile& failed = taskFailed ? *task : hull;
    throw OffsetsError(failed.path().string() + ": cannot write the " +
                           (taskFailed ? "task file" : "hull file") + " (" +
                           reasonIn(end.message(), failed.path()) + "); nothing written",
                       OffsetsStatus::WriteFailed);
  }
}

}  // namespace norvika::offsets
