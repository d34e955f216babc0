#include "render/frame_renderer.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <vector>

#include "plots/label_space.h"
#include "plots/text_extent.h"
#include "render/label_thinning.h"

namespace norvika {

namespace {

QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

bool finite(double v) { return std::isfinite(v); }

bool sameScale(const UserScale& a, const UserScale& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The mapping of the scale in force, made again only when the scale changes.
class ScaleMaps {
 public:
  ScaleMaps(const QRectF& target, bool trueShape) : target_(target), trueShape_(trueShape) {}
  const std::optional<QTransform>& operator()(const UserScale& scale) {
    if (!haveMap_ || !sameScale(scale, lastScale_)) {
      map_ = userToDevice(scale, target_, trueShape_);
      lastScale_ = scale;
      haveMap_ = true;
    }
    return map_;
  }

 private:
  QRectF target_;
  bool trueShape_;
  UserScale lastScale_;
  std::optional<QTransform> map_;
  bool haveMap_ = false;
};

// Text `growth` times its point size (never less than one: captions stay readable in a small
// window), sized in points on the device's own resolution, so a frame keeps its proportions on
// a screen, in an image, in SVG and in PDF alike.
QFont textFont(const Primitive& p, double growth, double deviceDpi) {
  const double pixels = (p.fontSize > 0.0 ? p.fontSize : 8.0) * kNominalDpi / 72.0 * growth;
  QFont font(fontFamilyFor(p.fontName));
  font.setPointSizeF(pixels * 72.0 / deviceDpi);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

// Whether a line of `frame` passes through `place` (a pixel in from its edges: a line along
// the edge, as a station's own line along its number, only touches it).
bool crossedByALine(const Frame& frame, ScaleMaps& maps, const QRectF& place) {
  const QRectF inner = place.adjusted(1.0, 1.0, -1.0, -1.0);
  const TextBox box{inner.left(), inner.bottom(), inner.right(), inner.top()};
  for (const Primitive& p : frame.items) {
    if (p.kind != PrimitiveKind::Line) continue;
    const std::optional<QTransform>& map = maps(p.scale);
    if (!map) continue;
    const QPointF a = map->map(QPointF(p.x1, p.y1));
    const QPointF b = map->map(QPointF(p.x2, p.y2));
    if (crosses({a.x(), a.y()}, {b.x(), b.y()}, box)) return true;
  }
  return false;
}

// Which texts of `frame` are left out: labels that give way where a line would cross them
// or where they crowd.
std::vector<bool> crowdedLabels(const Frame& frame, const QRectF& target, QPaintDevice* device,
                                double growth, double deviceDpi) {
  std::vector<QRectF> places(frame.items.size());
  std::vector<int> ranks(frame.items.size(), 0);
  std::vector<bool> crossed(frame.items.size(), false);
  ScaleMaps maps(target, keepsTrueShape(frame.window));
  ScaleMaps lineMaps(target, keepsTrueShape(frame.window));
  for (std::size_t i = 0; i < frame.items.size(); ++i) {
    const Primitive& p = frame.items[i];
    if (p.kind != PrimitiveKind::Text || p.labelRank <= 0) continue;
    const std::optional<QTransform>& map = maps(p.scale);
    if (!map || !finite(p.x1) || !finite(p.y1)) continue;
    const QFontMetricsF metrics(textFont(p, growth, deviceDpi), device);
    places[i] =
        QRectF(map->map(QPointF(p.x1, p.y1)),
               QSizeF(metrics.horizontalAdvance(QString::fromUtf8(p.text)), metrics.height()));
    crossed[i] = crossedByALine(frame, lineMaps, places[i]);
    if (!crossed[i]) ranks[i] = p.labelRank;
  }
  std::vector<bool> leftOut = labelsLeftOut(places, ranks);
  for (std::size_t i = 0; i < leftOut.size(); ++i) leftOut[i] = leftOut[i] || crossed[i];
  return leftOut;
}

}  // namespace

std::optional<QTransform> userToDevice(const UserScale& scale, const QRectF& target,
                                       bool trueShape) {
  const double width = scale.right - scale.left;
  const double height = scale.bottom - scale.top;
  if (!finite(width) || !finite(height) || width == 0.0 || height == 0.0) return std::nullopt;
  if (target.width() <= 0.0 || target.height() <= 0.0) return std::nullopt;
  double unitX = target.width() / std::abs(width);
  double unitY = target.height() / std::abs(height);
  if (trueShape) unitX = unitY = std::min(unitX, unitY);
  const double sx = width > 0.0 ? unitX : -unitX;
  const double sy = height > 0.0 ? unitY : -unitY;
  const QPointF centre = target.center();
  const double midX = 0.5 * (scale.left + scale.right);
  const double midY = 0.5 * (scale.top + scale.bottom);
  return QTransform(sx, 0.0, 0.0, sy, centre.x() - sx * midX, centre.y() - sy * midY);
}

double textGrowth(WindowId window, const QRectF& target) {
  if (window == WindowId::Graph) {
    return std::max(1.0, std::min(target.width() / kSmallestGraphWidth,
                                  target.height() / kSmallestGraphHeight));
  }
  return std::max(1.0, deviceScaleFactor(target));
}

double deviceScaleFactor(const QRectF& target) {
  return std::min(target.width() / kNominalPictureSize.width(),
                  target.height() / kNominalPictureSize.height());
}

QString fontFamilyFor(const std::string& fontName) {
  const QString name = QString::fromStdString(fontName).trimmed();
  if (name.isEmpty() || name.compare("Arial", Qt::CaseInsensitive) == 0 ||
      name.compare("MS Sans Serif", Qt::CaseInsensitive) == 0) {
    return QStringLiteral("Liberation Sans");
  }
  if (name.compare("Times New Roman", Qt::CaseInsensitive) == 0) {
    return QStringLiteral("Liberation Serif");
  }
  if (name.compare("Courier New", Qt::CaseInsensitive) == 0) {
    return QStringLiteral("Liberation Mono");
  }
  return name;
}

std::vector<QRectF> paintedTextRects(const Frame& frame, const QRectF& target,
                                     const QPaintDevice& device) {
  std::vector<QRectF> rects;
  for (const Primitive& p : frame.items) {
    if (p.kind != PrimitiveKind::Text || !finite(p.x1) || !finite(p.y1)) continue;
    const std::optional<QTransform> map =
        userToDevice(p.scale, target, keepsTrueShape(frame.window));
    if (!map) continue;
    const QFont font = textFont(p, textGrowth(frame.window, target), device.logicalDpiY());
    const QFontMetricsF metrics(font, &device);
    const QPointF at = map->map(QPointF(p.x1, p.y1));
    rects.emplace_back(at.x(), at.y(), metrics.horizontalAdvance(QString::fromUtf8(p.text)),
                       metrics.height());
  }
  return rects;
}

void renderFrame(QPainter& painter, const Frame& frame, const QRectF& target) {
  painter.save();
  painter.setClipRect(target);
  painter.fillRect(target, Qt::white);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setBrush(Qt::NoBrush);

  const double factor = deviceScaleFactor(target);
  const double growth = textGrowth(frame.window, target);
  const double deviceDpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : 96.0;
  const std::vector<bool> leftOut =
      crowdedLabels(frame, target, painter.device(), growth, deviceDpi);

  ScaleMaps maps(target, keepsTrueShape(frame.window));
  for (std::size_t i = 0; i < frame.items.size(); ++i) {
    const Primitive& p = frame.items[i];
    const std::optional<QTransform>& map = maps(p.scale);
    if (!map || leftOut[i]) continue;
    if (!finite(p.x1) || !finite(p.y1)) continue;
    const QColor colour = toQColor(p.colour);
    const QPointF at = map->map(QPointF(p.x1, p.y1));
    switch (p.kind) {
      case PrimitiveKind::Line:
      case PrimitiveKind::Circle: {
        QPen pen(colour);
        pen.setWidthF(std::max(1.0, std::max(1, p.drawWidth) * factor));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        if (p.kind == PrimitiveKind::Line) {
          if (!finite(p.x2) || !finite(p.y2)) break;
          painter.drawLine(at, map->map(QPointF(p.x2, p.y2)));
        } else {
          if (!finite(p.radius)) break;
          // The radius is measured in horizontal units, and a circle stays round.
          const double r = std::abs(p.radius) * std::abs(map->m11());
          painter.drawEllipse(at, r, r);
        }
        break;
      }
      case PrimitiveKind::Text: {
        const QFont font = textFont(p, growth, deviceDpi);
        painter.setFont(font);
        painter.setPen(colour);
        const QFontMetricsF metrics(font, painter.device());
        painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), QString::fromUtf8(p.text));
        break;
      }
    }
  }
  painter.restore();
}

}  // namespace norvika
