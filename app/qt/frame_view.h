#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "platform/window.h"

class QScreen;

namespace norvika {

/// The least size of the Graph window's area (pixels): below it the strength diagram's legend,
/// titles and labels would pile up.
inline constexpr QSize kLeastGraphSize(500, 330);

/// A top-level window showing the current frame of one drawing window, scaled to its size.
/// Its context menu saves the frame as PNG, SVG or PDF, in the run directory `directory`
/// unless the user goes elsewhere.
class FrameView : public QWidget {
 public:
  FrameView(const Window& window, std::filesystem::path directory);

  const Window& window() const { return window_; }
  /// Asked before the window closes; it stays open when `guard` says no.
  void setCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }
  /// Called (from the event loop) whenever the user has made this window the active one, and
  /// when its Save picture dialog has closed: the keyboard belongs to the open question.
  void setActivationHandler(std::function<void()> handler) { activated_ = std::move(handler); }

  /// Keeps a copy of a frame the run has finished on this window.
  void keepFinishedFrame(const Frame& frame);
  /// From now on a window whose current frame is empty shows the last frame finished on it:
  /// at the end of the run the drawings stay as they were.
  void holdLastDrawing() { holding_ = true; }
  /// What the window shows (and saves).
  const Frame& shownFrame() const;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void savePicture();

  const Window& window_;
  std::filesystem::path directory_;  // where Save picture opens
  std::function<bool()> closeGuard_;
  std::function<void()> activated_;
  Frame lastFinished_;
  bool holding_ = false;
};

}  // namespace norvika
