#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "cli/options.h"
#include "cli/run_ending.h"
#include "driver/run_settings.h"
#include "platform/platform.h"

namespace norvika {

/// Told every question of the run and the answer it took (the run record lists them).
class AnswerLog {
 public:
  virtual ~AnswerLog() = default;
  virtual void questionAnswered(const std::string& title, const std::string& prompt,
                                const std::string& answer) = 0;
};

/// A platform that remembers its last message box and its last answer: a stop
/// shows its reason in a box and ends the run without a message of its own,
/// and an answer that ends the run is told back to the user; the run record
/// should say both.
template <typename Base>
class RememberingMessages : public Base {
 public:
  using Base::Base;
  void messageBox(const std::string& text, int style, const std::string& title) override {
    lastMessage_ = text;
    Base::messageBox(text, style, title);
  }
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText, int xTwips, int yTwips) override {
    std::string answer = Base::inputBox(prompt, title, defaultText, xTwips, yTwips);
    if (answerLog_ != nullptr) answerLog_->questionAnswered(title, prompt, answer);
    lastAnswer_ = answer;
    return answer;
  }
  const std::string& lastMessage() const { return lastMessage_; }
  const std::string& lastAnswer() const { return lastAnswer_; }
  void logAnswers(AnswerLog* log) { answerLog_ = log; }

 private:
  std::string lastMessage_;
  std::string lastAnswer_;
  AnswerLog* answerLog_ = nullptr;
};

class ResultFilesWatch;

/// What every front end checks before the run starts, each failure told on
/// standard error: the run directory exists; the answers file can serve (read
/// into `answers`); --plots names no file; --pdf may be written. Returns 0 or
/// the exit status.
int checkBeforeRun(const Options& options, std::optional<std::deque<std::string>>& answers);

/// Runs the calculation on `platform` and tells how it ended; an internal
/// failure (out of memory, an unexpected exception) is an ending too.
RunEnding runOnPlatform(Platform& platform, const RunSettings& settings = {});

/// What the command line tells the run itself: the weights file, made absolute.
RunSettings runSettings(const Options& options);

/// A run ended by the user has no message of its own from the calculation:
/// says on standard error what ended it (the answer, or a stop) and what is on
/// disc, and returns what was said. A stop after the closing box found the run
/// complete, and makes it so.
std::string tellHowTheRunEnded(RunEnding& ending, const ResultFilesWatch& files,
                               const std::string& answer);

/// Says how the run ended: its message on standard error, where the results
/// are on standard output. Returns the exit status.
int reportEnding(const RunEnding& ending, const std::filesystem::path& directory);

/// Runs a front end, turning what escapes it (a filesystem error, no memory,
/// an unexpected exception) into its message, headed by the program's name,
/// and exit status.
int runGuarded(const std::function<int()>& frontEnd, const std::string& program = "norvika");

/// The terminal front end: questions on the terminal (or from the answers
/// file), or every default in batch mode; no pictures. Returns the exit status.
int runInTerminal(const Options& options);

}  // namespace norvika
