#include "run/run_outcome.h"

namespace norvika {

const Immersion* RunOutcome::immersion() const {
  if (heeled) return &heeled->immersion;
  if (balance) return &balance->immersion;
  return nullptr;
}

const WrittenFile* RunOutcome::file(ResultKind kind) const {
  for (const WrittenFile& f : written) {
    if (f.kind == kind) return &f;
  }
  return nullptr;
}

std::string RunOutcome::lastAnswer() const { return answers.empty() ? "" : answers.back().answer; }

std::string RunOutcome::endingText() const {
  if (!message.empty() || messages.empty()) return message;
  return messages.back().text;
}

}  // namespace norvika
