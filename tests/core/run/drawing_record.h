#pragma once

// Every finished frame of a run as its display list in text, and the text printed on its
// windows, for the golden records: a changed drawing shows as a readable diff.
//
// One block a frame, headed by its number (in the order the frames finished), its window and,
// for a frame that says what it shows, its name, its caption and "step" for a step of the run
// (a station preview, a draft-search step) rather than a finished drawing:
//
//   frame 3 report station-02 "POSTA ONIZLEME 2" step
//     scale -15 12.5 10 -12.5
//     line #0000ff 2 -13.75,-12 8.75,-12 8.75,12
//     circle #ff0000 1 5,0 r 0.025 0.013
//     text #000080 14 Arial -12.5,-1.8 "POSTA NO :  2"
//     text #000080 7 Arial 50,0 "10.00" rank 2
//
// - `scale LEFT TOP RIGHT BOTTOM`: the user coordinates in force from here on (written at the
//   start of a frame and wherever they change).
// - `line COLOUR PEN x,y x,y ...`: a polyline; consecutive segments of one colour, pen and
//   scale that join end to start are one record (a segment joins whichever of those
//   polylines ends where it starts, so a curve drawn with its mirror image, a segment of
//   each in turn, is two records).
// - `circle COLOUR PEN x,y r R1 R2 ...`: circles round one centre, consecutive ones of one
//   colour, pen and scale in one record.
// - `text COLOUR POINTS FONT x,y "TEXT"`: the top-left corner of a text; a font name with
//   blanks is quoted, as is the text (`"` and `\` escaped); ` rank K` for a label that gives
//   way where labels crowd.
// Colours are #rrggbb, pens in pixels. Coordinates are in the user units of the scale in
// force, rounded to a fixed number of decimals that resolves a ten-thousandth of the scale's
// larger extent (a fifth of a pixel of the saved pictures), trailing zeros dropped, never
// "-0", and written without the process locale.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/window.h"

namespace norvika::testing {

/// `value` with `decimals` decimals, trailing zeros and a lone point dropped, "-0" as "0".
inline std::string fixedText(double value, int decimals) {
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, result.ptr);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

/// `value` as short as it reads back exactly (font sizes).
inline std::string shortestText(double value) {
  char buffer[64];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

/// Decimals that resolve a ten-thousandth of the larger extent of `scale`.
inline int decimalsFor(const UserScale& scale) {
  const double extent =
      std::max(std::fabs(scale.right - scale.left), std::fabs(scale.top - scale.bottom));
  if (!(extent > 0.0) || !std::isfinite(extent)) return 6;
  return std::clamp(static_cast<int>(std::ceil(-std::log10(extent * 1e-4))), 0, 9);
}

/// The display list of one frame in the text described above.
inline std::string displayListText(const Frame& frame) {
  std::string out;
  const auto colourText = [](Colour c) {
    static const char digits[] = "0123456789abcdef";
    std::string text = "#";
    for (const int channel : {redOf(c), greenOf(c), blueOf(c)}) {
      text += digits[channel >> 4];
      text += digits[channel & 15];
    }
    return text;
  };
  const auto quoted = [](const std::string& text) {
    std::string q = "\"";
    for (const char c : text) {
      if (c == '"' || c == '\\') q += '\\';
      q += c;
    }
    return q + '"';
  };
  const auto sameScale = [](const UserScale& a, const UserScale& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  };
  const auto samePen = [&](const Primitive& a, const Primitive& b) {
    return a.kind == b.kind && a.colour == b.colour && a.drawWidth == b.drawWidth &&
           sameScale(a.scale, b.scale);
  };

  const std::vector<Primitive>& items = frame.items;
  bool scaleWritten = false;
  UserScale scale;
  int decimals = 6;
  const auto point = [&](double x, double y) {
    return fixedText(x, decimals) + "," + fixedText(y, decimals);
  };
  for (std::size_t begin = 0; begin < items.size();) {
    const Primitive& first = items[begin];
    std::size_t end = begin + 1;
    if (first.kind != PrimitiveKind::Text) {
      while (end < items.size() && samePen(items[end], first)) ++end;
    }
    if (!scaleWritten || !sameScale(first.scale, scale)) {
      scale = first.scale;
      scaleWritten = true;
      decimals = decimalsFor(scale);
      out += "  scale " + fixedText(scale.left, decimals) + " " + fixedText(scale.top, decimals) +
             " " + fixedText(scale.right, decimals) + " " + fixedText(scale.bottom, decimals) +
             "\n";
    }
    const std::string pen = colourText(first.colour) + " " + std::to_string(first.drawWidth);
    if (first.kind == PrimitiveKind::Line) {
      // Polylines in the order of their first segment; a segment goes on the one ending at its
      // start.
      std::vector<std::vector<std::pair<double, double>>> polylines;
      std::map<std::pair<double, double>, std::size_t> endingAt;
      for (std::size_t i = begin; i < end; ++i) {
        const Primitive& p = items[i];
        const auto at = endingAt.find({p.x1, p.y1});
        std::size_t k = polylines.size();
        if (at != endingAt.end()) {
          k = at->second;
          endingAt.erase(at);
        } else {
          polylines.push_back({{p.x1, p.y1}});
        }
        polylines[k].emplace_back(p.x2, p.y2);
        endingAt[{p.x2, p.y2}] = k;
      }
      for (const auto& polyline : polylines) {
        out += "  line " + pen;
        for (const auto& [x, y] : polyline) out += " " + point(x, y);
        out += "\n";
      }
    } else if (first.kind == PrimitiveKind::Circle) {
      std::vector<std::pair<std::pair<double, double>, std::vector<double>>> centres;
      for (std::size_t i = begin; i < end; ++i) {
        const Primitive& p = items[i];
        const auto at = std::find_if(centres.begin(), centres.end(), [&](const auto& c) {
          return c.first == std::pair{p.x1, p.y1};
        });
        if (at == centres.end()) {
          centres.push_back({{p.x1, p.y1}, {p.radius}});
        } else {
          at->second.push_back(p.radius);
        }
      }
      for (const auto& [centre, radii] : centres) {
        out += "  circle " + pen + " " + point(centre.first, centre.second) + " r";
        for (const double r : radii) out += " " + fixedText(r, decimals);
        out += "\n";
      }
    } else {
      const std::string font =
          first.fontName.find(' ') == std::string::npos ? first.fontName : quoted(first.fontName);
      out += "  text " + colourText(first.colour) + " " + shortestText(first.fontSize) + " " +
             font + " " + point(first.x1, first.y1) + " " + quoted(first.text);
      if (first.labelRank != 0) out += " rank " + std::to_string(first.labelRank);
      out += "\n";
    }
    begin = end;
  }
  return out;
}

/// Records every finished frame of the windows it observes as its display list, and every
/// text printed on them.
class DrawingRecord : public WindowObserver {
 public:
  void frameFinished(const Window& window, const Frame& frame) override {
    text_ += "frame " + std::to_string(++count_) + " " + windowSlug(window.id());
    if (!frame.name.empty()) text_ += " " + frame.name + " \"" + frame.caption + "\"";
    if (frame.role == FrameRole::Step) text_ += " step";
    text_ += "\n" + displayListText(frame);
  }
  void textPrinted(const Window& window, const std::string& text) override {
    printed_ += std::string(windowSlug(window.id())) + ": " + text + '\n';
  }
  /// The display lists of the finished frames, in the order they finished.
  const std::string& text() const { return text_; }
  const std::string& printed() const { return printed_; }

 private:
  int count_ = 0;
  std::string text_;
  std::string printed_;
};

}  // namespace norvika::testing
