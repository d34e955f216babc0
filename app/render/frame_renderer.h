#pragma once

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTransform>
#include <optional>
#include <string>
#include <vector>

#include "platform/window.h"
#include "plots/text_extent.h"

class QPainter;
class QPaintDevice;

namespace norvika {

/// Resolution at which pen widths (pixels) and font sizes (points) of a frame are meant.
inline constexpr double kNominalDpi = 96.0;
/// The picture size, in pixels at the nominal resolution, at which pens and fonts have their
/// nominal size; larger or smaller targets scale them along.
inline constexpr QSizeF kNominalPictureSize{kNominalPictureWidth, kNominalPictureHeight};

/// Maps user coordinates of `scale` into `target` (device units); y grows upward when
/// top > bottom, x grows leftward when left > right. With `trueShape` one user unit is as long
/// across as up and the user rectangle is centred; otherwise it fills the target, as a window's
/// scale fills its client area. Empty when the scale has no extent or is not finite.
std::optional<QTransform> userToDevice(const UserScale& scale, const QRectF& target,
                                       bool trueShape = true);

/// How many device units one nominal pixel takes in `target`.
double deviceScaleFactor(const QRectF& target);

/// The installed family drawn for a font name of the drawings (Arial and Times New Roman
/// become their metric-compatible Liberation families).
QString fontFamilyFor(const std::string& fontName);

/// How much larger than its point size text is painted on `target`: the graphs (the Graph
/// window's drawings, laid out for the smallest picture) grow with the picture from that size
/// on, so that they keep their proportions at every size; the other drawings' text keeps its
/// point size up to the nominal picture size and grows from there no faster than the picture.
double textGrowth(WindowId window, const QRectF& target);

/// Where each text of `frame` is painted in `target` of `device` (device units, the line's
/// full height), in the frame's order; a text left out is not listed.
std::vector<QRectF> paintedTextRects(const Frame& frame, const QRectF& target,
                                     const QPaintDevice& device);

/// Paints `frame` into `target` of the painter's device: white background, antialiased,
/// clipped to `target`. Primitives whose scale has no extent are left out.
void renderFrame(QPainter& painter, const Frame& frame, const QRectF& target);

}  // namespace norvika
