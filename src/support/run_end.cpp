#include "support/run_end.h"

#include <filesystem>
#include <new>

namespace norvika {

const char* exitReasonText(ExitReason reason) {
  switch (reason) {
    case ExitReason::Completed:
      return "completed";
    case ExitReason::InputError:
      return "bad options, or an input file missing or malformed (nothing written)";
    case ExitReason::CalculationStopped:
      return "the calculation stopped with one of its messages";
    case ExitReason::GeometryRejected:
      return "the geometry or the waterline rejected at its question";
    case ExitReason::WriteFailed:
      return "a result file could not be written (the earlier files kept whole)";
    case ExitReason::InternalFailure:
      return "internal failure (out of memory, an unexpected error)";
    case ExitReason::StoppedByUser:
      return "stopped by the user (nothing of the run written, earlier files kept)";
  }
  return "";
}

AnalysisEnding runToEnd(const std::function<void()>& steps) {
  try {
    steps();
  } catch (const ProgramEnd& end) {
    return {end.reason(), end.message(), end.place()};
  } catch (const std::filesystem::filesystem_error& e) {
    return {ExitReason::WriteFailed, e.what(), std::nullopt};
  } catch (const std::bad_alloc&) {
    return {ExitReason::InternalFailure, "internal failure: out of memory", std::nullopt};
  } catch (const std::exception& e) {
    return {ExitReason::InternalFailure, std::string("internal failure: ") + e.what(),
            std::nullopt};
  }
  return {};
}

}  // namespace norvika
