#pragma once

// A drawing as the renderer paints it into an SVG file, read back from the SVG: where each
// text stands (its box measured with the font the SVG names) and each line and circle, in
// the picture's pixels. What the tests of the drawings' labels look at.

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QRectF>
#include <QStringList>
#include <QSvgGenerator>
#include <QTransform>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "platform/window.h"
#include "plots/label_space.h"
#include "render/frame_renderer.h"

namespace norvika::testing {

struct PaintedText {
  QRectF box;  // pixels, the line's full height from the baseline's ascent to its descent
  std::string text;
};

struct PaintedDrawing {
  std::vector<PaintedText> texts;
  std::vector<QLineF> lines;  // every stroke: polyline pieces, circles as 24-gons
  std::vector<QPointF> dots;  // lines of no length, which the SVG holds as filled dots
};

/// `frame` painted into an SVG drawing of `size` pixels and read back.
inline PaintedDrawing paintSvg(const Frame& frame, QSize size) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    QPainter painter(&svg);
    renderFrame(painter, frame, QRectF(QPointF(0, 0), QSizeF(size)));
  }
  const QImage at96(1, 1, QImage::Format_RGB32);  // measures fonts at 96 dpi, the SVG's pixels
  PaintedDrawing drawing;
  std::vector<QTransform> transforms{QTransform()};
  QXmlStreamReader xml(buffer.data());
  const auto number = [&](const char* name) {
    return xml.attributes().value(QLatin1String(name)).toDouble();
  };
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("g")) {
      transforms.pop_back();
      continue;
    }
    if (token != QXmlStreamReader::StartElement) continue;
    const QStringView element = xml.name();
    if (element == QLatin1String("g")) {
      QTransform transform = transforms.back();
      const QString matrix = xml.attributes().value(QLatin1String("transform")).toString();
      if (matrix.startsWith(QLatin1String("matrix("))) {
        const QStringList v = matrix.mid(7, matrix.size() - 8).split(QLatin1Char(','));
        if (v.size() == 6) {
          transform = QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble(),
                                 v[4].toDouble(), v[5].toDouble()) *
                      transform;
        }
      }
      transforms.push_back(transform);
    } else if (element == QLatin1String("polyline")) {
      const QStringList pairs = xml.attributes()
                                    .value(QLatin1String("points"))
                                    .toString()
                                    .split(QLatin1Char(' '), Qt::SkipEmptyParts);
      std::optional<QPointF> previous;
      for (const QString& pair : pairs) {
        const QStringList xy = pair.split(QLatin1Char(','));
        if (xy.size() != 2) continue;
        const QPointF p = transforms.back().map(QPointF(xy[0].toDouble(), xy[1].toDouble()));
        if (previous) drawing.lines.emplace_back(*previous, p);
        previous = p;
      }
    } else if (element == QLatin1String("circle")) {
      const QPointF c = transforms.back().map(QPointF(number("cx"), number("cy")));
      const double r = number("r");
      if (xml.attributes().value(QLatin1String("fill")) != QLatin1String("none") && r < 2.0) {
        drawing.dots.push_back(c);
        continue;
      }
      constexpr int kSides = 24;
      for (int k = 0; k < kSides; ++k) {
        const double a = 2.0 * std::numbers::pi * k / kSides;
        const double b = 2.0 * std::numbers::pi * (k + 1) / kSides;
        drawing.lines.emplace_back(c + r * QPointF(std::cos(a), std::sin(a)),
                                   c + r * QPointF(std::cos(b), std::sin(b)));
      }
    } else if (element == QLatin1String("text")) {
      QFont font(xml.attributes().value(QLatin1String("font-family")).toString());
      font.setPointSizeF(number("font-size") * 72.0 / 96.0);
      const QPointF at = transforms.back().map(QPointF(number("x"), number("y")));
      const QString text = xml.readElementText();
      const QFontMetricsF metrics(font, &at96);
      drawing.texts.push_back({QRectF(at.x(), at.y() - metrics.ascent(),
                                      metrics.horizontalAdvance(text), metrics.height()),
                               text.toStdString()});
    }
  }
  return drawing;
}

