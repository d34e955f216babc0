#pragma once

#include <QRect>
#include <QWidget>
#include <functional>

#include "platform/window.h"

class QScreen;

namespace norvika {

/// A top-level window showing the current frame of one drawing window, scaled to its size.
/// Its context menu saves the frame as PNG, SVG or PDF.
class FrameView : public QWidget {
 public:
  explicit FrameView(const Window& window);

  const Window& window() const { return window_; }
  /// Asked before the window closes; it stays open when `guard` says no.
  void setCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void savePicture();

  const Window& window_;
  std::function<bool()> closeGuard_;
};

}  // namespace norvika
