#pragma once
// The desktop program's interface language: the operator's choice from the menu
// "语言 / Language", kept in the settings, else the locale's (English when the locale names no
// language). Switching installs the other catalogue; every window then rebuilds its texts on
// QEvent::LanguageChange, so no restart is needed.

#include "i18n/language.h"

class QMenu;
class QWidget;

namespace velk {

// The saved choice, else the locale's; never kSource.
i18n::Language StartLanguage();
void SaveLanguageChoice(i18n::Language language);

// Installs the catalogue of the language (and Qt's own texts for Chinese) on the application.
void ApplyLanguage(i18n::Language language);
i18n::Language CurrentLanguage();

// The menu "语言 / Language" with its two items, each in its own language, the current one
// checked; choosing one applies and saves it.
QMenu* MakeLanguageMenu(QWidget* parent);

}  // namespace velk