/// Every text of `drawing` standing on another text, or crossed by a line other than its own
/// leader (a line that ends on the text's box), each said in a line. A pixel of each box's
/// edge is allowed: texts and lines may touch.
inline std::vector<std::string> crowdedTexts(const PaintedDrawing& drawing) {
  std::vector<std::string> found;
  const auto inner = [](const QRectF& box) { return box.adjusted(1.0, 1.0, -1.0, -1.0); };
  for (std::size_t i = 0; i < drawing.texts.size(); ++i) {
    const PaintedText& text = drawing.texts[i];
    const QRectF box = inner(text.box);
    for (std::size_t j = i + 1; j < drawing.texts.size(); ++j) {
      if (box.intersects(inner(drawing.texts[j].box))) {
        found.push_back("'" + text.text + "' on '" + drawing.texts[j].text + "'");
      }
    }
    const TextBox room{box.left(), box.bottom(), box.right(), box.top()};
    const QRectF near = text.box.adjusted(-2.0, -2.0, 2.0, 2.0);
    for (const QLineF& line : drawing.lines) {
      const bool leader = (near.contains(line.p1()) && !box.contains(line.p1())) ||
                          (near.contains(line.p2()) && !box.contains(line.p2()));
      if (leader) continue;
      if (crosses({line.x1(), line.y1()}, {line.x2(), line.y2()}, room)) {
        found.push_back("'" + text.text + "' crossed by the line from (" +
                        std::to_string(line.x1()) + ", " + std::to_string(line.y1()) + ") to (" +
                        std::to_string(line.x2()) + ", " + std::to_string(line.y2()) + ")");
        break;
      }
    }
    for (const QPointF& dot : drawing.dots) {
      if (box.contains(dot)) {
        found.push_back("'" + text.text + "' on a dot");
        break;
      }
    }
  }
  return found;
}

/// Whether `drawing` holds a numbered value scale: at least three numbers written one above
/// the other with their right edges aligned (a vertical scale) or side by side on one line (a
/// horizontal one), in equal round steps (1, 2, 2.5 or 5 times a power of ten) at equal
/// distances.
inline bool hasNumberedScale(const PaintedDrawing& drawing) {
  struct Value {
    double value;
    QRectF box;
  };
  std::vector<Value> values;
  for (const PaintedText& t : drawing.texts) {
    bool ok = false;
    QString text = QString::fromStdString(t.text).remove(QLatin1Char(' '));
    const double v = text.toDouble(&ok);
    if (ok) values.push_back({v, t.box});
  }
  const auto roundStep = [](double step) {
    const double m = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    for (const double f : {1.0, 2.0, 2.5, 5.0}) {
      if (std::fabs(m - f) < 1e-6) return true;
    }
    return false;
  };
  for (const bool vertical : {true, false}) {
    const auto place = [vertical](const Value& v) {
      return vertical ? v.box.center().y() : v.box.center().x();
    };
    for (const Value& seed : values) {
      // The numbers in a column (their boxes overlapping across) or on a line, by place.
      std::vector<Value> row;
      for (const Value& v : values) {
        const bool aligned =
            vertical ? v.box.left() < seed.box.right() && seed.box.left() < v.box.right()
                     : std::fabs(v.box.center().y() - seed.box.center().y()) < 1.0;
        if (aligned) row.push_back(v);
      }
      std::sort(row.begin(), row.end(),
                [&](const Value& a, const Value& b) { return place(a) < place(b); });
      // Three neighbours in equal round steps at equal distances make a scale.
      for (std::size_t k = 2; k < row.size(); ++k) {
        const double step = std::fabs(row[k - 1].value - row[k - 2].value);
        const double distance = place(row[k - 1]) - place(row[k - 2]);
        if (step > 0.0 && roundStep(step) && distance > 1.0 &&
            std::fabs(row[k].value - row[k - 1].value - (row[k - 1].value - row[k - 2].value)) <
                1e-6 * step &&
            std::fabs(place(row[k]) - place(row[k - 1]) - distance) < 1.5) {
          return true;
        }
      }
    }
  }
  return false;
}

/// Whether some text of `drawing` holds `part`.
inline bool writes(const PaintedDrawing& drawing, const std::string& part) {
  return std::any_of(drawing.texts.begin(), drawing.texts.end(),
                     [&](const PaintedText& t) { return t.text.find(part) != std::string::npos; });
}

}  // namespace norvika::testing
