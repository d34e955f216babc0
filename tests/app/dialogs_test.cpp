#include "qt/dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "image_checks.h"
#include "model/hull_data_file.h"
#include "model/hull_model.h"
#include "plots/check_plots.h"
#include "qt/frame_view.h"
#include "qt/qt_platform.h"
#include "qt/screen_layout.h"
#include "words/language.h"

namespace norvika {
namespace {

TEST(ProgramIcon, IsBuiltInAndDrawsTheSection) {
  const QIcon icon(QStringLiteral(":/norvika.svg"));
  ASSERT_FALSE(icon.isNull());
  const QImage image = icon.pixmap(64, 64).toImage();
  ASSERT_EQ(image.size(), QSize(64, 64));
  const auto pixelsOf = [&image](QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (testing::colourNear(image, QPoint(x, y), colour, 0, 40)) ++count;
      }
    }
    return count;
  };
  // The section's outline is magenta, its waterline green.
  EXPECT_GT(pixelsOf(QColor(0xc2, 0x18, 0x7a)), 40);
  EXPECT_GT(pixelsOf(QColor(0x2a, 0x9d, 0x3a)), 20);
}

TEST(InputBox, ShowsTitlePromptAndSelectedDefaultAndReturnsTheAnswer) {
  struct Case {
    const char* name;
    std::function<void(InputBoxDialog&)> user;
    QString expected;
  };
  const Case cases[] = {
      {"accepts the default", [](InputBoxDialog& b) { b.accept(); }, "H"},
      {"types over the selection",
       [](InputBoxDialog& b) {
         b.lineEdit()->insert("E");  // replaces the selected default
         b.accept();
       },
       "E"},
      {"cancelled", [](InputBoxDialog& b) { b.reject(); }, ""},
      {"closed", [](InputBoxDialog& b) { b.close(); }, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputBoxDialog box("POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>", " ", "H");
    bool seen = false;
    QTimer::singleShot(0, &box, [&] {
      seen = true;
      EXPECT_TRUE(box.isVisible());
      EXPECT_TRUE(box.isModal());
      EXPECT_EQ(box.windowTitle(), " ");
      EXPECT_EQ(box.prompt(), "POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>");
      EXPECT_EQ(box.lineEdit()->text(), "H");
      EXPECT_EQ(box.lineEdit()->selectedText(), "H");
      c.user(box);
    });
    EXPECT_EQ(runInputBox(box), c.expected);
    EXPECT_TRUE(seen);
  }
}

TEST(InputBox, IsPlacedAtItsLayoutPlaceOnTheScreensAvailableArea) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  const QRect area = screen->availableGeometry();
  InputBoxDialog box("prompt", "title", "");
  box.placeAtTwips(7680, 5760);  // the middle of the layout
  const QSize frame = box.size().grownBy(decorationMargins());
  EXPECT_EQ(box.pos(), area.topLeft() + QPoint(area.width() / 2, area.height() / 2));
  EXPECT_EQ(boxPosition(144000, 144000, frame, screen),
            QPoint(area.right() + 1 - frame.width(), area.bottom() + 1 - frame.height()));
}

