#include "i18n/language.h"

#include <QTranslator>
#include <cstdlib>

namespace velk::i18n {

namespace {

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

}  // namespace

Language LanguageOfLocale(std::string_view localeName) {
  if (localeName.empty() || localeName == "C" || localeName == "POSIX" ||
      StartsWith(localeName, "C.")) {
    return Language::kSource;
  }
  return StartsWith(localeName, "zh") ? Language::kChinese : Language::kEnglish;
}

std::string MessagesLocaleFromEnvironment() {
  std::string chosen;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    chosen = Env(name);
    if (!chosen.empty()) break;
  }
  // GNU gettext reads LANGUAGE only when the locale itself is not "C".
  const std::string list = Env("LANGUAGE");
  if (!list.empty() && LanguageOfLocale(chosen) != Language::kSource) {
    return list.substr(0, list.find(':'));
  }
  return chosen;
}

std::optional<Language> ParseLanguage(std::string_view name) {
  if (name == "en" || StartsWith(name, "en_")) return Language::kEnglish;
  if (name == "zh" || StartsWith(name, "zh_")) return Language::kChinese;
  return std::nullopt;
}

std::string LanguageCode(Language language) {
  switch (language) {
    case Language::kEnglish:
      return "en";
    case Language::kChinese:
      return "zh";
    case Language::kSource:
      break;
  }
  return {};
}

bool LoadCatalogue(QTranslator& translator, Language language) {
  switch (language) {
    case Language::kEnglish:
      return translator.load(QStringLiteral(":/i18n/velk_en.qm"));
    case Language::kChinese:
      return translator.load(QStringLiteral(":/i18n/velk_zh_CN.qm"));
    case Language::kSource:
      break;
  }
  return false;
}

}  // namespace velk::i18n
