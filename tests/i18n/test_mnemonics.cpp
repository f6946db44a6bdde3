// No Alt key does two things: within the menu bar with the page on show, in
// each menu, and in each dialog, every mnemonic is a different letter, in
// English and in German.
#include "ShellFixture.h"
#include "board/BoardCell.h"
#include "i18n/Translations.h"
#include "passphrase/PassphraseDialog.h"
#include "shell/KeyboardHelp.h"
#include "shell/RestoreDialog.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace spinledger;
using namespace spinledger::test;

namespace {

// The key a text's "&" marks, upper case; none for "&&" or no marker.
std::optional<QChar> mnemonicOf(const QString& text)
{
    static const QRegularExpression marker(u"(?<!&)(?:&&)*&([^&])"_s);
    const QRegularExpressionMatch m = marker.match(text);
    return m.hasMatch() ? std::optional(m.captured(1).front().toUpper()) : std::nullopt;
}

// Every key given to more than one text, as "D: &Datei, &Dutzende".
QStringList clashes(const QStringList& texts)
{
    QMap<QChar, QStringList> byKey;
    for (const QString& t : texts) {
        if (const auto key = mnemonicOf(t))
            byKey[*key] << t;
    }
    QStringList found;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        if (it.value().size() > 1)
            found << u"%1: %2"_s.arg(it.key()).arg(it.value().join(u", "_s));
    }
    return found;
}

// The texts whose mnemonics answer in window now: those of the widgets shown.
QStringList shownTexts(QWidget* window)
{
    QStringList texts;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || qobject_cast<QMenu*>(w))
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts << b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            texts << g->title();
        else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
            texts << l->text();
        else if (auto* bar = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < bar->count(); ++i)
                texts << bar->tabText(i);
        } else if (auto* menus = qobject_cast<QMenuBar*>(w)) {
            for (const QAction* a : menus->actions())
                texts << a->text();
        }
    }
    return texts;
}

void verifyNoClash(const QString& where, const QStringList& texts)
{
    const QStringList found = clashes(texts);
    QVERIFY2(found.isEmpty(), qPrintable(where + u": "_s + found.join(u"; "_s)));
}

void verifyMenu(const QString& where, const QMenu* menu)
{
    QStringList texts;
    for (const QAction* a : menu->actions()) {
        texts << a->text();
        if (a->menu())
            verifyMenu(where + u" > "_s + a->text(), a->menu());
    }
    verifyNoClash(where, texts);
}

void useLanguage(const QString& language)
{
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    if (language == u"de"_s)
        QVERIFY(i18n::install(*qApp, QLocale(QLocale::German, QLocale::Germany)));
}

} // namespace

class TestMnemonics : public QObject
{
    Q_OBJECT

private slots:
    void theFinderSeesAClash()
    {
        // The check itself: a clash is found, "&&" is no mnemonic, case is one key.
        QCOMPARE(clashes({u"&Datei"_s, u"&dutzende"_s, u"Z&URÜCK"_s}),
                 QStringList{u"D: &Datei, &dutzende"_s});
        QCOMPARE(clashes({u"A && B"_s, u"&Bank"_s}), QStringList());
        QCOMPARE(clashes({u"&&&Bank"_s, u"&bar"_s}), QStringList{u"B: &&&Bank, &bar"_s});
    }

    void mainWindow_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << u"en"_s;
        QTest::newRow("German") << u"de"_s;
    }
    void mainWindow()
    {
        QFETCH(QString, language);
        useLanguage(language);
        ShellFixture f;
        QCOMPARE(f.start(), Application::Outcome::Running);
        MainWindow* w = f.main();
        for (const QAction* a : w->menuBar()->actions())
            verifyMenu(a->text(), a->menu());
        auto* tabs = w->findChild<QTabWidget*>(u"SSTab1"_s);
        auto* pages = w->findChild<QTabWidget*>(u"tabsStats"_s);
        QVERIFY(tabs && pages);
        // A few spins on each wheel, so that the statistics show their pages
        // and not the empty note, whichever board they follow.
        for (const QString& cell : {u"pbR17"_s, u"pbR8"_s, u"pbR0"_s, u"pbM2"_s, u"pbM5"_s, u"pbM0"_s})
            emit w->findChild<BoardCell*>(cell)->clicked(cell);
        for (int t = 0; t < tabs->count(); ++t) {
            tabs->setCurrentIndex(t);
            const bool statistics = tabs->currentWidget()->isAncestorOf(pages);
            if (statistics)
                QTRY_VERIFY2_WITH_TIMEOUT(
                    pages->isVisibleTo(w),
                    qPrintable(w->findChild<QLabel*>(u"lblStatsEmpty"_s)->text() + w->statusText()), 30000);
            for (int p = 0; p < (statistics ? pages->count() : 1); ++p) {
                pages->setCurrentIndex(p);
                const QString where =
                    statistics ? tabs->tabText(t) + u" > "_s + pages->tabText(p) : tabs->tabText(t);
                verifyNoClash(where, shownTexts(w));
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }

    void dialogs_data() { mainWindow_data(); }

    void dialogs()
    {
        QFETCH(QString, language);
        useLanguage(language);
        PassphraseDialog open(PassphraseDialog::Purpose::Open);
        PassphraseDialog choose(PassphraseDialog::Purpose::Choose);
        RestoreDialog restore({});
        QWidget host;
        KeyboardHelp keys(&host);
        for (QDialog* d : std::initializer_list<QDialog*>{&open, &choose, &restore, &keys}) {
            d->show();
            verifyNoClash(QString::fromLatin1(d->metaObject()->className()) + u' ' + d->windowTitle(),
                          shownTexts(d));
        }
    }
};

QTEST_MAIN(TestMnemonics)
#include "test_mnemonics.moc"
