#pragma once

#include <QDateTime>
#include <filesystem>
#include <ostream>
#include <vector>

#include "hydrostatics/hydrostatics_front_end.h"

namespace norvika {

/// The drawings of a hydrostatics run rendered to files by the program's
/// renderer: each as PNG and SVG in the --plots directory ("curves-of-form",
/// "bonjean-curves"), and the PDF record of --pdf (the inputs and result files,
/// HIDROSTATIK.SON, then both drawings). Every file is written beside its name
/// and renamed into place.
class HydrostaticsPictures : public HydrostaticsDrawings, private WindowObserver {
 public:
  void watch(Platform& platform) override;
  bool write(const HydrostaticsOptions& options, const HydrostaticsRun& run,
             const std::filesystem::path& directory, std::ostream& out, std::ostream& err) override;

 private:
  void frameFinished(const Window& window, const Frame& frame) override;
  bool savePictures(const std::filesystem::path& plots, std::ostream& out, std::ostream& err) const;
  bool saveRecord(const std::filesystem::path& pdf, const HydrostaticsRun& run,
                  const std::filesystem::path& directory, std::ostream& out,
                  std::ostream& err) const;

  std::vector<Frame> frames_;
  QDateTime started_ = QDateTime::currentDateTime();
};

}  // namespace norvika
