#include "desktop_hydrostatics.h"

#include <QString>
#include <QStringList>

#include "render/picture_files.h"

namespace fs = std::filesystem;

namespace norvika {

namespace {

QString metres(double value) { return QString::number(value, 'g', 10) + QStringLiteral(" m"); }

QStringList summaryLines(const HydrostaticsRun& run, const fs::path& directory,
                         const QDateTime& started) {
  const Hydrostatics& table = run.table;
  QStringList lines;
  lines << QStringLiteral("norvika-hydrostatics " NORVIKA_VERSION
                          " - curves of form and Bonjean curves")
        << QString()
        << summaryLine("Started:", started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss t")))
        << summaryLine("Run directory:", toQString(directory)) << QString()
        << summaryLine("Ship length L:", metres(table.shipLength))
        << summaryLine("Water density:",
                       QString::number(table.density, 'g', 10) + QStringLiteral(" t/m3"))
        << summaryLine("Trim Tf - Ta:", metres(table.trim))
        << summaryLine("Drafts at L/2:",
                       QStringLiteral("%1, from %2 to %3")
                           .arg(table.rows.size())
                           .arg(metres(table.rows.front().draft), metres(table.rows.back().draft)))
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
