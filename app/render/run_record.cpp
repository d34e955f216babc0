#include "render/run_record.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringDecoder>
#include <algorithm>

#include "render/picture_files.h"

namespace norvika {

namespace {

constexpr double kLargestReportPoints = 9.0;
constexpr double kSmallestReportPoints = 5.0;
constexpr int kReportColumns = 80;

QPageLayout reportPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                     QPageLayout::Millimeter);
}

const char* reasonText(ExitReason reason) {
  switch (reason) {
    case ExitReason::Completed:
      return "completed";
    case ExitReason::InputError:
      return "an input file is missing or malformed";
    case ExitReason::CalculationStopped:
      return "the calculation stopped";
    case ExitReason::GeometryRejected:
      return "the geometry or the waterline was rejected";
    case ExitReason::WriteFailed:
      return "a result file could not be written";
    case ExitReason::InternalFailure:
      return "internal failure";
  }
  return "ended";
}

// Sizes the monospaced report font so that the widest line (at least a standard report
// width) fits the page width.
QFont reportFont(const QStringList& lines, const QPdfWriter& writer, double pageWidth) {
  qsizetype columns = kReportColumns;
  for (const QString& line : lines) columns = std::max(columns, line.size());
  QFont font(QStringLiteral("Liberation Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setPointSizeF(kLargestReportPoints);
  const double width = QFontMetricsF(font, &writer).horizontalAdvance(QString(columns, 'M'));
  if (width > pageWidth) {
    font.setPointSizeF(
        std::max(kSmallestReportPoints, kLargestReportPoints * pageWidth / width * 0.98));
  }
  return font;
}

}  // namespace

void FrameLog::frameFinished(const Window& window, const Frame& frame) {
  entries_.push_back(Entry{numbering_.finished(window), frame});
}

std::vector<FrameLog::Entry> FrameLog::entries() const {
  std::vector<Entry> sorted = entries_;
  std::sort(sorted.begin(), sorted.end(),
            [](const Entry& a, const Entry& b) { return a.number < b.number; });
  return sorted;
}

std::string describeEnding(const RunEnding& ending) {
  std::string text = std::string(reasonText(ending.reason)) + " (status " +
                     std::to_string(static_cast<int>(ending.reason)) + ")";
  if (!ending.message.empty()) text += ": " + ending.message;
  return text;
}

std::optional<QStringList> readReportLines(const std::filesystem::path& file) {
  QFile in(toQString(file));
  if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = in.readAll();
  // Reports are ASCII; a hull title typed in a Windows code page is shown byte for byte.
  QStringDecoder utf8(QStringConverter::Utf8);
  QString text = utf8(bytes);
  if (utf8.hasError()) text = QString::fromLatin1(bytes);
  text.remove(QLatin1Char('\r'));
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

int writeRunRecordPdf(const std::filesystem::path& file, const QStringList& heading,
                      const std::optional<QStringList>& reportLines,
                      const std::vector<RecordPage>& drawings) {
  const QString name = toQString(file);
  {
    QFile probe(name);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
  }
  QPdfWriter writer(name);
  writer.setResolution(kPdfResolution);
  writer.setPageLayout(reportPageLayout());
  writer.setCreator(QStringLiteral("Norvika " NORVIKA_VERSION));
  writer.setTitle(QStringLiteral("Norvika"));
  QPainter painter;
  if (!painter.begin(&writer)) return 0;

  QStringList lines = heading;
  lines.append(QString());
  if (reportLines) {
    lines.append(*reportLines);
  } else {
    lines.append(QStringLiteral("Norvika.SON was not written."));
  }

  int pages = 1;
  const double pageWidth = writer.width();
  const double pageHeight = writer.height();
  const QFont font = reportFont(lines, writer, pageWidth);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetricsF metrics(font, &writer);
  const double step = metrics.lineSpacing();
  double y = 0.0;
  for (const QString& line : lines) {
    if (y + step > pageHeight && y > 0.0) {
      writer.newPage();
      ++pages;
      y = 0.0;
    }
    painter.drawText(QPointF(0.0, y + metrics.ascent()), line);
    y += step;
  }

  // The new layout applies from the next page on.
  writer.setPageLayout(framePageLayout());
  for (const RecordPage& page : drawings) {
    if (page.frame == nullptr) continue;
    writer.newPage();
    ++pages;
    paintFramePage(painter, writer, *page.frame, page.caption);
  }
  if (!painter.end()) return 0;
  return pages;
}

int writeRunRecord(const std::filesystem::path& file, const Platform& platform, const FrameLog& log,
                   const RunEnding& ending) {
  const std::filesystem::path report = platform.currentDirectory() / "Norvika.SON";
  const std::vector<FrameLog::Entry> entries = log.entries();  // the pages point into it
  QStringList heading;
  heading << QStringLiteral("Norvika " NORVIKA_VERSION " - run record")
          << QStringLiteral("Run directory: ") + toQString(platform.currentDirectory())
          << QStringLiteral("End of the run: ") + QString::fromStdString(describeEnding(ending))
          << QStringLiteral("Drawings: %1").arg(entries.size()) << QString()
          << toQString(report) + QLatin1Char(':');

  std::vector<RecordPage> drawings;
  for (const FrameLog::Entry& entry : entries) {
    drawings.push_back(RecordPage{QStringLiteral("%1  %2")
                                      .arg(entry.number, 2, 10, QLatin1Char('0'))
                                      .arg(QString::fromUtf8(windowCaption(entry.frame.window))),
                                  &entry.frame});
  }
  return writeRunRecordPdf(file, heading, readReportLines(report), drawings);
}

}  // namespace norvika
