#include "platform/pause.h"

namespace norvika {

void pauseForEnter(Platform& platform) {
  ask(platform, "DEVAM ETMEK ICIN 'ENTER' TUSUNA BASIN", "DEVAM BOLUMU", "", kPauseAt);
}

std::string closingPrompt(const std::vector<std::filesystem::path>& written) {
  const std::string report = written.empty() ? std::string() : written.front().string();
  return "PROGRAM CALISMASI TAMAMLANDI.SONUCLAR  '" + report +
         "'  DOSYASINA YAZILDI. BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ.";
}

void stopWithMessage(Platform& platform, const std::string& text, const std::string& title) {
  platform.messageBox(text, kStopBoxStyle, title);
  platform.endProgram(ExitReason::CalculationStopped);
}

}  // namespace norvika
