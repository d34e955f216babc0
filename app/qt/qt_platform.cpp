#include "qt/qt_platform.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <utility>

#include "qt/dialogs.h"
#include "qt/screen_layout.h"

namespace norvika {

namespace {
// Repainting a large frame costs a few milliseconds; the run draws thousands of lines, so the
// windows are brought up to date at this interval rather than after every line.
constexpr qint64 kPumpIntervalMs = 40;
}  // namespace

void placeDrawingWindow(FrameView& view) {
  const QScreen* screen = view.screen() != nullptr ? view.screen() : QGuiApplication::primaryScreen();
  const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  const QRect frame = drawingWindowFrame(view.window().id(), available);
  // move() places the frame; the window's own area is the frame less its decorations.
  view.resize(frame.size().shrunkBy(decorationMargins()));
  view.move(frame.topLeft());
}

QtPlatform::QtPlatform(std::filesystem::path directory) : Platform(std::move(directory)) {
  for (int i = 0; i < kWindowCount; ++i) {
    const auto id = static_cast<WindowId>(i);
    auto view = std::make_unique<FrameView>(window(id));
    placeDrawingWindow(*view);
    auto* quit = new QShortcut(QKeySequence::Quit, view.get());
    QObject::connect(quit, &QShortcut::activated, view.get(), [this] { confirmStop(); });
    views_[static_cast<std::size_t>(i)] = std::move(view);
  }
  // The report window is the run's main window: closing it means stopping the run.
  view(WindowId::Report).setCloseGuard([this] { return confirmStop(); });
  observeWindows(this);
  sincePump_.start();
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::answerAutomatically(std::deque<std::string> answers, int delayMs) {
  answers_ = std::move(answers);
  answerDelayMs_ = delayMs;
}

void QtPlatform::windowShown(const Window& window) {
  FrameView& v = view(window.id());
  if (!v.isVisible()) {
    v.show();
    pumpEvents(true);
    // Decorated now (or soon): with the real frame the window is placed again, so that its
    // title bar and borders stay on the screen too.
    QTimer::singleShot(100, &v, [&v] {
      const QRect inner = v.geometry();
      const QRect outer = v.frameGeometry();
      noteDecorationMargins(QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                                     outer.right() - inner.right(), outer.bottom() - inner.bottom()));
      placeDrawingWindow(v);
    });
  }
  pumpEvents(true);
}

void QtPlatform::windowDrawn(const Window& window) {
  FrameView& v = view(window.id());
  if (v.isVisible()) v.update();
  pumpEvents(false);
}

void QtPlatform::pumpEvents(bool always) {
  if (!always && sincePump_.elapsed() < kPumpIntervalMs) return;
  // User input waits for the next box: the run must never be re-entered from a click.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  sincePump_.restart();
  stopIfAsked();
}

bool QtPlatform::confirmStop() {
  if (!stoppable_) return true;
  if (stopAsked_) return true;
  QMessageBox box(QMessageBox::Question, QStringLiteral("Norvika"),
                  QCoreApplication::translate("norvika", "Stop the run?"),
                  QMessageBox::Yes | QMessageBox::No, &view(WindowId::Report));
  box.setInformativeText(QCoreApplication::translate(
      "norvika",
      "Nothing of this run will be written; the result files of earlier runs are kept."));
  box.setDefaultButton(QMessageBox::No);
  box.setWindowModality(Qt::ApplicationModal);
  if (box.exec() != QMessageBox::Yes) return false;
  stopAsked_ = true;
  // The box the run waits on gives way; the run ends as soon as it has control again.
  if (openBox_ != nullptr) openBox_->reject();
  return true;
}

void QtPlatform::stopIfAsked() {
  if (!stopAsked_ || !stoppable_) return;
  stoppable_ = false;
  endProgram(ExitReason::StoppedByUser);
}

std::string QtPlatform::inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText, int xTwips, int yTwips) {
  for (auto& v : views_) {
    if (v->isVisible()) v->update();
  }
  InputBoxDialog box(QString::fromUtf8(prompt), QString::fromUtf8(title),
                     QString::fromUtf8(defaultText));
  box.placeAtTwips(xTwips, yTwips);
  auto* quit = new QShortcut(QKeySequence::Quit, &box);
  QObject::connect(quit, &QShortcut::activated, &box, [this] { confirmStop(); });
  if (answers_) {
    QString answer = QString::fromUtf8(defaultText);
    if (!answers_->empty()) {
      answer = QString::fromStdString(answers_->front());
      answers_->pop_front();
    }
    QTimer::singleShot(answerDelayMs_, &box, [&box, answer] {
      box.lineEdit()->setText(answer);
      box.accept();
    });
  }
  openBox_ = &box;
  const std::string answer = runInputBox(box).toStdString();
  openBox_ = nullptr;
  stopIfAsked();
  return answer;
}

void QtPlatform::messageBox(const std::string& text, int style, const std::string& title) {
  QMessageBox box;
  configureMessageBox(box, QString::fromUtf8(text), style, QString::fromUtf8(title));
  box.setWindowModality(Qt::WindowModal);
  if (answers_) {
    QTimer::singleShot(answerDelayMs_, &box, [&box] {
      if (QAbstractButton* b = box.defaultButton()) b->click();
    });
  }
  openBox_ = &box;
  box.exec();
  openBox_ = nullptr;
  stopIfAsked();
}

}  // namespace norvika
