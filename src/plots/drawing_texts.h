#pragma once

// Every text the drawings write, one block a drawing, so that a catalogue of another language
// can take them from one place. The legacy texts are as they always were.

namespace norvika::texts {

/// The distribution graphs (buoyancy at the stations, equally spaced values).
namespace distribution {
inline constexpr const char* kStationsCaption = "POSTALARDA SEPHIYE DAGILIMI";
inline constexpr const char* kStationsName = "buoyancy-at-stations";
inline constexpr const char* kEqualCaption = "ESIT ARALIKLI NOKTALARDA SEPHIYE DAGILIMI";
inline constexpr const char* kEqualName = "buoyancy-equally-spaced";
inline constexpr const char* kAft = "AP";
inline constexpr const char* kForward = "FP";
inline constexpr const char* kUnit = "t/m";
inline constexpr const char* kStationRow = "POSTA";
}  // namespace distribution

/// The steps of the run drawn on the report window.
namespace steps {
inline constexpr const char* kPreviewCaption = "POSTA ONIZLEME";
inline constexpr const char* kPreviewName = "station";
inline constexpr const char* kBalanceCaption = "DEPLASMAN DENGESI";
inline constexpr const char* kBalanceName = "draft-search";
}  // namespace steps

/// The check plots: the body plan and the end contours.
namespace checks {
inline constexpr const char* kBodyPlanCaption = "POSTA KESITLERI (BODY PLAN)";
inline constexpr const char* kBodyPlanName = "body-plan";
inline constexpr const char* kSternCaption = "KIC BODOSLAMA";
inline constexpr const char* kSternName = "stern-contour";
inline constexpr const char* kBowCaption = "BAS BODOSLAMA";
inline constexpr const char* kBowName = "bow-contour";
inline constexpr const char* kHeight = "z (m)";
inline constexpr const char* kHalfBreadth = "y (m)";
inline constexpr const char* kFromAft = "x (m, AP 'den)";
inline constexpr const char* kAft = "AP";
inline constexpr const char* kForward = "FP";
}  // namespace checks

/// The waterline check and the ship's position in the water.
namespace profile {
inline constexpr const char* kCheckCaption = "SU HATTI KESIM NOKTALARI KONTROLU";
inline constexpr const char* kCheckName = "waterline-check";
inline constexpr const char* kPositionCaption = "GEMININ SUDAKI KONUMU";
inline constexpr const char* kPositionOnWaveCaption = "GEMININ DALGADAKI KONUMU";
inline constexpr const char* kPositionName = "ship-position";
inline constexpr const char* kHeight = "z (m)";
/// Before the waterline's heights at the end stations.
inline constexpr const char* kWaterline = "SU HATTI YUKSEKLIGI";
inline constexpr const char* kWave = "DALGA PROFILI YUKSEKLIGI";
/// "POSTA 0: 4.812 m"
inline constexpr const char* kStation = "POSTA";
}  // namespace profile

/// The heeled sections of the damaged condition.
namespace heeled {
inline constexpr const char* kCaption = "YARALI DURUM - MEYILLI KESITLER";
inline constexpr const char* kName = "heeled-sections";
inline constexpr const char* kHeight = "z (m)";
inline constexpr const char* kHeel = "MEYIL ACISI";
inline constexpr const char* kDegrees = "DERECE";
inline constexpr const char* kDrafts = "Tf / Ta";
inline constexpr const char* kDisplacement = "DEPLASMAN";
inline constexpr const char* kCentre = "B: SEPHIYE MERKEZI";
inline constexpr const char* kFromCentreLine = "CL 'den";
inline constexpr const char* kRisingSide = "(+ KALKAN TARAF)";
inline constexpr const char* kFromAft = "AP 'den";
inline constexpr const char* kWaterline = "MEYILLI SU HATTI";
inline constexpr const char* kSectionCentre = "KESIT ALAN MERKEZI";
}  // namespace heeled

/// The strength diagrams.
namespace strength {
inline constexpr const char* kCaption = "BOYUNA MUKAVEMET";
inline constexpr const char* kName = "strength";
inline constexpr const char* kSweepTitle = ", DALGA TEPESI TARAMASI";
inline constexpr const char* kLoadHeader = "AGIRLIK w, SEPHIYE b, YUK q = w - b (t/m)";
inline constexpr const char* kShearHeader = "KESME KUVVETI SF";
inline constexpr const char* kMomentHeader = "EGILME MOMENTI BM";
inline constexpr const char* kHogging = ", + KAMBURLASMA";
inline constexpr const char* kWeight = "AGIRLIK w";
inline constexpr const char* kBuoyancy = "SEPHIYE b";
inline constexpr const char* kLoad = "YUK q";
inline constexpr const char* kStillWater = "SAKIN SU";
inline constexpr const char* kWaveInduced = "DALGA ETKISI";
inline constexpr const char* kRule = "KURAL (IACS UR S11)";
/// "TARAMA ZARFI (40 TEPE YERI)"
inline constexpr const char* kSweepEnvelope = "TARAMA ZARFI (";
inline constexpr const char* kCrestPlaces = " TEPE YERI)";
inline constexpr const char* kRatio = "EN BUYUK ORAN DALGA / KURAL ";
inline constexpr const char* kStations = "POSTA";
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
