#pragma once

// A fingerprint of every finished frame of a run, and the text printed on its
// windows, for the golden records.

#include <charconv>
#include <cstdint>
#include <sstream>
#include <string>

#include "platform/window.h"

namespace norvika::testing {

inline std::string exact(double v) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
  return std::string(buffer, end);
}

// One line per finished frame: its window, its item count and an FNV-1a hash of
// every item with full precision, so that a changed pixel-level detail is caught
// while the record stays small.
class FrameFingerprints : public WindowObserver {
 public:
  void frameFinished(const Window& window, const Frame& frame) override {
    std::uint64_t hash = 1469598103934665603ull;
    auto mix = [&](const std::string& s) {
      for (unsigned char c : s) {
        hash ^= c;
        hash *= 1099511628211ull;
      }
      hash ^= 0xff;
      hash *= 1099511628211ull;
    };
    for (const Primitive& p : frame.items) {
      mix(std::to_string(static_cast<int>(p.kind)));
      for (double v : {p.x1, p.y1, p.x2, p.y2, p.radius, p.fontSize, p.scale.left, p.scale.top,
                       p.scale.right, p.scale.bottom}) {
        mix(exact(v));
      }
      mix(p.text);
      mix(std::to_string(p.colour));
      mix(std::to_string(p.drawWidth));
      mix(p.fontName);
      // Mixed only where set, so that the fingerprints of frames without labels stay as they were.
      if (p.labelRank != 0) mix("rank " + std::to_string(p.labelRank));
    }
    std::ostringstream line;
    line << ++count_ << ' ' << windowSlug(window.id()) << ' ' << frame.items.size() << ' '
         << std::hex << hash << '\n';
    text_ += line.str();
  }
  void textPrinted(const Window& window, const std::string& text) override {
    printed_ += std::string(windowSlug(window.id())) + ": " + text + '\n';
  }
  const std::string& text() const { return text_; }
  const std::string& printed() const { return printed_; }

 private:
  int count_ = 0;
  std::string text_;
  std::string printed_;
};

}  // namespace norvika::testing
