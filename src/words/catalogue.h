#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace norvika {

/// Every text the user sees, one id each; the catalogue of each language
/// (words/catalogue_tr.cpp, words/catalogue_en.cpp) holds its words. A text's
/// "{0}", "{1}", ... stand for the values filled in where it is written.
enum class Text : int {
  // The buoyancy report, Norvika.SON.
  ReportStart,
  ReportEnd,
  ReportCaseTitle,      // {0} case name
  ReportWaveSteepness,  // {0} H/lambda
  ReportWaveParameters,
  ReportWaveHeight,     // {0} m
  ReportWaveLength,     // {0} m
  ReportWaveParameter,  // {0} H/lambda
  ReportForwardDraft,   // {0} m
  ReportAftDraft,       // {0} m
  ReportHeelAngle,      // {0} degrees
  ReportSectionTableTitle,
  ReportSectionTableHeading,
  ReportSectionTableUnits,
  ReportRequiredDisplacement,  // {0} t
  ReportComputedDisplacement,  // {0} t
  ReportDistributionTitle,     // {0} station count as plain text
  ReportBuoyancyHeading,
  ReportBuoyancyUnits,
  ReportStationsDisplacement,  // {0} station count, {1} t
  ReportLcbAlong,              // {0} m from AP (heeled case)
  ReportLcbAcross,             // {0} m from CL (heeled case)
  ReportLcb,                   // {0} m from AP
  ReportEqualSpacedTitle,
  ReportEqualSpacedCount,         // {0} count
  ReportEqualSpacedSpan,          // {0} m
  ReportEqualSpacedDisplacement,  // {0} t
  ReportEqualSpacedCentre,        // {0} m
  ReportWaveErrorTitle,
  ReportWaveErrorDifferent,
  ReportWaveErrorHeight,
  // The run's questions, windows, status lines and stops.
  PauseQuestion,
  PauseTitle,
  ClosingTitle,
  ClosingPrompt,       // {0} the one result file, quoted
  ClosingPromptFiles,  // {0} the result files, each quoted, separated by commas
  ClosingFilesHeading,
  ClosingFinish,
  AnswerYes,  // the answer that says yes to a question
  AnswerNo,   // the answer that says no, each question's default
  QuestionStations,
  QuestionSternContour,
  QuestionBowContour,
  QuestionWaterline,
  QuestionWaterlineTitle,
  WindowReport,
  WindowGraph,
  WindowShipPosition,
  WindowStability,
  WindowOffsets,
  StationPreviewLine,  // {0} station number, {1} station in divisions, {2} m from AP
  LegendShipProfile,
  LegendStations,
  LegendWaveProfile,
  LegendWaterline,
  StatusCaseTitle,             // {0} case name
  StatusRequiredDisplacement,  // {0} t
  StatusComputedDisplacement,  // {0} t
  StatusDrafts,                // {0} forward, {1} aft draft, m
  WarningPrefix,               // starts every warning line of the report window
  WarningNegativeArea,         // {0} station, {1} m from AP, {2} m2
  StopTitleWarning,
  StopTitleWarningMessage,
  StopTitleWarningLower,
  StopTitleWaveHeight,
  StopTooHeavyForLevel,  // {0} t
  StopDeckImmersed,      // {0} station, {1} deck m, {2} water m
  StopWavePhase,         // {0} wave height m
  StopStartsTooDeep,
  StopIterationLimit,  // {0} steps
  StopNoBalance,       // {0} computed, {1} required t
  StopHeelAngle,       // {0} degrees
  StopZeroDisplacement,
  StopEqualSpacing,   // {0} t
  EqualRangeOutside,  // {0} {1} the points' range, {2} {3} the stations', m
  // The drawings' captions and the words added to read them.
  DrawingStationsCaption,
  DrawingEqualCaption,
  DrawingStation,
  DrawingPreviewCaption,
  DrawingBalanceCaption,
  DrawingBodyPlanCaption,
  DrawingSternCaption,
  DrawingBowCaption,
  DrawingAlongFromAft,
  DrawingWaterlineCheckCaption,
  DrawingPositionCaption,
  DrawingPositionOnWaveCaption,
  DrawingWaterlineHeight,
  DrawingWaveHeight,
  DrawingHeeledCaption,
  DrawingHeelAngle,
  DrawingDegrees,
  DrawingDisplacement,
  DrawingCentreOfBuoyancy,
  DrawingFromCentreLine,
  DrawingRisingSide,
  DrawingFromAft,
  DrawingHeeledWaterline,
  DrawingSectionCentre,
  // The strength report (MUKAVEMET.SON), its rule comparison and crest sweep, and its diagram.
  StrengthStart,
  StrengthEnd,
  StrengthWeightFile,            // {0} file name
  StrengthBlockCount,            // {0} count
  StrengthTotalWeight,           // {0} t
  StrengthWeightCentre,          // {0} m from AP
  StrengthRequiredDisplacement,  // {0} t
  StrengthSigns,
  StrengthBalanced,     // {0} condition, {1} steps
  StrengthNotBalanced,  // {0} condition
  StrengthDraftsOnWave,
  StrengthForwardDraft,  // {0} m
  StrengthAftDraft,      // {0} m
  StrengthMeanDraft,     // {0} m
  StrengthTrim,          // {0} m
  StrengthDisplacement,  // {0} t
  StrengthLcb,           // {0} m from AP
  StrengthCurvesTitle,   // {0} condition
  StrengthRowSpacing,    // {0} m
  StrengthColumnWeight,  // table columns and legends
  StrengthColumnBuoyancy,
  StrengthColumnLoad,
  StrengthColumnShear,
  StrengthColumnMoment,
  StrengthColumnStillMoment,
  StrengthColumnWaveMoment,
  StrengthColumnWaveShear,
  StrengthColumnRuleShear,
  StrengthColumnRuleMoment,
  StrengthColumnRatio,
  StrengthLargestHogging,  // {0} moment, {1} place
  StrengthNoHogging,
  StrengthLargestSagging,  // {0} moment, {1} place
  StrengthNoSagging,
  StrengthLargestPositiveShear,  // {0} force, {1} place
  StrengthNoPositiveShear,
  StrengthLargestNegativeShear,  // {0} force, {1} place
  StrengthNoNegativeShear,
  StrengthAt,  // {0} m from AP
  StrengthWaveInducedTitle,
  StrengthMirroredTrough,  // {0} what the true trochoid gives
  StrengthTrueTroughNoBalance,
  StrengthTrueTroughNoSagging,
  StrengthTrueTroughSagging,  // {0} t m, {1} %
  StrengthClosureAt,          // {0} m
  StrengthClosureShear,       // {0} {1} t
  StrengthClosureMoment,      // {0} {1} t m
  StrengthClosed,
  StrengthNotClosed,
  StrengthEndShear,         // {0} t
  StrengthEndMoment,        // {0} t m
  StrengthRemainingForce,   // {0} t
  StrengthRemainingMoment,  // {0} t m
  StrengthUnbalancedNote,   // two lines
  StrengthStillWaterClosure,
  RuleTitle,                     // the rule's comparison
  RuleNotApplied,                // {0} m
  RuleLengthGiven,               // {0} m
  RuleLengthFromPerpendiculars,  // {0} {1} m
  RuleLengthNoWaterline,         // {0} m
  RuleWaterline,                 // {0} m, {1} {2} m from AP
  RuleScantlingDraft,            // {0} {1} m
  RuleStillDraft,                // {0} {1} m
  RuleBlockCoefficient,          // {0} {1} Cb, {2} C
  RuleHogging,                   // {0} kN m
  RuleSagging,                   // {0} kN m
  RuleShear,                     // {0} kN
  RuleAlongTheShip,              // {0} a
  RuleComputedHogging,           // {0} kN m, {1} place, {2} ratio
  RuleNoHoggingOnWave,
  RuleComputedSagging,  // {0} kN m, {1} place, {2} ratio
  RuleNoSaggingOnWave,
  RuleWaveMoment,
  RuleLargestMomentRatio,  // {0} ratio, {1} place
  RuleNoMomentRatio,
  RuleLargestShearRatio,  // {0} ratio, {1} place
  RuleNoShearRatio,
  RuleStillWaterOnly,
  RuleRatiosWhere,  // {0} the thresholds
  RuleThresholds,   // {0} share, {1} kN, {2} {3} kN m
  RuleTableTitle,
  SweepTitle,        // the crest sweep; {0} count, {1} m
  SweepWaveInduced,  // {0} the envelope's file
  SweepTrueTrochoid,
  SweepColumnCrest,
  SweepColumnHogging,
  SweepColumnSagging,
  SweepWorstHogging,
  SweepWorstSagging,
  SweepLargestPositiveShear,
  SweepLargestNegativeShear,
  SweepNoHogging,
  SweepNoSagging,
  SweepNoPositiveShear,
  SweepNoNegativeShear,
  SweepHoggingMoment,
  SweepSaggingMoment,
  SweepPositiveShear,
  SweepNegativeShear,
  SweepWorstCrest,  // {0} m from AP, {1} rule and unit, {2} ratio
  SweepNoLargestRatio,
  SweepLargestRatio,       // {0} ratio, {1} place, {2} m from AP
  SweepRatioNote,          // {0} the thresholds
  SweepRuleExceeded,       // {0} quantity, {1} {2} m from AP
  DrawingStrengthCaption,  // the strength diagram
  DrawingSweepTitle,
  DrawingLoadHeader,
  DrawingShearHeader,   // {0} unit
  DrawingMomentHeader,  // {0} unit
  DrawingStillWater,
  DrawingWaveInduced,
  DrawingRule,
  DrawingSweepEnvelope,  // {0} count
  DrawingRatio,          // {0} ratio, {1} m
  DrawingSweepRatio,     // {0} SF or BM, {1} ratio, {2} {3} m
  DrawingRuleExceeded,
  // The strength step's stops.
  StrengthStopDeck,        // {0} station, {1} deck m, {2} waterline m
  StrengthStopWavePhase,   // {0} m
  StrengthStopNoBalance,   // {0} steps, {1} t, {2} m
  StrengthStopAtCrest,     // {0} m from AP
  StrengthWeightMismatch,  // {0} file, {1} {2} t, {3} where the displacement is given
  StrengthGivenValues,
  StrengthRuleCaseOnly,  // {0} case
  StrengthRuleNeedsWeights,
  StrengthSweepCaseOnly,  // {0} case
  StrengthSweepNeedsWeights,
  // The hydrostatics report (HIDROSTATIK.SON), the hull's lines of the analyses' reports, the
  // refusals of the drafts, the curves of form and the Bonjean curves.
  HullFile,        // {0} file name
  HullStations,    // {0} count, {1} {2} m from AP
  HullShipLength,  // {0} m
  HullDensity,     // {0} t/m3, {1} where it came from
  HydrostaticsStart,
  HydrostaticsEnd,
  HydrostaticsTrim,        // {0} m
  HydrostaticsDraftCount,  // {0} count, {1} where the drafts came from
  HydrostaticsDefaultDrafts,
  HydrostaticsKg,  // {0} m
  HydrostaticsDraftMeasured,
  HydrostaticsSeamed,  // {0} station, {1} {2} m, {3} times
  HydrostaticsVolumePart,
  HydrostaticsStabilityPartWithKg,
  HydrostaticsStabilityPart,
  HydrostaticsFormPart,
  HydrostaticsCentresPart,
  HydrostaticsNotes,         // the abbreviations and notes, several lines
  HydrostaticsDraftPrefix,   // {0} m
  HydrostaticsDeckImmersed,  // {0} station, {1} {2} m
  HydrostaticsNoVolume,      // {0} why
  HydrostaticsNoBreadthBelow,
  HydrostaticsBelowKeel,
  HydrostaticsNoWaterplane,
  HydrostaticsNoDefaultDrafts,  // {0} deck m, {1} trim m, {2} option
  DrawingCurvesCaption,         // the curves of form
  DrawingCoefficients,
  DrawingDraft,
  DrawingCurvesInputs,  // {0} m, {1} t/m3, {2} m
  DrawingDesignDraft,
  DrawingBonjeanCaption,  // the Bonjean curves
  DrawingBonjeanCurves,
  DrawingBonjeanNote,
  DrawingSectionArea,
  DrawingSectionMoment,
  // The first page of a PDF record: what the run read, answered and wrote.
  RecordTitle,  // {0} program and version
  RecordStarted,
  RecordRunDirectory,
  RecordTaskFile,  // {0} file name
  RecordHullFileName,
  RecordShipLength,
  RecordStationDivisions,
  RecordWaterDensity,
  RecordCase,
  RecordRequiredDisplacement,
  RecordInitialDraft,
  RecordWaveHeight,
  RecordWaveLengthRatio,
  RecordForwardDraft,
  RecordAftDraft,
  RecordHeelAngle,
  RecordDegrees,  // {0} degrees
  RecordEqualPoints,
  RecordNone,
  RecordPointSpan,    // {0} count, {1} {2} m from AP
  RecordWeightsFile,  // {0} file name
  RecordWeightsTitle,
  RecordWeightBlocks,
  RecordTotalWeight,
  RecordWeightCentre,
  RecordFromAft,   // {0} m from AP
  RecordHullFile,  // {0} file name
  RecordStations,
  RecordContours,
  RecordContourSpan,  // {0} {1} m from AP
  RecordHalfBreadth,
  RecordHeights,
  RecordHeightSpan,  // {0} {1} m
  RecordUnread,      // {0} the message that ended the run
  RecordAnswers,
  RecordNoAnswer,
  RecordAnswer,        // {0} the answer as typed
  RecordEnding,        // {0} how the run ended
  RecordEndingStatus,  // {0} reason, {1} exit status
  RecordCompleted,
  RecordInputError,
  RecordCalculationStopped,
  RecordGeometryRejected,
  RecordWriteFailed,
  RecordInternalFailure,
  RecordStoppedByUser,
  RecordResultFiles,
  RecordFilesInDirectory,
  RecordBytes,  // {0} size
  RecordRemoved,
  RecordDrawings,  // {0} drawings kept, {1} frames drawn
  RecordFinishedDrawings,
  RecordNotWritten,         // {0} file name
  RecordHydrostaticsTitle,  // {0} program and version
  RecordTrim,
  RecordDrafts,
  RecordDraftSpan,       // {0} count, {1} {2} drafts
  RecordStabilityTitle,  // {0} program and version
  RecordDisplacements,
  RecordHeels,
  RecordLoadingCondition,
  // The input files' messages.
  InputAtLine,          // {0} file, {1} line, {2} what is wrong
  InputNotFound,        // {0} file, {1} path
  InputUnreadable,      // {0} file, {1} path
  InputNotAFile,        // {0} file, {1} path
  InputTooLarge,        // {0} file, {1} path
  InputEnded,           // {0} what was expected
  InputNotANumber,      // {0} value, {1} text read
  InputNumberTooLarge,  // {0} value, {1} text read
  InputWholeNumber,     // {0} value, {1} {2} bounds, {3} text read
  InputValueMissing,    // {0} value
  InputEmptyLine,       // {0} value
  InputTitleLine,
  InputCurveTitleLine,  // {0} curve
  InputAtResultPlace,   // {0} role, {1} file, {2} result file
  InputTaskFile,
  InputHullFile,
  InputWeightsFile,
  ResultUnwritable,  // {0} file, {1} path, {2} reason
  TaskLabelLine,
  TaskNoMoreNumbers,         // {0} value, {1} text read
  TaskDecimalPoint,          // {0} the number as meant
  TaskLabelAfterCaseValues,  // {0} line, {1} text read
  TaskValueNotNegative,      // {0} value, {1} number
  TaskValuePositive,         // {0} value, {1} number
  TaskValueUnderRightAngle,  // {0} value, {1} number
  TaskEqualPointCount,       // {0} value, {1} most points, {2} count
  TaskEqualRange,            // {0} first, {1} last point, m
  TaskValueNotTaken,         // {0} value, {1} case
  HullStation,               // {0} station
  HullStationPosition,       // {0} station
  HullSternContour,
  HullBowContour,
  HullRecord,  // {0} curve, {1} record
  HullHeight,
  HullHalfBreadth,
  HullLengthwise,
  HullCode,
  HullCodeNotWhole,      // {0} record, {1} text read
  HullCodeIsTerminator,  // {0} record
  HullNoCurveEnd,        // {0} curve, {1} records
  HullNoStationEnd,      // {0} curve, {1} records
  HullTooFewPoints,      // {0} curve, {1} least, {2} read
  HullHeightsRise,       // {0} curve, {1} point, {2} {3} heights, m
  HullStationsRise,      // {0} station, {1} {2} positions, m
  HullTooFewStations,    // {0} stations read
  HullTooManyStations,   // {0} most stations
  HullLastStationEnd,    // {0} most stations
  HullCountsDiffer,      // {0} curve, {1} field, {2} {3} {4} counts
  HullTooManyPoints,     // {0} curve, {1} most points
  WeightsRecord,         // {0} record
  WeightsTooMany,        // {0} most records
  WeightsNone,
  WeightsZeroTotal,
  WeightsOrder,        // {0} record, {1} x1, {2} x2, m
  WeightsOutsideShip,  // {0} record, {1} {2} bounds, {3} x1, {4} x2, m
  WeightsTooShort,     // {0} record, {1} least length, {2} x1, {3} x2, m
  WeightsNegative,     // {0} record, {1} w1, {2} w2, t/m
  WeightsIncomplete,   // {0} record, {1} numbers read
  WeightsGivenName,
  // The stability report and drawings.
  StabilityStart,
  StabilityEnd,
  StabilityTrimFree,
  StabilityTrimFixed,
  StabilityLcgGiven,  // {0} m from AP
  StabilityLcgOfEachDisplacement,
  StabilityHeelCount,   // {0} count, {1} {2} degrees
  StabilityInputNotes,  // the heel's sense and KN's definition, two lines
  StabilityCrossCurvesTitle,
  StabilityDisplacementRow,  // the cross curves' rows' names, each within 13 characters
  StabilityTonnesRow,
  StabilityHeelRow,
  StabilityDraftRow,
  StabilityTrimRow,
  StabilityLcgRow,
  StabilityDeckEdgeRow,
  StabilityNoEquilibriumAtHeel,  // {0} t, {1} degrees, {2} why
  StabilityCrossCurvesNotes,     // two lines
  StabilityDegrees,              // {0} degrees
  StabilityTonnes,               // {0} t
  StabilityTonneMetres,          // {0} t m
  StabilityFromAft,              // after a value in m
  StabilityConditionTitle,
  StabilityDisplacementLabel,  // the labelled values' names, each within 29 characters
  StabilityEvenKeelDraft,      // {0} m
  StabilityFreeSurfaceLabel,
  StabilityFluidKgLabel,
  StabilityGm0Label,
  StabilityDraftLabel,
  StabilityFloodingAngleLabel,
  StabilityNotGiven,
  StabilityLeversTitle,
  StabilityLeversHeading,  // two lines over 11-character columns
  StabilityCurveEnds,      // {0} degrees, {1} why
  StabilityMaxLeverLabel,
  StabilityVanishingLabel,
  StabilityNotVanishing,  // {0} degrees
  StabilityDeckEdgeLabel,
  StabilityDeckEdgeDry,
  StabilityAreaUpTo,  // {0} degrees
  StabilityAreaToFlooding,
  StabilityCriteriaTitle,
  StabilityCriteriaHeading,  // over a 48-character name, then 8, 12 and the result
  StabilityCriterionArea,    // {0} {1} degrees; every criterion's name within 48 characters
  StabilityCriterionLeverAt30,
  StabilityCriterionMaxLeverAngle,
  StabilityCriterionGm0,
  StabilityCriterionSteadyHeel,
  StabilityCriterionWindAreas,
  StabilityPasses,
  StabilityFails,
  StabilityUndetermined,
  StabilityConditionPasses,  // {0} the criteria's sections
  StabilityConditionFails,   // {0} the criteria's sections
  StabilityGeneralAndWeather,
  StabilityNoWeather,
  StabilityUndeterminedNote,  // two lines
  StabilityWeatherTitle,
  StabilityWindArea,
  StabilityWindLever,
  StabilityWindPressure,
  StabilityBilgeKeelArea,
  StabilitySharpBilges,
  StabilityRollPeriod,
  StabilityRollAngle,
  StabilitySteadyHeel,
  StabilitySecondGustHeel,
  StabilityUpperHeel,
  StabilityWeatherArea,  // {0} a or b
  StabilityVolumeOutsideHull,
  StabilityTrimOutOfReach,
  StabilityNotConverged,
  StabilityDraftOverDeck,     // {0} m, {1} m
  StabilityNoVolumeAtDraft,   // {0} m
  StabilityBeyondHull,        // {0} t, {1} t
  StabilityNoUprightBalance,  // {0} t, {1} why
  StabilityKgOverDeck,        // {0} m, {1} m
  StabilityNoGzCurve,         // {0} t
  StabilityCapsizes,          // {0} degrees, {1} m
  DrawingCrossCurvesCaption,
  DrawingGzCaption,
  DrawingHeelAxis,
  DrawingCrossCurvesNote,
  DrawingGzArea,     // {0} {1} degrees, {2} m rad
  DrawingWindAreas,  // {0} {1} m rad
  DrawingDeckEdge,   // {0} degrees
  DrawingFlooding,   // {0} degrees
  DrawingMaxLever,   // {0} m, {1} degrees
  // {0} degrees, in short: it stands by the curve's right end.
  DrawingVanishingAngle,
  Count,  // the number of texts: not a text
};

/// The text `id` in the thread's language (currentLanguage()).
std::string_view text(Text id);

/// The text `id` with its "{0}", "{1}", ... replaced by `values` in order.
std::string text(Text id, std::initializer_list<std::string_view> values);
/// The same, for values gathered at run time.
std::string text(Text id, std::span<const std::string_view> values);

/// A text of a language's catalogue.
struct CatalogueEntry {
  Text id;
  std::string_view words;
};

/// Whether `entries` hold every text once, in the order of their ids: each
/// catalogue checks itself with it when it is compiled.
template <std::size_t N>
constexpr bool completeCatalogue(const CatalogueEntry (&entries)[N]) {
  if (N != static_cast<std::size_t>(Text::Count)) return false;
  for (std::size_t k = 0; k < N; ++k) {
    if (static_cast<std::size_t>(entries[k].id) != k) return false;
  }
  return true;
}

}  // namespace norvika
