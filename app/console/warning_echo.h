#pragma once

#include <ostream>
#include <string>

#include "platform/window.h"
#include "words/catalogue.h"

namespace norvika {

/// Repeats the run's warnings (warning lines on the report window) on `err`, so that a
/// log or a script sees them whatever the front end.
class WarningEcho : public WindowObserver {
 public:
  explicit WarningEcho(std::ostream& err) : err_(err) {}
  void textPrinted(const Window& window, const std::string& text) override {
    if (window.id() == WindowId::Report && text.starts_with(norvika::text(Text::WarningPrefix))) {
      err_ << "norvika: " << text << std::endl;
    }
  }

 private:
  std::ostream& err_;
};

}  // namespace norvika
