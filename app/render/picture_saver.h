#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/window.h"

namespace norvika {

/// Numbers the frames of a run in the order they were begun (their first item drawn), which
/// is the order the user saw them appear; a frame that stays on its window to the end of the
/// run keeps its early number.
class FrameNumbering {
 public:
  /// Call on every drawing event of a window.
  void drawn(const Window& window);
  /// The number of the frame `window` is finishing now; call once per finished frame.
  int finished(const Window& window);

 private:
  int last_ = 0;
  int pending_[kWindowCount] = {};
};

/// The file name stem of the n-th picture of a run (from 1) drawn on `id`: "07-graph".
std::string pictureStem(int number, WindowId id);

/// Writes every finished frame of every window it observes into one directory as PNG and SVG,
/// numbered in the order the frames were begun: 01-report.png, 01-report.svg, 02-graph.png...
/// Files it cannot write are remembered, not thrown, so a run is never cut short by a picture.
class PictureSaver : public WindowObserver {
 public:
  /// Pictures go to `directory`, which is created when missing.
  explicit PictureSaver(std::filesystem::path directory);

  void windowDrawn(const Window& window) override;
  void frameFinished(const Window& window, const Frame& frame) override;

  const std::filesystem::path& directory() const { return directory_; }
  /// Number of frames saved whole (PNG and SVG) so far.
  int pictureCount() const { return count_; }
  /// Files that could not be written, in order.
  const std::vector<std::filesystem::path>& failures() const { return failures_; }

 private:
  std::filesystem::path directory_;
  FrameNumbering numbering_;
  int count_ = 0;
  std::vector<std::filesystem::path> failures_;
};

}  // namespace norvika
