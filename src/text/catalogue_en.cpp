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
    {Text::PauseQuestion, "PRESS 'ENTER' TO CONTINUE"},
    {Text::PauseTitle, "CONTINUE"},
    {Text::ClosingTitle, "END OF THE PROGRAM"},
    {Text::ClosingPrompt,
     "THE RUN IS COMPLETE. THE RESULTS ARE WRITTEN TO  '{0}'. PRESS 'ENTER' TO FINISH."},
    {Text::ClosingFilesHeading, "THE RUN IS COMPLETE. THE RESULTS ARE WRITTEN TO THESE FILES:"},
    {Text::ClosingFinish, "PRESS 'ENTER' TO FINISH."},
    {Text::AnswerYes, "Y"},
    {Text::AnswerNo, "N"},
    {Text::QuestionStations, "IS ANYTHING WRONG WITH THE STATION SECTIONS Y/N <N>"},
    {Text::QuestionSternContour, "IS ANYTHING WRONG WITH THE STERN CONTOUR Y/N <N>"},
    {Text::QuestionBowContour, "IS ANYTHING WRONG WITH THE BOW CONTOUR Y/N <N>"},
    {Text::QuestionWaterline, "IS ANYTHING WRONG WITH THE WAVE FORM OR THE WATERLINE Y/N <N>"},
    {Text::QuestionWaterlineTitle, "Waterline crossings check"},
    {Text::WindowReport, "Buoyancy calculation - Report"},
    {Text::WindowGraph, "Graph"},
    {Text::WindowShipPosition, "Waterline - Ship position"},
    {Text::WindowStability, "Damaged condition - Heeled sections"},
    {Text::WindowOffsets, "Waterline crossings"},
    {Text::StationPreviewLine, "STATION  : {0} - ({1}  /  {2} m)"},
    {Text::LegendShipProfile, "SHIP PROFILE"},
    {Text::LegendStations, "STATIONS"},
    {Text::LegendWaveProfile, "WAVE PROFILE"},
    {Text::LegendWaterline, "WATERLINE"},
    {Text::StatusCaseTitle, "CASE: {0} BUOYANCY DISTRIBUTION"},
    {Text::StatusRequiredDisplacement, "REQUIRED DISPLACEMENT = {0} t. "},
    {Text::StatusComputedDisplacement, "COMPUTED DISPLACEMENT = {0} t. "},
    {Text::StatusDrafts, "Forward draft = {0} m.  /   Aft draft = {1} m. "},
    {Text::WarningPrefix, "WARNING: "},
    {Text::WarningNegativeArea, "STATION {0} ({1} m): NEGATIVE SECTION AREA: {2} m2"},
    {Text::StopTitleWarning, "WARNING"},
    {Text::StopTitleWarningMessage, "WARNING MESSAGE"},
    {Text::StopTitleWarningLower, "Warning message"},
    {Text::StopTitleWaveHeight, "WAVE HEIGHT INPUT ERROR"},
    {Text::StopTooHeavyForLevel,
     "{0} t: THE STARTING DISPLACEMENT IS TOO LARGE. ENTER THE DISPLACEMENT AGAIN"},
    {Text::StopDeckImmersed,
     "AT STATION {0} THE WAVE RISES OVER THE DECK. THE DECK HEIGHT IS {1} m, THE WAVE HEIGHT {2} "
     "m. ENTER THE WAVE HEIGHT AGAIN - STOP "},
    {Text::StopWavePhase,
     "WITH THE CREST/TROUGH AMIDSHIPS THE SEARCH DID NOT CONVERGE FOR A WAVE HEIGHT OF {0} m. "
     "ENTER ANOTHER WAVE HEIGHT - STOP"},
    {Text::StopStartsTooDeep,
     "The starting displacement is too large. No calculation is possible at this displacement - "
     "STOP "},
    {Text::StopIterationLimit,
     "THE DISPLACEMENT BALANCE DID NOT END IN {0} STEPS. CHECK THE INPUT VALUES - STOP "},
    {Text::StopNoBalance,
     "NO DISPLACEMENT BALANCE FOUND: COMPUTED DISPLACEMENT = {0} t, REQUIRED DISPLACEMENT = {1} t. "
     "CHECK THE INPUT VALUES - STOP "},
    {Text::StopHeelAngle,
     "THE HEEL ANGLE OF {0} degrees IS TOO SMALL.  ENTER THE HEEL ANGLE AGAIN - STOP "},
    {Text::StopZeroDisplacement,
     "THE WATERLINE CROSSES NO STATION, THE DISPLACEMENT IS ZERO. ENTER THE DRAFTS AGAIN - STOP "},
    {Text::StopEqualSpacing,
     "THE EQUALLY SPACED BUOYANCY VALUES COULD NOT BE MATCHED TO THE DISPLACEMENT OF {0} t - "
     "STOP "},
    {Text::EqualRangeOutside,
     "THE EQUALLY SPACED POINTS ({0} - {1} m) LIE OUTSIDE THE STATIONS; THE STATIONS RUN FROM {2} "
     "TO {3} m. CORRECT THE RANGE"},
};
static_assert(completeCatalogue(kEnglish), "every text once, in the order of its id");

}  // namespace

std::span<const CatalogueEntry> englishCatalogue() { return kEnglish; }

}  // namespace norvika
