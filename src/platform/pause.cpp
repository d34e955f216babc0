#include "platform/pause.h"

#include "words/catalogue.h"

namespace norvika {

std::string ask(Platform& platform, const std::string& prompt, const std::string& title,
                const std::string& defaultText, TwipPosition at) {
  std::string answer = platform.inputBox(prompt, title, defaultText, at.x, at.y);
  platform.tellAnswered(title, prompt, answer);
  return answer;
}

void pauseForEnter(Platform& platform) {
  ask(platform, std::string(text(Text::PauseQuestion)), std::string(text(Text::PauseTitle)), "",
      kPauseAt);
}

std::string closingPrompt(const std::vector<std::filesystem::path>& written) {
  std::string files;
  for (const std::filesystem::path& file : written) {
    files += (files.empty() ? "'" : ", '") + file.string() + "'";
  }
  return text(written.size() > 1 ? Text::ClosingPromptFiles : Text::ClosingPrompt, {files});
}

void stopWithMessage(Platform& platform, const std::string& text, const std::string& title) {
  platform.messageBox(text, kStopBoxStyle, title);
  platform.tellShown(title, text);
  platform.endProgram(ExitReason::CalculationStopped);
}

}  // namespace norvika
