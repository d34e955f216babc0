#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace norvika {

/// Style of the message box every stop of the calculation shows, as the
/// legacy platform decoded it: Yes/No buttons, a critical icon, No as default.
inline constexpr int kStopBoxStyle = 276;

/// Where a question box stands, in twips from the top-left of the screen.
struct TwipPosition {
  int x;
  int y;
};
inline constexpr TwipPosition kGeometryQuestionAt{4000, 8500};
inline constexpr TwipPosition kWaterlineQuestionAt{7000, 7000};
inline constexpr TwipPosition kPauseAt{10000, 4500};
inline constexpr TwipPosition kClosingQuestionAt{9000, 8500};

/// Asks the question box at `at`; returns the answer, told to the dialogue's observers.
std::string ask(Platform& platform, const std::string& prompt, const std::string& title,
                const std::string& defaultText, TwipPosition at);

/// The closing question of a completed run, naming every result file `written`, the report
/// first.
std::string closingPrompt(const std::vector<std::filesystem::path>& written);

/// The pause after a graph: "DEVAM ETMEK ICIN 'ENTER' TUSUNA BASIN".
void pauseForEnter(Platform& platform);

/// Shows a stop's message box and ends the run (CalculationStopped).
[[noreturn]] void stopWithMessage(Platform& platform, const std::string& text,
                                  const std::string& title);

}  // namespace norvika
