#include "TestDb.h"
#include "TestFiles.h"
#include "engine/SpinEngine.h"
#include "io/ImportLog.h"
#include "io/SpinImport.h"
#include "session/SessionFigures.h"
#include "session/SessionStore.h"
#include "session/Sleepers.h"
#include "session/TableLimits.h"

#include <QTest>

using namespace spinledger;
using namespace spinledger::test;

namespace {

std::vector<int> pockets(const Wheel& w, const QString& labels)
{
    std::vector<int> out;
    for (const QString& l : labels.split(u' ', Qt::SkipEmptyParts))
        out.push_back(w.pocketIndex(l));
    return out;
}

// Everything of a casino's history that an undo must give back as it was.
QString snapshot(TestDb& t)
{
    QStringList rows;
    for (const char* sql :
         {"SELECT COUNT(*) FROM ka_app_r", "SELECT COUNT(*) FROM ka_app_r_count",
          "SELECT COUNT(*) FROM ka_app_r_win", "SELECT COUNT(*) FROM ka_app_r_advise",
          "SELECT ka_app_r_advise_id || ':' || COALESCE(ka_app_r_win_id, '-') FROM ka_app_r_advise "
          "ORDER BY ka_app_r_advise_id DESC LIMIT 1",
          "SELECT group_concat(tally_kind || tally_from || '>' || tally_to || '=' || tally_count, ' ') FROM "
          "(SELECT * FROM ka_app_r_tally ORDER BY tally_kind, tally_from, tally_to)"})
        rows << t.text(sql);
    return rows.join(u'|');
}

SpinImport::Report importSpins(TestDb& t, const QByteArray& file)
{
    SpinImport import(*t.app, Wheel::r());
    const SpinImport::Report checked =
        import.check(writeFile(t.dir.filePath(u"spins.csv"_s), file), t.casino);
    return checked.outcome == SpinImport::Outcome::Imported ? import.write(t.casino) : checked;
}

} // namespace

class SessionTest : public QObject
{
    Q_OBJECT
private slots:
    // History, oldest first: 5 17 5 20 0 on the 38-pocket wheel with 00 in play.
    void sleepersOnCells_data()
    {
        QTest::addColumn<qint64>("window");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<qint64>("gap"); // -1: never came
        QTest::addColumn<qint64>("count");
        QTest::addColumn<double>("expected");
        const auto row = [](const char* name, qint64 window, const char* cell, qint64 gap, qint64 count,
                            double expected) {
            QTest::newRow(name) << window << QString::fromLatin1(cell) << gap << count << expected;
        };
        row("0 is the newest spin", 0, "pbR0", 0, 1, 5.0 / 38);
        row("5 came twice, last two spins before", 0, "pbR5", 2, 2, 5.0 / 38);
        row("17 only first", 0, "pbR17", 3, 1, 5.0 / 38);
        row("36 never", 0, "pbR36", -1, 0, 5.0 / 38);
        row("red: the two 5s", 0, "pbRRED", 2, 2, 5.0 * 18 / 38);
        row("black: 17 and 20", 0, "pbRBLACK", 1, 2, 5.0 * 18 / 38);
        row("even: 20, not 0", 0, "pbREVEN", 1, 1, 5.0 * 18 / 38);
        row("first dozen: the 5s", 0, "pbR1ST12", 2, 2, 5.0 * 12 / 38);
        row("19-36: 20", 0, "pbR19_36", 1, 1, 5.0 * 18 / 38);
        row("window 2: 5 is outside it", 2, "pbR5", 2, 0, 2.0 / 38);
        row("window 2: 20 inside", 2, "pbR20", 1, 1, 2.0 / 38);
    }
    void sleepersOnCells()
    {
        QFETCH(qint64, window);
        QFETCH(QString, cell);
        QFETCH(qint64, gap);
        QFETCH(qint64, count);
        QFETCH(double, expected);
        Sleepers s(Wheel::r(), true, window);
        s.take(pockets(Wheel::r(), u"5 17 5 20 0"_s));
        const Sleepers::Figure* f = s.figure(cell);
        QVERIFY(f);
        QCOMPARE(f->gap.value_or(-1), gap);
        QCOMPARE(f->count, count);
        QVERIFY(qAbs(f->expected - expected) < 1e-9);
    }

