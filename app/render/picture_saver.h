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

/// The name a frame's picture is saved under: what it shows ("body-plan"), or its window's
/// name when it says nothing ("graph").
std::string pictureName(const Frame& frame);

/// The file name stem of the n-th frame of a run (from 1): "07-buoyancy-at-stations".
std::string pictureStem(int number, const Frame& frame);

/// Writes the finished drawings of the windows it observes (or every frame) into one directory
/// as PNG and SVG, numbered in the order the frames were begun, as the run record numbers
/// them, and named by what they show: 05-body-plan.png, 05-body-plan.svg, ... Files it cannot
/// write are remembered, not thrown, so a run is never cut short by a picture.
class PictureSaver : public WindowObserver {
 public:
  /// Pictures go to `directory`, which is created when missing; with `everyFrame`, the steps
  /// of the run (station previews, draft-search steps) too.
  explicit PictureSaver(std::filesystem::path directory, bool everyFrame = false);

  void windowDrawn(const Window& window) override;
  void frameFinished(const Window& window, const Frame& frame) override;

  const std::filesystem::path& directory() const { return directory_; }
  /// Number of frames saved whole (PNG and SVG) so far.
  int pictureCount() const { return count_; }
  /// Files that could not be written, in order.
  const std::vector<std::filesystem::path>& failures() const { return failures_; }

 private:
  std::filesystem::path directory_;
  bool everyFrame_;
  FrameNumbering numbering_;
  int count_ = 0;
  std::vector<std::filesystem::path> failures_;
};

}  // namespace norvika
