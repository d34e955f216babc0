#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace norvika {

/// A result file's lines, each ended by CR LF, collected until the run
/// publishes the file.
class ResultFile {
 public:
  explicit ResultFile(std::filesystem::path path) : path_(std::move(path)) {}

  void line(const std::string& text = {}) { text_ += text + "\r\n"; }
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
void publishResultFiles(std::initializer_list<const ResultFile*> files);

/// Removes the result file of an earlier run, if a file or a link stands
/// there (a link is removed, not followed); anything else is left alone.
void removeEarlierResult(const std::filesystem::path& path);

/// The result files a completed run has put in place, as every front end lists them: the
/// report Norvika.SON and the equally spaced values SEPHIYE.TXT, then, when the strength step
/// ran, MUKAVEMET.SON and MUKAVEMET.TXT; each `directory` joined with the file's name.
std::vector<std::filesystem::path> writtenResultFiles(const std::filesystem::path& directory,
                                                      bool strength);

}  // namespace norvika