    void hottestAndColdest()
    {
        Sleepers s(Wheel::r(), true, 0);
        s.take(pockets(Wheel::r(), u"5 17 5 20 0"_s));
        // 5 came twice; of the pockets that came once the most recent first;
        // one that never came is no hot pocket, but the first of the cold ones.
        QCOMPARE(QStringList(s.hottest().begin(), s.hottest().end()),
                 QStringList({u"pbR5"_s, u"pbR0"_s, u"pbR20"_s, u"pbR17"_s}));
        QCOMPARE(QStringList(s.coldest().begin(), s.coldest().end()),
                 QStringList({u"pbR00"_s, u"pbR1"_s, u"pbR2"_s, u"pbR3"_s, u"pbR4"_s}));
        // 17 has been away 3 spins: (37/38)^3 on a fair wheel.
        QVERIFY(qAbs(s.figure(u"pbR17"_s)->chance - 0.923112) < 1e-5);
        // With 00 switched off it is no pocket in play: 1 in 37.
        Sleepers single(Wheel::r(), false, 0);
        single.take(pockets(Wheel::r(), u"5 17 5 20 0"_s));
        QVERIFY(!single.figure(u"pbR00"_s));
        QVERIFY(qAbs(single.figure(u"pbR17"_s)->chance - 0.921093) < 1e-5);
    }

    void sessionMoney_data()
    {
        QTest::addColumn<QString>("verdicts"); // Numbers, Black/Red, Even/Odd, Low/High, Dozens, 2to1
        QTest::addColumn<QString>("stakes");
        QTest::addColumn<QString>("played");
        QTest::addColumn<double>("result");
        QTest::addColumn<double>("largest");

        QTest::newRow("even chance won pays 1:1")
            << u"N Y N N N N"_s << u"0 10 40 10 10 10"_s << u"0 1 0 0 0 0"_s << 10.0 << 10.0;
        QTest::newRow("dozen won pays 2:1, lost even chance costs")
            << u"N Y N N Y N"_s << u"0 10 40 10 20 10"_s << u"0 0 1 0 1 0"_s << 0.0 << 40.0;
        QTest::newRow("not played: nothing")
            << u"Y Y Y Y Y Y"_s << u"0 10 10 10 10 10"_s << u"1 0 0 0 0 0"_s << 0.0 << 0.0;
        QTest::newRow("no verdict counts neither way")
            << u"N  N N N N"_s << u"0 80 10 10 10 10"_s << u"0 1 0 0 0 0"_s << 0.0 << 0.0;
    }
    void sessionMoney()
    {
        QFETCH(QString, verdicts);
        QFETCH(QString, stakes);
        QFETCH(QString, played);
        QFETCH(double, result);
        QFETCH(double, largest);
        PerCategory<WinVerdict> v{};
        PerCategory<double> s{};
        PerCategory<bool> p{};
        const QStringList vs = verdicts.split(u' '), ss = stakes.split(u' '), ps = played.split(u' ');
        for (int i = 0; i < CategoryCount; ++i) {
            v[i] = vs[i] == u"Y" ? WinVerdict::Won : vs[i] == u"N" ? WinVerdict::Lost : WinVerdict::None;
            s[i] = ss[i].toDouble();
            p[i] = ps[i] == u"1";
        }
        SessionFigures f;
        f.addJudgement(Wheel::r(), v, s, p);
        QCOMPARE(f.result, result);
        QCOMPARE(f.largestStake, largest);
    }

