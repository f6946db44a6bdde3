#include "cli/CasinosCommand.h"

#include "cli/Session.h"
#include "wheel/Wheel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace spinledger::cli {

namespace {

qint64 spinCount(Session& s, const Wheel& wheel, qint64 casino)
{
    Statement q =
        s.db().prepare(QStringLiteral("SELECT count(*) FROM %1 WHERE ka_app_setting_id = ?1 AND %2 = ?2")
                           .arg(wheel.spinTable(), wheel.casinoSetting())
                           .toStdString());
    q.bind(1, s.app().settingId).bind(2, casino);
    return q.next() ? q.integer(0) : 0;
}

int listCasinos(Session& s)
{
    if (!s.open(Database::Mode::ReadOnly))
        return Refused;
    try {
        const bool json = s.args().isSet(QStringLiteral("json"));
        QJsonArray rows;
        if (!json)
            s.out() << QStringLiteral("%1  %2  %3  %4\n")
                           .arg(Session::tr("id"), 6)
                           .arg(Session::tr("R spins"), 9)
                           .arg(Session::tr("M spins"), 9)
                           .arg(Session::tr("name"));
        for (const Casino& c : s.casinos()) {
            const qint64 r = spinCount(s, Wheel::r(), c.id);
            const qint64 m = spinCount(s, Wheel::m(), c.id);
            if (json)
                rows.append(QJsonObject{{QStringLiteral("id"), c.id},
                                        {QStringLiteral("name"), c.name},
                                        {QStringLiteral("spins"),
                                         QJsonObject{{QStringLiteral("R"), r}, {QStringLiteral("M"), m}}}});
            else
                s.out() << QStringLiteral("%1  %2  %3  %4\n")
                               .arg(c.id, 6)
                               .arg(QLocale().toString(r), 9)
                               .arg(QLocale().toString(m), 9)
                               .arg(c.name);
        }
        if (json)
            s.out() << QJsonDocument(QJsonObject{{QStringLiteral("casinos"), rows}})
                           .toJson(QJsonDocument::Indented);
        s.out().flush();
        return Done;
    } catch (const DbError& e) {
        return s.cannotRead(e);
    }
}

} // namespace

Command casinosCommand()
{
    return {QStringLiteral("casinos"),
            Session::tr("List the casinos with their spins on each wheel."),
            QString(),
            {Options::db(), Options::json()},
            &listCasinos};
}

} // namespace spinledger::cli
