#include "qt/dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <functional>

#include "image_checks.h"
#include "qt/frame_view.h"
#include "qt/qt_platform.h"

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

TEST(InputBox, IsPlacedAtItsTwipPositionAndKeptOnScreen) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  const double dpiX = screen->logicalDotsPerInchX();
  const double dpiY = screen->logicalDotsPerInchY();
  const QRect area = screen->availableGeometry();
  const QPoint origin = screen->geometry().topLeft();

  struct Case {
    int xTwips, yTwips;
    QPoint expected;
  };
  const Case cases[] = {
      {0, 0, origin},
      {1440, 720, origin + QPoint(qRound(dpiX), qRound(dpiY / 2))},
      {4000, 1000, origin + QPoint(qRound(4000 * dpiX / 1440), qRound(1000 * dpiY / 1440))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.xTwips);
    EXPECT_EQ(boxPosition(c.xTwips, c.yTwips, QSize(200, 100), screen), c.expected);
    InputBoxDialog box("prompt", "title", "");
    box.placeAtTwips(c.xTwips, c.yTwips);
    EXPECT_EQ(box.pos(), c.expected);
  }
  // Far beyond the screen: pulled back so the whole box is visible.
  const QPoint far = boxPosition(144000, 144000, QSize(200, 100), screen);
  EXPECT_EQ(far, QPoint(area.right() + 1 - 200, area.bottom() + 1 - 100));
  // 96 dpi: a twip is a fifteenth of a pixel.
  EXPECT_EQ(twipsToPixels(4000, 96.0), 267);
  EXPECT_EQ(twipsToPixels(8500, 96.0), 567);
  EXPECT_EQ(twipsToPixels(8500, 144.0), 850);
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

TEST(DrawingWindows, DefaultPlacesLeaveTheirQuestionsFree) {
  // Each question with the window it asks about; boxes are at most 440 x 160 pixels.
  struct Question {
    int xTwips, yTwips;
    WindowId window;
  };
  const Question questions[] = {
      {4000, 8500, WindowId::Report},   // station and contour checks
      {7000, 7000, WindowId::Offsets},  // waterline intersection check
      {10000, 4500, WindowId::Graph},   // pause under a distribution graph
  };
  for (const QRect screen : {QRect(0, 0, 1920, 1080), QRect(0, 0, 1280, 1024)}) {
    SCOPED_TRACE(screen.width());
    for (int i = 0; i < kWindowCount; ++i) {
      const QRect rect = defaultWindowGeometry(static_cast<WindowId>(i), screen, 96.0);
      EXPECT_TRUE(screen.contains(rect)) << i;
      EXPECT_GE(rect.width(), 320) << i;
      EXPECT_GE(rect.height(), 240) << i;
    }
    // The report's displacement lines stay in sight while the waterline is checked.
    EXPECT_FALSE(defaultWindowGeometry(WindowId::Offsets, screen, 96.0)
                     .intersects(defaultWindowGeometry(WindowId::Report, screen, 96.0)));
    for (const Question& q : questions) {
      const QRect box(twipsToPixels(q.xTwips, 96.0), twipsToPixels(q.yTwips, 96.0), 440, 160);
      EXPECT_FALSE(defaultWindowGeometry(q.window, screen, 96.0).intersects(box))
          << windowSlug(q.window);
    }
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
