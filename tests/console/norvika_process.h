#pragma once

// Runs a program of the family as a child process (norvika in batch mode), the
// way a script would, and reports how it ended: exit status and standard error.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace norvika::apptest {

// Only a guard against a hung run: every run of the tests ends in well under a
// second in an optimised build, and a sanitized debug build is some ten times slower.
inline constexpr double kHangGuardSeconds = 120.0;

struct ProcessResult {
  int status = -1;      // exit status; -1 when the program did not exit by itself
  int signal = 0;       // the signal that ended it, 0 if none
  bool killed = false;  // ended by us after the time limit
  std::string standardError;

  std::string firstErrorLine() const { return standardError.substr(0, standardError.find('\n')); }
};

struct RunOptions {
  double killAfterSeconds = kHangGuardSeconds;
  // Largest file the program may write (RLIMIT_FSIZE), to make a write fail
  // part way through as a full disc would.
  std::optional<rlim_t> fileSizeLimit;
  // Largest address space (RLIMIT_AS), to make an allocation fail.
  std::optional<rlim_t> addressSpaceLimit;
  // Another user (user and group id) to run as, when the tests run as root:
  // root writes into a read-only directory.
  std::optional<uid_t> user;
};

/// The program `binary` with `arguments`, standard input from /dev/null,
/// standard output discarded, standard error captured.
inline ProcessResult runProgram(const std::string& binary, const std::vector<std::string>& arguments,
                                RunOptions options = {}) {
  ProcessResult result;
  std::vector<const char*> argv = {binary.c_str()};
  for (const std::string& a : arguments) argv.push_back(a.c_str());
  argv.push_back(nullptr);

  int errorPipe[2];
  if (::pipe(errorPipe) != 0) return result;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) {
    // Only async-signal-safe calls between fork and exec.
    const int devNull = ::open("/dev/null", O_RDWR);
    ::dup2(devNull, STDIN_FILENO);
    ::dup2(devNull, STDOUT_FILENO);
    ::dup2(errorPipe[1], STDERR_FILENO);
    ::close(errorPipe[0]);
    // As a shell starts it: a write past the file-size limit would end the
    // program by SIGXFSZ unless the program itself sees to it.
    ::signal(SIGXFSZ, SIG_DFL);
    if (options.fileSizeLimit) {
      const rlimit limit{*options.fileSizeLimit, *options.fileSizeLimit};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (options.addressSpaceLimit) {
      const rlimit limit{*options.addressSpaceLimit, *options.addressSpaceLimit};
      ::setrlimit(RLIMIT_AS, &limit);
    }
    if (options.user && (::setgid(*options.user) != 0 || ::setuid(*options.user) != 0)) ::_exit(126);
    ::execv(argv[0], const_cast<char* const*>(argv.data()));
    ::_exit(127);
  }
  ::close(errorPipe[1]);
  if (pid < 0) {
    ::close(errorPipe[0]);
    return result;
  }

  auto elapsed = [&] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  pollfd reader{errorPipe[0], POLLIN, 0};
  char buffer[4096];
  for (;;) {
    const double left = options.killAfterSeconds - elapsed();
    if (left <= 0.0) {
      ::kill(pid, SIGKILL);
      result.killed = true;
      break;
    }
    const int ready = ::poll(&reader, 1, static_cast<int>(left * 1000.0) + 1);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) continue;
    const ssize_t n = ::read(errorPipe[0], buffer, sizeof buffer);
    if (n <= 0) break;  // the program closed standard error: it is ending
    result.standardError.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(errorPipe[0]);

  int waitStatus = 0;
  while (::waitpid(pid, &waitStatus, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(waitStatus)) result.status = WEXITSTATUS(waitStatus);
  if (WIFSIGNALED(waitStatus)) result.signal = WTERMSIG(waitStatus);
  return result;
}

/// `norvika` with `arguments`, as runProgram runs it.
inline ProcessResult runNorvika(const std::vector<std::string>& arguments, RunOptions options = {}) {
  return runProgram(NORVIKA_BINARY, arguments, options);
}

/// `norvika --batch -C directory`.
inline ProcessResult runNorvikaBatch(const std::filesystem::path& directory,
                                     RunOptions options = {}) {
  return runNorvika({"--batch", "-C", directory.string()}, options);
}

/// A fresh directory under the system's temporary directory, removed at the end.
class TemporaryDirectory {
 public:
  TemporaryDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "norvika-app-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TemporaryDirectory() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace norvika::apptest
