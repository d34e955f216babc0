// The strength diagrams of the DTMB 5415 examples, with and without a sweep, as the renderer
// paints them at five sizes from the least the Graph window can be made: the window on a
// 1366 x 768 and a 1920 x 1080 desktop, the --plots picture and the record's page. Every
// text is measured with the font it is painted in: none may stand outside the picture, on
// another, on a grid line, a curve or a mark, but for its own leader.
//
// NORVIKA_PICTURES_DIR=DIR also saves each picture there, to be looked at.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "../core/run/run_files.h"
#include "painted_drawing.h"
#include "platform/recording_platform.h"
#include "qt/frame_view.h"
#include "render/frame_renderer.h"
#include "run/calculation_driver.h"

namespace norvika {
namespace {

namespace fs = std::filesystem;

Frame strengthDrawing(const std::string& example, int sweepPositions) {
  testing::RunDirectory run;
  for (const auto& entry :
       fs::directory_iterator(fs::path(NORVIKA_SOURCE_DIR) / "examples/dtmb5415" / example)) {
    fs::copy_file(entry.path(), run.path() / entry.path().filename());
  }
  RecordingPlatform platform(run.path());
  RunSettings settings;
  settings.sweepPositions = sweepPositions;
  EXPECT_EQ(runCalculation(platform, settings).reason, ExitReason::Completed) << example;
  const std::vector<Frame>& graphs = platform.finishedFrames(WindowId::Graph);
  return graphs.empty() ? Frame{} : graphs.back();
}

std::string textAt(const Frame& frame, std::size_t n) {
  for (const Primitive& p : frame.items) {
    if (p.kind == PrimitiveKind::Text && n-- == 0) return p.text;
  }
  return "";
}

TEST(StrengthPictures, EveryTextInsideThePictureAndClearOfTheOthers) {
  const struct {
    const char* example;
    int sweep;
  } runs[] = {{"strength-still-water", 0},
              {"strength-trochoid-crest", 0},
              {"strength-trochoid-crest", 40},
              {"strength-trochoid-trough", 7}};
  const QSize sizes[] = {kLeastGraphSize, {675, 339}, {952, 476}, {1440, 1080}, {1123, 794}};
  const char* saveTo = std::getenv("NORVIKA_PICTURES_DIR");
  for (const auto& run : runs) {
    const Frame frame = strengthDrawing(run.example, run.sweep);
    ASSERT_FALSE(frame.items.empty()) << run.example;
    for (const QSize size : sizes) {
      const std::string name = std::string(run.example) + "-sweep" + std::to_string(run.sweep) +
                               "-" + std::to_string(size.width()) + "x" +
                               std::to_string(size.height());
      SCOPED_TRACE(name);
      QImage image(size, QImage::Format_RGB32);
      const QRectF target(QPointF(0, 0), QSizeF(size));
      const std::vector<QRectF> texts = paintedTextRects(frame, target, image);
      ASSERT_GT(texts.size(), 20u);
      for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_TRUE(target.contains(texts[i])) << "'" << textAt(frame, i) << "' leaves the picture";
      }
      for (const std::string& crowded : testing::crowdedTexts(testing::paintSvg(frame, size))) {
        ADD_FAILURE() << crowded;
      }
      if (saveTo != nullptr) {
        QPainter painter(&image);
        renderFrame(painter, frame, target);
        painter.end();
        image.save(QString::fromStdString((fs::path(saveTo) / (name + ".png")).string()));
      }
    }
  }
}

}  // namespace
}  // namespace norvika
