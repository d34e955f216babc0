#pragma once

#include <functional>
#include <string>

#include "run/run_outcome.h"

#ifndef QT_TRANSLATE_NOOP
// Marks the sentences for the desktop front end's translation; the console uses them as they are.
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace norvika {

using Translate = std::function<std::string(const char*)>;

/// What the user is told when an answer of "yes, there is an error" ended the run: which
/// answer, and what was written or removed. Sentences pass through `translate`.
std::string answerEndingText(const RunOutcome& outcome, const Translate& translate);

/// What standard error says when the user stopped the run.
std::string stopEndingText();

}  // namespace norvika
