// Every finished drawing of every example (norvika's and norvika-hydrostatics's) as the
// renderer paints it into SVG at three sizes: the least a drawing window can be made, the
// window on a 1920 x 1080 desktop and the picture --plots writes. No text may stand on
// another, be crossed by a line other than its own leader or leave the picture, and the
// distribution graphs, the strength diagrams and the hydrostatics drawings carry numbered
// value scales with their units.
//
// NORVIKA_PICTURES_DIR=DIR also saves each picture there as PNG, to be looked at.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "../core/run/drawing_record.h"
#include "../core/run/run_files.h"
#include "hydrostatics/hydrostatics_front_end.h"
#include "painted_drawing.h"
#include "platform/recording_platform.h"
#include "qt/frame_view.h"
#include "qt/screen_layout.h"
#include "render/picture_files.h"
#include "run/calculation_driver.h"
#include "run/hydrostatics_run.h"

namespace norvika {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = NORVIKA_SOURCE_DIR;

struct Drawing {
  std::string example;
  Frame frame;
};

// The finished drawings of a recording, each once (the examples of a hull share their checks).
void keepDrawings(const std::string& example, const RecordingPlatform& platform,
                  std::set<std::string>& seen, std::vector<Drawing>& drawings) {
  for (int w = 0; w < kWindowCount; ++w) {
    for (const Frame& frame : platform.finishedFrames(static_cast<WindowId>(w))) {
      if (frame.role != FrameRole::Drawing) continue;
      if (!seen.insert(testing::displayListText(frame)).second) continue;
      drawings.push_back({example, frame});
    }
  }
}

std::vector<Drawing> everyDrawing() {
  std::vector<Drawing> drawings;
  std::set<std::string> seen;
  for (const fs::path& example : testing::runExamples(kSourceDir)) {
    testing::RunDirectory run;
    for (const auto& entry : fs::directory_iterator(example)) {
      fs::copy_file(entry.path(), run.path() / entry.path().filename());
    }
    RecordingPlatform platform(run.path());
    EXPECT_EQ(runCalculation(platform).reason, ExitReason::Completed) << example;
    keepDrawings(example.parent_path().filename().string() + "/" + example.filename().string(),
                 platform, seen, drawings);
  }
  for (const auto& hull : fs::directory_iterator(kSourceDir / "examples")) {
    if (!hull.is_directory()) continue;
    for (const auto& example : fs::directory_iterator(hull.path())) {
      if (!fs::exists(example.path() / "norvika-hydrostatics.args")) continue;
      testing::RunDirectory run;
      for (const auto& entry : fs::directory_iterator(example.path())) {
        fs::copy_file(entry.path(), run.path() / entry.path().filename());
      }
      std::vector<std::string> args;
      std::ifstream in(example.path() / "norvika-hydrostatics.args");
      for (std::string line; std::getline(in, line);) args.push_back(line);
      std::string error;
      const auto options = parseHydrostaticsOptions(args, error);
      EXPECT_TRUE(options) << error;
      if (!options) continue;
      RecordingPlatform platform(run.path());
      runHydrostatics(platform, hydrostaticsSettings(*options, true));
      keepDrawings(hull.path().filename().string() + "/" + example.path().filename().string(),
                   platform, seen, drawings);
    }
  }
  return drawings;
}

// The units a drawing's value scales must name; none for the drawings without such a scale.
std::vector<std::string> scaleUnits(const std::string& name) {
  if (name.rfind("buoyancy", 0) == 0) return {"t/m"};
  if (name == "strength") return {"(t/m)", "SF (", "BM ("};
  if (name == "curves-of-form") return {"(m)", "(ton)"};
  if (name == "bonjean-curves") return {"(m)", "m2"};
  return {};
}

TEST(Drawings, LabelsStandClearAndValueScalesAreNumbered) {
  const std::vector<Drawing> drawings = everyDrawing();
  ASSERT_GE(drawings.size(), 40u);
  const char* saveTo = std::getenv("NORVIKA_PICTURES_DIR");
  for (const Drawing& drawing : drawings) {
    const Frame& frame = drawing.frame;
    const QSize large = drawingWindowFrame(frame.window, QRect(0, 0, 1920, 1080))
                            .size()
                            .shrunkBy(decorationMargins());
    for (const QSize size : {kLeastGraphSize, large, pictureSizeFor(frame.window)}) {
      const std::string name = drawing.example + " " + frame.name + " " +
                               std::to_string(size.width()) + "x" + std::to_string(size.height());
      SCOPED_TRACE(name);
      const testing::PaintedDrawing painted = testing::paintSvg(frame, size);
      for (const std::string& crowded : testing::crowdedTexts(painted)) ADD_FAILURE() << crowded;
      const QRectF picture = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(-1, -1, 1, 1);
      for (const testing::PaintedText& text : painted.texts) {
        EXPECT_TRUE(picture.contains(text.box)) << "'" << text.text << "' leaves the picture";
      }
      const std::vector<std::string> units = scaleUnits(frame.name);
      if (!units.empty()) {
        EXPECT_TRUE(testing::hasNumberedScale(painted));
      }
      for (const std::string& unit : units) EXPECT_TRUE(testing::writes(painted, unit)) << unit;
      if (saveTo != nullptr) {
        std::string file = name;
        for (char& c : file) c = (c == '/' || c == ' ') ? '_' : c;
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        renderFrame(painter, frame, QRectF(QPointF(0, 0), QSizeF(size)));
        painter.end();
        image.save(QString::fromStdString((fs::path(saveTo) / (file + ".png")).string()));
      }
    }
  }
}

}  // namespace
}  // namespace norvika
