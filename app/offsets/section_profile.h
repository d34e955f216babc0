#pragma once

#include <optional>
#include <vector>

#include "mesh_slicing.h"

namespace norvika::offsets {

/// Which halves of the hull the model holds.
enum class ModelSides { Port, Starboard, Both };

/// The outermost hull of each half of a transverse cut as a function of
/// height: the heights z where a cut segment begins or ends, and for each
/// step between two of them the outermost hull of each half at its foot, its
/// middle and its head (the segments that span a step are straight across
/// it). Metres; a half's values are -inf where it has no hull.
struct SectionProfile {
  struct Half {
    std::vector<double> at;                  // at z[k], every segment there (flat ones too)
    std::vector<double> foot, middle, head;  // per step k, at z[k], halfway and z[k + 1]
  };
  std::vector<double> z;
  std::vector<bool> covered;  // per step: hull of either half spans it
  Half port, starboard;       // starboard's values are -u
};

/// The outer profile of a transverse cut; `alsoAt` (m) is one of its heights
/// too when the cut spans it (a waterline, so that no step crosses it).
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

/// Which halves are there at one height, from their outermost hull there
/// (m, -inf where none): a half is when it reaches beyond `presence` (m); one
/// that falls short of it only by less than `presence` beside one that does
/// is there too, just narrow (both halves close to a sharp keel).
enum class HalvesAt { Both, PortOnly, StarboardOnly };
HalvesAt halvesAt(double port, double starboard, double presence);

/// The half-breadth (m, not below 0) of the two halves' outer hull `port`
/// and `starboard` (m, -inf where a half has none) where `there` (halvesAt)
/// are there: the one a half model holds; for a model of both halves their
/// average where both are, else the one that is.
double halfBreadthOf(double port, double starboard, ModelSides sides, HalvesAt there);

}  // namespace norvika::offsets
