#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/result_names.h"

namespace norvika {

/// A result file's lines, each ended by CR LF, collected until the run
/// publishes the file.
class ResultFile {
 public:
  explicit ResultFile(std::filesystem::path path) : path_(std::move(path)) {}

  void line(std::string_view text = {}) { text_.append(text).append("\r\n"); }
  /// A text of several lines, split where it holds '\n'.
  void lines(std::string_view text) {
    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos;) {
      line(text.substr(0, end));
      text.remove_prefix(end + 1);
    }
    line(text);
  }
  /// Lines already ended by CR LF.
  void append(const std::string& lines) { text_ += lines; }
  void blank(int count) {
    for (int i = 0; i < count; ++i) line();
  }
  const std::filesystem::path& path() const { return path_; }
  const std::string& text() const { return text_; }

 private:
  std::filesystem::path path_;
  std::string text_;
};

/// Puts the files in place together: each is written to a new temporary file
/// in its directory, then renamed over its name, so a link there is replaced,
/// never followed, and a reader never sees half a file. A failed write, or a
/// directory, FIFO or device standing in a file's place, ends the run
/// (WriteFailed) with a message naming the file, before any file is renamed:
/// the earlier files stay whole and the files on disk belong to one run.
void publishResultFiles(const std::vector<const ResultFile*>& files);

/// Removes the result file of an earlier run, if a file or a link stands
/// there (a link is removed, not followed); anything else is left alone.
/// Returns whether something was removed.
bool removeEarlierResult(const std::filesystem::path& path);

/// The result file among `results` whose place in the run directory
/// `directory` the input file `input` takes, by its own name there or through
/// a link that leads there; none when it takes none. A run that went on would
/// remove or replace the file it reads.
std::optional<ResultKind> resultPlaceOf(const std::filesystem::path& input,
                                        const std::filesystem::path& directory,
                                        std::span<const ResultKind> results);

}  // namespace norvika