// At any width a wrapped prompt breaks before its yes/no choice or after it, never inside.
TEST(InputBox, PromptKeepsItsChoiceOnOneLine) {
  const struct {
    QString prompt;
    QString choice;
  } prompts[] = {
      {"POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>", "E/H <H>"},
      {"IS ANYTHING WRONG WITH THE BOW CONTOUR Y/N <N>", "Y/N <N>"},
      {QString::fromUtf8("DALGA FORMU veya SU HATTINDA BİR YANLIŞLIK VAR MI E/H <H>"), "E/H <H>"},
  };
  const QFont font = QLabel().font();
  for (const auto& p : prompts) {
    SCOPED_TRACE(p.prompt.toStdString());
    const QString shown = promptKeepingChoice(p.prompt);
    QString visible = shown;
    visible.remove(QChar(0x2060)).replace(QChar(QChar::Nbsp), QLatin1Char(' '));
    EXPECT_EQ(visible, p.prompt);
    const qsizetype choiceAt = visible.lastIndexOf(p.choice);
    for (int width = 40; width <= 600; width += 4) {
      QTextLayout layout(shown, font);
      QTextOption option;
      option.setWrapMode(QTextOption::WordWrap);
      layout.setTextOption(option);
      layout.beginLayout();
      for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const qsizetype start = line.textStart();
        // In `shown` the choice is one character longer: its word joiner.
        EXPECT_FALSE(start > choiceAt && start < choiceAt + p.choice.size() + 1)
            << "a line starts inside the choice at width " << width;
      }
      layout.endLayout();
    }
  }
}

// A question the run leaves untitled is titled by the drawing it asks about, in the run's
// language; a titled question keeps its title.
TEST(QtPlatform, GeometryQuestionsAreTitledByTheirDrawings) {
  auto hull = std::make_unique<HullModel>(readHullDataFile(
      std::filesystem::path(NORVIKA_SOURCE_DIR) / "examples/box-barge/case1-level/KUTU.DAT",
      "KUTU.DAT"));
  computeHullExtents(*hull);
  const struct {
    Language language;
    QStringList titles;
  } cases[] = {
      {Language::Turkish, {"POSTA KESITLERI (BODY PLAN)", "KIC BODOSLAMA", "BAS BODOSLAMA"}},
      {Language::English, {"STATION SECTIONS (BODY PLAN)", "STERN CONTOUR", "BOW CONTOUR"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.titles.front().toStdString());
    const LanguageScope language(c.language);
    QtPlatform platform(".");
    QStringList seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&seen] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && dynamic_cast<InputBoxDialog*>(w) != nullptr &&
            (seen.isEmpty() || seen.back() != w->windowTitle())) {
          seen << w->windowTitle();
        }
      }
    });
    watch.start(10);
    platform.answerAutomatically({"H", "H", "H", ""}, 150);
    EXPECT_TRUE(checkStationSections(platform, *hull));
    EXPECT_TRUE(checkEndContours(platform, *hull, hull->stationX(hull->stationCount)));
    platform.inputBox("DEVAM ETMEK ICIN 'ENTER' TUSUNA BASIN", "DEVAM BOLUMU", "", 10000, 4500);
    EXPECT_EQ(seen.join(" | ").toStdString(),
              (c.titles + QStringList{"DEVAM BOLUMU"}).join(" | ").toStdString());
  }
}

TEST(MessageBox, StyleGivesButtonsIconAndDefault) {
  using B = QMessageBox;
  struct Case {
    int style;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton defaultButton;
  };
  const Case cases[] = {
      {276, B::Yes | B::No, B::Critical, B::No},
      {0, B::Ok, B::NoIcon, B::Ok},
      {33, B::Ok | B::Cancel, B::Question, B::Ok},
      {306, B::Abort | B::Retry | B::Ignore, B::Warning, B::Retry},
      {515, B::Yes | B::No | B::Cancel, B::NoIcon, B::Cancel},
      {69, B::Retry | B::Cancel, B::Information, B::Retry},
      {260, B::Yes | B::No, B::NoIcon, B::No},
      {512 + 4, B::Yes | B::No, B::NoIcon, B::Yes},  // no third button: the first one
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    QMessageBox box;
    configureMessageBox(box, "DEPLASMAN SAGLANAMADI", c.style, "HATA");
    EXPECT_EQ(box.standardButtons(), c.buttons);
    EXPECT_EQ(box.icon(), c.icon);
    ASSERT_NE(box.defaultButton(), nullptr);
    EXPECT_EQ(box.standardButton(box.defaultButton()), c.defaultButton);
    EXPECT_EQ(box.windowTitle(), "HATA");
    EXPECT_EQ(box.text(), "DEPLASMAN SAGLANAMADI");
  }
}

