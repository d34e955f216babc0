#include "console/run_end_message.h"

#include <sys/stat.h>

namespace norvika {

ResultFilesWatch::ResultFilesWatch(std::filesystem::path directory)
    : directory_(std::move(directory)) {
  for (std::size_t k = 0; k < kResultNames.size(); ++k) before_[k] = identity(kResultNames[k].name);
}

ResultFilesWatch::Identity ResultFilesWatch::identity(const std::string& name) const {
  struct stat status {};
  if (::lstat((directory_ / name).c_str(), &status) != 0) return {};
  return Identity{true, static_cast<unsigned long long>(status.st_dev),
                  static_cast<unsigned long long>(status.st_ino)};
}

const ResultFilesWatch::Identity& ResultFilesWatch::before(const std::string& name) const {
  std::size_t k = 0;
  while (k + 1 < kResultNames.size() && name != kResultNames[k].name) ++k;
  return before_[k];
}

bool ResultFilesWatch::replaced(const std::string& name) const {
  const Identity& then = before(name);
  const Identity now = identity(name);
  return now.exists && (!then.exists || now.device != then.device || now.inode != then.inode);
}

bool ResultFilesWatch::removed(const std::string& name) const {
  return before(name).exists && !identity(name).exists;
}

std::string answerEndingText(const std::string& answer, const ResultFilesWatch& files,
                             const Translate& translate) {
  auto t = [&](const char* text) { return translate(text); };
  std::string text = t(QT_TRANSLATE_NOOP("norvika", "The run was ended by the answer")) + " \"" +
                     answer + "\" " +
                     t(QT_TRANSLATE_NOOP("norvika", "(there is an error in the drawing)."));
  if (!files.replaced(resultName(ResultKind::Report))) {
    return text + " " +
           t(QT_TRANSLATE_NOOP("norvika",
                               "Nothing was written; the result files of earlier runs are kept."));
  }
  text += " " + t(QT_TRANSLATE_NOOP("norvika",
                                    "Norvika.SON holds the report up to the displacement lines;"));
  std::string removed;
  for (const ResultName& result : kResultNames) {
    if (files.removed(result.name))
      removed += std::string(removed.empty() ? " " : ", ") + result.name;
  }
  if (removed.empty()) {
    return text + " " + t(QT_TRANSLATE_NOOP("norvika", "SEPHIYE.TXT was not written."));
  }
  return text + " " +
         t(QT_TRANSLATE_NOOP("norvika",
                             "the result files of an earlier run were removed, as they belonged "
                             "to another run:")) +
         removed + ".";
}

std::string stopEndingText() {
  return "The run was stopped by the user. Nothing of it was written; the result files of earlier "
         "runs are kept.";
}

}  // namespace norvika
