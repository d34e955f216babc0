#include "words/catalogue.h"

#include <span>

#include "words/language.h"

namespace norvika {

std::span<const CatalogueEntry> turkishCatalogue();
std::span<const CatalogueEntry> englishCatalogue();

std::string_view text(Text id) {
  const std::span<const CatalogueEntry> catalogue =
      currentLanguage() == Language::English ? englishCatalogue() : turkishCatalogue();
  return catalogue[static_cast<std::size_t>(id)].words;
}

std::string text(Text id, std::initializer_list<std::string_view> values) {
  return text(id, std::span<const std::string_view>(values.begin(), values.size()));
}

std::string text(Text id, std::span<const std::string_view> values) {
  const std::string_view words = text(id);
  std::string filled;
  filled.reserve(words.size() + 16 * values.size());
  for (std::size_t k = 0; k < words.size(); ++k) {
    // "{n}" with a single digit n names the n-th value.
    if (words[k] == '{' && k + 2 < words.size() && words[k + 2] == '}' && words[k + 1] >= '0' &&
        words[k + 1] <= '9') {
      const auto n = static_cast<std::size_t>(words[k + 1] - '0');
      if (n < values.size()) {
        filled.append(values[n]);
        k += 2;
        continue;
      }
    }
    filled.push_back(words[k]);
  }
  return filled;
}

}  // namespace norvika
