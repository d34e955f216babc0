// The windows and question boxes on a real X display with a window manager (Xvfb + openbox):
// every frame, title bar included, wholly in the screen's available area at common sizes, and
// every question box clear of the drawing it asks about.
//
// The outer test starts this same test program once per screen size under xvfb-run with
// openbox; the inner test (NORVIKA_LAYOUT_CHECK set) places and measures the windows.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <string>

#include "qt/dialogs.h"
#include "qt/qt_platform.h"

namespace norvika {
namespace {

int runShell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Lets the window manager decorate and the program re-place; a hang guard, not a timing.
void settle(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool decorated(const QWidget& w) { return w.frameGeometry() != w.geometry(); }

TEST(DesktopLayout, InnerFramesOnScreen) {
  if (qEnvironmentVariableIsEmpty("NORVIKA_LAYOUT_CHECK")) GTEST_SKIP() << "run by the outer test";
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const std::string size = std::getenv("NORVIKA_LAYOUT_CHECK");
  SCOPED_TRACE(size);
  QtPlatform platform(".");
  for (int i = 0; i < kWindowCount; ++i) platform.window(static_cast<WindowId>(i)).show();
  settle(1500);
  for (int i = 0; i < kWindowCount; ++i) {
    const QWidget& view = platform.view(static_cast<WindowId>(i));
    EXPECT_TRUE(decorated(view)) << "no window manager frame on "
                                 << windowSlug(static_cast<WindowId>(i));
    EXPECT_TRUE(area.contains(view.frameGeometry()))
        << windowSlug(static_cast<WindowId>(i)) << " frame " << view.frameGeometry().x() << ","
        << view.frameGeometry().y() << " " << view.frameGeometry().width() << "x"
        << view.frameGeometry().height();
  }
  const QPoint questions[] = {{4000, 8500}, {7000, 7000}, {10000, 4500}, {9000, 8500}};
  for (const QPoint q : questions) {
    InputBoxDialog box(
        "PROGRAM CALISMASI TAMAMLANDI.SONUCLAR  '/home/user/ships/dtmb5415/case2/"
        "Norvika.SON'  DOSYASINA YAZILDI. BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ.",
        "PROGRAM SONU", "");
    box.placeAtTwips(q.x(), q.y());
    box.show();
    settle(800);
    EXPECT_TRUE(decorated(box));
    const QRect f = box.frameGeometry();
    EXPECT_TRUE(area.contains(f)) << q.x() << "," << q.y() << ": " << f.x() << "," << f.y() << " "
                                  << f.width() << "x" << f.height();
  }
}

// The frame of the question box on screen `afterMs` after `ask` opened it; the box is then
// answered with its default.
QRect questionFrameWhileAsked(QtPlatform& platform, const std::function<void()>& ask) {
  QRect frame;
  platform.answerAutomatically({}, 1500);
  QTimer::singleShot(1200, [&frame] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && dynamic_cast<QuestionDialog*>(w) != nullptr) frame = w->frameGeometry();
    }
  });
  ask();
  return frame;
}

TEST(DesktopLayout, InnerQuestionBoxesBesideTheirDrawings) {
  if (qEnvironmentVariableIsEmpty("NORVIKA_LAYOUT_CHECK")) GTEST_SKIP() << "run by the outer test";
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  SCOPED_TRACE(std::getenv("NORVIKA_LAYOUT_CHECK"));
  struct Question {
    const char* what;
    WindowId about;
    QPoint twips;  // (0, 0): the closing box
  };
  const Question questions[] = {
      {"geometry check", WindowId::Report, {4000, 8500}},
      {"waterline check", WindowId::Offsets, {7000, 7000}},
      {"pause after a graph", WindowId::Graph, {10000, 4500}},
      {"pause after the heeled sections", WindowId::Stability, {10000, 4500}},
      {"closing box", WindowId::Graph, {0, 0}},
  };
  QtPlatform platform(".");
  for (const Question& q : questions) {
    SCOPED_TRACE(q.what);
    // The run shows the drawing it asks about just before it asks.
    Window& drawing = platform.window(q.about);
    drawing.show();
    drawing.scale(0, 1, 1, 0);
    drawing.line(0, 0, 1, 1, qbColor(4));
    settle(800);
    const QRect frame = questionFrameWhileAsked(platform, [&] {
      if (q.twips.isNull()) {
        platform.closingQuestion({"/ships/run/Norvika.SON", "/ships/run/SEPHIYE.TXT",
                                  "/ships/run/MUKAVEMET.SON", "/ships/run/MUKAVEMET.TXT"});
      } else {
        platform.inputBox("DEVAM ETMEK ICIN 'ENTER' TUSUNA BASIN", "DEVAM BOLUMU", "", q.twips.x(),
                          q.twips.y());
      }
    });
    const QRect drawn = platform.view(q.about).frameGeometry();
    ASSERT_FALSE(frame.isNull());
    EXPECT_TRUE(area.contains(frame));
    EXPECT_FALSE(frame.intersects(drawn))
        << "box " << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height()
        << ", drawing " << drawn.x() << "," << drawn.y() << " " << drawn.width() << "x"
        << drawn.height();
  }
}

