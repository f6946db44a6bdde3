#pragma once
// The texts a user reads come in the system's language when the program has
// a translation for it, and in English otherwise.
#include <QLocale>

class QCoreApplication;

namespace spinledger::i18n {

// Installs into app the program's own translation for locale and Qt's (the
// buttons and menus Qt draws), where each exists. Returns whether the
// program's own translation was found; English needs none.
bool install(QCoreApplication& app, const QLocale& locale = QLocale::system());

} // namespace spinledger::i18n
