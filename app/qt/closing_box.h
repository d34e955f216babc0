#pragma once

#include <QString>
#include <filesystem>
#include <vector>

#include "qt/dialogs.h"

class QLabel;
class QPushButton;

namespace norvika {

/// The text of the closing box: the run is complete, and the result files it wrote, one a
/// line, in the run's own fixed Turkish.
QString closingBoxText(const std::vector<std::filesystem::path>& written);

/// The closing box of a completed run in the desktop program: names every result file
/// written. OK (Enter, also Escape) ends the program with its windows; "Keep the windows open"
/// leaves the drawings on screen until the user closes them.
class ClosingBox : public QuestionDialog {
 public:
  explicit ClosingBox(const std::vector<std::filesystem::path>& written);

  QString text() const;
  QPushButton* keepButton() const { return keep_; }
  /// Whether the user chose to keep the windows open.
  bool keepsWindows() const { return keepsWindows_; }

 private:
  QLabel* label_;
  QPushButton* keep_;
  bool keepsWindows_ = false;
};

}  // namespace norvika
