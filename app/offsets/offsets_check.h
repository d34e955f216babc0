#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "offsets_run.h"
#include "summary.h"

namespace norvika::offsets {

/// A hull file about to be written and what Norvika makes of it.
struct Attempt {
  OffsetTable table;
  OffsetsValues offsets;   // Norvika's values on it at the check draft
  CurvesDeviation curves;  // its station curves against the written outlines
  Verdict verdict;         // against the model
};

/// What the written hull is checked against: the model's values at the
/// check draft (m above base) and those of its sections at the stations.
struct CheckBasis {
  std::filesystem::path output;
  double draft = 0.0;
  double length = 0.0;  // m between the perpendiculars
  ModelHydrostatics model;
  std::vector<SectionValues> modelStations;
};

/// The cut's table written, read back by Norvika's reader (OffsetsError with
/// its message when it would reject it), integrated and judged.
Attempt attemptOffsets(const CutResult& cut, const CheckBasis& basis);

/// A remedy for offsets the check refuses, and what it gave.
struct Remedy {
  std::string advice;  // as the user would ask for it, e.g. "--points 60"
  Attempt attempt;
  bool written = false;  // it agrees and is what is written
};

/// Tries the remedies the user would be told of, in order: twice the
/// points a station, a quarter of the curve tolerance, both (each by
/// sampling the cut anew with `resample`), and, for advice only, more
/// stations (`recut`, none when the stations cannot be more). The first of
/// the first three that agrees is written; the others are kept when they
/// brought the worst difference down by a tenth or more.
std::vector<Remedy> tryRemedies(const Attempt& refused, const SamplingRules& rules,
                                const std::function<Attempt(const SamplingRules&)>& resample,
                                const std::function<std::optional<Remedy>()>& recut);

/// The refusal's advice: what was seen to help, or that nothing did.
std::string adviceText(const std::vector<Remedy>& remedies);

}  // namespace norvika::offsets
