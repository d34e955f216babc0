#include "offsets_check.h"

#include <algorithm>

#include "calculation/section_area.h"
#include "output_files.h"
#include "support/capacities.h"
#include "text/text_format.h"

namespace norvika::offsets {

namespace {

// A remedy is worth telling of when it brings the worst difference down by this share.
constexpr double kHelps = 0.9;

}  // namespace

Attempt attemptOffsets(const CutResult& cut, const CheckBasis& basis) {
  Attempt a;
  a.table = cut.table;
  const HullModel hull = readBackHullFile(hullFile(basis.output, cut.table).text(), basis.output);
  a.offsets = offsetsValuesBelow(hull, basis.draft);
  const std::vector<SectionCurve> curves = layOutStations(hull);
  for (std::size_t k = 0; k < curves.size(); ++k) {
    const CurveDeviation d = curveDeviation(curves[k], cut.written[k], cut.tolerance[k]);
    if (d.distance > a.curves.deviation.distance) {
      a.curves = {d, static_cast<int>(k + 1), cut.tolerance[k]};
    }
  }
  a.verdict = judgeOffsets(basis.model, basis.modelStations, a.offsets, basis.length);
  return a;
}

std::vector<Remedy> tryRemedies(const Attempt& refused, const SamplingRules& rules,
                                const std::function<Attempt(const SamplingRules&)>& resample,
                                const std::function<std::optional<Remedy>()>& recut) {
  SamplingRules morePoints = rules, finer = rules, both = rules;
  morePoints.points = both.points = std::min(2 * rules.points, kMaxRecords - 1);
  finer.curve = both.curve = 0.25 * rules.curve;
  const std::pair<std::string, const SamplingRules*> tries[] = {
      {"--points " + std::to_string(morePoints.points), &morePoints},
      {"--tolerance " + formatPlain(finer.curve, 4), &finer},
      {"--points " + std::to_string(both.points) + " --tolerance " + formatPlain(both.curve, 4),
       &both}};
  std::vector<Remedy> remedies;
  for (const auto& [advice, tried] : tries) {
    if (tried == &morePoints && morePoints.points == rules.points) continue;
    Remedy r{advice, resample(*tried)};
    if (r.attempt.verdict.agrees) {
      r.written = true;
      return {r};
    }
    if (r.attempt.verdict.worst < kHelps * refused.verdict.worst) remedies.push_back(std::move(r));
  }
  if (std::optional<Remedy> more = recut()) {
    if (more->attempt.verdict.worst < kHelps * refused.verdict.worst) {
      remedies.push_back(std::move(*more));
    }
  }
  return remedies;
}

std::string adviceText(const std::vector<Remedy>& remedies) {
  if (remedies.empty()) {
    return "neither more points, a finer curve tolerance nor twice the stations brought them "
           "closer: are --ap, --fp and the stations right? --force writes it all the same";
  }
  std::string text = "tried and seen to help: ";
  for (std::size_t k = 0; k < remedies.size(); ++k) {
    text +=
        (k > 0 ? "; " : "") + remedies[k].advice + " (" + remedies[k].attempt.verdict.figures + ")";
  }
  return text + "; or --force to write it all the same";
}

}  // namespace norvika::offsets
