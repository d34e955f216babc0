#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace norvika {

/// The drawings a program's run makes, kept as they finish, rendered to files
/// by the program's renderer: each as PNG and SVG in the --plots directory,
/// named by `nameOf` its window (windows it names "" are not kept), and the PDF
/// record of --pdf (a summary, the report, then the drawings under their
/// `captionOf`). Every file is written beside its name and renamed into place.
class DrawingFiles : private WindowObserver {
 public:
  using WindowText = const char* (*)(WindowId);
  DrawingFiles(const char* program, WindowText nameOf, WindowText captionOf)
      : program_(program), nameOf_(nameOf), captionOf_(captionOf) {}

  /// Before the run: follows the drawings made on the platform's windows.
  void watch(Platform& platform) { platform.observeWindows(this); }
  /// Writes the pictures to `plots` and the record to `pdf` when given, says
  /// where on `out` and any failure on `err`, headed by the program's name;
  /// false on a failure.
  bool write(const std::optional<std::filesystem::path>& plots,
             const std::optional<std::filesystem::path>& pdf, const QStringList& summary,
             const std::string& report, std::ostream& out, std::ostream& err) const;
  /// When the run started, for the record's summary.
  const QDateTime& started() const { return started_; }

 private:
  void frameFinished(const Window& window, const Frame& frame) override;
  bool savePictures(const std::filesystem::path& plots, std::ostream& out, std::ostream& err) const;
  bool saveRecord(const std::filesystem::path& pdf, const QStringList& summary,
                  const std::string& report, std::ostream& out, std::ostream& err) const;

  const char* program_;
  WindowText nameOf_;
  WindowText captionOf_;
  std::vector<Frame> frames_;
  QDateTime started_ = QDateTime::currentDateTime();
};

/// The summary's list of the result files a run wrote, with their sizes.
QStringList resultFileLines(const std::vector<std::filesystem::path>& files);

}  // namespace norvika