    void limitsReached_data()
    {
        QTest::addColumn<double>("result");
        QTest::addColumn<int>("reached");
        QTest::newRow("between") << -199.0 << int(TableLimits::Reached::None);
        QTest::newRow("at the stop-loss") << -200.0 << int(TableLimits::Reached::StopLoss);
        QTest::newRow("beyond it") << -250.0 << int(TableLimits::Reached::StopLoss);
        QTest::newRow("at the target") << 300.0 << int(TableLimits::Reached::Target);
    }
    void limitsReached()
    {
        QFETCH(double, result);
        QFETCH(int, reached);
        TestDb t;
        TableLimits typed{500.0, 200.0, 300.0};
        TableLimits::save(t.db, t.app->settingId, Wheel::r(), typed);
        const TableLimits stored = TableLimits::load(t.db, t.app->settingId, Wheel::r());
        QCOMPARE(int(stored.reached(result)), reached);
        // The table maximum is the one the statistics' doubling reads.
        QCOMPARE(
            t.text("SELECT ka_app_stats_table_max FROM ka_app_stats_setting WHERE ka_app_stats_wheel = 'R'"),
            u"500"_s);
        QVERIFY(stored.aboveTableMax(501) && !stored.aboveTableMax(500));
    }

    void undoLastImport()
    {
        TestDb t;
        SpinEngine engine(*t.app, Wheel::r());
        for (const char* label : {"5", "17", "8"})
            QVERIFY(engine.play(t.casino, QString::fromLatin1(label)).status.ok);
        const QString before = snapshot(t);

        QCOMPARE(int(importSpins(t, "pocket\n20\n5\n0\n17\n").outcome), int(SpinImport::Outcome::Imported));
        QCOMPARE(t.rows("ka_app_r"), qint64(7));
        const std::optional<ImportLog::Span> span =
            ImportLog::undoable(t.db, t.app->settingId, Wheel::r(), t.casino);
        QVERIFY(span);
        QCOMPARE(span->spins, qint64(4));

        const Result<qint64> removed = ImportLog::undoLast(*t.app, Wheel::r(), t.casino);
        QVERIFY(removed);
        QCOMPARE(*removed, qint64(4));
        // Rows, the advice that stood (unjudged again) and the tallies as before.
        QCOMPARE(snapshot(t), before);
        QVERIFY(!ImportLog::undoable(t.db, t.app->settingId, Wheel::r(), t.casino));

        // A spin after an import ends the offer: nothing is taken back.
        QCOMPARE(int(importSpins(t, "pocket\n20\n5\n").outcome), int(SpinImport::Outcome::Imported));
        QVERIFY(engine.play(t.casino, u"9"_s).status.ok);
        QVERIFY(!ImportLog::undoable(t.db, t.app->settingId, Wheel::r(), t.casino));
        const Result<qint64> none = ImportLog::undoLast(*t.app, Wheel::r(), t.casino);
        QVERIFY(none);
        QCOMPARE(*none, qint64(0));
        QCOMPARE(t.rows("ka_app_r"), qint64(6));
    }

    // Spins played before the session and those an import brought (played
    // elsewhere, whatever their stamps) are no spins of the session.
    void sessionLeavesImportsOut()
    {
        TestDb t;
        SpinEngine engine(*t.app, Wheel::r());
        QVERIFY(engine.play(t.casino, u"5"_s).status.ok);
        SessionStore::begin(t.db, t.app->settingId, Wheel::r(), t.clock.now());
        QVERIFY(engine.play(t.casino, u"17"_s).status.ok);
        QCOMPARE(int(importSpins(t, "pocket\n20\n5\n").outcome), int(SpinImport::Outcome::Imported));
        QVERIFY(engine.play(t.casino, u"8"_s).status.ok);
        const std::optional<SessionStore::Start> start =
            SessionStore::start(t.db, t.app->settingId, Wheel::r());
        QVERIFY(start);
        PerCategory<bool> played{};
        const SessionFigures f =
            SessionFigures::read(t.db, Wheel::r(), t.app->settingId, t.casino, start->afterKey, played);
        QCOMPARE(f.spins, qint64(2));
    }
};

QTEST_GUILESS_MAIN(SessionTest)
#include "test_session.moc"
