// The input files' messages in English, those no bad input of the corpora
// reaches too (hulls and weights given in code, a result file that cannot be
// written): each keeps the Turkish one's values ("{0}", "{1}", ...) and
// numbers in their order, so that the file, the line and what was read stand
// alike in both, and holds no Turkish word.

#include <gtest/gtest.h>

#include "language_words.h"

namespace norvika {
namespace {

TEST(InputMessages, EnglishKeepsTheValuesInTheirOrder) {
  const std::set<std::string> turkish = testing::turkishOnlyWords();
  for (int id = static_cast<int>(Text::InputAtLine); id <= static_cast<int>(Text::WeightsGivenName);
       ++id) {
    std::string inTurkish;
    std::string inEnglish;
    for (const auto& [language, words] :
         {std::pair{Language::Turkish, &inTurkish}, std::pair{Language::English, &inEnglish}}) {
      const LanguageScope scope(language);
      *words = text(static_cast<Text>(id));
    }
    SCOPED_TRACE(inTurkish);
    testing::expectSameMessageInEnglish(inEnglish, inTurkish, turkish);
  }
}

}  // namespace
}  // namespace norvika