// Available areas: whole screens, screens with a panel at the top or on the left, and a
// second screen to the right.
const QRect kAvailableAreas[] = {
    {0, 0, 1024, 768},  {0, 0, 1366, 768},  {0, 0, 1600, 1000},  {0, 0, 1920, 1080},
    {0, 0, 2560, 1440}, {0, 28, 1366, 740}, {64, 0, 1856, 1080}, {1920, 0, 2560, 1440},
};

std::string areaName(const QRect& area) {
  return QString("%1x%2+%3+%4")
      .arg(area.width())
      .arg(area.height())
      .arg(area.x())
      .arg(area.y())
      .toStdString();
}

TEST(ScreenLayout, EveryFrameOnScreenInTheLayoutsArrangementAtEverySize) {
  // The run's questions: checks, waterline check, pause, closing box; boxes are at most
  // 480 x 200 pixels with their frames.
  const QPoint questions[] = {{4000, 8500}, {7000, 7000}, {10000, 4500}, {9000, 8500}};
  const QSize box(480, 200);
  QPoint lastPause;
  for (const QRect& area : kAvailableAreas) {
    SCOPED_TRACE(areaName(area));
    auto frame = [&area](WindowId id) { return drawingWindowFrame(id, area); };
    for (int i = 0; i < kWindowCount; ++i) {
      const QRect f = frame(static_cast<WindowId>(i));
      EXPECT_TRUE(area.contains(f)) << windowSlug(static_cast<WindowId>(i));
      EXPECT_GE(f.width(), area.width() / 2 - 1);
      EXPECT_GE(f.height(), area.height() * 2 / 5);
    }
    const QPoint centre = area.center();
    // Which window is where: the report top right, the drawings asked about below it, the
    // ship position bottom left; the report's displacement lines stay in sight.
    EXPECT_GT(frame(WindowId::Report).left(), centre.x() - 1);
    EXPECT_EQ(frame(WindowId::Report).top(), area.top());
    EXPECT_GE(frame(WindowId::Graph).top(), centre.y());
    EXPECT_FALSE(frame(WindowId::Offsets).intersects(frame(WindowId::Report)));
    EXPECT_LE(frame(WindowId::ShipPosition).right(), centre.x());
    EXPECT_EQ(frame(WindowId::ShipPosition).bottom(), area.bottom());
    for (const QPoint q : questions) {
      EXPECT_TRUE(area.contains(questionBoxFrame(q.x(), q.y(), box, area)))
          << q.x() << "," << q.y();
    }
    // Scaled with the screen: the pause box moves out with the windows it sits by.
    const QPoint pause = questionBoxFrame(10000, 4500, box, area).topLeft() - area.topLeft();
    if (area.width() >= 1920) {
      EXPECT_GT(pause.x(), 1000);
    }
    lastPause = pause;
  }
  EXPECT_GT(lastPause.x(), 1600);
}

