#include "qt/run_directory.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <system_error>

namespace fs = std::filesystem;

namespace norvika {

namespace {

constexpr const char* kTaskFile = "Norvika.TSK";

// A folder dialog that also takes a task file: opening Norvika.TSK chooses its folder.
class RunDirectoryDialog : public QFileDialog {
 public:
  explicit RunDirectoryDialog(const fs::path& start)
      : QFileDialog(nullptr,
                    QCoreApplication::translate(
                        "norvika", "Norvika: choose the run directory (with Norvika.TSK)"),
                    QString::fromStdString(start.string())) {
    // Qt's own dialog: a desktop's folder chooser would show no files.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::Directory);
    setOption(QFileDialog::ShowDirsOnly, false);
    setNameFilter(QCoreApplication::translate("norvika", "Norvika task files (%1)")
                      .arg(QLatin1String(kTaskFile)));
  }

  /// The folder chosen, or the folder of the task file opened.
  fs::path chosen() const {
    if (taskFolder_) return *taskFolder_;
    const QStringList files = selectedFiles();
    return files.isEmpty() ? fs::path() : fs::path(files.constFirst().toStdString());
  }

  void accept() override {
    const QStringList files = selectedFiles();
    if (!files.isEmpty() && QFileInfo(files.constFirst()).isFile()) {
      taskFolder_ = fs::path(files.constFirst().toStdString()).parent_path();
      QDialog::accept();
      return;
    }
    QFileDialog::accept();
  }

 private:
  std::optional<fs::path> taskFolder_;
};

}  // namespace

std::optional<fs::path> chooseRunDirectory(const fs::path& start) {
  fs::path at = start;
  for (;;) {
    RunDirectoryDialog dialog(at);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const fs::path chosen = dialog.chosen();
    std::error_code ec;
    if (fs::is_regular_file(chosen / kTaskFile, ec)) return chosen;
    QMessageBox::warning(
        nullptr, QStringLiteral("Norvika"),
        QCoreApplication::translate("norvika",
                                    "The folder %1 holds no task file Norvika.TSK. Choose the "
                                    "folder of a run, the one that holds its Norvika.TSK.")
            .arg(QString::fromStdString(chosen.string())));
    at = chosen;
  }
}

}  // namespace norvika
