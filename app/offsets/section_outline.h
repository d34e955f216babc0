#pragma once

#include <optional>
#include <vector>

#include "mesh_slicing.h"
#include "section_profile.h"

namespace norvika::offsets {

/// A transverse cut's outer profile with its seams closed: the gaps of its
/// outline narrower than the seam tolerance joined end to end, and the open
/// ends of the outline that are left (holes, or the edge of a hull open
/// along its deck or centre plane).
struct ClosedCut {
  struct OpenEnd {
    double u = 0.0, v = 0.0;  // m, in the plane of the cut
  };
  SectionProfile profile;
  std::vector<OpenEnd> openEnds;
  double seam = 0.0;  // m, the tolerance used here
  int seamsClosed = 0;
};

/// Closes the seams of a cut: open ends (CutSegment::open0/open1) nearer to
/// each other than `seam` (m, at most `seamShare` of the cut's height) are
/// joined, nearest first, each end once, before the outer profile is taken
/// (alsoAt as outerProfile). Gaps of the profile narrower than that, open
/// ends or none, are closed in sectionOutline.
ClosedCut closeSeams(const std::vector<CutSegment>& cut, double seam, double seamShare,
                     std::optional<double> alsoAt = std::nullopt);

/// A section of the hull as one half-breadth curve of height: runs of hull
/// from the keel up, the gaps of the ship (a propeller aperture, the water
/// between a bulb and the stem) between them. Within a run the heights rise,
/// two equal heights making a horizontal step of the hull; half-breadths
/// (m) are not below 0.
struct SectionOutline {
  struct Run {
    std::vector<double> z, y;
  };
  std::vector<Run> runs;
  int seamsClosed = 0;
  // Holes no other half could fill, bridged by a straight line (m, from and to).
  std::vector<std::pair<double, double>> bridged;
  // Only one half of a model of both halves has hull there (a hole or a
  // missing patch in the other): the half that has is taken.
  std::vector<std::pair<double, double>> oneSided;
  // The largest difference of the two halves where both are there, away
  // from the keel and the deck edge, as a share of the larger, and where.
  double mismatch = 0.0, mismatchZ = 0.0;

  bool empty() const { return runs.empty(); }
  double keel() const { return runs.front().z.front(); }
  double top() const { return runs.back().z.back(); }
};

/// The outline of a closed cut: a hole in one half (open ends bracketing
/// heights where that half's hull falls inside the line between them) is
/// taken from the other half where that half is there all along it, else
/// bridged; a gap of either half narrower than the seam tolerance is
/// joined; the halves are combined (halfBreadthOf); what remains uncovered
/// is a gap of the ship.
SectionOutline sectionOutline(const ClosedCut& cut, ModelSides sides, double presence);

/// The outline reduced to what the written curve should follow: notches
/// narrower than `tolerance` (m) filled, and the keel's band of that height,
/// where the hull runs out nearly level (a flat bottom with its noise, a
/// bottom a hair off level), made one flat of the same area.
SectionOutline reducedOutline(const SectionOutline& outline, double tolerance);

/// The outline with only the vertices that keep each run within `tolerance`
/// (m) of itself: its undulations under the tolerance left out.
SectionOutline simplifiedOutline(const SectionOutline& outline, double tolerance);

/// Half-breadth (m) of a run at height z (m) within it: on a horizontal step
/// the outer of its two half-breadths.
double runHalfBreadth(const SectionOutline::Run& run, double z);

/// Half-breadth (m) of the outline at height z (m): runHalfBreadth, 0 outside
/// its runs.
double outlineHalfBreadth(const SectionOutline& outline, double z);

/// Area (m2, both sides) of the outline below the waterline (m above base).
double outlineArea(const SectionOutline& outline, double waterline);

/// Girth (m, both sides) of the outline below the waterline as a hull-file
/// curve describes it: out from the centre line at the keel, along each run,
/// and across a gap of the ship in to the centre line, along it and out again.
double outlineGirth(const SectionOutline& outline, double waterline);

}  // namespace norvika::offsets
