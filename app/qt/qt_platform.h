#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "qt/frame_view.h"

namespace norvika {

/// Places a drawing window's frame where the layout puts it on the window's screen.
void placeDrawingWindow(FrameView& view);

/// The desktop front end: the five drawing windows are top-level widgets repainted while the
/// run draws, and the questions and messages are modal boxes. Needs a QApplication.
class QtPlatform : public Platform, private WindowObserver {
 public:
  explicit QtPlatform(std::filesystem::path directory);
  ~QtPlatform() override;

  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText, int xTwips, int yTwips) override;
  void messageBox(const std::string& text, int style, const std::string& title) override;

  /// From now on every box is shown and, after `delayMs`, answered by itself: an input box
  /// with the next of `answers` (its default text once they are used up), a message box with
  /// its default button.
  void answerAutomatically(std::deque<std::string> answers, int delayMs);

  /// The widget of a drawing window (created hidden; shown when the run shows the window).
  FrameView& view(WindowId id) { return *views_[static_cast<std::size_t>(id)]; }

  /// While the run goes on (the default), closing the report window or Ctrl+Q asks whether to
  /// stop it; a yes ends the run (ProgramEnd, StoppedByUser) at its next box or drawing. Off
  /// once the run has ended: the windows then just close.
  void setStoppable(bool stoppable) { stoppable_ = stoppable; }

 private:
  bool confirmStop();
  void stopIfAsked();
  void windowShown(const Window& window) override;
  void windowDrawn(const Window& window) override;
  void pumpEvents(bool always);

  std::array<std::unique_ptr<FrameView>, kWindowCount> views_;
  QElapsedTimer sincePump_;
  std::optional<std::deque<std::string>> answers_;
  int answerDelayMs_ = 0;
  bool stoppable_ = true;
  bool stopAsked_ = false;
  QDialog* openBox_ = nullptr;  // the box the run waits on, closed by a stop
};

}  // namespace norvika
