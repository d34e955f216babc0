#pragma once

#include <string>

#include "support/run_end.h"

namespace norvika {

/// How a run ended, as the front ends and the run record tell it.
struct RunEnding {
  ExitReason reason = ExitReason::Completed;
  std::string message;  // empty when a message box has already said it
  bool strength = false;  // MUKAVEMET.SON and MUKAVEMET.TXT were written too
};

}  // namespace norvika
