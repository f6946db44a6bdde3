// Spin files: the export of a hand-worked history, export and import round
// trips on both wheels, every accepted and every refused form of input (the
// main window's test cancels an import, the command line's backtest imports into
// a scratch database). A refused import must leave the database file as it was:
// after a full checkpoint (which empties the log into the file) its bytes are compared.
#include "TestDb.h"
#include "TestFiles.h"
#include "engine/SpinEngine.h"
#include "io/CsvWriter.h"
#include "io/IsoStamp.h"
#include "io/SpinExport.h"
#include "io/SpinImport.h"
#include "store/OleDate.h"
#include "store/SettingsStore.h"

#include <QBuffer>
#include <QtTest>

#include <ctime>

using namespace spinledger;
using namespace spinledger::test;

namespace {

QByteArray fingerprint(TestDb& t)
{
    return test::fingerprint(t.db, t.app->connString);
}

QString writeFile(TestDb& t, const QByteArray& bytes, const QString& name = QStringLiteral("spins.csv"))
{
    return test::writeFile(t.dir.filePath(name), bytes);
}

QByteArray exported(TestDb& t, const Wheel& w, qint64 casino)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    const Result<qint64> n = SpinExport(*t.app, w).write(casino, out);
    return n ? out.data() : QByteArray("failed: ") + n.status().toUtf8();
}

SpinImport::Report importFile(TestDb& t, const Wheel& w, qint64 casino, const QString& path,
                              const SpinImport::Progress& progress = {})
{
    SpinImport import(*t.app, w);
    const SpinImport::Report checked = import.check(path, casino, progress);
    return checked.outcome == SpinImport::Outcome::Imported ? import.write(casino, progress) : checked;
}

// "pocket@stamp" of every spin of the casino, oldest first.
QStringList storedSpins(TestDb& t, const Wheel& w, qint64 casino)
{
    Statement q =
        t.db.prepare(QStringLiteral("SELECT %1, %2_now FROM %2 WHERE %3 = ?1 ORDER BY %2_now, %2_id")
                         .arg(w.spinColumn(CategoryId::Numbers), w.spinTable(), w.casinoSetting())
                         .toStdString());
    q.bind(1, casino);
    QStringList spins;
    while (q.next())
        spins << q.text(0) + u'@' + IsoStamp::text(OleStamp::fromNow(q.real(1)).msecs());
    return spins;
}

void set(TestDb& t, const Wheel& w, const QString& column, const char* value)
{
    QVERIFY(SettingsStore(*t.app).setSetting(w.settingsTable(), column, QString::fromLatin1(value)).ok);
}

QByteArray utf16le(const QString& s)
{
    QByteArray b("\xFF\xFE");
    b.append(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
    return b;
}

} // namespace

class TestSpinFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Zone suffixes of stamps are converted to local time: make it UTC.
        qputenv("TZ", "UTC");
        tzset();
    }

    void exportOfAHandWorkedHistory()
    {
        // Amount 10, ties go to the first value, the Numbers draw of an empty
        // history picks index 9 of 38 (pocket 8); the clock says 18:00:00 and
        // steps a second per spin.
        TestDb t;
        SpinEngine e(*t.app, Wheel::r());
        for (const char* pocket : {"17", "0", "17"})
            QVERIFY(e.play(QString::fromLatin1(pocket)).status.ok);
        // Spin 1 is judged against nothing; its advice E B L 1 1 / 8 stakes
        // the amount, 10, everywhere. Spin 0 loses all of it: stakes 20. The
        // second 17 follows a 17 once before (by 0), so its Numbers advice is
        // 0; it wins Black/Red and Low/High against that advice and loses the
        // rest.
        const QByteArray expected =
            "\xEF\xBB\xBF"
            "spin_no,date_time,pocket,numbers_advice,numbers_verdict,blackred_advice,blackred_stake,"
            "blackred_verdict,evenodd_advice,evenodd_stake,evenodd_verdict,lowhi_advice,lowhi_stake,"
            "lowhi_verdict,dozens_advice,dozens_stake,dozens_verdict,2to1_advice,2to1_stake,2to1_verdict\r\n"
            "1,2026-12-06T18:00:00.000,17,,,,,,,,,,,,,,,,,\r\n"
            "2,2026-12-06T18:00:01.000,0,8,N,B,10,N,E,10,N,L,10,N,1,10,N,1,10,N\r\n"
            "3,2026-12-06T18:00:02.000,17,8,N,B,20,Y,E,20,N,L,20,Y,1,20,N,1,20,N\r\n";
        QCOMPARE(exported(t, Wheel::r(), t.casino), expected);
        // A casino without spins gives the header alone.
        QCOMPARE(exported(t, Wheel::m(), t.casino).count("\r\n"), 1);
    }

    void quotedOnlyWhereNeeded()
    {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        CsvWriter csv(out);
        for (const char* f : {"17", "a,b", "say \"hi\"", " x", "two\nlines", ""})
            csv.field(QByteArray(f));
        csv.endRow();
        QVERIFY(csv.flush());
        QCOMPARE(out.data(), QByteArray("17,\"a,b\",\"say \"\"hi\"\"\",\" x\",\"two\nlines\",\r\n"));
    }

    // The export reads back as the same history, byte for byte (with the same
    // tie-breaks); the recount test covers long histories of both kinds.
    void roundTrip_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addRow("R") << QChar(u'R');
        QTest::addRow("M") << QChar(u'M');
    }

    void roundTrip()
    {
        QFETCH(QChar, letter);
        const Wheel& w = *Wheel::byLetter(letter);
        TestDb t;
        set(t, w, w.zeroSwitch(), "1");
        SpinEngine e(*t.app, w);
        for (const char* pocket : {"5", "00", "12", "5", "0", "3", "12", "5", "9"})
            QVERIFY(e.play(QString::fromLatin1(pocket)).status.ok);
        QVERIFY(e.undoSpin(t.app->settingId, t.casino).status.ok);
        const QByteArray original = exported(t, w, t.casino);
        const qint64 copy = t.addCasino(QStringLiteral("Ζάρια \"Nord\""));
        const SpinImport::Report same = importFile(t, w, copy, writeFile(t, original));
        QCOMPARE(int(same.outcome), int(SpinImport::Outcome::Imported));
        QCOMPARE(same.spins, 8);
        QCOMPARE(exported(t, w, copy), original);
    }

    void acceptedForms_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<bool>("zeroZero");
        QTest::addColumn<QStringList>("before"); // played on the casino first, at 18:00:00, 18:00:01 ...
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("spins");
        const QStringList none;
        QTest::addRow("one per line, byte-order mark, CRLF, blank lines; the last spin stamped now")
            << QChar(u'R') << false << none
            << QByteArray("\xEF\xBB\xBF"
                          "17\r\n\r\n0\r\n  \r\n36\r\n")
            << QStringList{"17@2026-12-06T17:59:58.000", "0@2026-12-06T17:59:59.000",
                           "36@2026-12-06T18:00:00.000"};
        QTest::addRow("no stamps: a second after the casino's newest spin")
            << QChar(u'M') << false << QStringList{"3", "4"} << QByteArray("12\n0\n")
            << QStringList{"3@2026-12-06T18:00:00.000", "4@2026-12-06T18:00:01.000",
                           "12@2026-12-06T18:00:02.000", "0@2026-12-06T18:00:03.000"};
        QTest::addRow("semicolons, header Result, date column with blank and T, 00 on")
            << QChar(u'R') << true << none
            << QByteArray("Nr;Result;Date\n1;5;2026-01-02 10:00\n2;00;2026-01-02T10:00:30.5\n")
            << QStringList{"5@2026-01-02T10:00:00.000", "00@2026-01-02T10:00:30.500"};
        QTest::addRow("tabs, date and time columns, pocket column last")
            << QChar(u'M') << false << none << QByteArray("date\ttime\tPOCKET\n2026-01-02\t10:00:05\t12\n")
            << QStringList{"12@2026-01-02T10:00:05.000"};
        QTest::addRow("pocket is preferred to number; quoted cells")
            << QChar(u'R') << false << none
            << QByteArray("number,\"pocket\",note\n1,\"17\",\"a, b\"\n2,18,\"say \"\"hi\"\"\"\n")
            << QStringList{"17@2026-12-06T17:59:59.000", "18@2026-12-06T18:00:00.000"};
        QTest::addRow("no header, stamps with zones found by their form")
            << QChar(u'R') << false << none
            << QByteArray("3,2026-01-02T10:00:00+01:00\n4,2026-01-02T09:30:00Z\n")
            << QStringList{"3@2026-01-02T09:00:00.000", "4@2026-01-02T09:30:00.000"};
        QTest::addRow("header of other names: the first column; a row of empty cells")
            << QChar(u'M') << false << none << QByteArray("Zahl;Farbe\n7;rot\n;\n8;schwarz\n")
            << QStringList{"7@2026-12-06T17:59:59.000", "8@2026-12-06T18:00:00.000"};
        QTest::addRow("UTF-16 with its mark")
            << QChar(u'R') << false << none << utf16le(QStringLiteral("pocket\r\n3\r\n"))
            << QStringList{"3@2026-12-06T18:00:00.000"};
    }

    void acceptedForms()
    {
        QFETCH(QChar, letter);
        QFETCH(bool, zeroZero);
        QFETCH(QStringList, before);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, spins);
        const Wheel& w = *Wheel::byLetter(letter);
        TestDb t;
        set(t, w, w.zeroSwitch(), zeroZero ? "1" : "0");
        SpinEngine e(*t.app, w);
        for (const QString& p : before)
            QVERIFY(e.play(p).status.ok);
        t.clock.current = QDateTime(QDate(2026, 12, 6), QTime(18, 0));
        const SpinImport::Report r = importFile(t, w, t.casino, writeFile(t, file));
        QVERIFY2(r.outcome == SpinImport::Outcome::Imported, qPrintable(r.message));
        QCOMPARE(r.spins, spins.size() - before.size());
        QCOMPARE(storedSpins(t, w, t.casino), spins);
    }

    void refusedForms_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::addRow("unknown pocket")
            << QChar(u'R') << QByteArray("17\n37\n")
            << "spins.csv: line 2 (\"37\"): \"37\" is no pocket of this wheel (0, 1-36)";
        QTest::addRow("beyond the mini wheel") << QChar(u'M') << QByteArray("pocket\n\n13\n")
                                               << "spins.csv: line 3 (\"13\"): \"13\" is no pocket of this "
                                                  "wheel (0, 1-12)";
        QTest::addRow("00 switched off") << QChar(u'M') << QByteArray("5\n00\n")
                                         << "spins.csv: line 2 (\"00\"): 00 is switched off for this wheel";
        QTest::addRow("a leading zero")
            << QChar(u'R') << QByteArray("07\n")
            << "spins.csv: line 1 (\"07\"): \"07\" is no pocket of this wheel (0, 1-36)";
        QTest::addRow("no pocket in the row") << QChar(u'R') << QByteArray("pocket,date\n,2026-01-02\n")
                                              << "spins.csv: line 2 (\",2026-01-02\"): there is no pocket";
        QTest::addRow("malformed date") << QChar(u'R') << QByteArray("pocket,date\n17,2026-02-30\n")
                                        << "spins.csv: line 2 (\"17,2026-02-30\"): \"2026-02-30\" is no ISO "
                                           "8601 date and time (such as 2026-12-06T18:00:00)";
        QTest::addRow("missing date") << QChar(u'R') << QByteArray("pocket,date_time\n17,2027-01-02\n18,\n")
                                      << "spins.csv: line 3 (\"18,\"): the date and time are missing";
        QTest::addRow("stamps going backwards")
            << QChar(u'R') << QByteArray("pocket;date\n1;2027-01-02 10:00\n2;2027-01-02 09:59\n")
            << "spins.csv: line 3 (\"2;2027-01-02 09:59\"): 2027-01-02T09:59:00.000 is earlier than the spin "
               "before it (2027-01-02T10:00:00.000)";
        QTest::addRow("before the casino's newest spin")
            << QChar(u'R') << QByteArray("pocket,date\n4,2026-12-06T17:00\n")
            << "spins.csv: line 2 (\"4,2026-12-06T17:00\"): 2026-12-06T17:00:00.000 is earlier than the "
               "casino's newest spin (2026-12-06T18:00:00.000)";
        QTest::addRow("empty file") << QChar(u'R') << QByteArray() << "spins.csv is empty";
        QTest::addRow("header and blank lines only")
            << QChar(u'M') << QByteArray("\xEF\xBB\xBFpocket\r\n\r\n") << "spins.csv holds no spins";
        QTest::addRow("binary") << QChar(u'R') << QByteArray("17\n\x89PNG\x00\x01\n", 10)
                                << "spins.csv: line 2: binary data, so this is no spin file";
        QTest::addRow("over 50 MB") << QChar(u'R') << QByteArray("huge") << "spins.csv is larger than 50 MB";
    }

    void refusedForms()
    {
        QFETCH(QChar, letter);
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        const Wheel& w = *Wheel::byLetter(letter);
        TestDb t;
        QVERIFY(SpinEngine(*t.app, w).play(QStringLiteral("4")).status.ok);
        const QString path = writeFile(t, file);
        if (file == "huge")
            QFile::resize(path, 50LL * 1024 * 1024 + 1);
        const QByteArray before = fingerprint(t);
        const SpinImport::Report r = importFile(t, w, t.casino, path);
        QCOMPARE(int(r.outcome), int(SpinImport::Outcome::Refused));
        QCOMPARE(r.message, message);
        QCOMPARE(fingerprint(t), before);
    }
};

QTEST_GUILESS_MAIN(TestSpinFiles)
#include "test_spinfiles.moc"
