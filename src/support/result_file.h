#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace norvika {

/// A result file written line by line, each line ended by CR LF. A failure to
/// create or write it ends the run (WriteFailed) with a message naming the
/// file; the incomplete file is removed so it is never taken for a result.
class ResultFile {
 public:
  explicit ResultFile(std::filesystem::path path);
  ~ResultFile();
  ResultFile(const ResultFile&) = delete;
  ResultFile& operator=(const ResultFile&) = delete;

  void line(const std::string& text = {});
  void blank(int count) {
    for (int i = 0; i < count; ++i) line();
  }
  /// Pushes what was written to the disc, so it stays if the run ends here.
  void flush();
  /// Closes the file and checks that everything reached the disc.
  void close();

 private:
  [[noreturn]] void fail();

  std::filesystem::path path_;
  std::ofstream out_;
};

}  // namespace norvika
