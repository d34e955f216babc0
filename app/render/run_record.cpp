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

Text reasonText(ExitReason reason) {
  switch (reason) {
    case ExitReason::Completed:
      return Text::RecordCompleted;
    case ExitReason::InputError:
      return Text::RecordInputError;
    case ExitReason::CalculationStopped:
      return Text::RecordCalculationStopped;
    case ExitReason::GeometryRejected:
      return Text::RecordGeometryRejected;
    case ExitReason::WriteFailed:
      return Text::RecordWriteFailed;
    case ExitReason::InternalFailure:
      return Text::RecordInternalFailure;
    case ExitReason::StoppedByUser:
      return Text::RecordStoppedByUser;
  }
  return Text::RecordInternalFailure;
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
  std::string ending =
      text(Text::RecordEndingStatus,
           {text(reasonText(outcome.reason)), std::to_string(static_cast<int>(outcome.reason))});
  if (!message.empty()) ending += ": " + message;
  return ending;
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

QString metres(double value) { return number(value) + QStringLiteral(" m"); }

void appendTask(QStringList& lines, const TaskParameters& task) {
  const CaseProperties& properties = caseProperties(task.caseNumber);
  lines << recordField(Text::RecordHullFileName, QString::fromStdString(task.hullFileName))
        << recordField(Text::RecordShipLength, metres(task.shipLength))
        << recordField(Text::RecordStationDivisions, number(task.stationDivisions))
        << recordField(Text::RecordWaterDensity, number(task.waterDensity) + " t/m3")
        << recordField(Text::RecordCase, QStringLiteral("%1, %2")
                                             .arg(task.caseNumber)
                                             .arg(qtString(inCurrentLanguage(properties.name))));
  if (properties.searchesDisplacement) {
    lines << recordField(Text::RecordRequiredDisplacement, number(task.requiredDisplacement) + " t")
          << recordField(Text::RecordInitialDraft, metres(task.initialDraft));
  }
  if (properties.hasWave) {
    lines << recordField(Text::RecordWaveHeight, metres(task.waveHeight))
          << recordField(Text::RecordWaveLengthRatio, number(task.waveLengthRatio));
  }
  if (!properties.searchesDisplacement) {
    lines << recordField(Text::RecordForwardDraft, metres(task.forwardDraft))
          << recordField(Text::RecordAftDraft, metres(task.aftDraft));
  }
  if (properties.heeled) {
    lines << recordField(Text::RecordHeelAngle,
                         recordText(Text::RecordDegrees, {number(task.heelAngle)}));
  }
  lines << recordField(
      Text::RecordEqualPoints,
      task.equalPointCount == 0
          ? qtText(Text::RecordNone)
          : recordText(Text::RecordPointSpan, {QString::number(task.equalPointCount),
                                               number(task.equalStart), number(task.equalEnd)}));
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
  lines << recordField(Text::RecordStations,
                       recordText(Text::RecordPointSpan,
                                  {QString::number(hull.stationCount), number(hull.stationX(1)),
                                   number(hull.stationX(hull.stationCount))}))
        << recordField(Text::RecordContours,
                       recordText(Text::RecordContourSpan, {number(aftmost), number(foremost)}))
        << recordField(Text::RecordHalfBreadth, metres(hull.maxHalfBreadth))
        << recordField(Text::RecordHeights, recordText(Text::RecordHeightSpan,
                                                       {number(lowest), number(hull.maxHeight)}));
}

QString oneLine(const std::string& text) { return QString::fromUtf8(text).simplified(); }

void appendWeights(QStringList& lines, const WeightDistribution& weights) {
  lines << recordField(Text::RecordWeightsTitle, oneLine(weights.title))
        << recordField(Text::RecordWeightBlocks, QString::number(weights.blocks.size()))
        << recordField(Text::RecordTotalWeight, number(weights.total) + " t")
        << recordField(Text::RecordWeightCentre,
                       recordText(Text::RecordFromAft, {number(weights.centre)}));
}

// What could not be read ended the run with a message that names the file.
QString unreadLine(const RunOutcome& outcome) {
  return recordText(Text::RecordUnread, {oneLine(outcome.message)});
}

QString fileName(const std::filesystem::path& file) { return toQString(file.filename()); }

}  // namespace

