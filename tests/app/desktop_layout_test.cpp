// The windows and question boxes on a real X display with a window manager (Xvfb + openbox):
// every frame, title bar included, wholly in the screen's available area at common sizes.
//
// The outer test starts this same test program once per screen size under xvfb-run with
// openbox; the inner test (NORVIKA_LAYOUT_CHECK set) places and measures the windows.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <cstdlib>
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
    EXPECT_TRUE(decorated(view)) << "no window manager frame on " << windowSlug(static_cast<WindowId>(i));
    EXPECT_TRUE(area.contains(view.frameGeometry()))
        << windowSlug(static_cast<WindowId>(i)) << " frame " << view.frameGeometry().x() << ","
        << view.frameGeometry().y() << " " << view.frameGeometry().width() << "x"
        << view.frameGeometry().height();
  }
  const QPoint questions[] = {{4000, 8500}, {7000, 7000}, {10000, 4500}, {9000, 8500}};
  for (const QPoint q : questions) {
    InputBoxDialog box("PROGRAM CALISMASI TAMAMLANDI.SONUCLAR  '/home/user/ships/dtmb5415/case2/"
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

TEST(DesktopLayout, EveryFrameOnScreenUnderAWindowManager) {
  if (!qEnvironmentVariableIsEmpty("NORVIKA_LAYOUT_CHECK")) GTEST_SKIP() << "the inner run";
  if (runShell("command -v xvfb-run > /dev/null && command -v openbox > /dev/null") != 0) {
    GTEST_SKIP() << "xvfb-run or openbox is not installed";
  }
  for (const char* size : {"1024x768", "1366x768", "1600x1000", "1920x1080", "2560x1440"}) {
    SCOPED_TRACE(size);
    const std::string command =
        std::string("timeout 120 xvfb-run -a -s '-screen 0 ") + size +
        "x24' sh -c 'openbox > /dev/null 2>&1 & sleep 1; NORVIKA_LAYOUT_CHECK=" + size +
        " QT_QPA_PLATFORM=xcb \"$0\" --gtest_filter=DesktopLayout.InnerFramesOnScreen "
        "--gtest_brief=1; status=$?; kill $!; exit $status' '" +
        std::string(NORVIKA_TEST_BINARY) + "'";
    EXPECT_EQ(runShell(command), 0);
  }
}

}  // namespace
}  // namespace norvika
