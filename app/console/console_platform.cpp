#include "console/console_platform.h"

#include <istream>
#include <ostream>

namespace norvika {

ConsolePlatform::ConsolePlatform(std::filesystem::path directory, Mode mode, std::istream& in,
                                 std::ostream& out, std::ostream& err)
    : Platform(std::move(directory)), mode_(mode), in_(in), out_(out), err_(err) {
  observeWindows(this);
}

std::string ConsolePlatform::inputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText, int, int) {
  const std::string heading =
      title.find_first_not_of(' ') == std::string::npos ? "" : "[" + title + "] ";
  out_ << heading << prompt;
  if (!defaultText.empty()) out_ << " [" << defaultText << "]";
  out_ << ": ";
  if (mode_ == Mode::Batch) {
    out_ << defaultText << '\n';
    return defaultText;
  }
  out_ << std::flush;
  std::string answer;
  if (!std::getline(in_, answer)) {
    out_ << '\n';
    return "";  // end of input cancels the box
  }
  if (!answer.empty() && answer.back() == '\r') answer.pop_back();
  return answer.empty() ? defaultText : answer;
}

void ConsolePlatform::messageBox(const std::string& text, int, const std::string& title) {
  err_ << title << ": " << text << '\n' << std::flush;
}

void ConsolePlatform::textPrinted(const Window& window, const std::string& text) {
  // Not flushed line by line: on a terminal each line shows at once anyway, into a file or a
  // pipe hundreds of writes would cost more than the run's arithmetic. Standard error, tied to
  // standard output, flushes it before each of its own lines, so the two keep their order.
  if (window.id() == WindowId::Report) out_ << text << '\n';
}

}  // namespace norvika
