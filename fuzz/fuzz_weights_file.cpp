// The weights file reader on arbitrary bytes: an accepted file holds 1 to 500
// blocks of rising ends and weights not negative, with a positive total and
// its centre among the blocks; a rejected one ends with an input error naming
// the file.

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "fuzz_support.h"
#include "model/weights_file.h"
#include "support/capacities.h"
#include "support/run_end.h"

using namespace norvika;

namespace {

constexpr double kShipLength = 100.0;

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "accepted weights file breaks: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::writeScratchFile("Norvika.AGR", data, size);
  WeightDistribution weights;
  try {
    weights = readWeightsFile(fuzz::scratchDirectory() / "Norvika.AGR", "Norvika.AGR", kShipLength);
  } catch (const ProgramEnd& end) {
    require(end.reason() == ExitReason::InputError, "only input errors from the reader");
    require(end.message().rfind("Norvika.AGR ", 0) == 0, "message names the weights file");
    return 0;
  }
  require(!weights.blocks.empty() && weights.blocks.size() <= kMaxWeightBlocks, "block count");
  double aft = HUGE_VAL, forward = -HUGE_VAL;
  for (const WeightBlock& b : weights.blocks) {
    require(b.x2 - b.x1 >= minimumBlockLength(kShipLength) && b.w1 >= 0.0 && b.w2 >= 0.0,
            "block ends rising, weights not negative");
    require(b.x1 >= -kShipLength && b.x2 <= 2.0 * kShipLength, "blocks within a ship length");
    aft = std::fmin(aft, b.x1);
    forward = std::fmax(forward, b.x2);
  }
  require(weights.total > 0.0 && std::isfinite(weights.total), "positive finite total");
  require(weights.centre >= aft - 1e-9 * (forward - aft) &&
              weights.centre <= forward + 1e-9 * (forward - aft),
          "centre among the blocks");
  return 0;
}
