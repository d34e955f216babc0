// The task file reader on arbitrary bytes: it either returns parameters that
// keep their documented ranges or ends the run with an input error.

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/task_file.h"
#include "fuzz_support.h"
#include "platform/platform.h"
#include "support/capacities.h"

using namespace norvika;

namespace {

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "accepted task file breaks: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::writeScratchFile("Norvika.TSK", data, size);
  try {
    const TaskParameters t = readTaskFile(fuzz::scratchDirectory());
    require(!t.hullFileName.empty(), "hull file name not empty");
    require(t.shipLength > 0.0 && std::isfinite(t.shipLength), "ship length positive");
    require(t.waterDensity > 0.0 && std::isfinite(t.waterDensity), "water density positive");
    require(t.caseNumber >= 1 && t.caseNumber <= 7, "case 1 to 7");
    require(t.equalPointCount == 0 || (t.equalPointCount >= 2 && t.equalPointCount <= kMaxEqualPoints),
            "equally spaced point count");
    require(t.equalPointCount < 2 || t.equalEnd > t.equalStart, "equally spaced range rising");
    require(t.heelAngle >= 0.0 && t.heelAngle < 90.0, "heel angle 0 to 90");
  } catch (const ProgramEnd& end) {
    require(end.reason() == ExitReason::InputError, "only input errors from the reader");
    require(end.message().rfind("Norvika.TSK ", 0) == 0, "message names the task file");
  }
  return 0;
}
