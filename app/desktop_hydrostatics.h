#pragma once

#include <filesystem>
#include <ostream>

#include "desktop_drawings.h"
#include "hydrostatics/hydrostatics_front_end.h"

namespace norvika {

/// The drawings of a hydrostatics run rendered to files: each as PNG and SVG
/// in the --plots directory ("curves-of-form", "bonjean-curves"), and the PDF
/// record of --pdf (the inputs and result files, HIDROSTATIK.SON, then both
/// drawings).
class HydrostaticsPictures : public HydrostaticsDrawings {
 public:
  void watch(Platform& platform) override { files_.watch(platform); }
  bool write(const HydrostaticsOptions& options, const HydrostaticsRun& run,
             const std::filesystem::path& directory, std::ostream& out, std::ostream& err) override;

 private:
  DrawingFiles files_{kHydrostaticsProgram, hydrostaticsDrawingName, hydrostaticsDrawingCaption};
};

}  // namespace norvika
