#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "image_checks.h"
#include "platform/recording_platform.h"
#include "render/frame_renderer.h"
#include "render/picture_files.h"
#include "render/picture_saver.h"
#include "render/run_record.h"

namespace norvika {
namespace {

namespace fs = std::filesystem;
using testing::colourNear;
using testing::inkedPixels;

fs::path freshDirectory(const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / ("norvika_app_" + name);
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

QImage render(const Frame& frame, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::black);  // the renderer must paint its own white background
  QPainter painter(&image);
  renderFrame(painter, frame, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  return image;
}

// A frame on a 10 x 10 user square: a thick light-red line at height 2, a light-blue circle
// of radius 2 round (5, 7) and a black text whose top-left corner is at (1, 9).
Frame sampleFrame(const UserScale& scale) {
  Window w(WindowId::Report);
  w.scale(scale.left, scale.top, scale.right, scale.bottom);
  w.drawWidth(10);
  w.line(1, 2, 9, 2, qbColor(12));
  w.circle(5, 7, 2, qbColor(9));
  w.fontName("Arial");
  w.fontSize(14);
  w.foreColor(qbColor(0));
  w.setCurrent(1, 9);
  w.print("HESAP");
  return w.currentFrame();
}

TEST(FrameRenderer, DrawsLineCircleAndTextWhereTheUserScalePutsThem) {
  struct Case {
    const char* name;
    UserScale scale;
    QSize size;
    // Device position of a user point, worked out by hand for this scale and size.
    std::function<QPointF(double, double)> device;
  };
  const UserScale up{0, 10, 10, 0};    // y grows upward
  const UserScale down{0, 0, 10, 10};  // y grows downward
  const Case cases[] = {
      {"square, y up",
       up,
       {400, 400},
       [](double u, double v) { return QPointF(40 * u, 400 - 40 * v); }},
      {"wide target centres across",
       up,
       {800, 400},
       [](double u, double v) { return QPointF(200 + 40 * u, 400 - 40 * v); }},
      {"tall target centres down",
       up,
       {400, 800},
       [](double u, double v) { return QPointF(40 * u, 600 - 40 * v); }},
      {"square, y down",
       down,
       {400, 400},
       [](double u, double v) { return QPointF(40 * u, 40 * v); }},
  };
  const QColor red(255, 0, 0), blue(0, 0, 255), black(0, 0, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QImage image = render(sampleFrame(c.scale), c.size);
    auto at = [&](double u, double v) { return c.device(u, v).toPoint(); };
    EXPECT_TRUE(colourNear(image, at(5, 2), red));
    EXPECT_TRUE(colourNear(image, at(1.2, 2), red));
    // Mirror image of the line and beyond its ends: nothing.
    EXPECT_EQ(inkedPixels(image, QRect(at(5, 8) - QPoint(3, 3), QSize(7, 7))), 0);
    EXPECT_EQ(inkedPixels(image, QRect(at(0.5, 2) - QPoint(3, 3), QSize(7, 7))), 0);
    EXPECT_EQ(inkedPixels(image, QRect(at(9.5, 2) - QPoint(3, 3), QSize(7, 7))), 0);
    // The circle is an outline: its rim is blue, its centre blank.
    EXPECT_TRUE(colourNear(image, at(7, 7), blue));
    EXPECT_TRUE(colourNear(image, at(3, 7), blue));
    EXPECT_TRUE(colourNear(image, at(5, 9), blue));
    EXPECT_EQ(inkedPixels(image, QRect(at(5, 7) - QPoint(5, 5), QSize(11, 11))), 0);
    // Outside the user rectangle of a letterboxed target: white, not the caller's black.
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    // Text hangs below and to the right of its corner, never above it.
    const QPoint corner = at(1, 9);
    const bool yUp = c.scale.top > c.scale.bottom;
    const QRect below(corner.x(), corner.y() + 1, 80, 24);
    const QRect above(corner.x(), corner.y() - 24, 80, 22);
    if (yUp) {
      EXPECT_GT(inkedPixels(image, below), 40);
      EXPECT_TRUE(colourNear(image, corner + QPoint(2, 10), black, 4, 100));
      EXPECT_EQ(inkedPixels(image, above), 0);
    } else {
      // With y downward (1, 9) is near the bottom edge; the text still starts at the corner.
      EXPECT_GT(inkedPixels(image, QRect(corner.x(), corner.y(), 80, 20)), 40);
      EXPECT_EQ(inkedPixels(image, QRect(corner.x(), corner.y() - 30, 80, 28)), 0);
    }
  }
}

TEST(FrameRenderer, UserToDeviceKeepsAspectAndRejectsEmptyScales) {
  const auto map = userToDevice(UserScale{-30, 18.75, 20, -18.75}, QRectF(0, 0, 1000, 500));
  ASSERT_TRUE(map.has_value());
  // 50 x 37.5 user units in 1000 x 500: 500 / 37.5 pixels per unit both ways, centred across.
  const double unit = 500 / 37.5;
  EXPECT_NEAR(map->map(QPointF(-30, 18.75)).x(), 500 - 25 * unit, 1e-9);
  EXPECT_NEAR(map->map(QPointF(-30, 18.75)).y(), 0, 1e-9);
  EXPECT_NEAR(map->map(QPointF(20, -18.75)).x(), 500 + 25 * unit, 1e-9);
  EXPECT_NEAR(map->map(QPointF(20, -18.75)).y(), 500, 1e-9);
  EXPECT_FALSE(userToDevice(UserScale{0, 5, 0, -5}, QRectF(0, 0, 100, 100)));
  EXPECT_FALSE(userToDevice(UserScale{0, 0, 10, 0}, QRectF(0, 0, 100, 100)));
  // A frame drawn on a degenerate scale leaves a blank picture rather than garbage.
  Window w(WindowId::Graph);
  w.scale(0, 0, 0, 0);
  w.line(0, 0, 1, 1, qbColor(0));
  EXPECT_EQ(inkedPixels(render(w.currentFrame(), {100, 100}), QRect(0, 0, 100, 100)), 0);
}

TEST(FrameRenderer, GraphsAndProfilesFillTheirWindowSectionsKeepTheirShape) {
  // The profile's scale, 1.6 L across and 1.5 D up, fills a wide picture: a line along the
  // deck at D runs from one fifth of the height...
  const UserScale profile{-30, 12.5, 130, -2.5};  // L = 100, D = 10
  for (WindowId id : {WindowId::Graph, WindowId::ShipPosition, WindowId::Offsets}) {
    Window w(id);
    w.scale(profile.left, profile.top, profile.right, profile.bottom);
    w.drawWidth(3);
    w.line(0, 10, 100, 10, qbColor(12));
    const QImage image = render(w.currentFrame(), {1600, 800});
    const int y = static_cast<int>(800 * (12.5 - 10) / 15);  // 133
    EXPECT_TRUE(colourNear(image, QPoint(800, y), QColor(255, 0, 0))) << windowSlug(id);
    EXPECT_TRUE(colourNear(image, QPoint(1600 * 30 / 160 + 5, y), QColor(255, 0, 0)));
    EXPECT_TRUE(keepsTrueShape(WindowId::Report) && keepsTrueShape(WindowId::Stability));
  }
  // ... while a section window keeps one metre as long across as up.
  const auto map =
      userToDevice(profile, QRectF(0, 0, 1600, 800), keepsTrueShape(WindowId::Stability));
  ASSERT_TRUE(map.has_value());
  EXPECT_DOUBLE_EQ(std::abs(map->m11()), std::abs(map->m22()));
}

TEST(FrameRenderer, PenAndFontGrowWithThePicture) {
  Window w(WindowId::Graph);
  w.scale(0, 10, 10, 0);
  w.drawWidth(2);
  w.line(0, 5, 10, 5, qbColor(0));
  auto thickness = [](const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
      if (image.pixelColor(image.width() / 2, y).lightness() < 128) ++dark;
    }
    return dark;
  };
  const int small = thickness(render(w.currentFrame(), {480, 480}));
  const int large = thickness(render(w.currentFrame(), {1920, 1920}));
  EXPECT_GE(small, 1);
  EXPECT_GE(large, 3 * small);
}

TEST(FrameRenderer, DrawingFontsAreInstalled) {
  for (const char* name : {"Arial", "Times New Roman"}) {
    SCOPED_TRACE(name);
    const QString family = fontFamilyFor(name);
    EXPECT_EQ(QFontInfo(QFont(family)).family(), family);
  }
}

// The finished drawings are saved by default, every frame on request; each is numbered in
// the order the frames were begun and named by what it shows (by its window when it says
// nothing).
TEST(PictureSaver, NumbersFramesInTheOrderTheyWereBegunAndNamesThemByWhatTheyShow) {
  for (const bool everyFrame : {false, true}) {
    SCOPED_TRACE(everyFrame ? "every frame" : "the finished drawings");
    const fs::path dir = freshDirectory("pictures") / "plots";  // created by the saver
    RecordingPlatform platform;
    PictureSaver saver(dir, everyFrame);
    platform.observeWindows(&saver);
    Window& report = platform.window(WindowId::Report);
    Window& graph = platform.window(WindowId::Graph);
    report.scale(0, 10, 10, 0);
    graph.scale(0, 10, 10, 0);
    report.drawWidth(8);
    graph.drawWidth(8);

    Window& offsets = platform.window(WindowId::Offsets);
    report.cls();                          // nothing drawn yet: no picture
    offsets.line(0, 0, 1, 1, qbColor(0));  // begun first, finished only at the end
    report.describe("POSTA KESITLERI", "body-plan");
    report.line(0, 5, 10, 5, qbColor(9));
    report.cls();
    graph.describe("SEPHIYE", "buoyancy-at-stations");
    graph.line(5, 0, 5, 10, qbColor(12));
    graph.cls();
    report.describe("POSTA ONIZLEME 3", "station-03", FrameRole::Step);
    report.line(0, 5, 10, 5, qbColor(2));
    platform.finishAllFrames();

    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename());
    std::set<std::string> expected = {"01-offsets.png",
                                      "01-offsets.svg",
                                      "02-body-plan.png",
                                      "02-body-plan.svg",
                                      "03-buoyancy-at-stations.png",
                                      "03-buoyancy-at-stations.svg"};
    if (everyFrame) expected.insert({"04-station-03.png", "04-station-03.svg"});
    EXPECT_EQ(names, expected);
    EXPECT_EQ(saver.pictureCount(), everyFrame ? 4 : 3);
    EXPECT_TRUE(saver.failures().empty());
  }
}

TEST(PictureSaver, EachFileHoldsItsOwnFrame) {
  const fs::path dir = freshDirectory("pictures_own") / "plots";
  RecordingPlatform platform;
  PictureSaver saver(dir);
  platform.observeWindows(&saver);
  Window& report = platform.window(WindowId::Report);
  Window& graph = platform.window(WindowId::Graph);
  report.scale(0, 10, 10, 0);
  graph.scale(0, 10, 10, 0);
  report.drawWidth(8);
  graph.drawWidth(8);
  report.line(0, 5, 10, 5, qbColor(9));
  report.cls();
  graph.line(5, 0, 5, 10, qbColor(12));
  graph.cls();

  // Each file holds its own frame.
  const QImage first(toQString(dir / "01-report.png"));
  const QImage second(toQString(dir / "02-graph.png"));
  ASSERT_EQ(first.size(), kPictureSize);
  const QPoint centre(kPictureSize.width() / 2, kPictureSize.height() / 2);
  EXPECT_TRUE(colourNear(first, centre + QPoint(200, 0), QColor(0, 0, 255)));
  EXPECT_TRUE(colourNear(second, centre + QPoint(0, 200), QColor(255, 0, 0)));
  EXPECT_EQ(inkedPixels(second, QRect(centre + QPoint(200, -5), QSize(10, 10))), 0);
  QFile svg(toQString(dir / "02-graph.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QByteArray svgText = svg.readAll();
  EXPECT_TRUE(svgText.contains("<svg"));
  EXPECT_TRUE(svgText.contains("#ff0000"));
}

TEST(PictureSaver, RemembersPicturesItCannotWrite) {
  const fs::path dir = freshDirectory("pictures_blocked");
  const fs::path blocker = dir / "plots";
  std::ofstream(blocker) << "a file where the directory should be";
  RecordingPlatform platform;
  PictureSaver saver(blocker);
  platform.observeWindows(&saver);
  platform.window(WindowId::Report).line(0, 0, 1, 1, 0);
  EXPECT_NO_THROW(platform.finishAllFrames());
  EXPECT_EQ(saver.failures().size(), 2u);
}

int pdfPageObjects(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
  return static_cast<int>(
      QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())).count(page));
}

TEST(RunRecord, HasTheReportPagesThenOnePagePerFrame) {
  struct Case {
    const char* name;
    int reportLines;  // -1: no Norvika.SON
    int frames;
    int minReportPages, maxReportPages;
  };
  // About 70 report lines fit an A4 page at the record's font size.
  const Case cases[] = {
      {"stopped before the report", -1, 2, 1, 1},
      {"short report", 20, 3, 1, 1},
      {"long report", 400, 4, 5, 7},
      {"report only", 20, 0, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path dir = freshDirectory("record");
    RunOutcome outcome;
    outcome.directory = dir;
    if (c.reportLines >= 0) {
      std::string report;
      for (int i = 1; i <= c.reportLines; ++i) {
        report += "  POSTA " + std::to_string(i) + "     12.345\r\n";
      }
      outcome.written.push_back({ResultKind::Report, dir / "Norvika.SON", report});
    }
    RecordingPlatform platform(dir);
    FrameLog log;
    platform.observeWindows(&log);
    for (int i = 0; i < c.frames; ++i) {
      Window& w = platform.window(i % 2 == 0 ? WindowId::Graph : WindowId::Offsets);
      w.scale(0, 1, 1, 0);
      w.line(0, 0, 1, 1, qbColor(4));
      w.cls();
    }
    ASSERT_EQ(log.entries().size(), static_cast<std::size_t>(c.frames));
    const fs::path pdf = dir / "run.pdf";
    const int pages = writeRunRecord(pdf, log, outcome);
    EXPECT_EQ(pdfPageObjects(pdf), pages);
    // One summary page before the report (no task file here: it says so in a line).
    EXPECT_GE(pages - 1 - c.frames, c.minReportPages);
    EXPECT_LE(pages - 1 - c.frames, c.maxReportPages);
  }
}

TEST(RunRecord, KeepsItsOwnCopiesCaptionsThemAndTellsDrawingsFromSteps) {
  struct Drawn {
    WindowId window;
    bool lines;  // else text only
    const char* caption;
    FrameRole role;
    const char* expectedCaption;
  };
  const Drawn drawn[] = {
      {WindowId::Report, true, "POSTA KESITLERI", FrameRole::Drawing, "01  POSTA KESITLERI"},
      {WindowId::Report, true, "POSTA ONIZLEME 2", FrameRole::Step, "02  POSTA ONIZLEME 2"},
      {WindowId::Report, false, "DEPLASMAN DENGESI", FrameRole::Step, "03  DEPLASMAN DENGESI"},
      // A drawing that says nothing of itself is captioned by its window.
      {WindowId::Graph, true, "", FrameRole::Drawing, "04  Grafik Çizim"},
      {WindowId::Offsets, true, "SU HATTI", FrameRole::Drawing, "05  SU HATTI"},
  };
  RecordingPlatform platform;
  FrameLog log;
  platform.observeWindows(&log);
  for (const Drawn& d : drawn) {
    Window& w = platform.window(d.window);
    w.describe(d.caption, "", d.role);
    w.scale(0, 1, 1, 0);
    if (d.lines) w.line(0, 0, 1, 1, qbColor(4));
    w.print("TEXT");
    w.cls();
  }
  const std::vector<FrameLog::Entry> entries = log.entries();
  ASSERT_EQ(entries.size(), std::size(drawn));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(entries[i].number, static_cast<int>(i) + 1);
    EXPECT_EQ(entries[i].frame.window, drawn[i].window);
    EXPECT_EQ(entries[i].frame.items.size(), drawn[i].lines ? 2u : 1u);
    EXPECT_EQ(isFinishedDrawing(entries[i]), drawn[i].role == FrameRole::Drawing);
    EXPECT_EQ(frameCaption(entries[i]).toStdString(), drawn[i].expectedCaption);
  }
}

TEST(RunRecord, ReportsFailureForAnUnwritableFile) {
  FrameLog log;
  EXPECT_EQ(writeRunRecord("/nonexistent-dir/run.pdf", log, RunOutcome{}), 0);
}

}  // namespace
}  // namespace norvika
