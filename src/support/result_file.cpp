#include "support/result_file.h"

#include <cerrno>
#include <cstring>

#include "platform/platform.h"

namespace norvika {

ResultFile::ResultFile(std::filesystem::path path) : path_(std::move(path)) {
  errno = 0;
  out_.open(path_, std::ios::binary | std::ios::trunc);
  if (!out_) fail();
}

ResultFile::~ResultFile() {
  if (out_.is_open()) out_.close();
}

void ResultFile::line(const std::string& text) {
  out_ << text << "\r\n";
  if (!out_) fail();
}

void ResultFile::flush() {
  out_.flush();
  if (!out_) fail();
}

void ResultFile::close() {
  out_.close();
  if (out_.fail()) fail();
}

void ResultFile::fail() {
  const std::string reason = errno != 0 ? std::strerror(errno) : "YAZMA HATASI";
  if (out_.is_open()) out_.close();
  std::error_code ignored;
  if (std::filesystem::is_regular_file(path_, ignored)) std::filesystem::remove(path_, ignored);
  throw ProgramEnd(ExitReason::WriteFailed,
                   path_.filename().string() + " DOSYASI YAZILAMADI: " + path_.string() + " (" +
                       reason + ")");
}

}  // namespace norvika
