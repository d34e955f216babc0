#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "driver/run_outcome.h"
#include "platform/platform.h"
#include "render/picture_saver.h"

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

/// Whether `entry` is a finished drawing of the run (a check, a graph, the ship position, the
/// heeled sections, the strength diagrams) rather than a step on the way (a station preview, a
/// draft-search step), whose result the report text holds.
bool isFinishedDrawing(const FrameLog::Entry& entry);

/// A drawing's caption: its number, then what it shows ("05  POSTA KESITLERI (BODY PLAN)").
QString frameCaption(const FrameLog::Entry& entry);

/// One line saying how a run ended: "TAMAMLANDI (DURUM 0)", "HESAP DURDU (DURUM 2): message",
/// an ending by an answer or by the user said in the record's words.
std::string describeEnding(const RunOutcome& outcome);

/// The report this run wrote, then the strength report when it wrote one, one entry per line
/// without the line ends; none when it wrote no report.
std::optional<QStringList> reportLines(const RunOutcome& outcome);

/// The first page of a record: program, date, run directory, the task file's values, the
/// hull's extent and the weights as the run read them (or why it could not), the answers,
/// how the run ended and the result files it wrote or removed.
QStringList runSummaryLines(const RunOutcome& outcome, const QDateTime& started);

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
                   const RunOutcome& outcome, RecordFrames frames = RecordFrames::Finished,
                   const QDateTime& started = QDateTime::currentDateTime());

}  // namespace norvika
