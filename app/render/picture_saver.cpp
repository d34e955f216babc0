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

std::string pictureStem(int number, WindowId id) {
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "%02d-", number);
  return prefix + std::string(windowSlug(id));
}

PictureSaver::PictureSaver(std::filesystem::path directory) : directory_(std::move(directory)) {
  std::error_code ignored;
  std::filesystem::create_directories(directory_, ignored);
}

void PictureSaver::windowDrawn(const Window& window) { numbering_.drawn(window); }

void PictureSaver::frameFinished(const Window& window, const Frame& frame) {
  const std::string stem = pictureStem(numbering_.finished(window), window.id());
  if (saveFramePictures(frame, directory_, stem, failures_)) ++count_;
}

}  // namespace norvika
