#pragma once
// The language of velk-reduce's texts: its messages (the program's own, as the desktop program
// shows them), its usage problems and its --help. Chosen by --lang en|zh, else by the locale
// main() found; without either the texts stay as written in the code, so scripts that match them
// keep working.

#include <memory>
#include <string>
#include <vector>

#include "i18n/language.h"

namespace CLI {
class App;
class Formatter;
}  // namespace CLI

namespace velk::cli {

// The language used when the command line names none (main() passes the locale's).
void SetDefaultLanguage(i18n::Language language);
i18n::Language DefaultLanguage();
// Loads the catalogue of the language for the texts that follow.
void UseLanguage(i18n::Language language);
// The --lang value on the command line ("--lang zh" or "--lang=zh"), or empty.
std::string LangArgument(const std::vector<std::string>& args);

// A source text of the context "velk" in the run's language; unchanged when not in the catalogue.
std::string Translate(const std::string& source);

// --lang, the translated help flag, and a help formatter that translates group names and option
// descriptions.
void AddLanguageOption(CLI::App& app, std::string& lang);

}  // namespace velk::cli
