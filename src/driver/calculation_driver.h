#pragma once

#include "platform/platform.h"

namespace norvika {

/// Runs one calculation in the platform's current directory, from the task
/// file to the closing question. Never returns: it always ends by throwing
/// ProgramEnd (Completed after the closing question).
[[noreturn]] void runCalculation(Platform& platform);

}  // namespace norvika
