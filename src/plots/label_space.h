#pragma once

#include <utility>
#include <vector>

namespace norvika {

/// A point of a drawing in its user units.
using PlotPoint = std::pair<double, double>;

/// The rectangle a text takes in a drawing's user units, y upward.
struct TextBox {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;
};

/// Whether the segment from a to b passes through the box.
bool crosses(const PlotPoint& a, const PlotPoint& b, const TextBox& box);

/// The room the texts of a drawing take and the curves labels should keep
/// off, so that a label can be put where it falls on neither.
class LabelSpace {
 public:
  void keepOff(std::vector<PlotPoint> curve) { curves_.push_back(std::move(curve)); }
  void take(const TextBox& box) { boxes_.push_back(box); }
  /// Whether the box falls on no text taken before.
  bool clearOfTexts(const TextBox& box) const;
  /// Whether the box falls on no text and no curve.
  bool isFree(const TextBox& box) const;
  /// Whether the segment from a to b crosses no text but the one holding `from` (a mark's
  /// own room, where a leader starts).
  bool segmentClear(const PlotPoint& a, const PlotPoint& b, const PlotPoint& from) const;
  const std::vector<TextBox>& taken() const { return boxes_; }

 private:
  std::vector<std::vector<PlotPoint>> curves_;
  std::vector<TextBox> boxes_;
};

}  // namespace norvika
