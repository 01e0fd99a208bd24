#include "cli/reduce_language.h"

#include <CLI/CLI.hpp>
#include <QString>
#include <QTranslator>

#include "record/tr_noop.h"

namespace velk::cli {

namespace {

i18n::Language& DefaultSlot() {
  static i18n::Language language = i18n::Language::kSource;
  return language;
}

// No QCoreApplication is needed to look texts up in a translator, so a run that writes no plot
// never starts one.
QTranslator& Catalogue() {
  static QTranslator translator;
  return translator;
}

class TranslatingFormatter : public CLI::Formatter {
 public:
  TranslatingFormatter() {
    label("Usage", Translate(VELK_TRANSLATE_NOOP("velk", "Usage")));
    label("OPTIONS", Translate(VELK_TRANSLATE_NOOP("velk", "OPTIONS")));
    label("REQUIRED", Translate(VELK_TRANSLATE_NOOP("velk", "REQUIRED")));
    label("Excludes", Translate(VELK_TRANSLATE_NOOP("velk", "Excludes")));
    label("Needs", Translate(VELK_TRANSLATE_NOOP("velk", "Needs")));
  }
  std::string make_group(std::string group, bool isPositional,
                         std::vector<const CLI::Option*> opts) const override {
    return CLI::Formatter::make_group(Translate(group), isPositional, opts);
  }
  std::string make_option_desc(const CLI::Option* opt) const override {
    return Translate(opt->get_description());
  }
};

}  // namespace

void SetDefaultLanguage(i18n::Language language) { DefaultSlot() = language; }

i18n::Language DefaultLanguage() { return DefaultSlot(); }

void UseLanguage(i18n::Language language) {
  // A failed load leaves the translator empty: the source texts show.
  if (!i18n::LoadCatalogue(Catalogue(), language)) (void)Catalogue().load(QString());
}

std::string LangArgument(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--lang" && i + 1 < args.size()) return args[i + 1];
    if (args[i].rfind("--lang=", 0) == 0) return args[i].substr(7);
  }
  return {};
}

std::string Translate(const std::string& source) {
  if (Catalogue().isEmpty()) return source;
  const QString t = Catalogue().translate("velk", source.c_str());
  return t.isEmpty() ? source : t.toStdString();
}

void AddLanguageOption(CLI::App& app, std::string& lang) {
  app.formatter(std::make_shared<TranslatingFormatter>());
  app.set_help_flag("-h,--help", VELK_TRANSLATE_NOOP("velk", "Print this help message and exit"));
  app.add_option("--lang", lang,
                 VELK_TRANSLATE_NOOP("velk",
                                     "Language of the messages and of this help: en or zh "
                                     "(default: the locale's)"))
      ->type_name("en|zh")
      ->check(CLI::IsMember({"en", "zh"}))
      ->group(VELK_TRANSLATE_NOOP("velk", "Options"));
}

}  // namespace velk::cli
