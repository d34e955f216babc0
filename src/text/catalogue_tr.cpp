// The program's texts in Turkish: the legacy texts of the reports and the
// messages, as naval architects have read them for decades, byte for byte.

#include <span>

#include "text/catalogue.h"

namespace norvika {

namespace {

constexpr CatalogueEntry kTurkish[] = {
    {Text::ReportStart,
     " SEPHIYE HESABI - BASLAMA -----------------------------------------------"},
    {Text::ReportEnd, " SEPHIYE HESABI - BITIS -------------------------------------------------"},
    {Text::ReportCaseTitle, "HESAP: {0} SEPHIYE DAGILIM HESABI"},
    {Text::ReportWaveSteepness, "  H/Lamda = {0}"},
    {Text::ReportWaveParameters, "       DALGA PARAMETRELERI:"},
    {Text::ReportWaveHeight, "       DALGA YUKSEKLIGI  - H       = {0} m."},
    {Text::ReportWaveLength, "       DALGA BOYU        - Lamda   = {0} m."},
    {Text::ReportWaveParameter, "       DALGA PARAMETRESI - H/Lamda = {0}"},
    {Text::ReportForwardDraft, "       BAS DRAFT  - Tf       = {0} m."},
    {Text::ReportAftDraft, "       KIC DRAFT  - Ta       = {0} m."},
    {Text::ReportHeelAngle, "       MEYIL ACISI - Theta   = {0} derece"},
    {Text::ReportSectionTableTitle, " SU HATTININ POSTALAR ILE KESIM NOKTALARI "},
    {Text::ReportSectionTableHeading,
     " POSTA NO     POSTA YERI       KESIM NOKTASI      KESIT ALANI"},
    {Text::ReportSectionTableUnits,
     "    NO         (AP'den)          (AP'den)             (m2)   "},
    {Text::ReportRequiredDisplacement, " ISTENEN DEPLASMAN    = {0} ton"},
    {Text::ReportComputedDisplacement, " HESAPLANAN DEPLASMAN = {0} ton"},
    {Text::ReportDistributionTitle, "{0} POSTADA SEPHIYE DAGILIMI"},
    {Text::ReportBuoyancyHeading, "NO    KESIT NO    SEPH.DEGERI"},
    {Text::ReportBuoyancyUnits, "         (m)        (ton/m)  "},
    {Text::ReportStationsDisplacement, "{0} POSTADAKI DEPLASMAN = {1} ton"},
    {Text::ReportLcbAlong, "   LCB 'nin BOYUNA YERI = {0} m. AP 'den"},
    {Text::ReportLcbAcross, "   LCB 'nin ENINE  YERI = {0} m. CL 'den"},
    {Text::ReportLcb, "          LCB 'nin YERI = {0} m. AP 'den"},
    {Text::ReportEqualSpacedTitle, " ESIT ARALIKLI NOKTALARDA SEPHIYE DEGERLERI"},
    {Text::ReportEqualSpacedCount, " {0} POSTADAKI .."},
    {Text::ReportEqualSpacedSpan,
     " ESIT ARALIKLI SEHHIYE HESAP BOYU       = {0} m. OLARAK ALINMISTIR."},
    {Text::ReportEqualSpacedDisplacement,
     " ESIT ARALIKLI SEHHIYE DEGERI           = {0} ton. OLARAK HESAPLANMISTIR."},
    {Text::ReportEqualSpacedCentre,
     " ESIT ARALIKLI SEPHIYE AGIRLIK MERKEZI  = {0} m. OLARAK HESAPLANMISTIR."},
    {Text::ReportWaveErrorTitle, "*******  HATA  ********"},
    {Text::ReportWaveErrorDifferent,
     "HESAP DEPLASMANI ILE ISTENEN DEPLASMAN DEGERI BIRBIRINDEN FARKLI CIKTI."},
    {Text::ReportWaveErrorHeight, "DALGA YUKSEKLIGI FAZLA GELMIS OLABILIR."},
    {Text::CaseLevelWaterline, "DUZ SU HATTI"},
    {Text::CaseTrochoidCrest, "TROKOID DALGA TEPESI"},
    {Text::CaseTrochoidTrough, "TROKOID DALGA CUKURU"},
    {Text::CaseSineCrest, "SINUS DALGA TEPESI"},
    {Text::CaseSineTrough, "SINUS DALGA CUKURU"},
    {Text::CaseTrimmedWaterline, "TRIMLI SU HATTI"},
    {Text::CaseDamagedHeeled, "YARALI DURUM"},
    {Text::PauseQuestion, "DEVAM ETMEK ICIN 'ENTER' TUSUNA BASIN"},
    {Text::PauseTitle, "DEVAM BOLUMU"},
    {Text::ClosingTitle, "PROGRAM SONU"},
    {Text::ClosingPrompt,
     "PROGRAM CALISMASI TAMAMLANDI.SONUCLAR  '{0}'  DOSYASINA YAZILDI. BITIRMEK ICIN 'ENTER' "
     "TUSUNA BASINIZ."},
    {Text::ClosingFilesHeading,
     "PROGRAM CALISMASI TAMAMLANDI. SONUCLAR ASAGIDAKI DOSYALARA YAZILDI:"},
    {Text::ClosingFinish, "BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ."},
    {Text::AnswerYes, "E"},
    {Text::AnswerNo, "H"},
    {Text::QuestionStations, "POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>"},
    {Text::QuestionSternContour, "KIC BODOSLAMA GEOMETRISINDE YANLISLIK VAR MI E/H <H>"},
    {Text::QuestionBowContour, "BAS BODOSLAMA GEOMETRISINDE YANLISLIK VAR MI E/H <H>"},
    {Text::QuestionWaterline, "DALGA FORMU veya SU HATTINDA BİR YANLIŞLIK VAR MI E/H <H>"},
    {Text::QuestionWaterlineTitle, "Su Hattı Kesim Noktaları Kontrolu"},
    {Text::WindowReport, "Sephiye Hesabı - Rapor"},
    {Text::WindowGraph, "Grafik Çizim"},
    {Text::WindowShipPosition, "Su Hattı - Gemi Konumu"},
    {Text::WindowStability, "Yaralı Durum - Meyilli Kesitler"},
    {Text::WindowOffsets, "Su Hattı Kesim Noktaları"},
    {Text::StationPreviewLine, "POSTA NO : {0} - ({1}  /  {2} m)"},
    {Text::LegendShipProfile, "GEMI PROFILI"},
    {Text::LegendStations, "POSTALAR"},
    {Text::LegendWaveProfile, "DALGA PROFILI"},
    {Text::LegendWaterline, "SU HATTI"},
    {Text::StatusCaseTitle, "HESAP: {0} SEPHIYE DAGILIMI HESABI"},
    {Text::StatusRequiredDisplacement, "ISTENEN DEPLASMAN = {0} ton. "},
    {Text::StatusComputedDisplacement, "HESAPLANAN DEPLASMAN = {0} ton. "},
    {Text::StatusDrafts, "Bas draft = {0} m.  /   Kic draft = {1} m. "},
    {Text::WarningPrefix, "UYARI: "},
    {Text::WarningNegativeArea, "{0}. POSTADA ({1} m) KESIT ALANI NEGATIF: {2} m2"},
    {Text::StopTitleWarning, "UYARI"},
    {Text::StopTitleWarningMessage, "UYARI MESAJI"},
    {Text::StopTitleWarningLower, "Uyari mesaji"},
    {Text::StopTitleWaveHeight, "DALGA YUKSEKLIGI GIRIS HATASI"},
    {Text::StopTooHeavyForLevel,
     "{0} ton BASLANGIC DEPLASMANI FAZLA GELDI. DEPLASMAN DEGERINI YENIDEN GIRIN"},
    {Text::StopDeckImmersed,
     "{0}. POSTADA DALGA GUVERTEYI ASTI. GUVERTE YUKSEKLIGI = {1} m dir. DALGA YUKSEKLIGI ISE = "
     "{2} m oldu. DALGA YUKSEKLIGINI YENIDEN GIRIN - STOP "},
    {Text::StopWavePhase,
     "DALGA TEPESI/CUKURU SARTLARINDA DALGA YUKSEKLIGI = {0} m. ICIN YAKINSAMA OLMADI. YENI BIR "
     "DALGA YUKSEKLIGI GIRIN - STOP"},
    {Text::StopStartsTooDeep,
     "Baslangic deplasmani fazla geldi. Bu deplasmanda hesap mumkun degil - STOP "},
    {Text::StopIterationLimit,
     "DEPLASMAN DENGESI {0} ADIMDA SONUCLANMADI. GIRIS DEGERLERINI KONTROL EDIN - STOP "},
    {Text::StopNoBalance,
     "DEPLASMAN DENGESI BULUNAMADI: HESAPLANAN DEPLASMAN = {0} ton, ISTENEN DEPLASMAN = {1} ton. "
     "GIRIS DEGERLERINI KONTROL EDIN - STOP "},
    {Text::StopHeelAngle,
     "MEYIL ACISI DEGERI = {0} derece COL KUCUK GIRILDI.  MEYIL ACISINI YENIDEN GIRIN - STOP "},
    {Text::StopZeroDisplacement,
     "SU HATTI HICBIR POSTAYI KESMIYOR, DEPLASMAN SIFIR CIKTI. DRAFT DEGERLERINI YENIDEN GIRIN - "
     "STOP "},
    {Text::StopEqualSpacing,
     "ESIT ARALIKLI SEPHIYE DEGERLERI {0} ton DEPLASMANA ESITLENEMEDI - STOP "},
    {Text::EqualRangeOutside,
     "ESIT ARALIKLI NOKTALAR ({0} - {1} m) POSTALARIN DISINDA KALIYOR; POSTALAR {2} - {3} m "
     "ARASINDA. ARALIGI DUZELTIN"},
};
static_assert(completeCatalogue(kTurkish), "every text once, in the order of its id");

}  // namespace

std::span<const CatalogueEntry> turkishCatalogue() { return kTurkish; }

}  // namespace norvika
