#include "desktop_drawings.h"

#include <QFileInfo>
#include <system_error>

#include "cli/options.h"
#include "cli/record_file.h"
#include "render/picture_files.h"
#include "render/qt_text.h"
#include "render/run_record.h"

namespace fs = std::filesystem;

namespace norvika {

namespace {

QStringList reportLines(const std::string& report) {
  QStringList lines = QString::fromLatin1(report).split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

QStringList resultFileLines(const std::vector<fs::path>& files) {
  QStringList lines{qtText(Text::RecordFilesInDirectory)};
  for (const fs::path& file : files) {
    const QFileInfo info(toQString(file));
    lines << recordField(info.fileName(), byteCount(static_cast<std::uintmax_t>(info.size())));
  }
  return lines;
}

void DrawingFiles::frameFinished(const Window& window, const Frame& frame) {
  if (*nameOf_(window.id()) != '\0') frames_.push_back(frame);
}

bool DrawingFiles::write(const std::optional<fs::path>& plots, const std::optional<fs::path>& pdf,
                         const QStringList& summary, const std::string& report, std::ostream& out,
                         std::ostream& err) const {
  bool written = true;
  if (plots) written = savePictures(absolutePath(*plots), out, err);
  if (pdf) written = saveRecord(absolutePath(*pdf), summary, report, out, err) && written;
  return written;
}

bool DrawingFiles::savePictures(const fs::path& plots, std::ostream& out, std::ostream& err) const {
  std::error_code ec;
  fs::create_directories(plots, ec);
  if (!fs::is_directory(plots, ec)) {
    err << program_ << ": cannot create the pictures directory '" << plots.string() << "'\n";
    return false;
  }
  std::vector<fs::path> failures;
  int saved = 0;
  for (const Frame& frame : frames_) {
    if (saveFramePictures(frame, plots, nameOf_(frame.window), failures)) ++saved;
  }
  for (const fs::path& failed : failures) {
    err << program_ << ": cannot write the picture '" << failed.string() << "'\n";
  }
  out << "Pictures: " << plots.string() << " (" << saved << " drawings)\n";
  return failures.empty();
}

bool DrawingFiles::saveRecord(const fs::path& pdf, const QStringList& summary,
                              const std::string& report, std::ostream& out,
                              std::ostream& err) const {
  std::vector<RecordPage> pages;
  for (const Frame& frame : frames_) {
    pages.push_back(RecordPage{QString::fromLatin1(captionOf_(frame.window)), &frame});
  }
  const QStringList lines = reportLines(report);
  const bool written = writeRecord(pdf, recordPlace(pdf), [&](const fs::path& temporary) {
    return writeRunRecordPdf(temporary, summary, lines, pages) > 0;
  });
  if (written) {
    out << "Run record: " << pdf.string() << "\n";
  } else {
    err << program_ << ": cannot write the run record '" << pdf.string() << "'\n";
  }
  return written;
}

}  // namespace norvika
