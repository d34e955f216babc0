#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "qt/frame_view.h"
#include "qt/screen_layout.h"

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
  /// The closing box naming every result file written (ClosingBox); the drawings stay as they
  /// were while it is open, and after it when the user keeps the windows open.
  void closingQuestion(const std::vector<std::filesystem::path>& written) override;

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

  /// When the user chose at the closing box to keep the windows open: returns once they have
  /// all been closed (closing the report window or Ctrl+Q closes them all). At once otherwise.
  void waitWhileWindowsKept();

 private:
  bool confirmStop();
  void closeAllWindows();
  void stopIfAsked();
  /// Gives the keyboard back to the box the run waits on, if one is open.
  void returnToQuestion();
  /// The drawing the open question is about (the window drawn on last) and the other windows.
  BoxSurroundings surroundings() const;
  /// A question box's title: `title`, or when the run gives it none, the caption of the
  /// drawing it asks about (the one drawn last).
  QString boxTitle(const std::string& title) const;
  /// Places the stop box over the question it interrupts (over the report window when none is
  /// open), clear of the drawing that question is about.
  void placeStopBox(QWidget& box) const;
  void windowShown(const Window& window) override;
  void windowDrawn(const Window& window) override;
  void frameFinished(const Window& window, const Frame& frame) override;
  void pumpEvents(bool always);

  std::array<std::unique_ptr<FrameView>, kWindowCount> views_;
  QElapsedTimer sincePump_;
  std::optional<std::deque<std::string>> answers_;
  int answerDelayMs_ = 0;
  bool stoppable_ = true;
  bool stopAsked_ = false;
  bool windowsKept_ = false;
  QDialog* openBox_ = nullptr;  // the box the run waits on, closed by a stop
  std::optional<WindowId> lastDrawn_;
};

}  // namespace norvika
