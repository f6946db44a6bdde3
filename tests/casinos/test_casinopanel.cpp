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
using namespace Qt::StringLiterals;

class TestCasinoPanel : public QObject
{
    Q_OBJECT

private:
    ShellFixture* m_f = nullptr;
    QStringList m_asked;
    bool m_answer = true;

    MainWindow* w() { return m_f->main(); }
    AppContext& app() { return m_f->app->context(); }
    template <typename T = QWidget> T* control(const char* name)
    {
        return w()->findChild<T*>(QString::fromLatin1(name));
    }
    QListWidget* list() { return control<QListWidget>("lstCasino"); }
    QLineEdit* name() { return control<QLineEdit>("txCasino"); }
    QString status() { return w()->statusText(); }
    void press(const char* button) { QTest::mouseClick(control(button), Qt::LeftButton); }
    void type(const QString& text) { name()->setText(text); }
    void clickEntry(int row)
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(list()->item(row)).center());
    }
    static QStringList names(const QAbstractItemModel* model)
    {
        QStringList out;
        for (int i = 0; i < model->rowCount(); ++i)
            out << model->index(i, 0).data().toString();
        return out;
    }
    void expectEverywhere(const QStringList& expected)
    {
        QCOMPARE(names(list()->model()), expected);
        QCOMPARE(names(control<QComboBox>("cmbR")->model()), expected);
        QCOMPARE(names(control<QComboBox>("cmbM")->model()), expected);
        QVERIFY(w()->isEnabled());
    }
    // Each wheel's shown and current casino.
    QList<qint64> shown()
    {
        return {control<QComboBox>("cmbR")->currentData().toLongLong(),
                control<QComboBox>("cmbM")->currentData().toLongLong(), app().currentCmbR, app().currentCmbM};
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
            m_asked << title << text << (w()->isEnabled() ? u"enabled"_s : u"locked"_s);
            return m_answer;
        });
        control<QTabWidget>("SSTab1")->setCurrentIndex(2);
    }

    void cleanup()
    {
        delete m_f;
        m_f = nullptr;
    }

    void addCleansTheNameAndKeepsEachWheelsCasino()
    {
        const qint64 demo = app().currentCmbR;
        type(u"  O'Hara's "_s);
        press("btnCasinoAdd");
        QCOMPARE(status(), u"Idle"_s);
        QVERIFY(name()->text().isEmpty());
        expectEverywhere({u"Demo Casino"_s, u"OHaras"_s});
        QCOMPARE(shown(), (QList<qint64>{demo, demo, demo, demo}));
        type(u" ' '' "_s);
        press("btnCasinoAdd");
        QCOMPARE(status(), u"Casino name required."_s);
        QVERIFY(name()->text().isEmpty());
        type(QString(101, u'x')); // the store's test counts what the player sees
        press("btnCasinoAdd");
        QCOMPARE(status(), u"Casino name too long. Max 100 chars allowed."_s);
        QCOMPARE(m_f->rows("ka_app_casino"), 2);
    }

    void renameKeepsTheCasino()
    {
        const qint64 second = add(u"Second"_s);
        type(u"Typed"_s);
        press("btnCasinoUpdate");
        QCOMPARE(status(), u"Please select a Casino from the list."_s);
        QCOMPARE(name()->text(), u"Typed"_s);
        clickEntry(1);
        QCOMPARE(name()->text(), u"Second"_s);
        type(u"Bellagio"_s);
        press("btnCasinoUpdate");
        QCOMPARE(status(), u"Idle"_s);
        QVERIFY(name()->text().isEmpty());
        expectEverywhere({u"Demo Casino"_s, u"Bellagio"_s});
        QCOMPARE(control<QComboBox>("cmbM")->itemData(1).toLongLong(), second);
        clickEntry(1);
        type(u"''"_s);
        press("btnCasinoUpdate");
        QCOMPARE(status(), u"Please select a Casino from the list."_s);
        QVERIFY(name()->text().isEmpty());
        QCOMPARE(names(list()->model()).value(1), u"Bellagio"_s);
    }

    // The store's test names every table the history leaves.
    void deletingTheCurrentCasinoMovesTheWheels()
    {
        const qint64 second = add(u"Second"_s);
        m_answer = false;
        clickEntry(0);
        press("btnCasinoDelete");
        QCOMPARE(m_asked,
                 (QStringList{u"Confirm Delete"_s,
                              QStringLiteral("Are you sure you want to delete \"Demo Casino\"? All data "
                                             "associated with this casino will be deleted.\r\n\r\nContinue?"),
                              u"enabled"_s}));
        QCOMPARE(list()->count(), 2);
        m_answer = true;
        press("btnCasinoDelete");
        QCOMPARE(status(), u"Idle"_s);
        expectEverywhere({u"Second"_s});
        QCOMPARE(shown(), (QList<qint64>{second, second, second, second}));
        clickEntry(0);
        press("btnCasinoDelete");
        expectEverywhere({});
    }

    void deleteWithoutSelectionAsksThenRefuses()
    {
        list()->clearSelection();
        press("btnCasinoDelete");
        QVERIFY(m_asked.value(1).startsWith(u"Are you sure you want to delete \"\"?"_s));
        QCOMPARE(status(), u"Please select a Casino from the list."_s);
        QCOMPARE(list()->count(), 1);
    }

    // Each action is one transaction with the adoption of casinos without an
    // owner and each wheel's current casino: a failure at its last write
    // leaves everything as it was.
    void aFailedActionChangesNothing_data()
    {
        QTest::addColumn<QString>("button");
        for (const char* button : {"btnCasinoAdd", "btnCasinoUpdate", "btnCasinoDelete"})
            QTest::newRow(button) << button;
    }

    void aFailedActionChangesNothing()
    {
        QFETCH(QString, button);
        add(u"Second"_s);
        app().db().exec("INSERT INTO ka_app_casino (ka_app_casino_name) VALUES ('Unowned')");
        app().db().exec("INSERT INTO ka_app_m (cmbM) SELECT MAX(ka_app_casino_id) - 1 FROM ka_app_casino");
        app().db().exec(
            "CREATE TRIGGER full BEFORE UPDATE ON ka_app_m_setting BEGIN SELECT RAISE(ABORT, 'full'); END");
        auto state = [this] {
            Statement q =
                app().db().prepare("SELECT (SELECT group_concat(ka_app_casino_id || ka_app_casino_name || "
                                   "IFNULL(ka_app_setting_id, '-')) FROM ka_app_casino), "
                                   "(SELECT cmbR FROM ka_app_r_setting), (SELECT COUNT(*) FROM ka_app_m)");
            q.next();
            return q.text(0) + u'|' + q.text(1) + u'|' + q.text(2);
        };
        const QString before = state();
        clickEntry(1);
        type(u"Third"_s);
        QTest::mouseClick(w()->findChild<QPushButton*>(button), Qt::LeftButton);
        QVERIFY2(status().startsWith(u"Unable to continue! Error Code:"_s), qPrintable(status()));
        QCOMPARE(state(), before);
        expectEverywhere({u"Demo Casino"_s, u"Second"_s});
    }
};

QTEST_MAIN(TestCasinoPanel)
#include "test_casinopanel.moc"
