#include "run/run_stops.h"

#include <string>

#include "model/calculation_case.h"
#include "platform/pause.h"
#include "plots/ship_position.h"
#include "text/text_format.h"

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
            formatFixed(task.requiredDisplacement, 7, 1) +
                " ton BASLANGIC DEPLASMANI FAZLA GELDI. DEPLASMAN DEGERINI YENIDEN GIRIN",
            "UYARI MESAJI");
      }
      // Waves, and a trimmed waterline over the deck: show where the water stands.
      drawShipPosition(platform, hull, task.shipLength, balance.immersion.waterline.height,
                       caseProperties(task.caseNumber).hasWave);
      stopWithMessage(platform,
                      padInteger(outcome.station, 2) +
                          ". POSTADA DALGA GUVERTEYI ASTI. GUVERTE YUKSEKLIGI = " +
                          formatFixed(outcome.deck, 3, 3) +
                          " m dir. DALGA YUKSEKLIGI ISE = " + formatFixed(outcome.waterline, 2, 1) +
                          " m oldu. DALGA YUKSEKLIGINI YENIDEN GIRIN - STOP ",
                      "UYARI");
    case BalanceStop::WavePhase:
      stopWithMessage(platform,
                      "DALGA TEPESI/CUKURU SARTLARINDA DALGA YUKSEKLIGI = " +
                          formatFixed(task.waveHeight, 3, 3) +
                          " m. ICIN YAKINSAMA OLMADI. YENI BIR DALGA YUKSEKLIGI GIRIN - STOP",
                      "DALGA YUKSEKLIGI GIRIS HATASI");
    case BalanceStop::StartsTooDeep:
      stopWithMessage(platform,
                      "Baslangic deplasmani fazla geldi. Bu deplasmanda hesap mumkun degil - STOP ",
                      "Uyari mesaji");
    case BalanceStop::IterationLimit:
      stopWithMessage(platform,
                      "DEPLASMAN DENGESI " + std::to_string(kBalanceIterationLimit) +
                          " ADIMDA SONUCLANMADI. GIRIS DEGERLERINI KONTROL EDIN - STOP ",
                      "Uyari mesaji");
    case BalanceStop::NotCrossed:
    case BalanceStop::None:
      break;
  }
  stopWithMessage(platform,
                  "DEPLASMAN DENGESI BULUNAMADI: HESAPLANAN DEPLASMAN = " +
                      formatFixed(balance.immersion.displacement, 7, 1) +
                      " ton, ISTENEN DEPLASMAN = " + formatFixed(task.requiredDisplacement, 7, 1) +
                      " ton. GIRIS DEGERLERINI KONTROL EDIN - STOP ",
                  "Uyari mesaji");
}

void stopForHeelAngle(Platform& platform, double heelAngle) {
  stopWithMessage(platform,
                  "MEYIL ACISI DEGERI = " + formatFixed(heelAngle, 3, 3) +
                      " derece COL KUCUK GIRILDI.  MEYIL ACISINI YENIDEN GIRIN - STOP ",
                  "UYARI");
}

void stopForZeroDisplacement(Platform& platform) {
  stopWithMessage(platform,
                  "SU HATTI HICBIR POSTAYI KESMIYOR, DEPLASMAN SIFIR CIKTI. DRAFT DEGERLERINI "
                  "YENIDEN GIRIN - STOP ",
                  "UYARI");
}

void stopForEqualSpacing(Platform& platform, double displacement) {
  stopWithMessage(platform,
                  "ESIT ARALIKLI SEPHIYE DEGERLERI " + formatFixed(displacement, 7, 1) +
                      " ton DEPLASMANA ESITLENEMEDI - STOP ",
                  "UYARI");
}

}  // namespace norvika
