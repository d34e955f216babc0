#pragma once

#include <filesystem>
#include <string>

#include "platform/platform.h"

namespace norvika {

/// A platform that asks no one and shows nothing, for runs from code: every
/// question takes its default answer, as the batch front end gives it, a
/// stop's message box is only told to the dialogue's observers (the run's
/// outcome keeps it), and no window keeps its drawing.
class QuietPlatform : public Platform {
 public:
  explicit QuietPlatform(std::filesystem::path directory);

  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText, int xTwips, int yTwips) override;
  void messageBox(const std::string& text, int style, const std::string& title) override;
};

}  // namespace norvika
