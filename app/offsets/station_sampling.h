#pragma once

#include <optional>
#include <vector>

#include "hull_mesh.h"
#include "mesh_slicing.h"

namespace norvika::offsets {

/// One record of a hull-file curve: height z (m above the base line), offset
/// (half-breadth for a station, m from AP for an end contour) and its code
/// (0 a corner or the edge of a gap, 1 an ordinary point).
struct OffsetPoint {
  double z = 0.0;
  double offset = 0.0;
  int code = 1;
};

/// Which halves of the hull the model holds.
enum class ModelSides { Port, Starboard, Both };

/// How a station is sampled.
struct SamplingRules {
  int points = 30;               // heights per station (and per end contour)
  std::optional<double> draft;   // m above base: a record at the waterline too
  double knuckleDegrees = 30.0;  // a sharper turn of the section is a corner
  double modelTop = 0.0;         // m above base
  double modelMiddle = 0.0;      // m above base: halfway between the model's bottom and top
  // A half of the hull is there at a height when its hull reaches further
  // out than this (m): points of a half model a hair across the centre plane
  // are no other half.
  double presence = 0.0;
};

/// The largest difference between the two halves of the hull met so far in
/// the sampled part of the stations, where both halves are there,
/// as a fraction of the larger half-breadth, and where it was.
struct SideMismatch {
  double fraction = 0.0;
  double x = 0.0;
  double z = 0.0;
};

/// The outer half-breadth of a transverse cut as a polyline of height: at
/// every height where a cut segment begins or ends, the outermost hull of
/// each half there and halfway up to the next such height. covered[k] tells
/// whether hull lies between z[k] and z[k + 1]. halfBreadth and oneSided are
/// filled by combineHalves.
struct SectionProfile {
  std::vector<double> z;
  std::vector<bool> covered;
  std::vector<double> port, starboard;  // each half on its own (-inf where it has no hull)
  std::vector<double> portAbove, starboardAbove;  // the same halfway up to z[k + 1]
  std::vector<double> halfBreadth;
  std::vector<bool> oneSided;  // only one half of a two-sided model between z[k] and z[k + 1]
};

/// The outer profile of a transverse cut, each half on its own; `alsoAt`
/// (m) is one of its heights too when the cut spans it (a waterline, so that
/// no step of the profile crosses it).
SectionProfile outerProfile(const std::vector<CutSegment>& cut,
                            std::optional<double> alsoAt = std::nullopt);

/// Which halves of the hull have hull somewhere.
struct HalvesPresent {
  bool port = false;
  bool starboard = false;
};

/// Notes the halves that reach further out than `presence` (m) in the profile.
void noteHalvesPresent(const SectionProfile& profile, double presence, HalvesPresent& present);

/// The model's sides from the halves found in its cuts; none when neither
/// half has any breadth (a model flat in the centre plane).
std::optional<ModelSides> modelSidesOf(const HalvesPresent& present);

/// The half-breadth (m, not below 0) of the two halves' outer hull `port`
/// and `starboard` (m, -inf where a half has none): the one a half model
/// holds; for a model of both halves their average where both are there
/// (beyond `presence`, m), else the one that is.
double halfBreadthOf(double port, double starboard, ModelSides sides, double presence);

/// Fills the profile's half-breadths: the half a half model holds; for a
/// model of both halves their average where both are there (beyond
/// `presence`, m), the one half alone where the other has no hull (a hole, a
/// missing patch), which oneSided marks.
void combineHalves(SectionProfile& profile, ModelSides sides, double presence);

/// The stretches of height (m, bottom and top) where only one half of a
/// two-sided model has hull, each taller than `shortest` (m).
std::vector<std::pair<double, double>> oneSidedStretches(const SectionProfile& profile,
                                                         double shortest);

/// `count` heights from z.front() to z.back() spread over the covered parts
/// of the polyline (z, value): half of them by its length, half by height, so
/// they crowd where the curve turns fast (the keel and the bilge of a
/// section) and still cover the straight parts. Heights ascend strictly.
std::vector<double> spreadHeights(const std::vector<double>& z, const std::vector<double>& value,
                                  const std::vector<bool>& covered, int count);

/// The records of station x (m from AP) from its combined profile: from its
/// lowest hull point to its deck edge (a cambered deck above the edge left
/// out), at the spread heights plus the draft, corners and gap edges;
/// half-breadth 0 between two code-0 records across a gap, and up the centre
/// line to the model's top when the cut ends below the model's middle (a bulb
/// ahead of the stem). Halves that differ are noted in `mismatch` (a model of
/// both halves). Throws OffsetsError when the cut holds no hull.
std::vector<OffsetPoint> sampleStation(int station, double x, const SectionProfile& profile,
                                       ModelSides sides, const SamplingRules& rules,
                                       SideMismatch& mismatch);

/// The stern (aftmost hull point, `stern` true) or bow contour (foremost) of
/// the half of the model on that side of x = middle (m from AP), at
/// rules.points heights over that half: records of height and m from AP.
std::vector<OffsetPoint> sampleEndContour(const HullMesh& mesh, bool stern, double middle,
                                          const SamplingRules& rules);

}  // namespace norvika::offsets
