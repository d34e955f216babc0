#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "support/run_end.h"

namespace norvika {

/// How a file that the user names for a program's output (--pdf, -o) is written.
enum class OutputWay {
  /// Written to a new file beside it and renamed over it: nothing stands
  /// there yet, or a regular file, which a failure leaves as it was.
  Replace,
  /// Opened as it stands and written into: a character device (a terminal,
  /// /dev/null) or a link to one. Nothing is created, renamed or removed.
  WriteThrough,
};

/// What a named output place allows: the way it is written, or why it
/// cannot be (`problem` set) and the ending that refusal means.
struct NamedOutput {
  OutputWay way = OutputWay::Replace;
  std::string problem;
  ExitReason refusal = ExitReason::Completed;
  bool refused() const { return !problem.empty(); }
};

/// The place `file` offers an output the user named. A link is never
/// replaced, nor anything under /dev or /proc: a link that leads to a
/// character device, and a character device, are written through; any other
/// link, and any other place under /dev or /proc, is refused (InputError),
/// as is a directory; a FIFO, socket or block device is refused as a place
/// that cannot be written (WriteFailed).
NamedOutput namedOutputPlace(const std::filesystem::path& file);

/// Writes `file` as `way` says: `write` fills the regular file it is given
/// (a new temporary one) and returns false on failure; the result is renamed
/// over `file`, or, written through, copied into it. False on any failure,
/// `file` then as it was (but for a device's part-written bytes).
bool writeNamedOutput(const std::filesystem::path& file, OutputWay way,
                      const std::function<bool(const std::filesystem::path&)>& write);

/// Writes `bytes` to `file` as `way` says, as the other writeNamedOutput does.
bool writeNamedOutput(const std::filesystem::path& file, OutputWay way, std::string_view bytes);

}  // namespace norvika
