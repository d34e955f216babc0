#include "render/run_record.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <algorithm>

#include "model/calculation_case.h"
#include "model/hull_model.h"
#include "render/picture_files.h"
#include "render/qt_text.h"

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
    case ExitReason::StoppedByUser:
      return "stopped by the user";
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

void FrameLog::windowDrawn(const Window& window) { numbering_.drawn(window); }

void FrameLog::frameFinished(const Window& window, const Frame& frame) {
  // A copy: the window keeps only its current frame.
  entries_.push_back(Entry{numbering_.finished(window), frame});
}

std::vector<FrameLog::Entry> FrameLog::entries() const {
  std::vector<Entry> sorted = entries_;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Entry& a, const Entry& b) { return a.number < b.number; });
  return sorted;
}

bool isFinishedDrawing(const FrameLog::Entry& entry) {
  return entry.frame.role == FrameRole::Drawing;
}

QString frameCaption(const FrameLog::Entry& entry) {
  const QString shows = entry.frame.caption.empty() ? qtString(windowCaption(entry.frame.window))
                                                    : QString::fromStdString(entry.frame.caption);
  return QStringLiteral("%1  %2").arg(entry.number, 2, 10, QLatin1Char('0')).arg(shows);
}

std::string describeEnding(const RunOutcome& outcome, const std::string& told) {
  const std::string message = !outcome.message.empty() ? outcome.message
                              : !told.empty()          ? told
                                                       : outcome.endingText();
  std::string text = std::string(reasonText(outcome.reason)) + " (status " +
                     std::to_string(static_cast<int>(outcome.reason)) + ")";
  if (!message.empty()) text += ": " + message;
  return text;
}

