#include "qt/run_directory.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace norvika {

std::optional<std::filesystem::path> chooseRunDirectory(const std::filesystem::path& start) {
  const QString chosen = QFileDialog::getExistingDirectory(
      nullptr,
      QCoreApplication::translate("norvika", "Norvika: choose the run directory (with Norvika.TSK)"),
      QString::fromStdString(start.string()));
  if (chosen.isEmpty()) return std::nullopt;
  return std::filesystem::path(chosen.toStdString());
}

}  // namespace norvika
