#include "hydrostatics/draft_list.h"

#include "calculation/hydrostatics.h"
#include "cli/value_list.h"
#include "support/value_bounds.h"

namespace norvika {

std::optional<std::vector<double>> parseDraftList(const std::string& text, std::string& error) {
  static constexpr ValueListForm kDrafts{
      &kDraftBounds, kMaxHydrostaticDrafts, "T", "metres", "drafts", "a draft", "m"};
  return parseValueList(text, kDrafts, error);
}

}  // namespace norvika
