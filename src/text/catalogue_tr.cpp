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
};
static_assert(completeCatalogue(kTurkish), "every text once, in the order of its id");

}  // namespace

std::span<const CatalogueEntry> turkishCatalogue() { return kTurkish; }

}  // namespace norvika