// Each question box leaves the drawing it asks about in sight and, where the screen has room,
// every other window too; a box that covers nothing stays at its place in the layout.
TEST(ScreenLayout, QuestionBoxesLeaveTheDrawingTheyAskAboutInSight) {
  using W = WindowId;
  struct Question {
    const char* what;
    QPoint twips;
    W about;
    std::vector<W> others;  // the other windows on screen
    QSize box;
    bool beside = false;  // moved, it stands level with a side of the drawing
  };
  const Question questions[] = {
      {"geometry check", {4000, 8500}, W::Report, {}, {400, 130}},
      {"waterline check", {7000, 7000}, W::Offsets, {W::Report}, {400, 130}, true},
      {"pause after the first graph",
       {10000, 4500},
       W::Graph,
       {W::Report, W::Offsets},
       {400, 130},
       true},
      {"pause after the strength drawing",
       {10000, 4500},
       W::Graph,
       {W::Report, W::Offsets, W::ShipPosition},
       {400, 130}},
      {"pause after the heeled sections",
       {10000, 4500},
       W::Stability,
       {W::Report},
       {400, 130},
       true},
      {"closing box", {9000, 8500}, W::Graph, {W::Report, W::Offsets, W::ShipPosition}, {500, 190}},
  };
  for (const QRect& area : kAvailableAreas) {
    SCOPED_TRACE(areaName(area));
    for (const Question& q : questions) {
      SCOPED_TRACE(q.what);
      BoxSurroundings around{drawingWindowFrame(q.about, area), {}};
      for (const W other : q.others) around.others.append(drawingWindowFrame(other, area));
      const QRect frame = questionBoxFrame(q.twips.x(), q.twips.y(), q.box, area, around);
      EXPECT_TRUE(area.contains(frame));
      EXPECT_FALSE(frame.intersects(around.drawing));
      for (const QRect& other : around.others) EXPECT_FALSE(frame.intersects(other));
      const QRect layoutPlace = questionBoxFrame(q.twips.x(), q.twips.y(), q.box, area);
      const bool coversNothing = !layoutPlace.intersects(around.drawing) &&
                                 std::none_of(around.others.begin(), around.others.end(),
                                              [&layoutPlace](const QRect& other) {
                                                return layoutPlace.intersects(other);
                                              });
      if (coversNothing) {
        EXPECT_EQ(frame, layoutPlace);
      }
      if (q.beside) {
        // Level with the drawing beside it, not with the window above it.
        const QRect& d = around.drawing;
        EXPECT_TRUE(frame.right() + 1 == d.left() || d.right() + 1 == frame.left());
        EXPECT_TRUE(frame.top() >= d.top() && frame.bottom() <= d.bottom());
      }
    }
    // A drawing over the whole screen (the user made it so): the box takes its bottom right
    // corner, away from the heading at the top left.
    const QRect frame = questionBoxFrame(10000, 4500, {400, 130}, area, {area, {}});
    EXPECT_EQ(frame.bottomRight(), area.bottomRight());
    // The graph opens a title bar lower than the waterline check, whose title stays in sight.
    EXPECT_EQ(drawingWindowFrame(W::Graph, area).top() - drawingWindowFrame(W::Offsets, area).top(),
              decorationMargins().top());
  }
}

TEST(QtPlatform, ShowsWindowsLiveAndAnswersAutomatically) {
  QtPlatform platform(".");
  Window& graph = platform.window(WindowId::Graph);
  EXPECT_FALSE(platform.view(WindowId::Graph).isVisible());
  graph.show();
  EXPECT_TRUE(platform.view(WindowId::Graph).isVisible());
  EXPECT_EQ(platform.view(WindowId::Graph).windowTitle(), QString::fromUtf8("Grafik Çizim"));
  platform.view(WindowId::Graph).resize(400, 400);
  graph.scale(0, 10, 10, 0);
  graph.drawWidth(8);
  graph.line(0, 5, 10, 5, qbColor(4));
  const QImage shown = platform.view(WindowId::Graph).grab().toImage();
  EXPECT_TRUE(testing::colourNear(shown, QPoint(300, 200), QColor(128, 0, 0)));
  EXPECT_EQ(testing::inkedPixels(shown, QRect(290, 100, 20, 20)), 0);

  platform.answerAutomatically({"E", ""}, 10);
  EXPECT_EQ(platform.inputBox("SORU", " ", "H", 4000, 8500), "E");
  EXPECT_EQ(platform.inputBox("SORU", " ", "H", 4000, 8500), "");
  EXPECT_EQ(platform.inputBox("SORU", " ", "H", 4000, 8500), "H");  // answers used up
  platform.messageBox("DUR", 276, "HATA");  // returns once its default button is pressed
}

}  // namespace
}  // namespace norvika
