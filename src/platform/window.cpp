#include "platform/window.h"

#include <utility>

#include "words/catalogue.h"

namespace norvika {

std::string_view windowCaption(WindowId id) {
  switch (id) {
    case WindowId::Report:
      return text(Text::WindowReport);
    case WindowId::Graph:
      return text(Text::WindowGraph);
    case WindowId::ShipPosition:
      return text(Text::WindowShipPosition);
    case WindowId::Stability:
      return text(Text::WindowStability);
    case WindowId::Offsets:
      return text(Text::WindowOffsets);
  }
  return "";
}

const char* windowSlug(WindowId id) {
  switch (id) {
    case WindowId::Report:
      return "report";
    case WindowId::Graph:
      return "graph";
    case WindowId::ShipPosition:
      return "ship-position";
    case WindowId::Stability:
      return "stability";
    case WindowId::Offsets:
      return "offsets";
  }
  return "";
}

bool keepsTrueShape(WindowId id) { return id == WindowId::Report || id == WindowId::Stability; }

void Window::show() {
  visible_ = true;
  notify([this](WindowObserver& o) { o.windowShown(*this); });
}

void Window::cls() {
  finishFrame();
  frame_ = Frame{};
  frame_.window = id_;
  notify([this](WindowObserver& o) { o.windowDrawn(*this); });
}

void Window::finishFrame() {
  if (frame_.items.empty()) return;
  notify([this](WindowObserver& o) { o.frameFinished(*this, frame_); });
  frame_ = Frame{};
  frame_.window = id_;
}

void Window::describe(std::string caption, std::string name, FrameRole role) {
  frame_.caption = std::move(caption);
  frame_.name = std::move(name);
  frame_.role = role;
}

void Window::scale(double left, double top, double right, double bottom) {
  scale_ = UserScale{left, top, right, bottom};
}

Primitive Window::styled(PrimitiveKind kind) const {
  Primitive p;
  p.kind = kind;
  p.drawWidth = drawWidth_;
  p.fontName = fontName_;
  p.fontSize = fontSize_;
  p.scale = scale_;
  return p;
}

void Window::add(Primitive p) {
  frame_.items.push_back(std::move(p));
  notify([this](WindowObserver& o) { o.windowDrawn(*this); });
}

void Window::line(double x1, double y1, double x2, double y2, Colour colour) {
  if (!keepDrawing_) return;
  Primitive p = styled(PrimitiveKind::Line);
  p.x1 = x1;
  p.y1 = y1;
  p.x2 = x2;
  p.y2 = y2;
  p.colour = colour;
  add(std::move(p));
}

void Window::circle(double x, double y, double radius, Colour colour) {
  if (!keepDrawing_) return;
  Primitive p = styled(PrimitiveKind::Circle);
  p.x1 = x;
  p.y1 = y;
  p.radius = radius;
  p.colour = colour;
  add(std::move(p));
}

void Window::print(const std::string& text) { printLabel(text, 0); }

void Window::printLabel(const std::string& text, int rank) {
  drawText(text, rank);
  notify([this, &text](WindowObserver& o) { o.textPrinted(*this, text); });
}

void Window::drawText(const std::string& text, int rank) {
  if (!keepDrawing_) return;
  Primitive p = styled(PrimitiveKind::Text);
  p.x1 = currentX_;
  p.y1 = currentY_;
  p.text = text;
  p.colour = foreColor_;
  p.labelRank = rank;
  add(std::move(p));
}

}  // namespace norvika
