#include "../shell/ShellFixture.h"

#include "casinos/CasinoPanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace spinledger;
using spinledger::test::ShellFixture;

class TestCasinoPanel : public QObject
{
    Q_OBJECT

private:
    ShellFixture* m_f = nullptr;
    QStringList m_asked;
    bool m_answer = true;

    MainWindow* w() { return m_f->main(); }
    AppContext& app() { return m_f->app->context(); }
    QListWidget* list() { return w()->findChild<QListWidget*>(QStringLiteral("lstCasino")); }
    QLineEdit* name() { return w()->findChild<QLineEdit*>(QStringLiteral("txCasino")); }
    QComboBox* combo(const char* n) { return w()->findChild<QComboBox*>(QString::fromLatin1(n)); }
    QString status() { return w()->statusText(); }

    void press(const char* button)
    {
        QTest::mouseClick(w()->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }

    void type(const QString& text) { name()->setText(text); }

    void clickEntry(int row)
    {
        QListWidgetItem* item = list()->item(row);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(item).center());
    }

    QStringList entries(const QComboBox* c)
    {
        QStringList out;
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    }

    QStringList entries()
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out;
    }

    void expectEverywhere(const QStringList& names)
    {
        QCOMPARE(entries(), names);
        QCOMPARE(entries(combo("cmbR")), names);
        QCOMPARE(entries(combo("cmbM")), names);
        QVERIFY(w()->isEnabled());
    }

    qint64 count(const std::string& sql)
    {
        Statement q = app().db().prepare(sql);
        return q.next() ? q.integer(0) : -1;
    }

    qint64 add(const QString& n)
    {
        type(n);
        press("btnCasinoAdd");
        return list()->item(list()->count() - 1)->data(Qt::UserRole).toLongLong();
    }

