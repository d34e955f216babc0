#include "cli/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

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

int checkRecordTarget(const std::filesystem::path& file, std::string& problem) {
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
  const std::filesystem::path temporary =
      file.parent_path() / ("." + file.filename().string() + "." + std::to_string(::getpid()));
  // Made new, so that the writer never follows a link planted under this name.
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  ::close(fd);
  const bool written = write(temporary) && ::rename(temporary.c_str(), file.c_str()) == 0;
  if (!written) ::unlink(temporary.c_str());
  return written;
}

bool replaceWithRecord(const std::filesystem::path& file,
                       const std::function<bool(const std::filesystem::path&)>& write) {
  return replaceFile(file, [&](const std::filesystem::path& temporary) {
    return write(temporary) && endsAsPdf(temporary);
  });
}

}  // namespace norvika
