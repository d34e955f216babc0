#include "platform/quiet_platform.h"

namespace norvika {

QuietPlatform::QuietPlatform(std::filesystem::path directory) : Platform(std::move(directory)) {
  keepDrawings(false);
}

std::string QuietPlatform::inputBox(const std::string&, const std::string&,
                                    const std::string& defaultText, int, int) {
  return defaultText;
}

void QuietPlatform::messageBox(const std::string&, int, const std::string&) {}

}  // namespace norvika
