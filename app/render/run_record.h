#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/run_ending.h"
#include "platform/platform.h"
#include "render/picture_saver.h"

namespace norvika {

/// Keeps a copy of every finished frame of a run, numbered as PictureSaver numbers its files
/// (in the order the frames were begun): windows keep no history.
class FrameLog : public WindowObserver {
 public:
  struct Entry {
    int number;  // from 1, as in the picture file names
    Frame frame;
  };

  void windowDrawn(const Window& window) override { numbering_.drawn(window); }
  void frameFinished(const Window& window, const Frame& frame) override;
  /// The finished frames, by number.
  std::vector<Entry> entries() const;

 private:
  FrameNumbering numbering_;
  std::vector<Entry> entries_;
};


/// One line saying how a run ended: "completed (status 0)", "calculation stopped (status 2):
/// message".
std::string describeEnding(const RunEnding& ending);

/// The whole text of a report file with its line ends removed, one entry per line; empty
/// when the file cannot be read.
std::optional<QStringList> readReportLines(const std::filesystem::path& file);

/// A drawing page of the record.
struct RecordPage {
  QString caption;
  const Frame* frame = nullptr;
};

/// Writes a PDF: `heading` and the report lines (monospaced, A4 portrait, as many pages as
/// they need; a note when there is no report), then one A4 landscape page per drawing.
/// Returns the number of pages written, 0 when the file cannot be written.
int writeRunRecordPdf(const std::filesystem::path& file, const QStringList& heading,
                      const std::optional<QStringList>& reportLines,
                      const std::vector<RecordPage>& drawings);

/// Writes the record of a run on `platform`: Norvika.SON from its directory as it stands now,
/// how the run ended, and every frame in the order `log` saw them, captioned with the number
/// of its picture and its window's caption. Returns the number of pages, 0 on failure.
int writeRunRecord(const std::filesystem::path& file, const Platform& platform, const FrameLog& log,
                   const RunEnding& ending);

}  // namespace norvika
