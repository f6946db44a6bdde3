#pragma once

#include "SetUp.h"
#include "engine/SpinEngine.h"
#include "store/AppContext.h"
#include "store/Clock.h"
#include "store/Database.h"
#include "store/Installation.h"
#include "store/Schema.h"
#include "wheel/Wheel.h"

#include <QCryptographicHash>
#include <QTemporaryDir>

#include <deque>
#include <memory>

namespace spinledger::test {

using namespace Qt::StringLiterals;

// A clock that reads what the test sets and steps a second per read, so rows
// written one after the other get distinct stamps unless a test says otherwise.
class FakeClock : public Clock
{
public:
    mutable QDateTime current{QDate(2026, 12, 6), QTime(18, 0)};
    int stepMs = 1000;
    QDateTime now() const override
    {
        const QDateTime t = current;
        current = current.addMSecs(stepMs);
        return t;
    }
};

// Plays back scripted numbers; 0.25 (a pick of the first of two) when the
// script is empty. Counts the draws so a test sees whether one happened.
class FakeRandom : public RandomSource
{
public:
    std::deque<double> script;
    int draws = 0;
    double fallback = 0.25; // what an empty script gives
    void reseed(quint64) override {}
    double next() override
    {
        ++draws;
        if (script.empty())
            return fallback;
        const double v = script.front();
        script.pop_front();
        return v;
    }
};

// Everything the file holds: its schema version, tables, indexes and every row (in a
// fixed order) with each value's type. Equal fingerprints mean nothing was committed in
// between; a rollback or a change of journal mode may change the bytes, not this.
inline QByteArray fingerprint(Database& db)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const auto add = [&hash](Statement q, int columns) {
        while (q.next()) {
            for (int c = 0; c < columns; ++c)
                hash.addData(q.text(c).toUtf8().append('\x1f'));
            hash.addData("\n");
        }
    };
    add(db.prepare("PRAGMA user_version"), 1);
    add(db.prepare("SELECT type, name, sql FROM sqlite_master ORDER BY name"), 3);
    QStringList tables;
    for (Statement q = db.prepare("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
         q.next();)
        tables << q.text(0);
    for (const QString& table : tables) {
        QStringList columns;
        for (Statement q = db.prepare(("PRAGMA table_info(\"" + table + "\")").toStdString()); q.next();)
            columns << u"quote(\""_s + q.text(1) + u"\")"_s;
        add(db.prepare(("SELECT " + columns.join(u" || '|' || "_s) + " FROM \"" + table + "\" ORDER BY 1")
                           .toStdString()),
            1);
    }
    return hash.result();
}

// A fresh database in a temporary folder with one installation, both settings
// rows and one casino, as the start-up leaves it; or, as an earlier version
// left it, with the twelve tables alone.
class TestDb
{
public:
    enum class Tables
    {
        All,
        DeliveredOnly,
    };

    explicit TestDb(bool withInstallation = true, Tables tables = Tables::All)
    {
        setUp(dir.isValid(), "no temporary folder");
        app = std::make_unique<AppContext>(db, clock, random);
        app->setAppFolder(dir.path());
        {
            Database maker;
            setUp(maker.open(app->connString, AppContext::DatabasePassword, Database::Mode::Create),
                  "the database cannot be made");
            if (tables == Tables::All)
                Schema::create(maker);
            for (const std::string& sql : Schema::deliveredTables())
                maker.exec(sql);
        }
        setUp(app->ensureOpen(), "the database cannot be opened");
        if (!withInstallation)
            return;
        // As a first start leaves it, with an amount of 10.
        setUp(Installation(*app).prepare(u"test-machine"_s, [](const QString&) {}) ==
                  Installation::Outcome::Prepared,
              "the installation's rows cannot be prepared");
        casino = app->currentCasino(Wheel::r()).id();
        db.exec("UPDATE ka_app_r_setting SET tbRAmount = 10");
        db.exec("UPDATE ka_app_m_setting SET tbMAmount = 10");
    }

    // Plays the pockets, parted by blanks, on the test casino one after the
    // other; false at the first one the engine refuses.
    bool play(const Wheel& w, const QString& pockets)
    {
        SpinEngine engine(*app, w);
        for (const QString& pocket : pockets.split(u' ', Qt::SkipEmptyParts)) {
            if (!engine.play(casino, pocket).status.ok)
                return false;
        }
        return true;
    }

    qint64 addCasino(const QString& name)
    {
        db.prepare("INSERT INTO ka_app_casino (ka_app_casino_name, ka_app_setting_id) VALUES (?1, ?2)")
            .bind(1, name)
            .bind(2, app->settingId)
            .run();
        return db.lastInsertId();
    }

    qint64 rows(const std::string& tableAndCondition)
    {
        return scalar("SELECT COUNT(*) FROM " + tableAndCondition);
    }
    qint64 scalar(const std::string& sql)
    {
        Statement q = db.prepare(sql);
        return q.next() ? q.integer(0) : -1;
    }
    QString text(const std::string& sql)
    {
        Statement q = db.prepare(sql);
        return q.next() ? q.text(0) : QString();
    }

    QTemporaryDir dir;
    Database db;
    FakeClock clock;
    FakeRandom random;
    std::unique_ptr<AppContext> app;
    qint64 casino = 0;
};

} // namespace spinledger::test
