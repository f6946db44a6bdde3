#include "controls/hyperlink/DesktopUrlOpener.h"
#include "controls/hyperlink/Hyperlink.h"
#include "ui/StatusSink.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace spinledger;
using namespace Qt::StringLiterals;

namespace {

const QColor DefaultBlue(50, 100, 200);
const QColor Red(255, 0, 0);
const QColor Green(0, 128, 0);

// The window that hosts the link; it notes the keys that reach it.
class Container : public QWidget
{
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys << event->key(); }
};

// Stands in for the desktop: notes every address handed to it.
class Desktop : public QObject, public StatusSink
{
    Q_OBJECT
public:
    QList<QUrl> opened;
    QStringList statuses;
    void setStatus(const QString& text, bool) override { statuses << text; }

public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class TestHyperlink : public QObject
{
    Q_OBJECT

    std::unique_ptr<Container> m_host;
    QLineEdit* m_edit = nullptr;
    Hyperlink* m_link = nullptr;
    QStringList m_events;

    QLabel* label() const { return m_link->findChild<QLabel*>("LabelHyperlink"); }
    void hover() { QTest::mouseMove(label()); }
    void leave() { QTest::mouseMove(m_host.get(), QPoint(290, 110)); }
    [[nodiscard]] static bool activate(QWidget* window)
    {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }
    void focusLinkByTab()
    {
        m_edit->setFocus();
        QTest::keyClick(m_edit, Qt::Key_Tab);
        QVERIFY(m_link->hasFocus());
    }

private slots:
    void init()
    {
        m_host = std::make_unique<Container>();
        m_host->resize(300, 120);
        m_edit = new QLineEdit(m_host.get());
        m_edit->move(10, 10);
        m_link = new Hyperlink(m_host.get());
        m_link->setObjectName("Hyperlink1");
        m_link->setCaption("Spinledger Software");
        m_link->setAutoSize(true);
        m_link->move(10, 60);
        m_events.clear();
        connect(m_link, &Hyperlink::PrepareJump, this,
                [this](bool& ensure) { m_events << QStringLiteral("PrepareJump(%1)").arg(ensure); });
        connect(m_link, &Hyperlink::Jump, this, [this] { m_events << "Jump"; });
        m_host->show();
        QVERIFY(activate(m_host.get()));
        leave();
    }

    void cleanup() { m_host.reset(); }

    // A click follows the link and leaves the keyboard focus where it was.
    void clickFollowsKeepingFocus()
    {
        m_edit->setFocus();
        QTest::mouseClick(label(), Qt::LeftButton);
        QCOMPARE(m_events, QStringList({"PrepareJump(0)", "Jump"}));
        QVERIFY(m_edit->hasFocus() && !m_link->isFocusRectShown());
        // A release outside the label does not follow.
        QTest::mousePress(label(), Qt::LeftButton);
        QTest::mouseRelease(label(), Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(m_events.size(), 2);
    }

    // Held keys follow once; a handler that asks for it sees the focus rectangle gone.
    void keysFollowTheLinkOncePerPress_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ensure");
        QTest::newRow("Space") << int(Qt::Key_Space) << false;
        QTest::newRow("Enter") << int(Qt::Key_Return) << false;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << false;
        QTest::newRow("Space, focus lost on request") << int(Qt::Key_Space) << true;
    }
    void keysFollowTheLinkOncePerPress()
    {
        QFETCH(int, key);
        QFETCH(bool, ensure);
        focusLinkByTab();
        QVERIFY(m_link->isFocusRectShown());
        connect(m_link, &Hyperlink::PrepareJump, this, [ensure](bool& e) { e = ensure; });
        bool rectAtJump = false;
        connect(m_link, &Hyperlink::Jump, this, [&] { rectAtJump = m_link->isFocusRectShown(); });
        // The key is held: the first press and nine repeats.
        for (int press = 0; press < 10; ++press) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(), press > 0);
            QApplication::sendEvent(m_link, &event);
        }
        QTest::keyRelease(m_link, Qt::Key(key));
        QCOMPARE(m_events, QStringList({"PrepareJump(0)", "Jump"}));
        // Followed by key: the focus rectangle stays wanted unless the handler asked otherwise.
        QCOMPARE(rectAtJump, !ensure);
        QVERIFY(m_link->hasFocus());
    }

    void arrowKeysReachContainer()
    {
        focusLinkByTab();
        for (const auto key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down})
            QTest::keyClick(m_link, key);
        QTest::keyClick(m_link, Qt::Key_A);
        QCoreApplication::processEvents();
        // The arrows arrive once each, posted; an unhandled key goes up at once as any ignored key.
        QCOMPARE(m_host->keys,
                 QList<int>({Qt::Key_A, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}));
        QVERIFY(m_events.isEmpty() && m_link->hasFocus());
    }

    // The look after each step, with no time passing: "other" activates another
    // window, "back" this one again; "used" makes the used colour green; the
    // hover font is bold ("*").
    void look_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("jumps");
        QTest::newRow("hover") << "hover=red* leave=blue" << 0;
        QTest::newRow("inactive window") << "other hover=blue back=red*" << 0;
        QTest::newRow("disabled") << "hover disable=blue click enable=red*" << 0;
        QTest::newRow("used") << "hover click leave=blue used=green hover=red* leave=green" << 1;
        QTest::newRow("hover switched off") << "hoveroff hover=blue hoveron=red*" << 0;
    }
    void look()
    {
        QFETCH(QString, steps);
        QFETCH(int, jumps);
        QFont bold = m_host->font();
        bold.setBold(true);
        m_link->setFontHover(bold);
        QWidget other;
        for (const QString& step : steps.split(u' ')) {
            const QString action = step.section(u'=', 0, 0);
            if (action == u"hover")
                hover();
            else if (action == u"leave")
                leave();
            else if (action == u"click")
                QTest::mouseClick(label(), Qt::LeftButton);
            else if (action == u"other" || action == u"back")
                QVERIFY(activate(action == u"back" ? m_host.get() : (other.show(), &other)));
            else if (action == u"disable" || action == u"enable")
                m_link->setProperty("Enabled", action == u"enable");
            else if (action == u"hoveroff" || action == u"hoveron")
                m_link->setHoverEnabled(action == u"hoveron");
            else if (action == u"used")
                m_link->setColorUsed(Green);
            const QColor c = label()->palette().color(QPalette::WindowText);
            const QString shown = (c == Red           ? u"red"_s
                                   : c == Green       ? u"green"_s
                                   : c == DefaultBlue ? u"blue"_s
                                                      : c.name()) +
                                  (label()->font().bold() ? u"*"_s : QString());
            if (step.contains(u'='))
                QCOMPARE(action + u'=' + shown, step);
        }
        QCOMPARE(m_events.size(), 2 * jumps);
    }

    void captionCursorAndSize()
    {
        Hyperlink fresh(m_host.get());
        fresh.setObjectName("Hyperlink2");
        QCOMPARE(fresh.findChild<QLabel*>("LabelHyperlink")->text(), QStringLiteral("Hyperlink2"));
        QCOMPARE(fresh.property("Caption").toString(), QString());

        QCOMPARE(label()->cursor().shape(), Qt::PointingHandCursor);
        m_link->setCursorUse(false);
        QCOMPARE(label()->cursor().shape(), Qt::ArrowCursor);
        // AutoSize: the text's size and one pixel around it for the focus rectangle.
        QCOMPARE(m_link->size(), label()->size() + QSize(2, 2));
        QCOMPARE(label()->pos(), QPoint(1, 1));
        m_link->setCaption("A much longer company name");
        QCOMPARE(m_link->size(), label()->sizeHint() + QSize(2, 2));
    }

    void desktopOpensWebAndMailOnly_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("opened");
        for (const char* url :
             {"https://www.spinledger.example/", "HTTP://www.spinledger.example/a", "mailto:a@b.example"})
            QTest::newRow(url) << url << true;
        for (const char* url : {"file:///etc/passwd", "javascript:alert(1)", "data:text/html,<b>x</b>",
                                "smb://server/share/setup.exe", "relative/setup.exe"})
            QTest::newRow(url) << url << false;
    }
    void desktopOpensWebAndMailOnly()
    {
        QFETCH(QString, url);
        QFETCH(bool, opened);
        Desktop desktop;
        QDesktopServices::setUrlHandler(QUrl(url).scheme(), &desktop, "open");
        const bool answered = DesktopUrlOpener(&desktop).openUrl(QUrl(url));
        QDesktopServices::unsetUrlHandler(QUrl(url).scheme());
        QCOMPARE(answered, opened);
        QCOMPARE(desktop.opened, opened ? QList<QUrl>{QUrl(url)} : QList<QUrl>{});
        QCOMPARE(desktop.statuses.size(), opened ? 0 : 1);
        QVERIFY(opened || desktop.statuses.first().startsWith("Not opened"));
    }
};

QTEST_MAIN(TestHyperlink)
#include "test_hyperlink.moc"
