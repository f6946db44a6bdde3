#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace spinledger::i18n {
namespace {

bool installOne(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace

bool install(QCoreApplication& app, const QLocale& locale)
{
    installOne(app, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return installOne(app, locale, QStringLiteral("spinledger"), QStringLiteral(":/i18n"));
}

} // namespace spinledger::i18n
