#include "render/picture_files.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "render/frame_renderer.h"
#include "support/named_output.h"

namespace norvika {

namespace {

bool canWrite(const QString& name) {
  QFile probe(name);
  if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  probe.close();
  return true;
}

}  // namespace

QString toQString(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

QPageLayout framePageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                     QPageLayout::Millimeter);
}

QSize pictureSizeFor(WindowId window) {
  if (window == WindowId::ShipPosition || window == WindowId::Offsets) return QSize(1600, 800);
  return kPictureSize;
}

bool saveFramePng(const Frame& frame, const std::filesystem::path& file, QSize size) {
  if (size.isEmpty()) size = pictureSizeFor(frame.window);
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    renderFrame(painter, frame, QRectF(QPointF(0, 0), QSizeF(size)));
  }
  return image.save(toQString(file), "PNG");
}

bool saveFrameSvg(const Frame& frame, const std::filesystem::path& file, QSize size) {
  if (size.isEmpty()) size = pictureSizeFor(frame.window);
  const QString name = toQString(file);
  // QSvgGenerator reports nothing when it cannot open its file.
  if (!canWrite(name)) return false;
  QSvgGenerator svg;
  svg.setFileName(name);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(QStringLiteral("Norvika"));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  renderFrame(painter, frame, QRectF(QPointF(0, 0), QSizeF(size)));
  return painter.end();
}

void paintFramePage(QPainter& painter, QPdfWriter& writer, const Frame& frame,
                    const QString& caption, const QString& footer) {
  const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(12.0);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetricsF metrics(font, &writer);
  painter.drawText(QPointF(page.left(), page.top() + metrics.ascent()), caption);
  const double gap = metrics.height() * 0.6;
  QRectF drawing = page.adjusted(0, metrics.height() + gap, 0, 0);
  if (!footer.isEmpty()) {
    drawing.setBottom(page.bottom() - metrics.height() - gap);
    painter.drawText(
        QRectF(page.left(), page.bottom() - metrics.height(), page.width(), metrics.height()),
        Qt::AlignRight, footer);
  }
  renderFrame(painter, frame, drawing);
  QPen border(QColor(160, 160, 160));
  border.setWidthF(writer.resolution() / 96.0);
  painter.setPen(border);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(drawing);
}

bool saveFramePdf(const Frame& frame, const std::filesystem::path& file, const QString& caption) {
  const QString name = toQString(file);
  if (!canWrite(name)) return false;
  QPdfWriter writer(name);
  writer.setResolution(kPdfResolution);
  writer.setPageLayout(framePageLayout());
  writer.setCreator(QStringLiteral("Norvika " NORVIKA_VERSION));
  writer.setTitle(caption);
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  paintFramePage(painter, writer, frame, caption);
  return painter.end();
}

bool saveFramePictures(const Frame& frame, const std::filesystem::path& directory,
                       const std::string& stem, std::vector<std::filesystem::path>& failures) {
  using Saver = bool (*)(const Frame&, const std::filesystem::path&, QSize);
  bool saved = true;
  for (const auto& [extension, saver] : {std::pair<const char*, Saver>{".png", saveFramePng},
                                         std::pair<const char*, Saver>{".svg", saveFrameSvg}}) {
    const std::filesystem::path file = directory / (stem + extension);
    if (!writeNamedOutput(file, OutputWay::Replace, [&](const std::filesystem::path& temporary) {
          return saver(frame, temporary, QSize());
        })) {
      failures.push_back(file);
      saved = false;
    }
  }
  return saved;
}

bool saveFrame(const Frame& frame, const std::filesystem::path& file, const QString& caption) {
  const QString extension = QString::fromStdString(file.extension().string()).toLower();
  if (extension == QLatin1String(".png")) return saveFramePng(frame, file);
  if (extension == QLatin1String(".svg")) return saveFrameSvg(frame, file);
  if (extension == QLatin1String(".pdf")) return saveFramePdf(frame, file, caption);
  return false;
}

}  // namespace norvika
