#pragma once

#include <optional>
#include <string_view>

namespace norvika {

/// The languages of the program's texts: Turkish, the texts naval
/// architects know from the legacy reports, and English.
enum class Language { Turkish, English };

/// The language of the texts this thread writes: Turkish unless a
/// LanguageScope on the thread says otherwise. Each program sets it once from
/// its command line; the Python module sets it for each call, on the thread
/// that runs it, so runs in several languages may go on side by side.
Language currentLanguage();

/// The thread writes its texts in `language` for the scope's lifetime; the
/// language before comes back at its end.
class LanguageScope {
 public:
  explicit LanguageScope(Language language);
  ~LanguageScope();
  LanguageScope(const LanguageScope&) = delete;
  LanguageScope& operator=(const LanguageScope&) = delete;

 private:
  Language before_;
};

/// The language a code names: "tr" or "en"; none for another.
std::optional<Language> languageNamed(std::string_view code);

/// A short text in each language, for tables that describe things once (a
/// column's heading, a curve's legend).
struct Words {
  std::string_view turkish;
  std::string_view english;
};

/// `words` in the thread's language.
std::string_view inCurrentLanguage(const Words& words);

}  // namespace norvika