QString recordText(Text id, std::initializer_list<QString> values) {
  std::vector<std::string> utf8;
  for (const QString& value : values) utf8.push_back(value.toStdString());
  const std::vector<std::string_view> words(utf8.begin(), utf8.end());
  return qtString(text(id, words));
}

QString recordField(const QString& name, const QString& value) {
  return QStringLiteral("  %1 %2").arg(name, -26).arg(value);
}

QString recordField(Text name, const QString& value) { return recordField(qtText(name), value); }

QString byteCount(std::uintmax_t bytes) {
  return recordText(Text::RecordBytes, {QString::number(bytes)});
}

QString recordStartLine(const QDateTime& started) {
  return recordField(Text::RecordStarted,
                     started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss t")));
}

QString recordDirectoryLine(const std::filesystem::path& directory) {
  return recordField(Text::RecordRunDirectory, toQString(directory));
}

QStringList runSummaryLines(const RunOutcome& outcome, const std::string& told,
                            const QDateTime& started) {
  QStringList lines;
  lines << recordText(Text::RecordTitle, {QStringLiteral("Norvika " NORVIKA_VERSION)}) << QString()
        << recordStartLine(started) << recordDirectoryLine(outcome.directory) << QString()
        << recordText(Text::RecordTaskFile, {QStringLiteral("Norvika.TSK")});
  if (!outcome.task) {
    lines << unreadLine(outcome);
  } else {
    appendTask(lines, *outcome.task);
    if (outcome.weights) {
      lines << QString()
            << recordText(Text::RecordWeightsFile,
                          {QString::fromStdString(outcome.weights->fileName)});
      appendWeights(lines, *outcome.weights);
    }
    lines << QString()
          << recordText(Text::RecordHullFile, {QString::fromStdString(outcome.task->hullFileName)});
    if (outcome.hull && outcome.hull->stationCount > 0) {
      appendHull(lines, *outcome.hull);
    } else if (outcome.reason == ExitReason::InputError) {
      lines << unreadLine(outcome);
    }
  }
  lines << QString() << qtText(Text::RecordAnswers);
  if (outcome.answers.empty()) lines << qtText(Text::RecordNoAnswer);
  int n = 0;
  for (const RunAnswer& a : outcome.answers) {
    lines << QStringLiteral("  %1. %2")
                 .arg(++n, 2)
                 .arg(oneLine(a.prompt.empty() ? a.title : a.prompt))
          << recordText(Text::RecordAnswer, {oneLine(a.answer)});
  }
  lines << QString()
        << recordText(Text::RecordEnding, {QString::fromStdString(describeEnding(outcome, told))})
        << qtText(Text::RecordResultFiles);
  if (outcome.written.empty()) lines << QStringLiteral("  ") + qtText(Text::RecordNone);
  for (const WrittenFile& file : outcome.written) {
    lines << recordField(fileName(file.path), byteCount(file.text.size()));
  }
  for (const std::string& name : outcome.removed) {
    lines << recordField(QString::fromStdString(name), qtText(Text::RecordRemoved));
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

  const QStringList report =
      reportLines ? *reportLines
                  : QStringList{recordText(Text::RecordNotWritten,
                                           {QString::fromLatin1(resultName(ResultKind::Report))})};
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
          << recordText(Text::RecordDrawings,
                        {QString::number(drawings.size()), QString::number(entries.size())}) +
                 (frames == RecordFrames::Finished ? qtText(Text::RecordFinishedDrawings)
                                                   : QString());
  return writeRunRecordPdf(file, summary, reportLines(outcome), drawings);
}

}  // namespace norvika
