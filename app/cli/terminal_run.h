#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "cli/options.h"
#include "run/run_outcome.h"
#include "run/run_settings.h"

namespace norvika {

/// What every front end checks before the run starts, each failure told on
/// standard error: the run directory exists; the answers file can serve (read
/// into `answers`); --plots names no file; --pdf may be written. Returns 0 or
/// the exit status.
int checkBeforeRun(const Options& options, std::optional<std::deque<std::string>>& answers);

/// What the command line tells the run itself: the weights file, made absolute.
RunSettings runSettings(const Options& options);

/// A run ended by the user has no message of its own from the calculation:
/// says on standard error what ended it (the answer, or a stop) and what is on
/// disc, and returns what was said.
std::string tellHowTheRunEnded(const RunOutcome& outcome);

/// Says how the run ended: its message on standard error, the result files it
/// wrote on standard output. Returns the exit status.
int reportEnding(const RunOutcome& outcome);

/// Runs a front end, turning what escapes it (a filesystem error, no memory,
/// an unexpected exception) into its message, headed by the program's name,
/// and exit status; a write past a file-size limit fails as any write does.
int runGuarded(const std::function<int()>& frontEnd, const std::string& program = "norvika");

/// The terminal front end: questions on the terminal (or from the answers
/// file), or every default in batch mode; no pictures. Returns the exit status.
int runInTerminal(const Options& options);

}  // namespace norvika
