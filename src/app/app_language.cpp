#include "app/app_language.h"

#include <QActionGroup>
#include <QApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QSettings>
#include <QTranslator>

namespace velk {

namespace {

// Beside the recent-file list.
const char* const kSettingsOrganization = "Local AppWizard-Generated Applications";
const char* const kSettingsApplication = "Velk";
const char* const kLanguageKey = "Settings/Language";

i18n::Language& Current() {
  static i18n::Language language = i18n::Language::kSource;
  return language;
}

QTranslator& VelkCatalogue() {
  static QTranslator t;
  return t;
}

QTranslator& QtCatalogue() {
  static QTranslator t;
  return t;
}

}  // namespace

i18n::Language StartLanguage() {
  QSettings s{QLatin1String(kSettingsOrganization), QLatin1String(kSettingsApplication)};
  const auto saved =
      i18n::ParseLanguage(s.value(QLatin1String(kLanguageKey)).toString().toStdString());
  if (saved) return *saved;
  const i18n::Language l = i18n::LanguageOfLocale(i18n::MessagesLocaleFromEnvironment());
  // A desktop without a locale ("C") is most likely a lab's test machine: English reads best.
  return l == i18n::Language::kSource ? i18n::Language::kEnglish : l;
}

void SaveLanguageChoice(i18n::Language language) {
  QSettings s{QLatin1String(kSettingsOrganization), QLatin1String(kSettingsApplication)};
  s.setValue(QLatin1String(kLanguageKey), QString::fromStdString(i18n::LanguageCode(language)));
}

void ApplyLanguage(i18n::Language language) {
  QCoreApplication::removeTranslator(&VelkCatalogue());
  QCoreApplication::removeTranslator(&QtCatalogue());
  Current() = language;
  if (i18n::LoadCatalogue(VelkCatalogue(), language)) {
    QCoreApplication::installTranslator(&VelkCatalogue());
  }
  // Qt's own buttons and file dialog: its source texts are English already.
  if (language == i18n::Language::kChinese &&
      QtCatalogue().load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&QtCatalogue());
  }
}

i18n::Language CurrentLanguage() { return Current(); }

QMenu* MakeLanguageMenu(QWidget* parent) {
  // Both names in both languages: an operator who cannot read the current one still finds it.
  auto* menu = new QMenu(QStringLiteral("语言 / Language"), parent);
  auto* group = new QActionGroup(menu);
  const struct {
    const char* name;  // each language in its own words, never translated
    i18n::Language language;
  } items[] = {{"中文", i18n::Language::kChinese}, {"English", i18n::Language::kEnglish}};
  for (const auto& item : items) {
    QAction* a = menu->addAction(QString::fromUtf8(item.name));
    a->setCheckable(true);
    a->setChecked(CurrentLanguage() == item.language);
    group->addAction(a);
    const i18n::Language language = item.language;
    QObject::connect(a, &QAction::triggered, menu, [language] {
      if (language == CurrentLanguage()) return;
      SaveLanguageChoice(language);
      ApplyLanguage(language);
    });
  }
  return menu;
}

}  // namespace velk
