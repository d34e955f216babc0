#include "support/run_end.h"

#include <filesystem>
#include <new>

namespace norvika {

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
