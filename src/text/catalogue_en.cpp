// The program's texts in English, for readers of the reports who do not read
// Turkish: the same lines, with the numbers in the same order.

#include <span>

#include "text/catalogue.h"

namespace norvika {

namespace {

constexpr CatalogueEntry kEnglish[] = {
    {Text::ReportStart, " BUOYANCY CALCULATION - START ------------------------------------------"},
    {Text::ReportEnd, " BUOYANCY CALCULATION - END --------------------------------------------"},
    {Text::ReportCaseTitle, "CASE: {0} BUOYANCY DISTRIBUTION"},
    {Text::ReportWaveSteepness, "  H/Lambda = {0}"},
    {Text::ReportWaveParameters, "       WAVE PARAMETERS:"},
    {Text::ReportWaveHeight, "       WAVE HEIGHT       - H        = {0} m."},
    {Text::ReportWaveLength, "       WAVE LENGTH       - Lambda   = {0} m."},
    {Text::ReportWaveParameter, "       WAVE STEEPNESS    - H/Lambda = {0}"},
    {Text::ReportForwardDraft, "       FORWARD DRAFT - Tf    = {0} m."},
    {Text::ReportAftDraft, "       AFT DRAFT     - Ta    = {0} m."},
    {Text::ReportHeelAngle, "       HEEL ANGLE    - Theta = {0} degrees"},
    {Text::ReportSectionTableTitle, " THE WATERLINE AT THE STATIONS "},
    {Text::ReportSectionTableHeading,
     " STATION      STATION X        WATERLINE          SECTION AREA"},
    {Text::ReportSectionTableUnits, "    NO         (from AP)        (height)             (m2)   "},
    {Text::ReportRequiredDisplacement, " REQUIRED DISPLACEMENT = {0} t"},
    {Text::ReportComputedDisplacement, " COMPUTED DISPLACEMENT = {0} t"},
    {Text::ReportDistributionTitle, "BUOYANCY DISTRIBUTION AT{0} STATIONS"},
    {Text::ReportBuoyancyHeading, "NO    STATION X   BUOYANCY   "},
    {Text::ReportBuoyancyUnits, "         (m)        (t/m)    "},
    {Text::ReportStationsDisplacement, "{0} STATIONS: DISPLACEMENT = {1} t"},
    {Text::ReportLcbAlong, "   LCB                  = {0} m from AP"},
    {Text::ReportLcbAcross, "   TCB                  = {0} m from CL"},
    {Text::ReportLcb, "          LCB           = {0} m from AP"},
    {Text::ReportEqualSpacedTitle, " BUOYANCY AT EQUALLY SPACED POINTS"},
    {Text::ReportEqualSpacedCount, " {0} POINTS .."},
    {Text::ReportEqualSpacedSpan, " LENGTH OF THE EQUALLY SPACED POINTS    = {0} m."},
    {Text::ReportEqualSpacedDisplacement, " DISPLACEMENT OF THE EQUAL SPACING      = {0} t."},
    {Text::ReportEqualSpacedCentre, " CENTRE OF BUOYANCY OF THE EQUAL SPACING = {0} m."},
    {Text::ReportWaveErrorTitle, "*******  ERROR  ********"},
    {Text::ReportWaveErrorDifferent,
     "THE COMPUTED DISPLACEMENT DIFFERS FROM THE REQUIRED DISPLACEMENT."},
    {Text::ReportWaveErrorHeight, "THE WAVE MAY BE TOO HIGH."},
    {Text::CaseLevelWaterline, "LEVEL WATERLINE"},
    {Text::CaseTrochoidCrest, "TROCHOIDAL WAVE, CREST AMIDSHIPS"},
    {Text::CaseTrochoidTrough, "TROCHOIDAL WAVE, TROUGH AMIDSHIPS"},
    {Text::CaseSineCrest, "SINE WAVE, CREST AMIDSHIPS"},
    {Text::CaseSineTrough, "SINE WAVE, TROUGH AMIDSHIPS"},
    {Text::CaseTrimmedWaterline, "TRIMMED WATERLINE"},
    {Text::CaseDamagedHeeled, "DAMAGED CONDITION, HEELED"},
};
static_assert(completeCatalogue(kEnglish), "every text once, in the order of its id");

}  // namespace

std::span<const CatalogueEntry> englishCatalogue() { return kEnglish; }

}  // namespace norvika
