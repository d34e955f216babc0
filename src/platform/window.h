#pragma once

#include <string>
#include <vector>

#include "platform/colour.h"

namespace norvika {

enum class WindowId { Report, Graph, ShipPosition, Stability, Offsets };
inline constexpr int kWindowCount = 5;

/// The caption of a window as the user sees it.
std::string_view windowCaption(WindowId id);
/// A short lower-case name for file names ("report", "graph", ...).
const char* windowSlug(WindowId id);
/// Whether a window's drawings keep their true shape: the sections of the body plan and of
/// the heeled ship do; the graphs and the ship's profile fill their window, the profile's
/// heights exaggerated as profiles usually are.
bool keepsTrueShape(WindowId id);

/// User coordinates of a window: the upper-left corner (left, top) and the
/// lower-right corner (right, bottom). y grows upward when top > bottom.
struct UserScale {
  double left = 0.0;
  double top = 0.0;
  double right = 1.0;
  double bottom = 1.0;
};

enum class PrimitiveKind { Line, Circle, Text };

/// One drawn item with the scale and style in force when it was drawn.
struct Primitive {
  PrimitiveKind kind = PrimitiveKind::Line;
  double x1 = 0.0, y1 = 0.0;  // line start, circle centre, text top-left
  double x2 = 0.0, y2 = 0.0;  // line end
  double radius = 0.0;        // circle
  std::string text;           // text
  Colour colour = 0;
  int drawWidth = 1;
  std::string fontName;
  double fontSize = 0.0;
  UserScale scale;
  /// 0 for a text always drawn; for a label that may give way (station numbers where the
  /// stations crowd), its rank: where labels would overprint each other, the lower rank is
  /// drawn and the higher left out.
  int labelRank = 0;
};

/// Whether a frame is a drawing of the run (a check, a graph) or a step on the way to one
/// (a station preview, a step of the draft search), whose result the report holds.
enum class FrameRole { Drawing, Step };

/// What was drawn on a window between two clears.
struct Frame {
  WindowId window = WindowId::Report;
  std::vector<Primitive> items;
  /// What the frame shows, as its caption says it ("POSTA KESITLERI"); empty when untold.
  std::string caption;
  /// The same as a file name stem ("body-plan"); empty when untold.
  std::string name;
  FrameRole role = FrameRole::Drawing;
};

class Window;

/// Told when a window changes, so a front end can repaint or save pictures.
class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  virtual void windowShown(const Window&) {}
  virtual void windowDrawn(const Window&) {}
  virtual void textPrinted(const Window&, const std::string&) {}
  /// A frame is finished: the window is about to be cleared, or the run ends.
  virtual void frameFinished(const Window&, const Frame&) {}
};

/// A drawing surface that records everything drawn on it as a display list.
/// Coordinates are user coordinates of the scale in force.
class Window {
 public:
  explicit Window(WindowId id) : id_(id) { frame_.window = id; }

  WindowId id() const { return id_; }
  void addObserver(WindowObserver* observer) { observers_.push_back(observer); }
  /// Whether lines and circles are kept in the frame at all: a run that shows
  /// and saves no picture (the terminal front end) need not pay for them.
  /// Printed text is always passed on to the observers.
  void keepDrawing(bool keep) { keepDrawing_ = keep; }
  /// Whether lines and circles drawn now are kept: a drawing that only shows
  /// need not be worked out when they are not.
  bool keepsDrawing() const { return keepDrawing_; }

  void show();
  bool visible() const { return visible_; }
  /// Ends the current frame and starts an empty one.
  void cls();
  /// Sets user coordinates by the upper-left and lower-right corners.
  void scale(double left, double top, double right, double bottom);
  const UserScale& currentScale() const { return scale_; }

  void line(double x1, double y1, double x2, double y2, Colour colour);
  void circle(double x, double y, double radius, Colour colour);
  /// Prints text with its top-left corner at (currentX, currentY).
  void print(const std::string& text);
  /// Prints a label that gives way to labels of lower `rank` (1 and up) where they would
  /// overprint each other in a picture (see Primitive::labelRank).
  void printLabel(const std::string& text, int rank);
  /// Writes a text that belongs to the drawing (a scale's value, the name of a line) at
  /// (currentX, currentY), a label of `rank` as printLabel's: kept as lines are, never passed
  /// on as printed text, which is the run's lines (echoed, written to the terminal).
  void drawText(const std::string& text, int rank = 0);

  void setCurrent(double x, double y) {
    currentX_ = x;
    currentY_ = y;
  }
  double currentX() const { return currentX_; }
  double currentY() const { return currentY_; }
  void fontName(const std::string& name) { fontName_ = name; }
  void fontSize(double size) { fontSize_ = size; }
  void foreColor(Colour colour) { foreColor_ = colour; }
  void drawWidth(int width) { drawWidth_ = width; }

  /// The frame being drawn. A window keeps no history: whoever needs finished
  /// frames (a picture saver, the run record, a test) keeps them as they finish.
  const Frame& currentFrame() const { return frame_; }
  /// Ends the current frame if it holds anything (used at the end of a run).
  void finishFrame();
  /// Says what the current frame shows: its caption, its name for file names and its role.
  void describe(std::string caption, std::string name, FrameRole role = FrameRole::Drawing);

 private:
  template <typename Event>
  void notify(Event event) {
    for (WindowObserver* o : observers_) event(*o);
  }
  Primitive styled(PrimitiveKind kind) const;
  void add(Primitive p);

  WindowId id_;
  std::vector<WindowObserver*> observers_;
  bool visible_ = false;
  bool keepDrawing_ = true;
  UserScale scale_;
  double currentX_ = 0.0;
  double currentY_ = 0.0;
  std::string fontName_ = "Arial";
  double fontSize_ = 8.0;
  Colour foreColor_ = 0;
  int drawWidth_ = 1;
  Frame frame_;
};

}  // namespace norvika
