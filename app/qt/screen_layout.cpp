#include "qt/screen_layout.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <tuple>
#include <vector>

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
  return available.topLeft() + QPoint(static_cast<int>(static_cast<long long>(xTwips) *
                                                       available.width() / kLayoutWidthTwips),
                                      static_cast<int>(static_cast<long long>(yTwips) *
                                                       available.height() / kLayoutHeightTwips));
}

QRect questionBoxFrame(int xTwips, int yTwips, QSize frameSize, const QRect& available) {
  return fitInside(QRect(layoutPoint(xTwips, yTwips, available), frameSize), available);
}

namespace {

long long overlapArea(const QRect& a, const QRect& b) {
  const QRect common = a.intersected(b);
  return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

// Whether `place` stands against a side of `drawing` along its whole length, level with the
// drawing, so that the eye goes from the question to the drawing without passing another
// window.
bool standsBeside(const QRect& place, const QRect& drawing) {
  const int across =
      std::min(place.bottom(), drawing.bottom()) - std::max(place.top(), drawing.top()) + 1;
  const int along =
      std::min(place.right(), drawing.right()) - std::max(place.left(), drawing.left()) + 1;
  const bool leftOrRight =
      place.right() + 1 == drawing.left() || drawing.right() + 1 == place.left();
  const bool aboveOrBelow =
      place.bottom() + 1 == drawing.top() || drawing.bottom() + 1 == place.top();
  return (leftOrRight && across == place.height()) || (aboveOrBelow && along == place.width());
}

}  // namespace

QRect questionBoxFrame(int xTwips, int yTwips, QSize frameSize, const QRect& available,
                       const BoxSurroundings& surroundings) {
  return boxFrameClearOf(questionBoxFrame(xTwips, yTwips, frameSize, available), available,
                         surroundings);
}

QRect boxFrameClearOf(const QRect& wantedFrame, const QRect& available,
                      const BoxSurroundings& surroundings) {
  const QRect wanted = fitInside(wantedFrame, available);
  const QRect& drawing = surroundings.drawing;
  const auto covered = [&surroundings](const QRect& place) {
    long long area = 0;
    for (const QRect& other : surroundings.others) area += overlapArea(place, other);
    return area;
  };
  if (!wanted.intersects(drawing) && covered(wanted) == 0) return wanted;

  // Places flush with the screen's edges and with the windows' edges, in every combination: one
  // of them is the nearest that covers nothing, where such a place exists.
  std::vector<int> lefts{wanted.left(), available.left(), available.right() + 1 - wanted.width()};
  std::vector<int> tops{wanted.top(), available.top(), available.bottom() + 1 - wanted.height()};
  QList<QRect> windows = surroundings.others;
  if (!drawing.isEmpty()) windows.append(drawing);
  for (const QRect& w : windows) {
    lefts.insert(lefts.end(), {w.left() - wanted.width(), w.right() + 1});
    tops.insert(tops.end(), {w.top() - wanted.height(), w.bottom() + 1});
  }
  // Level with the drawing's edges too, to stand beside it.
  lefts.insert(lefts.end(), {drawing.left(), drawing.right() + 1 - wanted.width()});
  tops.insert(tops.end(), {drawing.top(), drawing.bottom() + 1 - wanted.height()});
  // Ranked by the area of other windows covered, then by standing apart from the drawing,
  // then by the distance moved.
  std::optional<QRect> best;
  std::tuple<long long, bool, long long> bestRank{std::numeric_limits<long long>::max(), true,
                                                  std::numeric_limits<long long>::max()};
  for (const int left : lefts) {
    for (const int top : tops) {
      const QRect place = fitInside(QRect(QPoint(left, top), wanted.size()), available);
      if (place.intersects(drawing)) continue;
      const QPoint shift = place.topLeft() - wanted.topLeft();
      const std::tuple<long long, bool, long long> rank{
          covered(place), !standsBeside(place, drawing),
          static_cast<long long>(shift.x()) * shift.x() +
              static_cast<long long>(shift.y()) * shift.y()};
      if (rank < bestRank) {
        best = place;
        bestRank = rank;
      }
    }
  }
  if (best) return *best;
  QRect corner(QPoint(0, 0), wanted.size());
  corner.moveBottomRight(drawing.bottomRight());
  return fitInside(corner, available);
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
    case WindowId::Offsets:
      // Below the report, whose displacement lines stay in sight while these are looked at.
      frame = QRect(column, a.top() + half, columnWidth, a.height() - half);
      break;
    case WindowId::Graph: {
      // One title bar lower than the waterline check it opens over, whose title stays in sight
      // to bring it back.
      const int titleBar = knownDecorations.top();
      frame = QRect(column, a.top() + half + titleBar, columnWidth, a.height() - half - titleBar);
      break;
    }
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
