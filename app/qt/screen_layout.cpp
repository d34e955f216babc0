#include "qt/screen_layout.h"

#include <algorithm>

namespace norvika {

namespace {

// A common title bar and border until the window manager has shown one of ours.
QMargins knownDecorations(4, 30, 4, 4);

// `rect` made to fit `area`: shrunk where it is larger, then moved inside.
QRect fitInside(QRect rect, const QRect& area) {
  rect.setWidth(std::min(rect.width(), area.width()));
  rect.setHeight(std::min(rect.height(), area.height()));
  rect.moveLeft(std::clamp(rect.left(), area.left(), area.right() + 1 - rect.width()));
  rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() + 1 - rect.height()));
  return rect;
}

}  // namespace

QPoint layoutPoint(int xTwips, int yTwips, const QRect& available) {
  return available.topLeft() +
         QPoint(static_cast<int>(static_cast<long long>(xTwips) * available.width() / kLayoutWidthTwips),
                static_cast<int>(static_cast<long long>(yTwips) * available.height() /
                                 kLayoutHeightTwips));
}

QRect questionBoxFrame(int xTwips, int yTwips, QSize frameSize, const QRect& available) {
  return fitInside(QRect(layoutPoint(xTwips, yTwips, available), frameSize), available);
}

QRect drawingWindowFrame(WindowId id, const QRect& available) {
  const QRect& a = available;
  const int column = a.left() + a.width() / 2;  // the drawings to the right, questions to the left
  const int columnWidth = a.right() + 1 - column;
  const int half = a.height() / 2;
  QRect frame;
  switch (id) {
    case WindowId::Report:
      frame = QRect(column, a.top(), columnWidth, half);
      break;
    case WindowId::Graph:
    case WindowId::Offsets:
      // Below the report, whose displacement lines stay in sight while these are looked at.
      frame = QRect(column, a.top() + half, columnWidth, a.height() - half);
      break;
    case WindowId::Stability:
      frame = QRect(column, a.top() + half + half / 8, columnWidth, a.height() - half - half / 8);
      break;
    case WindowId::ShipPosition:
      frame = QRect(a.left(), a.top() + half, column - a.left(), a.height() - half);
      break;
  }
  return fitInside(frame, available);
}

QMargins decorationMargins() { return knownDecorations; }

void noteDecorationMargins(const QMargins& margins) {
  if (margins.top() > 0 || margins.left() > 0) knownDecorations = margins;
}

}  // namespace norvika
