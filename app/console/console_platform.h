#pragma once

#include <iosfwd>

#include "platform/platform.h"

namespace norvika {

/// Terminal front end. Interactive: questions are asked on the terminal and
/// the answer is the line as typed (an empty line takes the default, end of
/// input cancels). Batch: every question takes its default text and nothing
/// is read. Text printed on the Report window is echoed to `out`; message
/// boxes go to `err` with their title.
class ConsolePlatform : public Platform, private WindowObserver {
 public:
  enum class Mode { Interactive, Batch };
  ConsolePlatform(std::filesystem::path directory, Mode mode, std::istream& in, std::ostream& out,
                  std::ostream& err);

  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText, int xTwips, int yTwips) override;
  void messageBox(const std::string& text, int style, const std::string& title) override;

 private:
  void textPrinted(const Window& window, const std::string& text) override;

  Mode mode_;
  std::istream& in_;
  std::ostream& out_;
  std::ostream& err_;
};

}  // namespace norvika
