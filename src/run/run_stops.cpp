#include "run/run_stops.h"

#include <string>

#include "model/calculation_case.h"
#include "platform/pause.h"
#include "plots/ship_position.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

void stopForBalance(Platform& platform, const TaskParameters& task, const HullModel& hull,
                    const Balance& balance) {
  const BalanceOutcome& outcome = balance.outcome;
  switch (outcome.stop) {
    case BalanceStop::DeckImmersed:
      if (task.caseNumber == kLevelWaterline) {
        platform.window(WindowId::Graph).cls();
        platform.window(WindowId::Report).cls();
        stopWithMessage(
            platform,
            text(Text::StopTooHeavyForLevel, {formatFixed(task.requiredDisplacement, 7, 1)}),
            std::string(text(Text::StopTitleWarningMessage)));
      }
      // Waves, and a trimmed waterline over the deck: show where the water stands.
      drawShipPosition(platform, hull, task.shipLength, balance.immersion.waterline.height,
                       caseProperties(task.caseNumber).hasWave);
      stopWithMessage(platform,
                      text(Text::StopDeckImmersed,
                           {padInteger(outcome.station, 2), formatFixed(outcome.deck, 3, 3),
                            formatFixed(outcome.waterline, 2, 1)}),
                      std::string(text(Text::StopTitleWarning)));
    case BalanceStop::WavePhase:
      stopWithMessage(platform, text(Text::StopWavePhase, {formatFixed(task.waveHeight, 3, 3)}),
                      std::string(text(Text::StopTitleWaveHeight)));
    case BalanceStop::StartsTooDeep:
      stopWithMessage(platform, std::string(text(Text::StopStartsTooDeep)),
                      std::string(text(Text::StopTitleWarningLower)));
    case BalanceStop::IterationLimit:
      stopWithMessage(platform,
                      text(Text::StopIterationLimit, {std::to_string(kBalanceIterationLimit)}),
                      std::string(text(Text::StopTitleWarningLower)));
    case BalanceStop::NotCrossed:
    case BalanceStop::None:
      break;
  }
  stopWithMessage(platform,
                  text(Text::StopNoBalance, {formatFixed(balance.immersion.displacement, 7, 1),
                                             formatFixed(task.requiredDisplacement, 7, 1)}),
                  std::string(text(Text::StopTitleWarningLower)));
}

void stopForHeelAngle(Platform& platform, double heelAngle) {
  stopWithMessage(platform, text(Text::StopHeelAngle, {formatFixed(heelAngle, 3, 3)}),
                  std::string(text(Text::StopTitleWarning)));
}

void stopForZeroDisplacement(Platform& platform) {
  stopWithMessage(platform, std::string(text(Text::StopZeroDisplacement)),
                  std::string(text(Text::StopTitleWarning)));
}

void stopForEqualSpacing(Platform& platform, double displacement) {
  stopWithMessage(platform, text(Text::StopEqualSpacing, {formatFixed(displacement, 7, 1)}),
                  std::string(text(Text::StopTitleWarning)));
}

}  // namespace norvika
