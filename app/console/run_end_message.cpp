#include "console/run_end_message.h"

#include <sys/stat.h>

namespace norvika {

namespace {
constexpr const char* kReport = "Norvika.SON";
constexpr const char* kValues = "SEPHIYE.TXT";
}  // namespace

ResultFilesWatch::ResultFilesWatch(std::filesystem::path directory)
    : directory_(std::move(directory)), report_(identity(kReport)), values_(identity(kValues)) {}

ResultFilesWatch::Identity ResultFilesWatch::identity(const std::string& name) const {
  struct stat status {};
  if (::lstat((directory_ / name).c_str(), &status) != 0) return {};
  return Identity{true, static_cast<unsigned long long>(status.st_dev),
                  static_cast<unsigned long long>(status.st_ino)};
}

bool ResultFilesWatch::replaced(const std::string& name) const {
  const Identity before = name == kReport ? report_ : values_;
  const Identity now = identity(name);
  return now.exists && (!before.exists || now.device != before.device || now.inode != before.inode);
}

bool ResultFilesWatch::removed(const std::string& name) const {
  const Identity before = name == kReport ? report_ : values_;
  return before.exists && !identity(name).exists;
}

std::string answerEndingText(const std::string& answer, const ResultFilesWatch& files,
                             const Translate& translate) {
  auto t = [&](const char* text) { return translate(text); };
  std::string text = t(QT_TRANSLATE_NOOP("norvika", "The run was ended by the answer")) + " \"" +
                     answer + "\" " +
                     t(QT_TRANSLATE_NOOP("norvika", "(there is an error in the drawing)."));
  if (!files.replaced(kReport)) {
    return text + " " +
           t(QT_TRANSLATE_NOOP("norvika",
                               "Nothing was written; the result files of earlier runs are kept."));
  }
  text += " " + t(QT_TRANSLATE_NOOP(
                    "norvika", "Norvika.SON holds the report up to the displacement lines;"));
  text += " " + (files.removed(kValues)
                     ? t(QT_TRANSLATE_NOOP(
                           "norvika", "the earlier SEPHIYE.TXT was removed, as it belonged to another run."))
                     : t(QT_TRANSLATE_NOOP("norvika", "SEPHIYE.TXT was not written.")));
  return text;
}

std::string stopEndingText() {
  return "The run was stopped by the user. Nothing of it was written; the result files of earlier "
         "runs are kept.";
}

}  // namespace norvika
