#pragma once

#include <filesystem>
#include <ostream>

#include "desktop_drawings.h"
#include "stability/stability_front_end.h"

namespace norvika {

/// The drawings of a stability run rendered to files: each as PNG and SVG in
/// the --plots directory ("cross-curves", "gz-curve"), and the PDF record of
/// --pdf (the inputs and result files, STABILITE.SON, then the drawings).
class StabilityPictures : public StabilityDrawings {
 public:
  void watch(Platform& platform) override { files_.watch(platform); }
  bool write(const StabilityOptions& options, const StabilityRun& run,
             const std::filesystem::path& directory, std::ostream& out, std::ostream& err) override;

 private:
  DrawingFiles files_{kStabilityProgram, stabilityDrawingName, stabilityDrawingCaption};
};

}  // namespace norvika
