#pragma once

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace norvika {

/// A platform for tests: scripted input-box answers, and a record of every
/// question, message and finished frame.
class RecordingPlatform : public Platform {
 public:
  struct Question {
    std::string prompt, title, defaultText;
    int xTwips = 0, yTwips = 0;
  };
  struct Message {
    std::string text;
    int style = 0;
    std::string title;
  };

  explicit RecordingPlatform(std::filesystem::path directory = ".") : Platform(std::move(directory)) {
    observeWindows(&frames_);
  }

  /// Queues an answer; questions without a queued answer get their default text.
  void answer(std::string text) { answers_.push_back(std::move(text)); }

  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText, int xTwips, int yTwips) override;
  void messageBox(const std::string& text, int style, const std::string& title) override;

  const std::vector<Question>& questions() const { return questions_; }
  const std::vector<Message>& messages() const { return messages_; }
  /// Every frame of the window finished so far (ended by cls or finishFrame), in order.
  const std::vector<Frame>& finishedFrames(WindowId id) const {
    return frames_.byWindow[static_cast<std::size_t>(id)];
  }

 private:
  struct FrameHistory : WindowObserver {
    void frameFinished(const Window& window, const Frame& frame) override {
      byWindow[static_cast<std::size_t>(window.id())].push_back(frame);
    }
    std::array<std::vector<Frame>, kWindowCount> byWindow;
  };
  FrameHistory frames_;
  std::deque<std::string> answers_;
  std::vector<Question> questions_;
  std::vector<Message> messages_;
};

}  // namespace norvika
