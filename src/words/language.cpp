#include "words/language.h"

namespace norvika {

namespace {

thread_local Language threadLanguage = Language::Turkish;

}  // namespace

Language currentLanguage() { return threadLanguage; }

LanguageScope::LanguageScope(Language language) : before_(threadLanguage) {
  threadLanguage = language;
}

LanguageScope::~LanguageScope() { threadLanguage = before_; }

std::optional<Language> languageNamed(std::string_view code) {
  if (code == "tr") return Language::Turkish;
  if (code == "en") return Language::English;
  return std::nullopt;
}

std::string_view inCurrentLanguage(const Words& words) {
  return currentLanguage() == Language::English ? words.english : words.turkish;
}

}  // namespace norvika
