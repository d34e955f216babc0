#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/window.h"
#include "support/run_end.h"

namespace norvika {

/// Told of every question the run asks, with the answer it took, and of every
/// stop's message box.
class DialogueObserver {
 public:
  virtual ~DialogueObserver() = default;
  virtual void questionAnswered(const std::string& /*title*/, const std::string& /*prompt*/,
                                const std::string& /*answer*/) {}
  virtual void messageShown(const std::string& /*title*/, const std::string& /*text*/) {}
};

/// The run's only way to the outside: five windows, modal boxes, the end of
/// the run and the directory it runs in.
class Platform {
 public:
  explicit Platform(std::filesystem::path directory);
  virtual ~Platform() = default;
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;

  Window& window(WindowId id) { return windows_[static_cast<std::size_t>(id)]; }
  const Window& window(WindowId id) const { return windows_[static_cast<std::size_t>(id)]; }

  /// Modal input box at a screen position in twips; returns the typed text,
  /// empty when cancelled.
  virtual std::string inputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText, int xTwips, int yTwips) = 0;
  /// Modal message box; style as the legacy platform decoded it (276: Yes/No,
  /// critical icon, No as default).
  virtual void messageBox(const std::string& text, int style, const std::string& title) = 0;
  /// The closing question of a completed run, asked once its result files are in place;
  /// `written` holds their full names, the report first. By default an input box
  /// (closingPrompt); a front end may show a box of its own.
  virtual void closingQuestion(const std::vector<std::filesystem::path>& written);
  /// Ends the run by throwing ProgramEnd, after finishing every window's frame.
  [[noreturn]] void endProgram(ExitReason reason, const std::string& message = {});

  const std::filesystem::path& currentDirectory() const { return directory_; }

  /// Lets every window keep its drawing, or not (see Window::keepDrawing).
  void keepDrawings(bool keep);

  /// Attaches one observer to all five windows.
  void observeWindows(WindowObserver* observer);
  /// Attaches an observer of the questions and stop messages, or detaches it.
  void observeDialogue(DialogueObserver* observer);
  void forgetDialogueObserver(DialogueObserver* observer);
  /// Tells the dialogue's observers (the question boxes and stops do).
  void tellAnswered(const std::string& title, const std::string& prompt, const std::string& answer);
  void tellShown(const std::string& title, const std::string& text);
  /// Closes the current frame of every window (the run's last pictures).
  void finishAllFrames();

 private:
  std::filesystem::path directory_;
  std::array<Window, kWindowCount> windows_;
  std::vector<DialogueObserver*> dialogueObservers_;
};

}  // namespace norvika
