#include "plots/annotation.h"

#include <algorithm>
#include <cmath>

#include "text/text_format.h"

namespace norvika {

void startAnnotation(Window& window) {
  window.fontName("Arial");
  window.fontSize(kAnnotationPoints);
  window.foreColor(kAnnotationInk);
  window.drawWidth(1);
}

void annotate(Window& window, double x, double y, const std::string& text, double points) {
  window.fontSize(points);
  window.foreColor(kAnnotationInk);
  window.setCurrent(x, y);
  window.drawText(text);
}

std::vector<TextBox> drawHeightScale(Window& window, const RoundAxis& axis, double at,
                                     double lowest, double highest, const std::string& unit,
                                     const double* gridTo, ScaleSide side) {
  startAnnotation(window);
  const TextMeasure measure = textMeasure(window);
  const double up = window.currentScale().top > window.currentScale().bottom ? 1.0 : -1.0;
  const double out = side == ScaleSide::Left ? -1.0 : 1.0;
  const double height = measure.height(kAnnotationPoints);
  const double tick = 4.0 * measure.unitsAcross;
  const double gap = 2.0 * measure.unitsAcross;
  // Where a text of `width` stands beyond the tick on the scale's side.
  const auto leftOf = [&](double width) {
    return side == ScaleSide::Left ? at - tick - gap - width : at + tick + gap;
  };
  const double slack = 1e-9 * axis.step;
  std::vector<TextBox> boxes;
  double first = 0.0;
  double last = 0.0;
  bool any = false;
  for (int k = 0; k <= axis.steps(); ++k) {
    const double value = axis.low + k * axis.step;
    if (value < lowest - slack || value > highest + slack) continue;
    if (gridTo != nullptr) window.line(at, value, *gridTo, value, kAnnotationGrid);
    window.line(at + out * tick, value, at, value, kAnnotationInk);
    const std::string text = formatPlain(value, axis.decimals);
    const double width = measure.width(text, kAnnotationPoints);
    const double top = value + up * height / 2.0;
    annotate(window, leftOf(width), top, text);
    boxes.push_back({leftOf(width), top, leftOf(width) + width, top - up * height});
    last = value;
    if (!any) first = value;
    any = true;
  }
  if (!any) return boxes;
  window.line(at, first, at, last, kAnnotationInk);
  const double unitWidth = measure.width(unit, kAnnotationPoints);
  const double unitTop = last + up * (height / 2.0 + height);
  annotate(window, leftOf(unitWidth), unitTop, unit);
  boxes.push_back(
      {leftOf(unitWidth), unitTop, leftOf(unitWidth) + unitWidth, unitTop - up * height});
  return boxes;
}

std::vector<TextBox> drawAlongScale(Window& window, double lowValue, double highValue, double shift,
                                    double at, const std::string& unit, double unitLeft) {
  startAnnotation(window);
  const TextMeasure measure = textMeasure(window);
  const double up = window.currentScale().top > window.currentScale().bottom ? 1.0 : -1.0;
  const double height = measure.height(kAnnotationPoints);
  const double tick = 4.0 * measure.unitsUp;
  const double top = at - up * (tick + measure.unitsUp);
  std::vector<std::pair<double, std::string>> shown;
  for (int wanted = 10; wanted >= 1; --wanted) {
    const RoundAxis axis = roundAxis(lowValue, highValue, wanted);
    shown.clear();
    for (int k = 0; k <= axis.steps(); ++k) {
      const double value = axis.low + k * axis.step;
      const double slack = 1e-9 * axis.step;
      if (value < lowValue - slack || value > highValue + slack) continue;
      shown.emplace_back(value, formatPlain(value, axis.decimals));
    }
    bool apart = true;
    for (std::size_t k = 1; k < shown.size() && apart; ++k) {
      const double room = (measure.width(shown[k].second, kAnnotationPoints) +
                           measure.width(shown[k - 1].second, kAnnotationPoints)) /
                              2.0 +
                          6.0 * measure.unitsAcross;
      apart = shown[k].first - shown[k - 1].first >= room;
    }
    if (apart) break;
  }
  std::vector<TextBox> boxes;
  const double unitWidth = measure.width(unit, kAnnotationPoints);
  annotate(window, unitLeft, top, unit);
  boxes.push_back({unitLeft, top, unitLeft + unitWidth, top - up * height});
  for (const auto& [value, text] : shown) {
    const double x = value + shift;
    const double width = measure.width(text, kAnnotationPoints);
    const TextBox box{x - width / 2.0, top, x + width / 2.0, top - up * height};
    // The unit's name keeps its place; a value that would stand on it is left out.
    if (box.left < unitLeft + unitWidth && box.right > unitLeft) continue;
    window.line(x, at, x, at - up * tick, kAnnotationInk);
    annotate(window, box.left, top, text);
    boxes.push_back(box);
  }
  return boxes;
}

std::vector<std::pair<double, double>> roundStations(double shipLength, double aft, double forward,
                                                     double labelWidth, double gap) {
  std::vector<std::pair<double, double>> places;
  if (!(shipLength > 0.0)) return places;
  for (const int every : {1, 2, 5, 10, 20}) {
    places.clear();
    for (int number = 0; number <= 20; number += every) {
      const double x = shipLength * number / 20.0;
      if (x >= aft && x <= forward) places.emplace_back(x, number);
    }
    bool apart = true;
    for (std::size_t k = 1; k < places.size() && apart; ++k) {
      apart = places[k].first - places[k - 1].first >= labelWidth + gap;
    }
    if (apart) break;
  }
  return places;
}

}  // namespace norvika
