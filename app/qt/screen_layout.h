#pragma once

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "platform/window.h"

namespace norvika {

/// The run's twip positions were laid out on a 1024 x 768 screen at 15 twips a pixel; they are
/// read as places on that screen and mapped onto the available area of the real one.
inline constexpr int kLayoutWidthTwips = 15360;
inline constexpr int kLayoutHeightTwips = 11520;

/// Where a twip position of the layout falls in `available` (proportional in both directions).
QPoint layoutPoint(int xTwips, int yTwips, const QRect& available);

/// The frame (title bar and borders included) of a box whose frame is `frameSize`, asked for
/// at a twip position: its top-left corner at the mapped point, moved back so that the whole
/// frame lies in `available`; a frame larger than the area keeps its top-left corner in it.
QRect questionBoxFrame(int xTwips, int yTwips, QSize frameSize, const QRect& available);

/// What a question box must leave in sight: the frame of the drawing window the question is
/// about (empty when it is about none) and the frames of the other windows on screen.
struct BoxSurroundings {
  QRect drawing;
  QList<QRect> others;
};

/// The frame of a question box that keeps the drawing it asks about in sight: its layout place
/// (questionBoxFrame) when that covers no window, else the place in `available` that leaves
/// the drawing uncovered and covers the least of the other windows (none where the screen has
/// room), standing against a side of the drawing where it can, and nearest its layout place;
/// with no room beside the drawing at all, over its bottom right corner, away from the heading
/// at its top left and from the profile and curves in its middle.
QRect questionBoxFrame(int xTwips, int yTwips, QSize frameSize, const QRect& available,
                       const BoxSurroundings& surroundings);
/// The same for a box wanted at the frame `wanted` rather than at a twip position (the stop
/// box, over the question it interrupts).
QRect boxFrameClearOf(const QRect& wanted, const QRect& available,
                      const BoxSurroundings& surroundings);

/// The frame of a drawing window on a screen with `available` area. The arrangement of the
/// layout, scaled to the area: the report window top right, the graph, waterline-check and
/// heeled-section windows below it, the ship position bottom left, under the check questions.
/// Every frame lies wholly in `available`.
QRect drawingWindowFrame(WindowId id, const QRect& available);

/// The window manager's decorations, as last seen on a shown window (a title bar and thin
/// borders until one has been seen): what a frame adds to a window's own area.
QMargins decorationMargins();
/// Remembers the decorations of a shown, decorated window.
void noteDecorationMargins(const QMargins& margins);

}  // namespace norvika
