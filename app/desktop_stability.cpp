#include "desktop_stability.h"

#include <QString>
#include <QStringList>

#include "render/picture_files.h"
#include "render/run_record.h"

namespace fs = std::filesystem;

namespace norvika {

bool StabilityPictures::write(const StabilityOptions& options, const StabilityRun& run,
                              const fs::path& directory, std::ostream& out, std::ostream& err) {
  QStringList summary;
  summary << recordText(Text::RecordStabilityTitle,
                        {QStringLiteral("norvika-stability " NORVIKA_VERSION)})
          << QString() << recordStartLine(files_.started()) << recordDirectoryLine(directory)
          << recordField(Text::RecordWaterDensity,
                         QString::number(run.density, 'g', 10) + QStringLiteral(" t/m3"))
          << recordField(Text::RecordDisplacements, QString::number(run.crossCurves.size()))
          << recordField(Text::RecordHeels, QString::number(run.heels.size()));
  if (run.condition) {
    summary << recordField(Text::RecordLoadingCondition,
                           QStringLiteral("%1 t, KG %2 m")
                               .arg(run.condition->input.displacement, 0, 'f', 1)
                               .arg(run.condition->input.kg, 0, 'f', 3));
  }
  summary << QString() << resultFileLines(run.resultFiles);
  return files_.write(options.plots, options.pdf, summary, run.report, out, err);
}

}  // namespace norvika