namespace {

QStringList fileLines(const WrittenFile& file) {
  // Reports are ASCII; any other byte is shown as the Latin-1 letter it would be.
  QString text = QString::fromLatin1(file.text.data(), static_cast<qsizetype>(file.text.size()));
  text.remove(QLatin1Char('\r'));
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

std::optional<QStringList> reportLines(const RunOutcome& outcome) {
  const WrittenFile* report = outcome.file(ResultKind::Report);
  if (report == nullptr) return std::nullopt;
  QStringList lines = fileLines(*report);
  if (const WrittenFile* strength = outcome.file(ResultKind::StrengthReport)) {
    lines << QString() << QString() << fileLines(*strength);
  }
  return lines;
}

namespace {

QString number(double value) { return QString::number(value, 'g', 10); }

QString field(const char* name, const QString& value) {
  return QStringLiteral("  %1 %2").arg(QString::fromLatin1(name), -26).arg(value);
}

void appendTask(QStringList& lines, const TaskParameters& task) {
  const CaseProperties& properties = caseProperties(task.caseNumber);
  lines << field("Hull file:", QString::fromStdString(task.hullFileName))
        << field("Ship length L:", number(task.shipLength) + " m")
        << field("Station divisions:", number(task.stationDivisions))
        << field("Water density:", number(task.waterDensity) + " t/m3")
        << field("Case:", QStringLiteral("%1, %2")
                              .arg(task.caseNumber)
                              .arg(QString::fromLatin1(properties.englishName)));
  if (properties.searchesDisplacement) {
    lines << field("  required displacement:", number(task.requiredDisplacement) + " t")
          << field("  initial draft:", number(task.initialDraft) + " m");
  }
  if (properties.hasWave) {
    lines << field("  wave height H:", number(task.waveHeight) + " m")
          << field("  wave length / L:", number(task.waveLengthRatio));
  }
  if (!properties.searchesDisplacement) {
    lines << field("  forward draft Tf:", number(task.forwardDraft) + " m")
          << field("  aft draft Ta:", number(task.aftDraft) + " m");
  }
  if (properties.heeled) lines << field("  heel angle:", number(task.heelAngle) + " degrees");
  lines << field("Equally spaced points:",
                 task.equalPointCount == 0
                     ? QStringLiteral("none")
                     : QStringLiteral("%1, from %2 to %3 m from AP")
                           .arg(task.equalPointCount)
                           .arg(number(task.equalStart), number(task.equalEnd)));
}

void appendHull(QStringList& lines, const HullModel& hull) {
  double lowest = hull.pointZ(1, 1);
  for (int i = 1; i <= hull.stationCount; ++i) lowest = std::min(lowest, hull.keelHeight(i));
  double aftmost = hull.stationX(1);
  double foremost = hull.stationX(hull.stationCount);
  for (const int curve : {hull.sternCurve(), hull.bowCurve()}) {
    for (int j = 1; j <= hull.pointCount(curve); ++j) {
      aftmost = std::min(aftmost, hull.pointY(curve, j));
      foremost = std::max(foremost, hull.pointY(curve, j));
    }
  }
  lines << field("Stations:",
                 QStringLiteral("%1, from %2 to %3 m from AP")
                     .arg(hull.stationCount)
                     .arg(number(hull.stationX(1)), number(hull.stationX(hull.stationCount))))
        << field("Stern to bow contour:",
                 QStringLiteral("%1 to %2 m from AP").arg(number(aftmost), number(foremost)))
        << field("Largest half-breadth:", number(hull.maxHalfBreadth) + " m")
        << field("Heights:",
                 QStringLiteral("%1 to %2 m").arg(number(lowest), number(hull.maxHeight)));
}

QString oneLine(const std::string& text) {
  QString line = QString::fromUtf8(text).simplified();
  return line;
}

void appendWeights(QStringList& lines, const WeightDistribution& weights) {
  lines << field("Title:", oneLine(weights.title))
        << field("Weight blocks:", QString::number(weights.blocks.size()))
        << field("Total weight W:", number(weights.total) + " t")
        << field("LCG:", number(weights.centre) + " m from AP");
}

// What could not be read ended the run with a message that names the file.
QString unreadLine(const RunOutcome& outcome) {
  return QStringLiteral("  could not be read: ") + oneLine(outcome.message);
}

}  // namespace

QStringList runSummaryLines(const RunOutcome& outcome, const std::string& told,
                            const QDateTime& started) {
  QStringList lines;
  lines << QStringLiteral("Norvika " NORVIKA_VERSION " - run record") << QString()
        << field("Started:", started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss t")))
        << field("Run directory:", toQString(outcome.directory)) << QString()
        << QStringLiteral("Task file Norvika.TSK");
  if (!outcome.task) {
    lines << unreadLine(outcome);
  } else {
    appendTask(lines, *outcome.task);
    if (outcome.weights) {
      lines << QString()
            << QStringLiteral("Weights file ") + QString::fromStdString(outcome.weights->fileName);
      appendWeights(lines, *outcome.weights);
    }
    lines << QString()
          << QStringLiteral("Hull file ") + QString::fromStdString(outcome.task->hullFileName);
    if (outcome.hull && outcome.hull->stationCount > 0) {
      appendHull(lines, *outcome.hull);
    } else if (outcome.reason == ExitReason::InputError) {
      lines << unreadLine(outcome);
    }
  }
  lines << QString() << QStringLiteral("Answers");
  if (outcome.answers.empty()) lines << QStringLiteral("  no question was answered");
  int n = 0;
  for (const RunAnswer& a : outcome.answers) {
    lines << QStringLiteral("  %1. %2")
                 .arg(++n, 2)
                 .arg(oneLine(a.prompt.empty() ? a.title : a.prompt))
          << QStringLiteral("      answer: \"%1\"").arg(oneLine(a.answer));
  }
  lines << QString()
        << QStringLiteral("End of the run: ") +
               QString::fromStdString(describeEnding(outcome, told))
        << QStringLiteral("Result files written by this run");
  if (outcome.written.empty()) lines << QStringLiteral("  none");
  for (const WrittenFile& file : outcome.written) {
    lines << field(file.path.filename().string().c_str(),
                   QStringLiteral("%1 bytes").arg(file.text.size()));
  }
  for (const std::string& name : outcome.removed) {
    lines << field(name.c_str(), QStringLiteral("removed, as it belonged to an earlier run"));
  }
  return lines;
}

namespace {

// Breaks lines wider than `width` at blanks; the rest of a broken line is indented under its
// first word, so a long message or path stays whole and readable.
QStringList wrapLines(const QStringList& lines, const QFontMetricsF& metrics, double width) {
  QStringList wrapped;
  for (QString line : lines) {
    const qsizetype indent = line.size() - QString(line).remove(QRegularExpression("^ +")).size();
    while (metrics.horizontalAdvance(line) > width) {
      qsizetype cut = line.size();
      while (cut > indent && metrics.horizontalAdvance(line.left(cut)) > width) {
        cut = line.lastIndexOf(QLatin1Char(' '), cut - 1);
        if (cut <= indent) break;
      }
      if (cut <= indent) break;  // one word wider than the page: elided below
      wrapped << line.left(cut);
      line = QString(indent + 4, QLatin1Char(' ')) + line.mid(cut + 1);
    }
    wrapped << line;
  }
  return wrapped;
}

// Splits lines into pages of `perPage` lines; an empty text still takes one page.
std::vector<QStringList> paginate(const QStringList& lines, int perPage) {
  std::vector<QStringList> pages;
  for (qsizetype i = 0; i < lines.size(); i += perPage) pages.push_back(lines.mid(i, perPage));
  if (pages.empty()) pages.emplace_back();
  return pages;
}

}  // namespace

int writeRunRecordPdf(const std::filesystem::path& file, const QStringList& summary,
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

  const QStringList report = reportLines
                                 ? *reportLines
                                 : QStringList{QString::fromLatin1(resultName(ResultKind::Report)) +
                                               QStringLiteral(" was not written.")};
  const double pageWidth = writer.width();
  const double pageHeight = writer.height();
  const QFont font = reportFont(report, writer, pageWidth);
  const QFontMetricsF metrics(font, &writer);
  const double step = metrics.lineSpacing();
  // The last two lines of a text page are kept for the page number.
  const int perPage = std::max(1, static_cast<int>(pageHeight / step) - 2);
  std::vector<QStringList> textPages = paginate(wrapLines(summary, metrics, pageWidth), perPage);
  for (QStringList& page : paginate(report, perPage)) textPages.push_back(std::move(page));
  int drawingCount = 0;
  for (const RecordPage& page : drawings) drawingCount += page.frame != nullptr ? 1 : 0;
  const int total = static_cast<int>(textPages.size()) + drawingCount;
  const auto pageNumber = [total](int n) { return QStringLiteral("%1 / %2").arg(n).arg(total); };

  int pages = 0;
  for (const QStringList& page : textPages) {
    if (pages > 0) writer.newPage();
    ++pages;
    painter.setFont(font);
    painter.setPen(Qt::black);
    double y = 0.0;
    for (const QString& line : page) {
      painter.drawText(QPointF(0.0, y + metrics.ascent()),
                       metrics.elidedText(line, Qt::ElideMiddle, pageWidth));
      y += step;
    }
    painter.drawText(QRectF(0.0, pageHeight - step, pageWidth, step), Qt::AlignRight,
                     pageNumber(pages));
  }

  // The new layout applies from the next page on.
  writer.setPageLayout(framePageLayout());
  for (const RecordPage& page : drawings) {
    if (page.frame == nullptr) continue;
    writer.newPage();
    ++pages;
    paintFramePage(painter, writer, *page.frame, page.caption, pageNumber(pages));
  }
  if (!painter.end()) return 0;
  return pages;
}

int writeRunRecord(const std::filesystem::path& file, const FrameLog& log,
                   const RunOutcome& outcome, const std::string& told, RecordFrames frames,
                   const QDateTime& started) {
  const std::vector<FrameLog::Entry> entries = log.entries();
  std::vector<RecordPage> drawings;
  for (const FrameLog::Entry& entry : entries) {
    if (frames == RecordFrames::Finished && !isFinishedDrawing(entry)) continue;
    drawings.push_back(RecordPage{frameCaption(entry), &entry.frame});
  }
  QStringList summary = runSummaryLines(outcome, told, started);
  summary << QString()
          << QStringLiteral("Drawings: %1 of the run's %2 frames%3")
                 .arg(drawings.size())
                 .arg(entries.size())
                 .arg(frames == RecordFrames::Finished
                          ? QStringLiteral(", the finished ones (--pdf-frames all: every frame)")
                          : QString());
  return writeRunRecordPdf(file, summary, reportLines(outcome), drawings);
}

}  // namespace norvika
