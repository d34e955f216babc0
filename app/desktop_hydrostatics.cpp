#include "desktop_hydrostatics.h"

#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <system_error>

#include "cli/options.h"
#include "cli/record_file.h"
#include "render/picture_files.h"
#include "render/run_record.h"

namespace fs = std::filesystem;

namespace norvika {

namespace {

QString valueLine(const char* name, const QString& value) {
  return QStringLiteral("  %1%2").arg(QString::fromLatin1(name).leftJustified(24)).arg(value);
}

QString metres(double value) { return QString::number(value, 'g', 10) + QStringLiteral(" m"); }

QStringList summaryLines(const HydrostaticsRun& run, const fs::path& directory,
                         const QDateTime& started) {
  const Hydrostatics& table = run.table;
  QStringList lines;
  lines << QStringLiteral("norvika-hydrostatics " NORVIKA_VERSION
                          " - curves of form and Bonjean curves")
        << QString()
        << valueLine("Started:", started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss t")))
        << valueLine("Run directory:", toQString(directory)) << QString()
        << valueLine("Ship length L:", metres(table.shipLength))
        << valueLine("Water density:",
                     QString::number(table.density, 'g', 10) + QStringLiteral(" t/m3"))
        << valueLine("Trim Tf - Ta:", metres(table.trim))
        << valueLine("Drafts at L/2:",
                     QStringLiteral("%1, from %2 to %3")
                         .arg(table.rows.size())
                         .arg(metres(table.rows.front().draft), metres(table.rows.back().draft)))
        << QString() << QStringLiteral("Result files in the run directory");
  for (const fs::path& file : run.resultFiles) {
    lines << valueLine(file.filename().string().c_str(),
                       QStringLiteral("%1 bytes").arg(QFileInfo(toQString(file)).size()));
  }
  return lines;
}

QStringList reportLines(const std::string& report) {
  QStringList lines = QString::fromLatin1(report).split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

void HydrostaticsPictures::watch(Platform& platform) { platform.observeWindows(this); }

void HydrostaticsPictures::frameFinished(const Window& /*window*/, const Frame& frame) {
  if (!frame.name.empty()) frames_.push_back(frame);
}

bool HydrostaticsPictures::write(const HydrostaticsOptions& options, const HydrostaticsRun& run,
                                 const fs::path& directory, std::ostream& out, std::ostream& err) {
  bool written = true;
  if (options.plots) written = savePictures(absolutePath(*options.plots), out, err);
  if (options.pdf)
    written = saveRecord(absolutePath(*options.pdf), run, directory, out, err) && written;
  return written;
}

bool HydrostaticsPictures::savePictures(const fs::path& plots, std::ostream& out,
                                        std::ostream& err) const {
  std::error_code ec;
  fs::create_directories(plots, ec);
  if (!fs::is_directory(plots, ec)) {
    err << kHydrostaticsProgram << ": cannot create the pictures directory '" << plots.string()
        << "'\n";
    return false;
  }
  std::vector<fs::path> failures;
  int saved = 0;
  for (const Frame& frame : frames_) {
    if (saveFramePictures(frame, plots, frame.name, failures)) ++saved;
  }
  for (const fs::path& failed : failures) {
    err << kHydrostaticsProgram << ": cannot write the picture '" << failed.string() << "'\n";
  }
  out << "Pictures: " << plots.string() << " (" << saved << " drawings)\n";
  return failures.empty();
}

bool HydrostaticsPictures::saveRecord(const fs::path& pdf, const HydrostaticsRun& run,
                                      const fs::path& directory, std::ostream& out,
                                      std::ostream& err) const {
  std::vector<RecordPage> pages;
  for (const Frame& frame : frames_) {
    pages.push_back(RecordPage{QString::fromStdString(frame.caption), &frame});
  }
  const QStringList summary = summaryLines(run, directory, started_);
  const QStringList report = reportLines(run.report);
  const bool written = writeRecord(pdf, recordPlace(pdf), [&](const fs::path& temporary) {
    return writeRunRecordPdf(temporary, summary, report, pages) > 0;
  });
  if (written) {
    out << "Run record: " << pdf.string() << "\n";
  } else {
    err << kHydrostaticsProgram << ": cannot write the run record '" << pdf.string() << "'\n";
  }
  return written;
}

}  // namespace norvika
