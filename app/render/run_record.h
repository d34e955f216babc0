#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "platform/platform.h"
#include "render/picture_saver.h"
#include "run/run_outcome.h"

namespace norvika {

/// Keeps its own copy of every frame of a run as it finishes, numbered as PictureSaver numbers
/// its files, with the question asked while it was up. Whether a frame was on screen while a
/// question was asked tells a finished drawing (a check, a graph) from a step of the run (a
/// station preview, a draft-search step).
class FrameLog : public WindowObserver, public DialogueObserver {
 public:
  struct Entry {
    int number;  // from 1, as in the picture file names
    Frame frame;
    /// The first question asked while this frame was on its window; empty when none was.
    std::string question;
  };
  void windowDrawn(const Window& window) override;
  void frameFinished(const Window& window, const Frame& frame) override;
  /// Call when an input box has been answered: the frames on screen were judged by it.
  void questionAnswered(const std::string& title, const std::string& prompt,
                        const std::string& answer) override;
  /// The finished frames, by number.
  std::vector<Entry> entries() const;

 private:
  FrameNumbering numbering_;
  std::vector<Entry> entries_;
  std::array<bool, kWindowCount> drawn_{};
  std::array<std::string, kWindowCount> askedAbout_;
};

/// Whether `entry` is a finished drawing: every frame of the drawing windows, and the frames
/// of the report window that a question asked about and that hold more than text (the
/// geometry checks; the report's text is printed in the record anyway).
bool isFinishedDrawing(const FrameLog::Entry& entry);

/// One line saying how a run ended: "completed (status 0)", "calculation stopped (status 2):
/// message". `told` is what the front end said of an ending by the user.
std::string describeEnding(const RunOutcome& outcome, const std::string& told);

/// The report this run wrote, then the strength report when it wrote one, one entry per line
/// without the line ends; none when it wrote no report.
std::optional<QStringList> reportLines(const RunOutcome& outcome);

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
/// with their number, window and question. Returns the number of pages, 0 on failure.
int writeRunRecord(const std::filesystem::path& file, const FrameLog& log,
                   const RunOutcome& outcome, const std::string& told = {},
                   RecordFrames frames = RecordFrames::Finished,
                   const QDateTime& started = QDateTime::currentDateTime());

}  // namespace norvika
