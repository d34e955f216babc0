#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "platform/platform.h"
#include "render/picture_saver.h"
#include "run/run_outcome.h"
#include "words/catalogue.h"

namespace norvika {

/// Keeps its own copy of every frame of a run as it finishes, numbered as PictureSaver numbers
/// its files.
class FrameLog : public WindowObserver {
 public:
  struct Entry {
    int number;  // from 1, as in the picture file names
    Frame frame;
  };
  void windowDrawn(const Window& window) override;
  void frameFinished(const Window& window, const Frame& frame) override;
  /// The finished frames, by number.
  std::vector<Entry> entries() const;

 private:
  FrameNumbering numbering_;
  std::vector<Entry> entries_;
};

/// Whether `entry` is a finished drawing (a check, a graph, the ship's position, the heeled
/// sections), as its drawing says, not a step of the run (a station preview, a draft-search
/// step).
bool isFinishedDrawing(const FrameLog::Entry& entry);

/// A drawing's caption: its number, then what it shows ("05  POSTA KESITLERI (BODY PLAN)"); a
/// frame that does not say what it shows is captioned by its window.
QString frameCaption(const FrameLog::Entry& entry);

/// One line saying how a run ended: "completed (status 0)", "calculation stopped (status 2):
/// message". `told` is what the front end said of an ending by the user.
std::string describeEnding(const RunOutcome& outcome, const std::string& told);

/// The report this run wrote, then the strength report when it wrote one, one entry per line
/// without the line ends; none when it wrote no report.
std::optional<QStringList> reportLines(const RunOutcome& outcome);

/// The catalogue text `id` in the thread's language, its "{0}", "{1}", ... filled with `values`.
QString recordText(Text id, std::initializer_list<QString> values);

/// A line of a record's first page: the name padded to a column, then the value.
QString recordField(const QString& name, const QString& value);
/// The same with the catalogue's name of the value.
QString recordField(Text name, const QString& value);

/// A file's size as the record states it ("1234 bytes").
QString byteCount(std::uintmax_t bytes);

/// The record's line of when the run started (date, time and time zone).
QString recordStartLine(const QDateTime& started);

/// The record's line of the run directory.
QString recordDirectoryLine(const std::filesystem::path& directory);

/// The first page of a record: program, date, run directory, the task file's values, the
/// hull's extent and the weights as the run read them (or why it could not), the answers,
/// how the run ended and the result files it wrote or removed.
QStringList runSummaryLines(const RunOutcome& outcome, const std::string& told,
                            const QDateTime& started);

/// A drawing page of the record.
struct RecordPage {
  QString caption;
  const Frame* frame = nullptr;
};

/// Writes a PDF: the `summary` lines, then from a new page the report lines (monospaced, A4
/// portrait, as many pages as they need; a note when there is no report), then one A4
/// landscape page per drawing; every page ends with "n / N". Returns the number of pages
/// written, 0 when the file cannot be written.
int writeRunRecordPdf(const std::filesystem::path& file, const QStringList& summary,
                      const std::optional<QStringList>& reportLines,
                      const std::vector<RecordPage>& drawings);

/// Writes the record of a run: the summary page, the report this run wrote, and the frames
/// `log` kept (the finished drawings, or all of them) in the order they were begun, captioned
/// with their number and what they show. Returns the number of pages, 0 on failure.
int writeRunRecord(const std::filesystem::path& file, const FrameLog& log,
                   const RunOutcome& outcome, const std::string& told = {},
                   RecordFrames frames = RecordFrames::Finished,
                   const QDateTime& started = QDateTime::currentDateTime());

}  // namespace norvika
