// Spin files: the export of a hand-worked history, round trips on both wheels,
// every accepted and every refused form of input. A refused import must leave
// the database's content as it was.
#include "TestDb.h"
#include "TestFiles.h"
#include "engine/SpinEngine.h"
#include "io/CsvWriter.h"
#include "io/IsoStamp.h"
#include "io/SpinExport.h"
#include "io/SpinImport.h"
#include "store/OleDate.h"
#include "store/SettingsStore.h"

#include <QtTest>

#include <ctime>

using namespace spinledger;
using namespace spinledger::test;
using namespace Qt::StringLiterals;

namespace {

QString writeFile(TestDb& t, const QByteArray& bytes, const QString& name = u"spins.csv"_s)
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
    Statement q = t.db.prepare(u"SELECT %1, %2_now FROM %2 WHERE %3 = ?1 ORDER BY %2_now, %2_id"_s
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
    t.db.prepare((u"UPDATE "_s + w.settingsTable() + u" SET "_s + column + u" = ?1"_s).toStdString())
        .bind(1, QString::fromLatin1(value))
        .run();
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
        // history picks pocket 8; the clock starts at 18:00:00, a second a spin.
        TestDb t;
        QVERIFY(t.play(Wheel::r(), u"17 0 17"_s));
        // Spin 1 judges nothing; its advice 8 B E L 1 1 stakes 10. Spin 0 loses
        // it all: stakes 20. The second 17 wins Black/Red and Low/High.
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
        QVERIFY(t.play(w, u"5 00 12 5 0 3 12 5 9"_s));
        QVERIFY(SpinEngine(*t.app, w).undo(t.casino).status.ok);
        const QByteArray first = exported(t, w, t.casino);
        const qint64 copy = t.addCasino(u"Ζάρια \"Nord\""_s);
        const SpinImport::Report same = importFile(t, w, copy, writeFile(t, first));
        QCOMPARE(int(same.outcome), int(SpinImport::Outcome::Imported));
        QCOMPARE(same.spins, 8);
        QCOMPARE(exported(t, w, copy), first);
    }

    // "before": played on the casino first, at 18:00:00, 18:00:01 ...; "spins": what the casino then
    // holds, "pocket@stamp" parted by blanks.
    void acceptedForms_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<bool>("zeroZero");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("spins");
        QTest::addColumn<QString>("readAs");
        const auto row = [](const char* name, char letter, bool zeroZero, const char* before,
                            const QByteArray& file, const char* spins, const QString& readAs) {
            QTest::newRow(name) << QChar::fromLatin1(letter) << zeroZero
                                << QString::fromLatin1(before).split(u' ', Qt::SkipEmptyParts) << file
                                << QString::fromLatin1(spins).split(u' ') << readAs;
        };
        const QString table = u"read as a table, pockets from column "_s;
        row("one per line, byte-order mark, CRLF, blank lines; the last spin stamped now", 'R', false, "",
            "\xEF\xBB\xBF"
            "17\r\n\r\n0\r\n  \r\n36\r\n",
            "17@2026-12-06T17:59:58.000 0@2026-12-06T17:59:59.000 36@2026-12-06T18:00:00.000",
            u"read as a list of 3 pockets"_s);
        row("no stamps: a second after the casino's newest spin", 'M', false, "3 4", "12\n0\n",
            "3@2026-12-06T18:00:00.000 4@2026-12-06T18:00:01.000 12@2026-12-06T18:00:02.000 "
            "0@2026-12-06T18:00:03.000",
            u"read as a list of 2 pockets"_s);
        row("semicolons, header Result, date column with blank and T, 00 on", 'R', true, "",
            "Nr;Result;Date\n1;5;2026-01-02 10:00\n2;00;2026-01-02T10:00:30.5\n",
            "5@2026-01-02T10:00:00.000 00@2026-01-02T10:00:30.500",
            table + u"\"Result\", stamps from column \"Date\""_s);
        row("tabs, date and time columns, pocket column last", 'M', false, "",
            "date\ttime\tPOCKET\n2026-01-02\t10:00:05\t12\n", "12@2026-01-02T10:00:05.000",
            table + u"\"POCKET\", stamps from column \"date\" and column \"time\""_s);
        row("pocket is preferred to number; quoted cells", 'R', false, "",
            "number,\"pocket\",note\n1,\"17\",\"a, b\"\n2,18,\"say \"\"hi\"\"\"\n",
            "17@2026-12-06T17:59:59.000 18@2026-12-06T18:00:00.000", table + u"\"pocket\""_s);
        row("no header, stamps with zones found by their form", 'R', false, "",
            "3,2026-01-02T10:00:00+01:00\n4,2026-01-02T09:30:00Z\n",
            "3@2026-01-02T09:00:00.000 4@2026-01-02T09:30:00.000", table + u"1, stamps from column 2"_s);
        row("header of other names: the first column; a row of empty cells", 'M', false, "",
            "Zahl;Farbe\n7;rot\n;\n8;schwarz\n", "7@2026-12-06T17:59:59.000 8@2026-12-06T18:00:00.000",
            table + u"\"Zahl\""_s);
        row("UTF-16 with its mark", 'R', false, "", utf16le(u"pocket\r\n3\r\n"_s),
            "3@2026-12-06T18:00:00.000", table + u"\"pocket\""_s);

