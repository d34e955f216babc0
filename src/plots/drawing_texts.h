#pragma once

// The drawings' file names and the words that read alike in every language (units, AP, FP), one
// block a drawing; the captions and words of the buoyancy run's and the strength drawings are in
// the catalogues (words/catalogue.h), as are the hydrostatics and the stability drawings'.

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
inline constexpr const char* kCurvesName = "curves-of-form";
inline constexpr const char* kBonjeanName = "bonjean-curves";
inline constexpr const char* kHeight = "z (m)";
inline constexpr const char* kAft = "AP";
inline constexpr const char* kForward = "FP";
}  // namespace hydrostatics

/// The cross curves and the GZ curve.
namespace stability {
inline constexpr const char* kCrossCurvesName = "cross-curves";
inline constexpr const char* kGzName = "gz-curve";
}  // namespace stability

}  // namespace norvika::texts
