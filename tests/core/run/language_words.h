#pragma once

// What a run in English may not hold: a word that only the Turkish texts have
// (of the catalogues, the hydrostatic quantities' headings and the task's
// value names; a result file's name is no word of either); and the numbers of
// a text in order, which a run gives alike in either language.

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "model/task_values.h"
#include "quantities/hydrostatic_quantities.h"
#include "support/result_names.h"
#include "words/catalogue.h"
#include "words/language.h"

namespace norvika::testing {

inline std::set<std::string> turkishOnlyWords() {
  const std::regex word("[A-Za-z\\x80-\\xff]{3,}");
  const auto add = [&](std::set<std::string>& words, std::string_view text) {
    const std::string s(text);
    for (std::sregex_iterator w(s.begin(), s.end(), word), end; w != end; ++w) {
      words.insert(w->str());
    }
  };
  std::set<std::string> turkish;
  std::set<std::string> english;
  for (const auto& [language, words] :
       {std::pair{Language::Turkish, &turkish}, std::pair{Language::English, &english}}) {
    LanguageScope scope(language);
    for (int id = 0; id < static_cast<int>(Text::Count); ++id) {
      add(*words, text(static_cast<Text>(id)));
    }
  }
  for (const HydrostaticQuantity& q : hydrostaticQuantities()) {
    for (const Words* w : {&q.report.heading, &q.report.unit, &q.legend}) {
      add(turkish, w->turkish);
      add(english, w->english);
    }
  }
  std::vector<Words> taskNames = {kHullFileName, kCaseNumberName, kEqualPointCountName,
                                  kEqualStartName, kEqualEndName};
  for (const TaskValue& value : kShipValues) {
    taskNames.push_back(value.what);
  }
  for (const TaskValue& value : kEveryCaseValue) taskNames.push_back(value.what);
  for (const Words& name : taskNames) {
    add(turkish, name.turkish);
    add(english, name.english);
  }
  // The result files keep their names in either language.
  for (const ResultName& file : kResultNames) add(english, file.name);
  for (const std::string& w : english) turkish.erase(w);
  return turkish;
}

/// The Turkish-only words of `text`, each as often as it stands there.
inline std::vector<std::string> turkishWordsIn(const std::string& text,
                                               const std::set<std::string>& turkish) {
  static const std::regex word("[A-Za-z\\x80-\\xff]{3,}");
  std::vector<std::string> found;
  for (std::sregex_iterator w(text.begin(), text.end(), word), end; w != end; ++w) {
    if (turkish.count(w->str()) != 0) found.push_back(w->str());
  }
  return found;
}

/// The texts of a drawing record (drawing_record.h), one a line, without their places:
/// English words are wider than Turkish ones.
inline std::string drawnTexts(const std::string& frames) {
  static const std::regex quoted("\"([^\"]*)\"");
  std::string texts;
  for (std::sregex_iterator q(frames.begin(), frames.end(), quoted), end; q != end; ++q) {
    texts += (*q)[1].str() + "\n";
  }
  return texts;
}

inline std::vector<std::string> numbersIn(const std::string& text) {
  static const std::regex number("-?[0-9]+(\\.[0-9]+)?");
  std::vector<std::string> numbers;
  for (std::sregex_iterator n(text.begin(), text.end(), number), end; n != end; ++n) {
    numbers.push_back(n->str());
  }
  return numbers;
}

/// Expects `english`, a message in English, to give the numbers of `turkish`,
/// the same message in Turkish, in their order, and no word of `turkishWords`.
inline void expectSameMessageInEnglish(const std::string& english, const std::string& turkish,
                                       const std::set<std::string>& turkishWords) {
  EXPECT_EQ(numbersIn(english), numbersIn(turkish)) << english;
  EXPECT_EQ(turkishWordsIn(english, turkishWords), std::vector<std::string>{}) << english;
}

}  // namespace norvika::testing
