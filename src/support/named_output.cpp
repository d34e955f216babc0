#include "support/named_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "support/atomic_file.h"

namespace fs = std::filesystem;

namespace norvika {

namespace {

// Whether the place lies among the system's devices or processes, however named.
bool underSystemTree(const fs::path& file) {
  std::error_code error;
  const fs::path place = fs::weakly_canonical(fs::absolute(file, error).parent_path(), error);
  const auto first = ++place.begin();  // the component after the root
  return !error && first != place.end() && (*first == "dev" || *first == "proc");
}

NamedOutput refusal(ExitReason reason, std::string problem) {
  return NamedOutput{OutputWay::Replace, std::move(problem), reason};
}

bool isCharacterDevice(const fs::path& file) {
  struct stat status {};
  return ::stat(file.c_str(), &status) == 0 && S_ISCHR(status.st_mode);
}

// Writes the bytes into the character device `device`, opened as it stands:
// never created, truncated or renamed.
bool writeIntoDevice(const fs::path& device, std::string_view bytes) {
  const int fd = ::open(device.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status {};
  bool written = ::fstat(fd, &status) == 0 && S_ISCHR(status.st_mode);
  for (std::size_t done = 0; written && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    written = n > 0;
    if (written) done += static_cast<std::size_t>(n);
  }
  return ::close(fd) == 0 && written;
}

}  // namespace

NamedOutput namedOutputPlace(const fs::path& file) {
  const std::string name = "'" + file.string() + "'";
  struct stat entry {};
  if (::lstat(file.c_str(), &entry) != 0) {
    if (underSystemTree(file)) {
      return refusal(ExitReason::InputError,
                     name + " would be a new file among the system's devices or processes");
    }
    return {};
  }
  if (S_ISLNK(entry.st_mode)) {
    if (isCharacterDevice(file)) return NamedOutput{OutputWay::WriteThrough, "", {}};
    return refusal(ExitReason::InputError,
                   name +
                       " is a link; an output is never written through a link or in its "
                       "place (but to a device): name the file itself");
  }
  if (S_ISCHR(entry.st_mode)) return NamedOutput{OutputWay::WriteThrough, "", {}};
  if (S_ISDIR(entry.st_mode)) return refusal(ExitReason::InputError, name + " is a directory");
  if (underSystemTree(file)) {
    return refusal(ExitReason::InputError,
                   name +
                       " lies among the system's devices or processes; only a character "
                       "device there is written to");
  }
  if (!S_ISREG(entry.st_mode)) {
    return refusal(ExitReason::WriteFailed,
                   name + " is not a regular file (a FIFO, socket or block device)");
  }
  return {};
}

bool writeNamedOutput(const fs::path& file, OutputWay way,
                      const std::function<bool(const fs::path&)>& write) {
  if (way == OutputWay::Replace) {
    AtomicFile atomic(file);
    return atomic.made() && atomic.close() && write(atomic.temporaryPath()) && atomic.commit();
  }
  // Made whole in a scratch file first: a device takes only a finished output.
  std::error_code error;
  const fs::path scratch = fs::temp_directory_path(error);
  if (error) return false;
  AtomicFile staging(scratch / ("norvika-" + file.filename().string()));
  if (!staging.made() || !staging.close() || !write(staging.temporaryPath())) return false;
  std::ifstream in(staging.temporaryPath(), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return !in.bad() && writeIntoDevice(file, bytes);
}

bool writeNamedOutput(const fs::path& file, OutputWay way, std::string_view bytes) {
  if (way == OutputWay::WriteThrough) return writeIntoDevice(file, bytes);
  AtomicFile atomic(file);
  return atomic.made() && atomic.write(bytes) && atomic.commit();
}

}  // namespace norvika
