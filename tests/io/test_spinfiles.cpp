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
#include <QThread>
#include <QtTest>

#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace spinledger;
using namespace spinledger::test;
using namespace Qt::StringLiterals;

namespace {

QByteArray fingerprint(TestDb& t)
{
    return test::fingerprint(t.db);
}

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
        // history picks index 9 of 38 (pocket 8); the clock says 18:00:00 and
        // steps a second per spin.
        TestDb t;
        SpinEngine e(*t.app, Wheel::r());
        for (const char* pocket : {"17", "0", "17"})
            QVERIFY(e.play(t.casino, QString::fromLatin1(pocket)).status.ok);
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
            QVERIFY(e.play(t.casino, QString::fromLatin1(pocket)).status.ok);
        QVERIFY(e.undo(t.casino).status.ok);
        const QByteArray original = exported(t, w, t.casino);
        const qint64 copy = t.addCasino(u"Ζάρια \"Nord\""_s);
        const SpinImport::Report same = importFile(t, w, copy, writeFile(t, original));
        QCOMPARE(int(same.outcome), int(SpinImport::Outcome::Imported));
        QCOMPARE(same.spins, 8);
        QCOMPARE(exported(t, w, copy), original);
    }

    // A clock set back while playing leaves equal stamps (each clamped to the
    // spin before it): the export still comes back in as it is.
    void roundTripOfEqualStamps()
    {
        TestDb t;
        t.clock.stepMs = -60000;
        SpinEngine e(*t.app, Wheel::r());
        for (const char* pocket : {"5", "17", "0", "17"})
            QVERIFY(e.play(t.casino, QString::fromLatin1(pocket)).status.ok);
        const QByteArray original = exported(t, Wheel::r(), t.casino);
        QCOMPARE(original.count("2026-12-06T18:00:00.000"), 4);
        const qint64 copy = t.addCasino(u"Copy"_s);
        const SpinImport::Report r = importFile(t, Wheel::r(), copy, writeFile(t, original));
        QVERIFY2(r.outcome == SpinImport::Outcome::Imported, qPrintable(r.message));
        QCOMPARE(exported(t, Wheel::r(), copy), original);
    }

    void acceptedForms_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<bool>("zeroZero");
        QTest::addColumn<QStringList>("before"); // played on the casino first, at 18:00:00, 18:00:01 ...
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("spins");
        QTest::addColumn<QString>("readAs");
        const QStringList none;
        QTest::addRow("one per line, byte-order mark, CRLF, blank lines; the last spin stamped now")
            << QChar(u'R') << false << none
            << QByteArray("\xEF\xBB\xBF"
                          "17\r\n\r\n0\r\n  \r\n36\r\n")
            << QStringList{"17@2026-12-06T17:59:58.000", "0@2026-12-06T17:59:59.000",
                           "36@2026-12-06T18:00:00.000"}
            << "read as a list of 3 pockets";
        QTest::addRow("no stamps: a second after the casino's newest spin")
            << QChar(u'M') << false << QStringList{"3", "4"} << QByteArray("12\n0\n")
            << QStringList{"3@2026-12-06T18:00:00.000", "4@2026-12-06T18:00:01.000",
                           "12@2026-12-06T18:00:02.000", "0@2026-12-06T18:00:03.000"}
            << "read as a list of 2 pockets";
        QTest::addRow("semicolons, header Result, date column with blank and T, 00 on")
            << QChar(u'R') << true << none
            << QByteArray("Nr;Result;Date\n1;5;2026-01-02 10:00\n2;00;2026-01-02T10:00:30.5\n")
            << QStringList{"5@2026-01-02T10:00:00.000", "00@2026-01-02T10:00:30.500"}
            << "read as a table, pockets from column \"Result\", stamps from column \"Date\"";
        QTest::addRow("tabs, date and time columns, pocket column last")
            << QChar(u'M') << false << none << QByteArray("date\ttime\tPOCKET\n2026-01-02\t10:00:05\t12\n")
            << QStringList{"12@2026-01-02T10:00:05.000"}
            << "read as a table, pockets from column \"POCKET\", stamps from column \"date\" and column "
               "\"time\"";
        QTest::addRow("pocket is preferred to number; quoted cells")
            << QChar(u'R') << false << none
            << QByteArray("number,\"pocket\",note\n1,\"17\",\"a, b\"\n2,18,\"say \"\"hi\"\"\"\n")
            << QStringList{"17@2026-12-06T17:59:59.000", "18@2026-12-06T18:00:00.000"}
            << "read as a table, pockets from column \"pocket\"";
        QTest::addRow("no header, stamps with zones found by their form")
            << QChar(u'R') << false << none
            << QByteArray("3,2026-01-02T10:00:00+01:00\n4,2026-01-02T09:30:00Z\n")
            << QStringList{"3@2026-01-02T09:00:00.000", "4@2026-01-02T09:30:00.000"}
            << "read as a table, pockets from column 1, stamps from column 2";
        QTest::addRow("header of other names: the first column; a row of empty cells")
            << QChar(u'M') << false << none << QByteArray("Zahl;Farbe\n7;rot\n;\n8;schwarz\n")
            << QStringList{"7@2026-12-06T17:59:59.000", "8@2026-12-06T18:00:00.000"}
            << "read as a table, pockets from column \"Zahl\"";
        QTest::addRow("UTF-16 with its mark")
            << QChar(u'R') << false << none << utf16le(u"pocket\r\n3\r\n"_s)
            << QStringList{"3@2026-12-06T18:00:00.000"} << "read as a table, pockets from column \"pocket\"";

        // Lists: every cell of every row, left to right, whatever parts them.
        const QStringList fiveUpToNow{"12@2026-12-06T17:59:56.000", "5@2026-12-06T17:59:57.000",
                                      "0@2026-12-06T17:59:58.000", "32@2026-12-06T17:59:59.000",
                                      "17@2026-12-06T18:00:00.000"};
        const QString five = u"read as a list of 5 pockets"_s;
        QTest::addRow("a list on one line, commas")
            << QChar(u'R') << false << none << QByteArray("12,5,0,32,17\n") << fiveUpToNow << five;
        QTest::addRow("semicolons over two rows, a blank cell")
            << QChar(u'R') << false << none << QByteArray("12;5;;0\r\n32;17;\r\n") << fiveUpToNow << five;
        QTest::addRow("tabs") << QChar(u'R') << false << none << QByteArray("12\t5\t0\t32\t17") << fiveUpToNow
                              << five;
        QTest::addRow("spaces, runs of them, rows of one and of several")
            << QChar(u'R') << false << none << QByteArray("12  5\n0\n 32 17 \n") << fiveUpToNow << five;
        QTest::addRow("a list with 00 on the mini wheel")
            << QChar(u'M') << true << none << QByteArray("00,12\n")
            << QStringList{"00@2026-12-06T17:59:59.000", "12@2026-12-06T18:00:00.000"}
            << "read as a list of 2 pockets";
        QTest::addRow("no header: the one column of numbers beside words")
            << QChar(u'R') << false << none << QByteArray("red,17\nblack,8\n")
            << QStringList{"17@2026-12-06T17:59:59.000", "8@2026-12-06T18:00:00.000"}
            << "read as a table, pockets from column 2";

        // Equal stamps, also equal to the casino's newest spin (18:00:00).
        QTest::addRow("equal stamps")
            << QChar(u'R') << false << QStringList{"3"}
            << QByteArray("pocket,date\n4,2026-12-06T18:00\n5,2026-12-06T18:00\n6,2026-12-06T18:00:00.001\n")
            << QStringList{"3@2026-12-06T18:00:00.000", "4@2026-12-06T18:00:00.000",
                           "5@2026-12-06T18:00:00.000", "6@2026-12-06T18:00:00.001"}
            << "read as a table, pockets from column \"pocket\", stamps from column \"date\"";
        QTest::addRow("a date column with several spins a day")
            << QChar(u'M') << false << none << QByteArray("date;pocket\n2026-01-02;7\n2026-01-02;8\n")
            << QStringList{"7@2026-01-02T00:00:00.000", "8@2026-01-02T00:00:00.000"}
            << "read as a table, pockets from column \"pocket\", stamps from column \"date\"";
        // The clock reads 18:00:00 for the import: a day after it still goes in, as does 1900.
        QTest::addRow("the first and the last stamp taken")
            << QChar(u'R') << false << none
            << QByteArray("pocket,date_time\n1,1900-01-01T00:00\n2,2026-12-07T18:00:00\n")
            << QStringList{"1@1900-01-01T00:00:00.000", "2@2026-12-07T18:00:00.000"}
            << "read as a table, pockets from column \"pocket\", stamps from column \"date_time\"";
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
        SpinEngine e(*t.app, w);
        for (const QString& p : before)
            QVERIFY(e.play(t.casino, p).status.ok);
        t.clock.current = QDateTime(QDate(2026, 12, 6), QTime(18, 0));
        const SpinImport::Report r = importFile(t, w, t.casino, writeFile(t, file));
        QVERIFY2(r.outcome == SpinImport::Outcome::Imported, qPrintable(r.message));
        QCOMPARE(r.spins, spins.size() - before.size());
        QCOMPARE(r.readAs, readAs);
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
        QTest::addRow("missing date") << QChar(u'R') << QByteArray("pocket,date_time\n17,2026-12-07\n18,\n")
                                      << "spins.csv: line 3 (\"18,\"): the date and time are missing";
        QTest::addRow("stamps going backwards")
            << QChar(u'R') << QByteArray("pocket;date\n1;2026-12-07 10:00\n2;2026-12-07 09:59\n")
            << "spins.csv: line 3 (\"2;2026-12-07 09:59\"): 2026-12-07T09:59:00.000 is earlier than the spin "
               "before it (2026-12-07T10:00:00.000)";
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

        // Several columns of numbers and no header that names the pocket's.
        QTest::addRow("ambiguous columns") << QChar(u'R') << QByteArray("1,17,red\n2,5,red\n")
                                           << "spins.csv: line 1 (\"1,17,red\"): column 1 and column 2 hold "
                                              "numbers, and no header row names "
                                              "the pocket column (pocket, number, spin or result)";
        QTest::addRow("ambiguous columns under a header")
            << QChar(u'M') << QByteArray("Nr;Zahl;Farbe;Satz\n1;7;rot;5\n")
            << "spins.csv: line 2 (\"1;7;rot;5\"): column \"Nr\", column \"Zahl\" and column \"Satz\" hold "
               "numbers, and no header row names the pocket column (pocket, number, spin or result)";
        QTest::addRow("a word in a list")
            << QChar(u'R') << QByteArray("12,5\n0,red,3\n")
            << "spins.csv: line 2, cell 2: \"red\" is no pocket of this wheel (0, 1-36)";
        QTest::addRow("a list's 37 far along its line")
            << QChar(u'R') << QByteArray("12 5 0 37 17")
            << "spins.csv: line 1, cell 4: \"37\" is no pocket of this wheel (0, 1-36)";
        QTest::addRow("a table parted by spaces")
            << QChar(u'R') << QByteArray("17 red\n")
            << "spins.csv: line 1 (\"17 red\"): cells parted by spaces are read as a list of pockets; the "
               "columns of a table are parted by commas, semicolons or tabs";
        QTest::addRow("a row wider than the header")
            << QChar(u'R') << QByteArray("pocket,date\n12,2026-01-02,5\n")
            << "spins.csv: line 2 (\"12,2026-01-02,5\"): the row holds more cells than the 2 columns of the "
               "header row";
        // A line of a megabyte is quoted by its first 79 characters and an ellipsis.
        const QByteArray longLine = "pocket\n7" + QByteArray(1 << 20, 'x') + '\n';
        const QString shown = u'7' + QString(78, u'x') + QChar(0x2026);
        QTest::addRow("a long line")
            << QChar(u'R') << longLine
            << u"spins.csv: line 2 (\"%1\"): \"%1\" is no pocket of this wheel (0, 1-36)"_s.arg(shown);
        // The import reads the clock at 18:00:01 (after the spin played first).
        QTest::addRow("a stamp in the year 9999")
            << QChar(u'R') << QByteArray("pocket,date_time\n4,9999-12-31T23:59:59.9999\n")
            << "spins.csv: line 2 (\"4,9999-12-31T23:59:59.9999\"): \"9999-12-31T23:59:59.9999\" is more "
               "than "
               "a day after the moment of the import";
        QTest::addRow("a second more than a day ahead")
            << QChar(u'R') << QByteArray("pocket,date_time\n4,2026-12-07T18:00:02\n")
            << "spins.csv: line 2 (\"4,2026-12-07T18:00:02\"): \"2026-12-07T18:00:02\" is more than a day "
               "after "
               "the moment of the import";
        QTest::addRow("before 1900")
            << QChar(u'R') << QByteArray("pocket,date\n4,1899-12-31\n")
            << "spins.csv: line 2 (\"4,1899-12-31\"): \"1899-12-31\" is before 1900-01-01";
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
        const QByteArray before = fingerprint(t);
        const SpinImport::Report r = importFile(t, w, t.casino, path);
        QCOMPARE(int(r.outcome), int(SpinImport::Outcome::Refused));
        QCOMPARE(r.message, message);
        QCOMPARE(fingerprint(t), before);
    }

    // Checked and written from one reading: a FIFO cannot be read twice.
    void importFromAFifo()
    {
        std::signal(SIGPIPE, SIG_IGN);
        TestDb t;
        const QString path = t.dir.filePath(u"spins.fifo"_s);
        QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        std::unique_ptr<QThread> writer(QThread::create([path] {
            const int fd = ::open(path.toLocal8Bit().constData(), O_WRONLY);
            if (fd >= 0) {
                ::write(fd, "12,5,0\n", 7);
                ::close(fd);
            }
        }));
        writer->start();
        const SpinImport::Report r = importFile(t, Wheel::r(), t.casino, path);
        QVERIFY2(r.outcome == SpinImport::Outcome::Imported, qPrintable(r.message));
        QCOMPARE(r.spins, 3);
        QCOMPARE(r.readAs, u"read as a list of 3 pockets"_s);
        QVERIFY(writer->wait(5000));
    }

    // The number of pockets in the user's locale.
    void readAsInTheUserLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("readAs");
        QTest::addRow("English") << u"en_US"_s << u"read as a list of 5,000 pockets"_s;
        QTest::addRow("German") << u"de_DE"_s << u"read as a list of 5.000 pockets"_s;
    }
    void readAsInTheUserLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, readAs);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        TestDb t;
        QByteArray list;
        for (int i = 0; i < 5000; ++i)
            list += QByteArray::number(i % 37) + (i % 10 == 9 ? '\n' : ',');
        SpinImport import(*t.app, Wheel::r());
        const SpinImport::Report r = import.check(writeFile(t, list), t.casino);
        QLocale::setDefault(before);
        QCOMPARE(r.spins, 5000);
        QCOMPARE(r.readAs, readAs);
    }
};

QTEST_GUILESS_MAIN(TestSpinFiles)
#include "test_spinfiles.moc"
