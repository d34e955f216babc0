#pragma once

#include <exception>
#include <functional>
#include <optional>
#include <string>

namespace norvika {

/// Why a run ended; the values are the exit statuses of the program.
enum class ExitReason {
  Completed = 0,           // both result files written
  InputError = 1,          // an input file is missing or malformed
  CalculationStopped = 2,  // the calculation stopped with one of its messages
  GeometryRejected = 3,    // the user answered that the geometry or waterline is wrong
  WriteFailed = 4,         // a result file could not be written
  InternalFailure = 5,     // out of memory or an unexpected exception; nothing half-written
  StoppedByUser = 6,       // the user stopped the run; nothing of it written, earlier files kept
};

/// What an exit status means, in the programs' help texts ("completed").
const char* exitReasonText(ExitReason reason);

/// The input file a rejection names, as values for callers that do not read
/// the message: the file as it was opened and the line (0 when the message
/// names none, as for a missing file).
struct InputPlace {
  std::string file;
  int line = 0;
};

/// Thrown to end a run from any depth (a rejected input, a stop, a "yes" at a
/// check); only an analysis's entry catches it (runToEnd), turning it into the
/// ending of the outcome it returns.
class ProgramEnd : public std::exception {
 public:
  ProgramEnd(ExitReason reason, std::string message, std::optional<InputPlace> place = {})
      : reason_(reason), message_(std::move(message)), place_(std::move(place)) {}
  ExitReason reason() const { return reason_; }
  /// The text for the user; empty when a message box has already said it.
  const std::string& message() const { return message_; }
  /// The file and line a rejected input names; none for values given in code
  /// and for every other ending.
  const std::optional<InputPlace>& place() const { return place_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  ExitReason reason_;
  std::string message_;
  std::optional<InputPlace> place_;
};

/// How an analysis ended, kept in the outcome it returns: every analysis
/// returns one and throws nothing a run can end by.
struct AnalysisEnding {
  ExitReason reason = ExitReason::Completed;
  std::string message;              // for the user; empty when a message box has said it
  std::optional<InputPlace> place;  // a rejected input: the file and line it names
};

/// Runs an analysis's steps and says how they ended: completed, or by the
/// ProgramEnd they threw, a failed write (a file system error), running out of
/// memory or an unexpected exception (InternalFailure, "internal failure: ...").
AnalysisEnding runToEnd(const std::function<void()>& steps);

}  // namespace norvika