// The stop box (the report window closed while a question is open) stands over the question
// it interrupts, clear of the drawing that question is about.
TEST(DesktopLayout, InnerStopBoxLeavesTheDrawingInSight) {
  if (qEnvironmentVariableIsEmpty("NORVIKA_LAYOUT_CHECK")) GTEST_SKIP() << "run by the outer test";
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  SCOPED_TRACE(std::getenv("NORVIKA_LAYOUT_CHECK"));
  const struct {
    const char* what;
    WindowId about;
    QPoint twips;
  } questions[] = {
      {"geometry check", WindowId::Report, {4000, 8500}},
      {"pause after the heeled sections", WindowId::Stability, {10000, 4500}},
  };
  for (const auto& q : questions) {
    SCOPED_TRACE(q.what);
    QtPlatform platform(".");
    Window& drawing = platform.window(q.about);
    drawing.show();
    drawing.scale(0, 1, 1, 0);
    drawing.line(0, 0, 1, 1, qbColor(4));
    platform.window(WindowId::Report).show();
    settle(800);
    QRect stop;
    QTimer::singleShot(500, [&platform] { platform.view(WindowId::Report).close(); });
    QTimer::singleShot(1800, [&stop] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box == nullptr || !box->isVisible()) continue;
        stop = box->frameGeometry();
        box->button(QMessageBox::No)->click();
      }
    });
    platform.answerAutomatically({}, 2600);
    platform.inputBox("SORU", " ", "", q.twips.x(), q.twips.y());
    const QRect drawn = platform.view(q.about).frameGeometry();
    ASSERT_FALSE(stop.isNull());
    EXPECT_TRUE(area.contains(stop));
    EXPECT_FALSE(stop.intersects(drawn))
        << "stop box " << stop.x() << "," << stop.y() << " " << stop.width() << "x" << stop.height()
        << ", drawing " << drawn.x() << "," << drawn.y() << " " << drawn.width() << "x"
        << drawn.height();
  }
}

TEST(DesktopLayout, EveryFrameOnScreenUnderAWindowManager) {
  if (!qEnvironmentVariableIsEmpty("NORVIKA_LAYOUT_CHECK")) GTEST_SKIP() << "the inner run";
  if (runShell("command -v xvfb-run > /dev/null && command -v openbox > /dev/null") != 0) {
    GTEST_SKIP() << "xvfb-run or openbox is not installed";
  }
  for (const char* size : {"1024x768", "1366x768", "1600x1000", "1920x1080", "2560x1440"}) {
    SCOPED_TRACE(size);
    const std::string command =
        std::string("timeout 120 xvfb-run -a -n 120 -s '-screen 0 ") + size +
        "x24' sh -c 'openbox > /dev/null 2>&1 & sleep 1; NORVIKA_LAYOUT_CHECK=" + size +
        " QT_QPA_PLATFORM=xcb \"$0\" --gtest_filter=DesktopLayout.Inner* "
        "--gtest_brief=1; status=$?; kill $!; exit $status' '" +
        std::string(NORVIKA_TEST_BINARY) + "'";
    EXPECT_EQ(runShell(command), 0);
  }
}

}  // namespace
}  // namespace norvika
