#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>

#include "support/result_names.h"

#ifndef QT_TRANSLATE_NOOP
// Marks the sentences for the desktop front end's translation; the console uses them as they are.
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace norvika {

/// Which of the run's result files a run put in place or removed: compares the files (by
/// identity: a result file is always renamed into place, so a new one is a new file) with what
/// was there when the watch began.
class ResultFilesWatch {
 public:
  explicit ResultFilesWatch(std::filesystem::path directory);
  /// Whether the result file `name` is now a file the run put there.
  bool replaced(const std::string& name) const;
  /// Whether the result file `name` was there at the start and is gone now.
  bool removed(const std::string& name) const;

 private:
  struct Identity {
    bool exists = false;
    unsigned long long device = 0, inode = 0;
  };
  Identity identity(const std::string& name) const;
  const Identity& before(const std::string& name) const;

  std::filesystem::path directory_;
  std::array<Identity, kResultNames.size()> before_;
};

using Translate = std::function<std::string(const char*)>;

/// What the user is told when an answer of "yes, there is an error" ended the run: which
/// answer, and what was written. Sentences pass through `translate`.
std::string answerEndingText(const std::string& answer, const ResultFilesWatch& files,
                             const Translate& translate);

/// What standard error says when the user stopped the run.
std::string stopEndingText();

}  // namespace norvika
