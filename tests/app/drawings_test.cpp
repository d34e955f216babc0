// Every finished drawing of every example (norvika's and norvika-hydrostatics's) as the
// renderer paints it into SVG at three sizes: the least a drawing window can be made, the
// window on a 1920 x 1080 desktop and the picture --plots writes. No text may stand on
// another, be crossed by a line other than its own leader or leave the picture, and the
// distribution graphs, the strength diagrams and the hydrostatics drawings carry numbered
// value scales with their units.
//
// The stability drawings, whose labels stand on the grid and on the areas they name, are held
// to less: no text may leave the picture, stand on another or be crossed by a dashed guide line.
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
#include "run/stability_run.h"
#include "stability/stability_options.h"
#include "words/language.h"

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

// The dashed lines of `frame` painted at `size`, each as the polyline through its dashes and the
// gaps between them (pixels). A dash is a line that goes on, past a gap, along the line of one
// colour just before it; a line that starts where that one ends goes on without a gap.
std::vector<std::vector<QPointF>> dashedLines(const Frame& frame, QSize size) {
  std::vector<std::vector<QPointF>> dashed;
  std::vector<QPointF> run;
  bool gapped = false;
  Colour colour = 0;
  for (const Primitive& p : frame.items) {
    const auto map =
        userToDevice(p.scale, QRectF(QPointF(0, 0), QSizeF(size)), keepsTrueShape(frame.window));
    if (p.kind != PrimitiveKind::Line || !map) continue;
    const QPointF a = map->map(QPointF(p.x1, p.y1));
    const QPointF b = map->map(QPointF(p.x2, p.y2));
    bool goesOn = false;
    bool gap = false;
    if (!run.empty() && p.colour == colour) {
      const QPointF along = run.back() - run[run.size() - 2];
      const QPointF on = a - run.back();
      const double length = std::hypot(along.x(), along.y());
      gap = std::hypot(on.x(), on.y()) > 1e-6;
      const double off = std::abs(along.x() * on.y() - along.y() * on.x());  // times length
      goesOn = !gap || (off < 0.01 * length && QPointF::dotProduct(along, on) > 0.0);
    }
    if (!goesOn) {
      if (gapped) dashed.push_back(run);
      run.clear();
      gapped = false;
    }
    if (!goesOn || gap) run.push_back(a);
    gapped = gapped || (goesOn && gap);
    run.push_back(b);
    colour = p.colour;
  }
  if (gapped) dashed.push_back(run);
  return dashed;
}

TEST(Drawings, StabilityLabelsStayInsideAndOffEachOtherAndTheGuideLines) {
  struct Case {
    const char* example;
    std::vector<std::string> arguments;  // none: the example's norvika-stability.args
  };
  const Case cases[] = {
      {"box-barge/stability", {}},
      {"dtmb5415/stability", {}},
      // A 24 m boat, with a flooding angle beyond the deck edge.
      {"hard-chine/case1-level",
       {"--drafts", "0.5,1,1.5", "--kg", "1.6", "--draft", "1", "--flooding-angle", "50",
        "--wind-area", "40", "--wind-lever", "2"}},
  };
  for (const Case& c : cases) {
    for (const char* language : {"tr", "en"}) {
      SCOPED_TRACE(std::string(c.example) + " " + language);
      const fs::path example = kSourceDir / "examples" / c.example;
      testing::RunDirectory run;
      for (const auto& entry : fs::directory_iterator(example)) {
        fs::copy_file(entry.path(), run.path() / entry.path().filename());
      }
      std::vector<std::string> args = c.arguments;
      if (args.empty()) args = testing::fileLines(example / "norvika-stability.args");
      args.insert(args.end(), {"--language", language});
      std::string error;
      const auto options = parseStabilityOptions(args, error);
      ASSERT_TRUE(options) << error;
      const LanguageScope scope(*options->language);
      RecordingPlatform platform(run.path());
      StabilitySettings settings = options->settings;
      settings.draw = true;
      ASSERT_EQ(runStability(platform, settings).reason, ExitReason::Completed);
      for (const WindowId window : {WindowId::Graph, WindowId::Stability}) {
        ASSERT_EQ(platform.finishedFrames(window).size(), 1u);
        const Frame& frame = platform.finishedFrames(window).front();
        const QSize size = pictureSizeFor(window);
        SCOPED_TRACE(frame.name);
        const std::vector<testing::PaintedText> texts = testing::paintSvg(frame, size).texts;
        const std::vector<std::vector<QPointF>> dashed = dashedLines(frame, size);
        ASSERT_EQ(dashed.empty(), window == WindowId::Graph) << "the GZ curve's guide lines";
        const QRectF picture = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(-1, -1, 1, 1);
        for (std::size_t i = 0; i < texts.size(); ++i) {
          const QRectF box = texts[i].box.adjusted(1, 1, -1, -1);
          const std::string& said = texts[i].text;
          EXPECT_TRUE(picture.contains(texts[i].box)) << "'" << said << "' leaves the picture";
          for (std::size_t j = i + 1; j < texts.size(); ++j) {
            EXPECT_FALSE(box.intersects(texts[j].box.adjusted(1, 1, -1, -1)))
                << "'" << said << "' on '" << texts[j].text << "'";
          }
          const TextBox room{box.left(), box.bottom(), box.right(), box.top()};
          for (const std::vector<QPointF>& line : dashed) {
            for (std::size_t k = 0; k + 1 < line.size(); ++k) {
              EXPECT_FALSE(
                  crosses({line[k].x(), line[k].y()}, {line[k + 1].x(), line[k + 1].y()}, room))
                  << "'" << said << "' crossed by a dashed line";
            }
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace norvika
