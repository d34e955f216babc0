#pragma once

#include <filesystem>
#include <string_view>

namespace norvika {

/// A file put in place whole or not at all: written to a new hidden file
/// beside the target (".NAME.PID.N", created exclusively, never through a
/// link), then renamed over the target, so a link standing at the target is
/// replaced, never followed, and a reader never sees half a file. The
/// temporary file is removed again on every way out but commit.
class AtomicFile {
 public:
  explicit AtomicFile(std::filesystem::path target);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  /// Whether the temporary file was made; else error() tells why.
  bool made() const { return fd_ >= 0 || closed_; }
  /// The errno of the last failure.
  int error() const { return error_; }
  const std::filesystem::path& temporaryPath() const { return temporary_; }

  /// Writes the bytes and closes the file; false on a failed or short write.
  bool write(std::string_view bytes);
  /// Closes the file unwritten, for a writer that fills temporaryPath() itself.
  bool close();
  /// Renames the temporary file over the target (closed first).
  bool commit();

 private:
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  int fd_ = -1;
  int error_ = 0;
  bool closed_ = false;
  bool committed_ = false;
};

}  // namespace norvika
