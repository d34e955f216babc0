#include "desktop_stability.h"

#include <QString>
#include <QStringList>

#include "render/picture_files.h"

namespace fs = std::filesystem;

namespace norvika {

bool StabilityPictures::write(const StabilityOptions& options, const StabilityRun& run,
                              const fs::path& directory, std::ostream& out, std::ostream& err) {
  QStringList summary;
  summary << QStringLiteral("norvika-stability " NORVIKA_VERSION
                            " - cross curves, GZ curve and intact stability criteria")
          << QString()
          << summaryLine("Started:",
                         files_.started().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss t")))
          << summaryLine("Run directory:", toQString(directory))
          << summaryLine("Water density:",
                         QString::number(run.density, 'g', 10) + QStringLiteral(" t/m3"))
          << summaryLine("Displacements:", QString::number(run.crossCurves.size()))
          << summaryLine("Heels:", QString::number(run.heels.size()));
  if (run.condition) {
    summary << summaryLine("Loading condition:",
                           QStringLiteral("%1 t, KG %2 m")
                               .arg(run.condition->input.displacement, 0, 'f', 1)
                               .arg(run.condition->input.kg, 0, 'f', 3));
  }
  summary << QString() << resultFileLines(run.resultFiles);
  return files_.write(options.plots, options.pdf, summary, run.report, out, err);
}

}  // namespace norvika
