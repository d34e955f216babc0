#include "render/picture_saver.h"

#include <cstdio>
#include <system_error>
#include <utility>

#include "render/picture_files.h"

namespace norvika {

void FrameNumbering::drawn(const Window& window) {
  int& pending = pending_[static_cast<int>(window.id())];
  if (pending == 0 && !window.currentFrame().items.empty()) pending = ++last_;
}

int FrameNumbering::finished(const Window& window) {
  int& pending = pending_[static_cast<int>(window.id())];
  const int number = pending != 0 ? pending : ++last_;
  pending = 0;
  return number;
}

std::string pictureName(const Frame& frame) {
  return frame.name.empty() ? std::string(windowSlug(frame.window)) : frame.name;
}

std::string pictureStem(int number, const Frame& frame) {
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "%02d-", number);
  return prefix + pictureName(frame);
}

PictureSaver::PictureSaver(std::filesystem::path directory, bool everyFrame)
    : directory_(std::move(directory)), everyFrame_(everyFrame) {
  std::error_code ignored;
  std::filesystem::create_directories(directory_, ignored);
}

void PictureSaver::windowDrawn(const Window& window) { numbering_.drawn(window); }

void PictureSaver::frameFinished(const Window& window, const Frame& frame) {
  const int number = numbering_.finished(window);
  if (!everyFrame_ && frame.role == FrameRole::Step) return;
  if (saveFramePictures(frame, directory_, pictureStem(number, frame), failures_)) ++count_;
}

}  // namespace norvika
