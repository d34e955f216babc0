#include "qt/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <utility>

#include "platform/pause.h"
#include "qt/closing_box.h"
#include "qt/dialogs.h"
#include "qt/screen_layout.h"
#include "words/catalogue.h"

namespace norvika {

namespace {
// Repainting a large frame costs a few milliseconds; the run draws thousands of lines, so the
// windows are brought up to date at this interval rather than after every line.
constexpr qint64 kPumpIntervalMs = 40;
}  // namespace

void placeDrawingWindow(FrameView& view) {
  const QScreen* screen =
      view.screen() != nullptr ? view.screen() : QGuiApplication::primaryScreen();
  const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  const QRect frame = drawingWindowFrame(view.window().id(), available);
  // move() places the frame; the window's own area is the frame less its decorations.
  view.resize(frame.size().shrunkBy(decorationMargins()));
  view.move(frame.topLeft());
}

QtPlatform::QtPlatform(std::filesystem::path directory) : Platform(std::move(directory)) {
  for (int i = 0; i < kWindowCount; ++i) {
    const auto id = static_cast<WindowId>(i);
    auto view = std::make_unique<FrameView>(window(id), currentDirectory());
    placeDrawingWindow(*view);
    auto* quit = new QShortcut(QKeySequence::Quit, view.get());
    QObject::connect(quit, &QShortcut::activated, view.get(), [this] { confirmStop(); });
    view->setActivationHandler([this] { returnToQuestion(); });
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
  lastDrawn_ = window.id();
  FrameView& v = view(window.id());
  if (!v.isVisible()) {
    v.show();
    pumpEvents(true);
    // With the real frame the window is placed again, so that its title bar and borders stay
    // on the screen too.
    placeOnceDecorated(v, [&v] { placeDrawingWindow(v); });
  }
  pumpEvents(true);
}

void QtPlatform::windowDrawn(const Window& window) {
  lastDrawn_ = window.id();
  FrameView& v = view(window.id());
  if (v.isVisible()) v.update();
  pumpEvents(false);
}

void QtPlatform::frameFinished(const Window& window, const Frame& frame) {
  view(window.id()).keepFinishedFrame(frame);
}

BoxSurroundings QtPlatform::surroundings() const {
  BoxSurroundings around;
  for (const auto& v : views_) {
    if (!v->isVisible()) continue;
    if (lastDrawn_ && v->window().id() == *lastDrawn_) {
      around.drawing = v->frameGeometry();
    } else {
      around.others.append(v->frameGeometry());
    }
  }
  return around;
}

QString QtPlatform::boxTitle(const std::string& title) const {
  if (title.find_first_not_of(' ') != std::string::npos || !lastDrawn_) {
    return QString::fromUtf8(title);
  }
  // The run leaves the geometry questions untitled; each asks about the drawing just made.
  const std::string& shows =
      views_[static_cast<std::size_t>(*lastDrawn_)]->window().currentFrame().caption;
  return QString::fromUtf8(shows.empty() ? title : shows);
}

void QtPlatform::pumpEvents(bool always) {
  if (!always && sincePump_.elapsed() < kPumpIntervalMs) return;
  // User input waits for the next box: the run must never be re-entered from a click.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  sincePump_.restart();
  stopIfAsked();
}

bool QtPlatform::confirmStop() {
  if (!stoppable_) {
    closeAllWindows();
    return true;
  }
  if (stopAsked_) return true;
  QMessageBox box(QMessageBox::Question, QStringLiteral("Norvika"),
                  QCoreApplication::translate("norvika", "Stop the run?"),
                  QMessageBox::Yes | QMessageBox::No, &view(WindowId::Report));
  box.setInformativeText(QCoreApplication::translate(
      "norvika",
      "Nothing of this run will be written; the result files of earlier runs are kept."));
  box.setDefaultButton(QMessageBox::No);
  box.setWindowModality(Qt::ApplicationModal);
  box.show();  // sized from here on
  placeStopBox(box);
  placeOnceDecorated(box, [this, &box] { placeStopBox(box); });
  if (box.exec() != QMessageBox::Yes) {
    // The window manager gives the keyboard to the window the stop box belonged to.
    QTimer::singleShot(0, &view(WindowId::Report), [this] { returnToQuestion(); });
    return false;
  }
  stopAsked_ = true;
  // The box the run waits on gives way; the run ends as soon as it has control again.
  if (openBox_ != nullptr) openBox_->reject();
  return true;
}

void QtPlatform::placeStopBox(QWidget& box) const {
  const QWidget& over = openBox_ != nullptr ? static_cast<const QWidget&>(*openBox_)
                                            : *views_[static_cast<std::size_t>(WindowId::Report)];
  // Before the window manager has framed the box, the decorations last seen stand in.
  const bool framed = box.frameGeometry() != box.geometry();
  QRect wanted(QPoint(0, 0),
               framed ? box.frameGeometry().size() : box.size().grownBy(decorationMargins()));
  wanted.moveCenter(over.frameGeometry().center());
  const QScreen* screen =
      over.screen() != nullptr ? over.screen() : QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  box.move(boxFrameClearOf(wanted, area, surroundings()).topLeft());
}

void QtPlatform::closeAllWindows() {
  for (auto& v : views_) v->hide();
}

void QtPlatform::waitWhileWindowsKept() {
  const auto anyShown = [this] {
    for (const auto& v : views_) {
      if (v->isVisible()) return true;
    }
    return false;
  };
  while (windowsKept_ && anyShown()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
}

void QtPlatform::stopIfAsked() {
  if (!stopAsked_ || !stoppable_) return;
  stoppable_ = false;
  endProgram(ExitReason::StoppedByUser);
}

void QtPlatform::returnToQuestion() {
  if (openBox_ == nullptr) return;
  // Not while another modal dialog (a file dialog) is up: that one keeps the keyboard.
  const QWidget* modal = QApplication::activeModalWidget();
  if (modal != nullptr && modal != openBox_) return;
  openBox_->raise();
  openBox_->activateWindow();
}

std::string QtPlatform::inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText, int xTwips, int yTwips) {
  for (auto& v : views_) {
    if (v->isVisible()) v->update();
  }
  InputBoxDialog box(QString::fromUtf8(prompt), boxTitle(title), QString::fromUtf8(defaultText));
  box.placeAtTwips(xTwips, yTwips, [this] { return surroundings(); });
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

void QtPlatform::closingQuestion(const std::vector<std::filesystem::path>& written) {
  for (auto& v : views_) {
    v->holdLastDrawing();
    if (v->isVisible()) v->update();
  }
  ClosingBox box(written);
  box.placeAtTwips(kClosingQuestionAt.x, kClosingQuestionAt.y, [this] { return surroundings(); });
  box.setWindowModality(Qt::WindowModal);
  auto* quit = new QShortcut(QKeySequence::Quit, &box);
  QObject::connect(quit, &QShortcut::activated, &box, [this] { confirmStop(); });
  if (answers_) {
    if (!answers_->empty()) answers_->pop_front();
    QTimer::singleShot(answerDelayMs_, &box, [&box] { box.accept(); });
  }
  openBox_ = &box;
  box.exec();
  openBox_ = nullptr;
  // A stop asked here ends a run that is complete: its files are in place.
  windowsKept_ = box.keepsWindows() && !stopAsked_;
  // The run record keeps the question as the other front ends ask it.
  tellAnswered(std::string(text(Text::ClosingTitle)), closingPrompt(written), "");
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
