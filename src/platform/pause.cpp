#include "platform/pause.h"

namespace norvika {

void pauseForEnter(Platform& platform) {
  ask(platform, "DEVAM ETMEK ICIN 'ENTER' TUSUNA BASIN", "DEVAM BOLUMU", "", kPauseAt);
}

void stopWithMessage(Platform& platform, const std::string& text, const std::string& title) {
  platform.messageBox(text, kStopBoxStyle, title);
  platform.endProgram(ExitReason::CalculationStopped);
}

}  // namespace norvika
