#include "platform/recording_platform.h"

namespace norvika {

std::string RecordingPlatform::inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText, int xTwips, int yTwips) {
  questions_.push_back(Question{prompt, title, defaultText, xTwips, yTwips});
  if (answers_.empty()) return defaultText;
  std::string reply = std::move(answers_.front());
  answers_.pop_front();
  return reply;
}

void RecordingPlatform::messageBox(const std::string& text, int style, const std::string& title) {
  messages_.push_back(Message{text, style, title});
}

}  // namespace norvika