        // Lists: every cell of every row, left to right, whatever parts them.
        const char* const fiveUpToNow = "12@2026-12-06T17:59:56.000 5@2026-12-06T17:59:57.000 "
                                        "0@2026-12-06T17:59:58.000 32@2026-12-06T17:59:59.000 "
                                        "17@2026-12-06T18:00:00.000";
        const QString five = u"read as a list of 5 pockets"_s;
        row("semicolons over two rows, a blank cell", 'R', false, "", "12;5;;0\r\n32;17;\r\n", fiveUpToNow,
            five);
        row("tabs", 'R', false, "", "12\t5\t0\t32\t17", fiveUpToNow, five);
        row("spaces, runs of them, rows of one and of several", 'R', false, "", "12  5\n0\n 32 17 \n",
            fiveUpToNow, five);
        row("a list with 00 on the mini wheel", 'M', true, "", "00,12\n",
            "00@2026-12-06T17:59:59.000 12@2026-12-06T18:00:00.000", u"read as a list of 2 pockets"_s);
        row("no header: the one column of numbers beside words", 'R', false, "", "red,17\nblack,8\n",
            "17@2026-12-06T17:59:59.000 8@2026-12-06T18:00:00.000", table + u"2"_s);

        // Equal stamps, also equal to the casino's newest spin (18:00:00).
        row("equal stamps", 'R', false, "3",
            "pocket,date\n4,2026-12-06T18:00\n5,2026-12-06T18:00\n6,2026-12-06T18:00:00.001\n",
            "3@2026-12-06T18:00:00.000 4@2026-12-06T18:00:00.000 5@2026-12-06T18:00:00.000 "
            "6@2026-12-06T18:00:00.001",
            table + u"\"pocket\", stamps from column \"date\""_s);
        row("a date column with several spins a day", 'M', false, "",
            "date;pocket\n2026-01-02;7\n2026-01-02;8\n",
            "7@2026-01-02T00:00:00.000 8@2026-01-02T00:00:00.000",
            table + u"\"pocket\", stamps from column \"date\""_s);
        // The clock reads 18:00:00 for the import: a day after it still goes in, as does 1900.
        row("the first and the last stamp taken", 'R', false, "",
            "pocket,date_time\n1,1900-01-01T00:00\n2,2026-12-07T18:00:00\n",
            "1@1900-01-01T00:00:00.000 2@2026-12-07T18:00:00.000",
            table + u"\"pocket\", stamps from column \"date_time\""_s);
    }

    void acceptedForms()
    {
        QFETCH(QChar, letter);
        QFETCH(bool, zeroZero);
        QFETCH(QStringList, before);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, spins);
        QFETCH(QString, readAs);
        const Wheel& w = *Wheel::byLetter(letter);
        TestDb t;
        set(t, w, w.zeroSwitch(), zeroZero ? "1" : "0");
        QVERIFY(t.play(w, before.join(u' ')));
        t.clock.current = QDateTime(QDate(2026, 12, 6), QTime(18, 0));
        const SpinImport::Report r = importFile(t, w, t.casino, writeFile(t, file));
        QVERIFY2(r.outcome == SpinImport::Outcome::Imported, qPrintable(r.message));
        QCOMPARE(r.spins, spins.size() - before.size());
        QCOMPARE(r.readAs, readAs);
        QCOMPARE(storedSpins(t, w, t.casino), spins);
    }

    // The messages after the file's name, "spins.csv".
    void refusedForms_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        const QString notR = u"is no pocket of this wheel (0, 1-36)"_s;
        const QString tooLate = u"is more than a day after the moment of the import"_s;
        const QString noPocketColumn =
            u"numbers, and no header row names the pocket column (pocket, number, spin or result)"_s;
        const auto row = [](const char* name, char letter, const QByteArray& file, const QString& message) {
            QTest::newRow(name) << QChar::fromLatin1(letter) << file << message;
        };
        row("unknown pocket", 'R', "17\n37\n", u": line 2 (\"37\"): \"37\" "_s + notR);
        row("beyond the mini wheel", 'M', "pocket\n\n13\n",
            u": line 3 (\"13\"): \"13\" is no pocket of this wheel (0, 1-12)"_s);
        row("00 switched off", 'M', "5\n00\n", u": line 2 (\"00\"): 00 is switched off for this wheel"_s);
        row("a leading zero", 'R', "07\n", u": line 1 (\"07\"): \"07\" "_s + notR);
        row("no pocket in the row", 'R', "pocket,date\n,2026-01-02\n",
            u": line 2 (\",2026-01-02\"): there is no pocket"_s);
        row("malformed date", 'R', "pocket,date\n17,2026-02-30\n",
            u": line 2 (\"17,2026-02-30\"): \"2026-02-30\" is no ISO 8601 date and time (such as "
            u"2026-12-06T18:00:00)"_s);
        row("missing date", 'R', "pocket,date_time\n17,2026-12-07\n18,\n",
            u": line 3 (\"18,\"): the date and time are missing"_s);
        row("stamps going backwards", 'R', "pocket;date\n1;2026-12-07 10:00\n2;2026-12-07 09:59\n",
            u": line 3 (\"2;2026-12-07 09:59\"): 2026-12-07T09:59:00.000 is earlier than the spin before it "
            u"(2026-12-07T10:00:00.000)"_s);
        row("before the casino's newest spin", 'R', "pocket,date\n4,2026-12-06T17:00\n",
            u": line 2 (\"4,2026-12-06T17:00\"): 2026-12-06T17:00:00.000 is earlier than the casino's newest "
            u"spin (2026-12-06T18:00:00.000)"_s);
        row("empty file", 'R', QByteArray(), u" is empty"_s);
        row("header and blank lines only", 'M', "\xEF\xBB\xBFpocket\r\n\r\n", u" holds no spins"_s);
        row("binary", 'R', QByteArray("17\n\x89PNG\x00\x01\n", 10),
            u": line 2: binary data, so this is no spin file"_s);
        row("over 50 MB", 'R', "huge", u" is larger than 50 MB"_s);
        // Several columns of numbers and no header that names the pocket's.
        row("ambiguous columns", 'R', "1,17,red\n2,5,red\n",
            u": line 1 (\"1,17,red\"): column 1 and column 2 hold "_s + noPocketColumn);
        row("ambiguous columns under a header", 'M', "Nr;Zahl;Farbe;Satz\n1;7;rot;5\n",
            u": line 2 (\"1;7;rot;5\"): column \"Nr\", column \"Zahl\" and column \"Satz\" hold "_s +
                noPocketColumn);
        row("a word in a list", 'R', "12,5\n0,red,3\n", u": line 2, cell 2: \"red\" "_s + notR);
        row("a list's 37 far along its line", 'R', "12 5 0 37 17", u": line 1, cell 4: \"37\" "_s + notR);
        row("a table parted by spaces", 'R', "17 red\n",
            u": line 1 (\"17 red\"): cells parted by spaces are read as a list of pockets; the columns of a "
            u"table are parted by commas, semicolons or tabs"_s);
        row("a row wider than the header", 'R', "pocket,date\n12,2026-01-02,5\n",
            u": line 2 (\"12,2026-01-02,5\"): the row holds more cells than the 2 columns of the header row"_s);
        // A line of a megabyte is quoted by its first 79 characters and an ellipsis.
        const QString shown = u'7' + QString(78, u'x') + QChar(0x2026);
        row("a long line", 'R', "pocket\n7" + QByteArray(1 << 20, 'x') + '\n',
            u": line 2 (\"%1\"): \"%1\" "_s.arg(shown) + notR);
        // The import reads the clock at 18:00:01 (after the spin played first).
        row("a stamp in the year 9999", 'R', "pocket,date_time\n4,9999-12-31T23:59:59.9999\n",
            u": line 2 (\"4,9999-12-31T23:59:59.9999\"): \"9999-12-31T23:59:59.9999\" "_s + tooLate);
        row("a second more than a day ahead", 'R', "pocket,date_time\n4,2026-12-07T18:00:02\n",
            u": line 2 (\"4,2026-12-07T18:00:02\"): \"2026-12-07T18:00:02\" "_s + tooLate);
        row("before 1900", 'R', "pocket,date\n4,1899-12-31\n",
            u": line 2 (\"4,1899-12-31\"): \"1899-12-31\" is before 1900-01-01"_s);
    }

    void refusedForms()
    {
        QFETCH(QChar, letter);
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        const Wheel& w = *Wheel::byLetter(letter);
        TestDb t;
        QVERIFY(SpinEngine(*t.app, w).play(t.casino, u"4"_s).status.ok);
        const QString path = writeFile(t, file);
        if (file == "huge")
            QFile::resize(path, 50LL * 1024 * 1024 + 1);
        const QByteArray before = fingerprint(t.db);
        const SpinImport::Report r = importFile(t, w, t.casino, path);
        QCOMPARE(int(r.outcome), int(SpinImport::Outcome::Refused));
        QCOMPARE(r.message, u"spins.csv"_s + message);
        QCOMPARE(fingerprint(t.db), before);
    }

    // The number of pockets in the user's locale: German groups by a point,
    // where a count that ignored the locale would not.
    void readAsInTheUserLocale()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(u"de_DE"_s));
        TestDb t;
        QByteArray list;
        for (int i = 0; i < 5000; ++i)
            list += QByteArray::number(i % 37) + (i % 10 == 9 ? '\n' : ',');
        SpinImport import(*t.app, Wheel::r());
        const SpinImport::Report r = import.check(writeFile(t, list), t.casino);
        QLocale::setDefault(before);
        QCOMPARE(r.spins, 5000);
        QCOMPARE(r.readAs, u"read as a list of 5.000 pockets"_s);
    }
};

QTEST_GUILESS_MAIN(TestSpinFiles)
#include "test_spinfiles.moc"
