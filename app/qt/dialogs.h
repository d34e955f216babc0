#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>

#include "qt/screen_layout.h"

class QLabel;
class QLineEdit;
class QScreen;

namespace norvika {

/// Pixels for a length in twips (1/1440 inch) at `dpi` logical dots per inch, rounded.
int twipsToPixels(int twips, double dpi);

/// Where the frame of a box of frame size `size` goes when asked for twip position (xTwips,
/// yTwips) on `screen` (the primary screen when null): the layout's place mapped onto the
/// screen's available area, the whole frame inside it, the drawing asked about in sight (see
/// questionBoxFrame).
QPoint boxPosition(int xTwips, int yTwips, QSize size, const QScreen* screen,
                   const BoxSurroundings& surroundings = {});

/// Calls `place` once the window manager has decorated `window`, shown just now, with its
/// decorations noted (noteDecorationMargins): a busy machine decorates late, so the frame is
/// looked at every 100 ms for up to two seconds; undecorated by then (no window manager),
/// `place` is called all the same. Nothing is called once `window` is gone.
void placeOnceDecorated(QWidget& window, std::function<void()> place);

/// A box of the run: stays above the drawing windows and stands at a twip position of the
/// layout, clear of the drawing it asks about.
class QuestionDialog : public QDialog {
 public:
  QuestionDialog();

  /// Places the box's frame at a twip position on its screen, clear of the drawing that
  /// `surroundings` names at the moment (see boxPosition); once shown, placed again with the
  /// window manager's real frames.
  void placeAtTwips(
      int xTwips, int yTwips,
      std::function<BoxSurroundings()> surroundings = [] { return BoxSurroundings{}; });

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void place();

  QPoint twips_{-1, -1};
  std::function<BoxSurroundings()> surroundings_;
};

/// `prompt` as a box shows it: a closing yes/no choice ("E/H <H>") joined so that a wrap of
/// the prompt never splits it.
QString promptKeepingChoice(const QString& prompt);

/// The question box of a run: title, prompt, a line edit holding the default text (selected),
/// OK and Cancel.
class InputBoxDialog : public QuestionDialog {
 public:
  InputBoxDialog(const QString& prompt, const QString& title, const QString& defaultText);

  /// The prompt as the run asked it.
  QString prompt() const;
  QLineEdit* lineEdit() const { return edit_; }

 private:
  QString prompt_;
  QLabel* label_;
  QLineEdit* edit_;
};

/// Asks modally; the typed text when accepted, an empty text when cancelled or closed.
QString runInputBox(InputBoxDialog& box);

/// A message box style as the legacy platform decoded it.
struct MessageBoxStyle {
  QList<QMessageBox::StandardButton> buttons;  // in display order
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int defaultIndex = 0;  // into buttons
};

/// Decodes a style value: buttons in the low bits (0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore,
/// 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel), icon in the 16s (16 critical, 32 question,
/// 48 warning, 64 information), default button in the 256s (first to third).
MessageBoxStyle decodeMessageBoxStyle(int style);

/// Sets up `box` with the text, title, buttons, icon and default button of `style`.
void configureMessageBox(QMessageBox& box, const QString& text, int style, const QString& title);

}  // namespace norvika
