#include "plots/text_extent.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace norvika {

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;
// Ascent and descent of Arial and its metric twin Liberation Sans, with a little leading.
constexpr double kLineHeight = 1.15;

// Advance widths of Arial's letters, in ems.
double advance(char c) {
  if (c >= '0' && c <= '9') return 0.556;
  if (c >= 'A' && c <= 'Z') {
    if (std::strchr("I", c)) return 0.278;
    if (std::strchr("J", c)) return 0.5;
    if (std::strchr("L", c)) return 0.556;
    if (std::strchr("FTZ", c)) return 0.611;
    if (std::strchr("CDHNRU", c)) return 0.722;
    if (std::strchr("GOQ", c)) return 0.778;
    if (std::strchr("M", c)) return 0.833;
    if (std::strchr("W", c)) return 0.944;
    return 0.667;
  }
  if (c >= 'a' && c <= 'z') {
    if (std::strchr("ijl", c)) return 0.222;
    if (std::strchr("ft", c)) return 0.278;
    if (std::strchr("r", c)) return 0.333;
    if (std::strchr("ckvxyz", c)) return 0.5;
    if (std::strchr("m", c)) return 0.833;
    if (std::strchr("w", c)) return 0.722;
    return 0.556;
  }
  if (std::strchr(" .,:;'/!|", c)) return 0.278;
  if (std::strchr("()-", c)) return 0.333;
  return 0.584;
}

double textPixels(const std::string& text, double points) {
  double ems = 0.0;
  for (const char c : text) ems += advance(c);
  return ems * points * kPixelsPerPoint;
}

double linePixels(double points) { return kLineHeight * points * kPixelsPerPoint; }

TextMeasure measureOn(const UserScale& scale, bool trueShape, double width, double height) {
  TextMeasure measure;
  measure.unitsAcross = std::fabs(scale.right - scale.left) / width;
  measure.unitsUp = std::fabs(scale.top - scale.bottom) / height;
  if (trueShape) {
    measure.unitsAcross = measure.unitsUp = std::max(measure.unitsAcross, measure.unitsUp);
  }
  return measure;
}

}  // namespace

double textWidthShare(const std::string& text, double points) {
  return textPixels(text, points) / kSmallestGraphWidth;
}

double textHeightShare(double points) { return linePixels(points) / kSmallestGraphHeight; }

double TextMeasure::width(const std::string& text, double points) const {
  return textPixels(text, points) * unitsAcross;
}

double TextMeasure::height(double points) const { return linePixels(points) * unitsUp; }

TextMeasure textMeasure(const UserScale& scale, bool trueShape) {
  return measureOn(scale, trueShape, kSmallestGraphWidth, kSmallestGraphHeight);
}

TextMeasure textMeasure(const Window& window) {
  return textMeasure(window.currentScale(), keepsTrueShape(window.id()));
}

TextMeasure savedTextMeasure(const Window& window) {
  if (window.id() == WindowId::Graph) return textMeasure(window);
  return measureOn(window.currentScale(), keepsTrueShape(window.id()), kNominalPictureWidth,
                   kNominalPictureHeight);
}

}  // namespace norvika
