// The German translation is complete, keeps every placeholder, and is what
// the window and both programs show under a German locale.
#include "ShellFixture.h"
#include "TestFiles.h"
#include "i18n/Translations.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace spinledger;
using namespace spinledger::test;

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

// \r is written as <byte value="xd"/> inside a .ts file.
QString readText(QXmlStreamReader& xml)
{
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement && !xml.atEnd()) {
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == u"byte") {
            text +=
                QChar(char16_t(xml.attributes().value(QLatin1String("value")).mid(1).toUShort(nullptr, 16)));
            xml.skipCurrentElement();
        }
    }
    return text;
}

QList<Message> readTs(const QString& path)
{
    QXmlStreamReader xml(readFile(path)); // none read: too few messages
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.append({context, {}, {}, {}});
        else if (xml.name() == u"source")
            messages.last().source = readText(xml);
        else if (xml.name() == u"translation") {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = readText(xml);
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?\\d+"));
    QStringList found;
    for (const auto& m : marker.globalMatch(text))
        found << m.captured().remove(u'L');
    found.sort();
    found.removeDuplicates();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyTextIsTranslated()
    {
        const QList<Message> messages = readTs(QStringLiteral(SPINLEDGER_TS_FILE));
        QVERIFY(messages.size() > 500);
        QStringList faults;
        for (const Message& m : messages) {
            if (!m.type.isEmpty() || m.translation.trimmed().isEmpty())
                faults << u"%1: %2 [%3]"_s.arg(m.context, m.source, m.type.isEmpty() ? u"empty"_s : m.type);
            else if (placeholders(m.source) != placeholders(m.translation))
                faults << u"%1: %2 [placeholders %3]"_s.arg(m.context, m.source,
                                                            placeholders(m.translation).join(u' '));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void windowShowsGerman()
    {
        QVERIFY(i18n::install(*qApp, QLocale(QLocale::German, QLocale::Germany)));
        ShellFixture f;
        QCOMPARE(f.start(), Application::Outcome::Running);
        MainWindow* w = f.main();
        auto* tabs = w->findChild<QTabWidget*>(u"SSTab1"_s);
        QVERIFY(tabs);
        QStringList shown;
        for (int i = 0; i < tabs->count(); ++i)
            shown << tabs->tabText(i);
        QCOMPARE(shown, QStringList({u"Roulette"_s, u"Miniroulette"_s, u"Einstellungen"_s, u"Statistik"_s}));
        QCOMPARE(w->findChild<QAction*>(u"mnuExit"_s)->text(), u"&Beenden"_s);
        QCOMPARE(w->findChild<QAction*>(u"mnuCheckUpdate"_s)->text(), u"Nach &Update suchen"_s);
        QCOMPARE(w->findChild<QPushButton*>(u"btnUndoR"_s)->text(), u"Z&URÜCK"_s);
        const auto* dozens = w->findChild<QCheckBox*>(u"cbRDozens"_s);
        QCOMPARE(dozens->text(), u"Spielen"_s);
        // Alt+D is the File menu's.
        QCOMPARE(qobject_cast<QGroupBox*>(dozens->parentWidget())->title(), u"Du&tzende"_s);
        const auto* pages = w->findChild<QTabWidget*>(u"tabsStats"_s);
        QVERIFY(pages);
        shown.clear();
        for (int i = 0; i < pages->count(); ++i)
            shown << pages->tabText(i);
        QCOMPARE(shown, QStringList({u"Rat gegen Zufall"_s, u"Zahlen"_s, u"Kessel"_s, u"Geld"_s,
                                     u"Verdopplung"_s, u"Verlauf"_s}));

        // The statistics of the fresh casino, with the wheel's name from the core library.
        tabs->setCurrentWidget(w->findChild<QWidget*>(u"tabStatistics"_s));
        const auto* empty = w->findChild<QLabel*>(u"lblStatsEmpty"_s);
        QTRY_VERIFY2_WITH_TIMEOUT(
            empty->text().startsWith(
                u"In Demo Casino beim Kessel mit 38 Fächern sind noch keine Coups aufgezeichnet."_s),
            qPrintable(empty->text()), 30000);
    }

    // Both programs reach the translation; the window's refusal is tested here alone.
    void programsAnswerInGerman_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("exitCode");
        const QString cli = QStringLiteral(SPINLEDGER_CLI);
        const QString window = QStringLiteral(SPINLEDGER_PROGRAM);
        QTest::newRow("cli help") << cli << QStringList{u"--help"_s}
                                  << u"Aufruf: spinledger-cli BEFEHL [Optionen]"_s << 0;
        QTest::newRow("window help") << window << QStringList{u"--help"_s}
                                     << u"Aufruf: spinledger [Optionen]"_s << 0;
        QTest::newRow("window unknown argument")
            << window << QStringList{u"-platform"_s, u"offscreen"_s, u"stray"_s}
            << u"unerwartetes Argument „stray“ (spinledger --help listet die Optionen auf)"_s << 2;
    }
    void programsAnswerInGerman()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QFETCH(int, exitCode);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            env.remove(QString::fromLatin1(name));
        env.insert(u"LANG"_s, u"de_DE.UTF-8"_s);
        p.setProcessEnvironment(env);
        p.start(program, arguments);
        QVERIFY(p.waitForFinished(30000));
        const QString said = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        QVERIFY2(said.contains(expected), qPrintable(said));
        QCOMPARE(p.exitCode(), exitCode);
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
