#pragma once
// The two interface languages. Source texts are the program's own (Chinese with some English);
// the catalogues translations/velk_en.ts and velk_zh_CN.ts, compiled into the programs, give the
// English and the Chinese interface. Numbers never follow the language: files and fields keep the
// decimal point whatever is chosen here.

#include <optional>
#include <string>
#include <string_view>

class QTranslator;

namespace velk::i18n {

enum class Language {
  kSource,   // no catalogue: the program's own texts as written in the code
  kEnglish,  // velk_en
  kChinese,  // velk_zh_CN
};

// The language a locale name asks for: "zh", "zh_CN.UTF-8", "zh_TW"... Chinese; "C", "POSIX" or
// nothing: the source texts; any other name English.
Language LanguageOfLocale(std::string_view localeName);

// The locale that sets the messages' language, by the POSIX order: LC_ALL, LC_MESSAGES, LANG
// (the first that is set and not empty); GNU's LANGUAGE list goes first when it names one.
std::string MessagesLocaleFromEnvironment();

// "en" or "zh" (also "zh_CN", "en_US" and the like); nullopt for anything else.
std::optional<Language> ParseLanguage(std::string_view name);
// "en" or "zh", as --lang and the settings spell it; empty for kSource.
std::string LanguageCode(Language language);

// Loads the compiled catalogue of the language into translator; false for kSource or when the
// catalogue is not in the program.
bool LoadCatalogue(QTranslator& translator, Language language);

}  // namespace velk::i18n