private slots:
    void init()
    {
        m_f = new ShellFixture;
        QCOMPARE(m_f->start(), Application::Outcome::Running);
        m_asked.clear();
        m_answer = true;
        w()->casinoPanel()->setConfirm([this](const QString& title, const QString& text) {
            // The question must stay answerable: the window is not locked yet.
            m_asked << title << text
                    << (w()->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("locked"));
            return m_answer;
        });
        w()->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(2);
    }

    void cleanup()
    {
        delete m_f;
        m_f = nullptr;
    }

    void addCleansAndChecksTheName()
    {
        const qint64 demo = app().currentCmbR;
        type(QStringLiteral("  O'Hara's "));
        press("btnCasinoAdd");
        QCOMPARE(status(), QStringLiteral("Idle"));
        QVERIFY(name()->text().isEmpty());
        expectEverywhere({QStringLiteral("Demo Casino"), QStringLiteral("OHaras")});
        // Each wheel keeps its casino.
        QCOMPARE(combo("cmbR")->currentData().toLongLong(), demo);
        QCOMPARE(combo("cmbM")->currentData().toLongLong(), demo);
        QCOMPARE(app().currentCmbR, demo);

        type(QStringLiteral(" ' '' "));
        press("btnCasinoAdd");
        QCOMPARE(status(), QStringLiteral("Casino name required."));
        QVERIFY(name()->text().isEmpty());

        type(QString(101, u'x'));
        press("btnCasinoAdd");
        QCOMPARE(status(), QStringLiteral("Casino name too long. Max 100 chars allowed."));
        QCOMPARE(count("SELECT COUNT(*) FROM ka_app_casino"), 2);

        type(QString(100, u'x') + QStringLiteral("'"));
        press("btnCasinoAdd");
        QCOMPARE(status(), QStringLiteral("Idle"));
        QCOMPARE(list()->count(), 3);
        QCOMPARE(count("SELECT MAX(LENGTH(ka_app_casino_name)) FROM ka_app_casino"), 100);
    }

    void renameKeepsTheCasino()
    {
        const qint64 second = add(QStringLiteral("Second"));
        type(QStringLiteral("Typed"));
        press("btnCasinoUpdate");
        QCOMPARE(status(), QStringLiteral("Please select a Casino from the list."));
        QCOMPARE(name()->text(), QStringLiteral("Typed"));

        clickEntry(1);
        QCOMPARE(name()->text(), QStringLiteral("Second"));
        type(QStringLiteral("Bellagio"));
        press("btnCasinoUpdate");
        QCOMPARE(status(), QStringLiteral("Idle"));
        QVERIFY(name()->text().isEmpty());
        expectEverywhere({QStringLiteral("Demo Casino"), QStringLiteral("Bellagio")});
        QCOMPARE(combo("cmbM")->itemData(1).toLongLong(), second);
        QCOMPARE(count("SELECT COUNT(*) FROM ka_app_casino WHERE ka_app_casino_name = 'Bellagio' AND "
                       "ka_app_casino_id = " +
                       std::to_string(second)),
                 1);

        clickEntry(1);
        type(QStringLiteral("''"));
        press("btnCasinoUpdate");
        QCOMPARE(status(), QStringLiteral("Please select a Casino from the list."));
        QVERIFY(name()->text().isEmpty());
        QCOMPARE(entries().value(1), QStringLiteral("Bellagio"));
    }

    void deletingTheCurrentCasinoMovesTheWheelsAndTakesItsHistory()
    {
        const qint64 demo = app().currentCmbR;
        w()->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(0);
        QTest::mouseClick(w()->findChild<QWidget*>(QStringLiteral("pbR17")), Qt::LeftButton);
        QTest::mouseClick(w()->findChild<QWidget*>(QStringLiteral("pbR5")), Qt::LeftButton);
        QCOMPARE(count("SELECT COUNT(*) FROM ka_app_r WHERE cmbR = " + std::to_string(demo)), 2);
        app()
            .db()
            .prepare("INSERT INTO ka_app_m (ka_app_setting_id, cmbM) VALUES (?1, ?2)")
            .bind(1, app().settingId)
            .bind(2, demo)
            .run();
        const qint64 second = add(QStringLiteral("Second"));

        m_answer = false;
        clickEntry(0);
        press("btnCasinoDelete");
        QCOMPARE(m_asked,
                 (QStringList{QStringLiteral("Confirm Delete"),
                              QStringLiteral("Are you sure you want to delete \"Demo Casino\"? All data "
                                             "associated with this casino will be deleted.\r\n\r\nContinue?"),
                              QStringLiteral("enabled")}));
        QCOMPARE(list()->count(), 2);

        m_answer = true;
        press("btnCasinoDelete");
        QCOMPARE(status(), QStringLiteral("Idle"));
        expectEverywhere({QStringLiteral("Second")});
        QCOMPARE(app().currentCmbR, second);
        QCOMPARE(app().currentCmbM, second);
        QCOMPARE(combo("cmbR")->currentData().toLongLong(), second);
        QCOMPARE(combo("cmbM")->currentData().toLongLong(), second);
        QCOMPARE(count("SELECT cmbR FROM ka_app_r_setting"), second);
        for (const char* table :
             {"ka_app_r", "ka_app_r_advise", "ka_app_r_count", "ka_app_r_win", "ka_app_r_tally"})
            QCOMPARE(
                count(std::string("SELECT COUNT(*) FROM ") + table + " WHERE cmbR = " + std::to_string(demo)),
                0);
        QCOMPARE(count("SELECT COUNT(*) FROM ka_app_m WHERE cmbM = " + std::to_string(demo)), 0);
    }

    void deleteWithoutSelectionAsksThenRefuses()
    {
        list()->clearSelection();
        press("btnCasinoDelete");
        QCOMPARE(m_asked.value(1), CasinoPanel::deleteQuestion(QString()));
        QVERIFY(m_asked.value(1).startsWith(QStringLiteral("Are you sure you want to delete \"\"?")));
        QCOMPARE(status(), QStringLiteral("Please select a Casino from the list."));
        QCOMPARE(list()->count(), 1);
    }

    // Each action is one transaction with the adoption of casinos without an
    // owner and each wheel's current casino: a failure at its last write
    // leaves everything as it was.
    void aFailedActionChangesNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("add") << "btnCasinoAdd";
        QTest::newRow("rename") << "btnCasinoUpdate";
        QTest::newRow("delete") << "btnCasinoDelete";
    }

    void aFailedActionChangesNothing()
    {
        QFETCH(QString, button);
        add(QStringLiteral("Second"));
        app().db().exec("INSERT INTO ka_app_casino (ka_app_casino_name) VALUES ('Unowned')");
        app().db().exec("INSERT INTO ka_app_m (cmbM) SELECT MAX(ka_app_casino_id) - 1 FROM ka_app_casino");
        app().db().exec("CREATE TRIGGER full BEFORE UPDATE ON ka_app_m_setting BEGIN SELECT RAISE(ABORT, "
                        "'disk full'); END");
        auto state = [this] {
            Statement q = app().db().prepare(
                "SELECT (SELECT group_concat(ka_app_casino_id || ka_app_casino_name || "
                "IFNULL(ka_app_setting_id, '-')) "
                "FROM ka_app_casino), (SELECT cmbR FROM ka_app_r_setting), (SELECT COUNT(*) FROM ka_app_m)");
            q.next();
            return q.text(0) + u'|' + q.text(1) + u'|' + q.text(2);
        };
        const QString before = state();
        clickEntry(1);
        type(QStringLiteral("Third"));
        QTest::mouseClick(w()->findChild<QPushButton*>(button), Qt::LeftButton);
        QVERIFY2(status().startsWith(QStringLiteral("Unable to continue! Error Code:")),
                 qPrintable(status()));
        QCOMPARE(state(), before);
        expectEverywhere({QStringLiteral("Demo Casino"), QStringLiteral("Second")});
    }

    // At most 100 characters as the player sees them.
    void nameLengthCountsWhatTheUserSees_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        const QString smile = QString::fromUtf8("\U0001F600");
        const QString flag = QString::fromUtf8("\U0001F1E9\U0001F1EA");
        QTest::newRow("100 letters") << QString(100, u'x') << true;
        QTest::newRow("101 letters") << QString(101, u'x') << false;
        QTest::newRow("51 emoji") << smile.repeated(51) << true;
        QTest::newRow("100 emoji") << smile.repeated(100) << true;
        QTest::newRow("101 emoji") << smile.repeated(101) << false;
        QTest::newRow("100 flags") << flag.repeated(100) << true;
        QTest::newRow("100 accented") << QStringLiteral("e\u0301").repeated(100) << true;
        QTest::newRow("101 accented") << QStringLiteral("e\u0301").repeated(101) << false;
    }

    void nameLengthCountsWhatTheUserSees()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        type(name);
        press("btnCasinoAdd");
        QCOMPARE(status(), accepted ? QStringLiteral("Idle")
                                    : QStringLiteral("Casino name too long. Max 100 chars allowed."));
        QCOMPARE(entries().contains(name), accepted);
    }

    void deletingTheLastCasinoEmptiesEverything()
    {
        const qint64 demo = app().currentCmbR;
        clickEntry(0);
        press("btnCasinoDelete");
        QCOMPARE(status(), QStringLiteral("Idle"));
        expectEverywhere({});
        QCOMPARE(count("SELECT COUNT(*) FROM ka_app_casino"), 0);
        // The settings keep the id until the next start makes a new casino.
        QCOMPARE(count("SELECT cmbM FROM ka_app_m_setting"), demo);
    }
};

QTEST_MAIN(TestCasinoPanel)
#include "test_casinopanel.moc"
