#include "desktop_hydrostatics.h"

#include <QString>
#include <QStringList>

#include "render/picture_files.h"
#include "render/run_record.h"

namespace fs = std::filesystem;

namespace norvika {

namespace {

QString metres(double value) { return QString::number(value, 'g', 10) + QStringLiteral(" m"); }

QStringList summaryLines(const HydrostaticsRun& run, const fs::path& directory,
                         const QDateTime& started) {
  const Hydrostatics& table = run.table;
  QStringList lines;
  lines << recordText(Text::RecordHydrostaticsTitle,
                      {QStringLiteral("norvika-hydrostatics " NORVIKA_VERSION)})
        << QString() << recordStartLine(started) << recordDirectoryLine(directory) << QString()
        << recordField(Text::RecordShipLength, metres(table.shipLength))
        << recordField(Text::RecordWaterDensity,
                       QString::number(table.density, 'g', 10) + QStringLiteral(" t/m3"))
        << recordField(Text::RecordTrim, metres(table.trim))
        << recordField(Text::RecordDrafts,
                       recordText(Text::RecordDraftSpan, {QString::number(table.rows.size()),
                                                          metres(table.rows.front().draft),
                                                          metres(table.rows.back().draft)}))
        << QString() << resultFileLines(run.resultFiles);
  return lines;
}

}  // namespace

bool HydrostaticsPictures::write(const HydrostaticsOptions& options, const HydrostaticsRun& run,
                                 const fs::path& directory, std::ostream& out, std::ostream& err) {
  return files_.write(options.plots, options.pdf, summaryLines(run, directory, files_.started()),
                      run.report, out, err);
}

}  // namespace norvika
