#include "console/run_end_message.h"

namespace norvika {

std::string answerEndingText(const RunOutcome& outcome, const Translate& translate) {
  auto t = [&](const char* text) { return translate(text); };
  std::string text = t(QT_TRANSLATE_NOOP("norvika", "The run was ended by the answer")) + " \"" +
                     outcome.lastAnswer() + "\" " +
                     t(QT_TRANSLATE_NOOP("norvika", "(there is an error in the drawing)."));
  if (outcome.file(ResultKind::Report) == nullptr) {
    return text + " " +
           t(QT_TRANSLATE_NOOP("norvika",
                               "Nothing was written; the result files of earlier runs are kept."));
  }
  text += " " + t(QT_TRANSLATE_NOOP("norvika",
                                    "Norvika.SON holds the report up to the displacement lines;"));
  std::string removed;
  for (const std::string& name : outcome.removed) removed += (removed.empty() ? " " : ", ") + name;
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
