#include "qt/dialogs.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

namespace norvika {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}  // namespace

int twipsToPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

QPoint boxPosition(int xTwips, int yTwips, QSize size, const QScreen* screen,
                   const BoxSurroundings& surroundings) {
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  return questionBoxFrame(xTwips, yTwips, size, area, surroundings).topLeft();
}

namespace {

constexpr int kDecorationLooks = 20;

void lookForDecorations(QWidget& window, const std::function<void()>& place, int looksLeft) {
  QTimer::singleShot(100, &window, [&window, place, looksLeft] {
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    if (inner == outer && looksLeft > 1) {
      lookForDecorations(window, place, looksLeft - 1);
      return;
    }
    noteDecorationMargins(QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                                   outer.right() - inner.right(), outer.bottom() - inner.bottom()));
    place();
  });
}

}  // namespace

void placeOnceDecorated(QWidget& window, std::function<void()> place) {
  lookForDecorations(window, place, kDecorationLooks);
}

QuestionDialog::QuestionDialog() { setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint); }

void QuestionDialog::placeAtTwips(int xTwips, int yTwips,
                                  std::function<BoxSurroundings()> surroundings) {
  twips_ = QPoint(xTwips, yTwips);
  surroundings_ = std::move(surroundings);
  adjustSize();
  place();
}

void QuestionDialog::place() {
  // Before the box is shown its frame is not known: the decorations last seen stand in.
  QSize frame = frameGeometry().size();
  if (!isVisible()) frame = size().grownBy(decorationMargins());
  move(boxPosition(twips_.x(), twips_.y(), frame, screen(), surroundings_()));
}

void QuestionDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (twips_.x() < 0) return;
  // Placed again with the real frames of the box and of the windows it keeps in sight.
  placeOnceDecorated(*this, [this] { place(); });
}

QString promptKeepingChoice(const QString& prompt) {
  // The closing choice, "E/H <H>": a word joiner after each slash and a no-break space before
  // the default, so that a wrap falls before the choice or after it, never inside.
  static const QRegularExpression choice(QStringLiteral("(\\S+/\\S+) +(<[^<>]*>)\\s*$"));
  const QRegularExpressionMatch match = choice.match(prompt);
  if (!match.hasMatch()) return prompt;
  QString joined = match.captured(1);
  joined.replace(QLatin1Char('/'), QStringLiteral("/\u2060"));
  return prompt.left(match.capturedStart()) + joined + QChar(QChar::Nbsp) + match.captured(2);
}

InputBoxDialog::InputBoxDialog(const QString& prompt, const QString& title,
                               const QString& defaultText)
    : prompt_(prompt),
      label_(new QLabel(promptKeepingChoice(prompt))),
      edit_(new QLineEdit(defaultText)) {
  setWindowTitle(title);
  label_->setWordWrap(true);
  label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label_->setMinimumWidth(360);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(edit_);
  layout->addWidget(buttons);
  edit_->selectAll();
  edit_->setFocus();
}

QString InputBoxDialog::prompt() const { return prompt_; }

QString runInputBox(InputBoxDialog& box) {
  // Modal for the run, but the drawing windows stay usable for saving and resizing.
  box.setWindowModality(Qt::WindowModal);
  box.lineEdit()->selectAll();
  if (box.exec() != QDialog::Accepted) return QString();
  return box.lineEdit()->text();
}

MessageBoxStyle decodeMessageBoxStyle(int style) {
  using B = QMessageBox;
  MessageBoxStyle decoded;
  switch (style & 0x7) {
    case 1:
      decoded.buttons = {B::Ok, B::Cancel};
      break;
    case 2:
      decoded.buttons = {B::Abort, B::Retry, B::Ignore};
      break;
    case 3:
      decoded.buttons = {B::Yes, B::No, B::Cancel};
      break;
    case 4:
      decoded.buttons = {B::Yes, B::No};
      break;
    case 5:
      decoded.buttons = {B::Retry, B::Cancel};
      break;
    default:
      decoded.buttons = {B::Ok};
      break;
  }
  switch (style & 0x70) {
    case 16:
      decoded.icon = B::Critical;
      break;
    case 32:
      decoded.icon = B::Question;
      break;
    case 48:
      decoded.icon = B::Warning;
      break;
    case 64:
      decoded.icon = B::Information;
      break;
    default:
      decoded.icon = B::NoIcon;
      break;
  }
  const int wanted = (style >> 8) & 0x3;
  decoded.defaultIndex = wanted < decoded.buttons.size() ? wanted : 0;
  return decoded;
}

void configureMessageBox(QMessageBox& box, const QString& text, int style, const QString& title) {
  const MessageBoxStyle decoded = decodeMessageBoxStyle(style);
  box.setWindowTitle(title);
  box.setText(text);
  box.setIcon(decoded.icon);
  box.setWindowFlags(box.windowFlags() | Qt::WindowStaysOnTopHint);
  QMessageBox::StandardButtons all;
  for (QMessageBox::StandardButton b : decoded.buttons) all |= b;
  box.setStandardButtons(all);
  box.setDefaultButton(decoded.buttons[decoded.defaultIndex]);
}

}  // namespace norvika
