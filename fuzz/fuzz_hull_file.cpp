// The hull file reader and the extents on arbitrary bytes: an accepted hull
// keeps the rules the rest of the run relies on; a rejected one ends with an
// input error naming the file.

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "fuzz_support.h"
#include "model/hull_data_file.h"
#include "model/hull_model.h"
#include "platform/platform.h"

using namespace norvika;

namespace {

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "accepted hull file breaks: %s\n", what);
    std::abort();
  }
}

void checkCurve(const HullModel& hull, int curve, int minimumPoints) {
  const int n = hull.pointCount(curve);
  require(n >= minimumPoints && n < kMaxRecords, "point count within the curve's capacity");
  for (int j = 1; j <= n; ++j) {
    require(std::isfinite(hull.pointZ(curve, j)) && std::isfinite(hull.pointY(curve, j)),
            "finite offsets");
    if (j > 1) require(hull.pointZ(curve, j) > hull.pointZ(curve, j - 1), "heights rising");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::writeScratchFile("HULL.DAT", data, size);
  HullModel hull(0, 0);
  try {
    hull = readHullDataFile(fuzz::scratchDirectory() / "HULL.DAT", "HULL.DAT");
  } catch (const ProgramEnd& end) {
    require(end.reason() == ExitReason::InputError, "only input errors from the reader");
    require(end.message().rfind("HULL.DAT ", 0) == 0, "message names the hull file");
    return 0;
  }
  require(hull.stationCount >= 1 && hull.stationCount <= kMaxStations, "station count");
  for (int i = 1; i <= hull.stationCount; ++i) {
    checkCurve(hull, i, 2);
    if (i > 1) require(hull.stationX(i) > hull.stationX(i - 1), "station positions rising");
  }
  checkCurve(hull, hull.sternCurve(), 1);
  checkCurve(hull, hull.bowCurve(), 1);

  computeHullExtents(hull);
  require(hull.maxHalfBreadth >= 0.0 && hull.maxHeight >= 0.0, "extents not negative");
  for (int i = 1; i <= hull.stationCount; ++i) {
    require(hull.keelHeight(i) < hull.topHeight(i), "keel below the top");
    require(hull.minTopHeight <= hull.topHeight(i), "lowest top");
  }
  return 0;
}
