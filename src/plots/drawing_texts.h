#pragma once

// The drawings' file names and the words that read alike in every language (units, AP, FP), one
// block a drawing; the captions and words of the buoyancy run's and the strength drawings are in
// the catalogues (text/catalogue.h). The hydrostatics drawings speak Turkish still, as that
// program's reports do: their words are here, as they always were.

namespace norvika::texts {

/// The distribution graphs (buoyancy at the stations, equally spaced values).
namespace distribution {
inline constexpr const char* kStationsName = "buoyancy-at-stations";
inline constexpr const char* kEqualName = "buoyancy-equally-spaced";
inline constexpr const char* kAft = "AP";
inline constexpr const char* kForward = "FP";
inline constexpr const char* kUnit = "t/m";
}  // namespace distribution

/// The steps of the run drawn on the report window.
namespace steps {
inline constexpr const char* kPreviewName = "station";
}  // namespace steps

/// The check plots: the body plan and the end contours.
namespace checks {
inline constexpr const char* kBodyPlanName = "body-plan";
inline constexpr const char* kSternName = "stern-contour";
inline constexpr const char* kBowName = "bow-contour";
inline constexpr const char* kHeight = "z (m)";
inline constexpr const char* kHalfBreadth = "y (m)";
inline constexpr const char* kAft = "AP";
inline constexpr const char* kForward = "FP";
}  // namespace checks

/// The waterline check and the ship's position in the water.
namespace profile {
inline constexpr const char* kCheckName = "waterline-check";
inline constexpr const char* kPositionName = "ship-position";
inline constexpr const char* kHeight = "z (m)";
}  // namespace profile

/// The heeled sections of the damaged condition.
namespace heeled {
inline constexpr const char* kName = "heeled-sections";
inline constexpr const char* kHeight = "z (m)";
inline constexpr const char* kDrafts = "Tf / Ta";
}  // namespace heeled

/// The strength diagrams.
namespace strength {
inline constexpr const char* kName = "strength";
inline constexpr const char* kAlong = "x (m)";
inline constexpr const char* kAft = "AP";
inline constexpr const char* kForward = "FP";
}  // namespace strength

/// The curves of form and the Bonjean curves.
namespace hydrostatics {
inline constexpr const char* kCurvesCaption = "FORM EGRILERI (HIDROSTATIK EGRILER)";
inline constexpr const char* kCurvesName = "curves-of-form";
inline constexpr const char* kDisplacement = "DEPLASMAN (ton)";
inline constexpr const char* kKb = "KB (m)";
inline constexpr const char* kLcb = "LCB (m, AP 'den)";
inline constexpr const char* kLcf = "LCF (m, AP 'den)";
inline constexpr const char* kWaterplane = "SU HATTI ALANI Awp (m2)";
inline constexpr const char* kTpc = "TPC (ton/cm)";
inline constexpr const char* kMct = "MCT 1 cm (t.m/cm)";
inline constexpr const char* kKmt = "KMt (m)";
inline constexpr const char* kKml = "KMl (m)";
inline constexpr const char* kWetted = "ISLAK YUZEY ALANI S (m2)";
inline constexpr const char* kCoefficients = "KATSAYILAR";
inline constexpr const char* kDraft = "DRAFT T (m)";
inline constexpr const char* kDraftNote = "DRAFTLAR TABAN HATTINDAN, L/2 'DE";
/// The draft the task file gives (cases 6 and 7), and its value below: "T = 6.150 m".
inline constexpr const char* kDesignDraft = "TASARIM DRAFTI";
inline constexpr const char* kBonjeanCaption = "BONJEAN EGRILERI";
inline constexpr const char* kBonjeanName = "bonjean-curves";
inline constexpr const char* kBonjeanCurves =
    "POSTA KESIT ALANLARI (MAVI), TABAN HATTINA GORE MOMENTLERI (KIRMIZI)";
inline constexpr const char* kBonjeanNote = "YUKSEKLIK (m) TABAN HATTINDAN; POSTA NUMARALARI ALTTA";
inline constexpr const char* kArea = "m2 KESIT ALANI";
inline constexpr const char* kMoment = "m3 TABAN HATTINA GORE MOMENT";
inline constexpr const char* kHeight = "z (m)";
inline constexpr const char* kStations = "POSTA";
inline constexpr const char* kAft = "AP";
inline constexpr const char* kForward = "FP";
}  // namespace hydrostatics

}  // namespace norvika::texts
