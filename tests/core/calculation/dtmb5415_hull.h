#pragma once

// The DTMB 5415 as shipped with the examples (25 stations, a sonar dome, a
// transom, the stem's gap at the forward perpendicular), read and measured.

#include <filesystem>
#include <memory>

#include "model/hull_data_file.h"

namespace norvika::stabilitytest {

inline std::unique_ptr<HullModel> dtmb5415() {
  const auto file =
      std::filesystem::path(NORVIKA_SOURCE_DIR) / "examples/dtmb5415/case6-trimmed/DTMB5415.DAT";
  auto hull = std::make_unique<HullModel>(readHullDataFile(file, "DTMB5415.DAT"));
  computeHullExtents(*hull);
  return hull;
}

}  // namespace norvika::stabilitytest
