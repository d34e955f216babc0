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

/// A platform that remembers its last message box: a stop shows its reason in
/// a box and ends the run without a message of its own, and the run record
/// should still say why it stopped.
template <typename Base>
class RememberingMessages : public Base {
 public:
  using Base::Base;
  void messageBox(const std::string& text, int style, const std::string& title) override {
    lastMessage_ = text;
    Base::messageBox(text, style, title);
  }
  const std::string& lastMessage() const { return lastMessage_; }

 private:
  std::string lastMessage_;
};

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

/// Says how the run ended: its message on standard error, where the results
/// are on standard output. Returns the exit status.
int reportEnding(const RunEnding& ending, const std::filesystem::path& directory);

/// Runs a front end, turning what escapes it (a filesystem error, no memory,
/// an unexpected exception) into its message and exit status.
int runGuarded(const std::function<int()>& frontEnd);

/// The terminal front end: questions on the terminal (or from the answers
/// file), or every default in batch mode; no pictures. Returns the exit status.
int runInTerminal(const Options& options);

}  // namespace norvika
