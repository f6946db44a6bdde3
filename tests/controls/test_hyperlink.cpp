#include "controls/hyperlink/Hyperlink.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace spinledger;

namespace {

const QColor DefaultBlue(50, 100, 200);
const QColor Red(255, 0, 0);

// The window that hosts the link; it notes the keys that reach it.
class Container : public QWidget
{
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys << event->key(); }
};

} // namespace

class TestHyperlink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void instanceNameUntilCaptionIsSet();
    void followingRaisesPrepareJumpThenJump();
    void lostFocusBeforeJumpOnRequest();
    void keysFollowTheLink_data();
    void keysFollowTheLink();
    void arrowKeysReachContainer();
    void clickKeepsFocusWhereItWas();
    void hoverOnlyInActiveWindow();
    void usedColourAfterFollowing();
    void hoverDisabledKeepsLook();
    void cursorAndSize();
    void disabledLinkIgnoresClicks();

private:
    QColor textColour() const { return label()->palette().color(QPalette::WindowText); }
    QLabel* label() const { return m_link->findChild<QLabel*>("LabelHyperlink"); }
    QPoint overLabel() const { return label()->mapToGlobal(label()->rect().center()); }
    void activate(QWidget* window);
    void focusLinkByTab();

    std::unique_ptr<Container> m_host;
    QLineEdit* m_edit = nullptr;
    Hyperlink* m_link = nullptr;
    QPoint m_cursor;
    QStringList m_events;
};

void TestHyperlink::init()
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
    m_cursor = QPoint(-100, -100);
    m_link->setCursorSource([this] { return m_cursor; });
    m_events.clear();
    connect(m_link, &Hyperlink::PrepareJump, this,
            [this](bool& ensure) { m_events << QStringLiteral("PrepareJump(%1)").arg(ensure); });
    connect(m_link, &Hyperlink::Jump, this, [this] { m_events << "Jump"; });
    m_host->show();
    activate(m_host.get());
}

void TestHyperlink::cleanup()
{
    m_host.reset();
}

void TestHyperlink::activate(QWidget* window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestHyperlink::focusLinkByTab()
{
    m_edit->setFocus();
    QTest::keyClick(m_edit, Qt::Key_Tab);
    QVERIFY(m_link->hasFocus());
}

void TestHyperlink::instanceNameUntilCaptionIsSet()
{
    Hyperlink fresh(m_host.get());
    fresh.setObjectName("Hyperlink2");
    QCOMPARE(fresh.findChild<QLabel*>("LabelHyperlink")->text(), QStringLiteral("Hyperlink2"));
    QCOMPARE(fresh.property("Caption").toString(), QString());
    fresh.setProperty("Caption", "Spinledger Software");
    QCOMPARE(fresh.findChild<QLabel*>("LabelHyperlink")->text(), QStringLiteral("Spinledger Software"));
}

void TestHyperlink::followingRaisesPrepareJumpThenJump()
{
    QTest::mouseClick(label(), Qt::LeftButton);
    QCOMPARE(m_events, QStringList({"PrepareJump(0)", "Jump"}));
    // A release outside the label does not follow.
    QTest::mousePress(label(), Qt::LeftButton);
    QTest::mouseRelease(label(), Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(m_events.size(), 2);
}

void TestHyperlink::lostFocusBeforeJumpOnRequest()
{
    focusLinkByTab();
    m_link->poll();
    QVERIFY(m_link->isFocusRectShown());
    connect(m_link, &Hyperlink::PrepareJump, this, [](bool& ensure) { ensure = true; });
    bool rectAtJump = true;
    connect(m_link, &Hyperlink::Jump, this, [&] { rectAtJump = m_link->isFocusRectShown(); });
    QTest::keyClick(m_link, Qt::Key_Space);
    QVERIFY(!rectAtJump);
}

void TestHyperlink::keysFollowTheLink_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestHyperlink::keysFollowTheLink()
{
    QFETCH(int, key);
    focusLinkByTab();
    QTest::keyClick(m_link, Qt::Key(key));
    QCOMPARE(m_events, QStringList({"PrepareJump(0)", "Jump"}));
    m_link->poll();
    // Followed by key: the focus rectangle stays wanted.
    QVERIFY(m_link->isFocusRectShown());
    QVERIFY(m_link->hasFocus());
}

void TestHyperlink::arrowKeysReachContainer()
{
    focusLinkByTab();
    for (const auto key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down})
        QTest::keyClick(m_link, key);
    QTest::keyClick(m_link, Qt::Key_A);
    QCoreApplication::processEvents();
    // The arrows arrive once each, posted; an unhandled key goes up at once as any ignored key.
    QCOMPARE(m_host->keys, QList<int>({Qt::Key_A, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}));
    QVERIFY(m_events.isEmpty());
    QVERIFY(m_link->hasFocus());
}

void TestHyperlink::clickKeepsFocusWhereItWas()
{
    m_edit->setFocus();
    QTest::mouseClick(label(), Qt::LeftButton);
    m_link->poll();
    QCOMPARE(m_events, QStringList({"PrepareJump(0)", "Jump"}));
    QVERIFY(m_edit->hasFocus());
    QVERIFY(!m_link->isFocusRectShown());
}

void TestHyperlink::hoverOnlyInActiveWindow()
{
    m_cursor = overLabel();
    m_link->poll();
    QCOMPARE(textColour(), Red);
    m_cursor = QPoint(-100, -100);
    m_link->poll();
    QCOMPARE(textColour(), DefaultBlue);

    QWidget other;
    other.show();
    activate(&other);
    m_cursor = overLabel();
    m_link->poll();
    QCOMPARE(textColour(), DefaultBlue);
    activate(m_host.get());
    m_link->poll();
    QCOMPARE(textColour(), Red);
}

void TestHyperlink::usedColourAfterFollowing()
{
    // With the default colours the used look is the normal look.
    QTest::mouseClick(label(), Qt::LeftButton);
    m_link->poll();
    m_link->poll();
    QVERIFY(m_link->isUsed());
    QCOMPARE(textColour(), DefaultBlue);

    const QColor green(0, 128, 0);
    m_link->setColorUsed(green);
    m_link->poll();
    QCOMPARE(textColour(), green);
    m_cursor = overLabel();
    m_link->poll();
    QCOMPARE(textColour(), Red);
    m_cursor = QPoint(-100, -100);
    m_link->poll();
    QCOMPARE(textColour(), green);
}

void TestHyperlink::hoverDisabledKeepsLook()
{
    QFont bold = m_host->font();
    bold.setBold(true);
    m_link->setFontHover(bold);
    m_link->setHoverEnabled(false);
    m_cursor = overLabel();
    m_link->poll();
    QCOMPARE(textColour(), DefaultBlue);
    QVERIFY(!label()->font().bold());

    focusLinkByTab();
    QTest::keyClick(m_link, Qt::Key_Return);
    m_link->poll();
    QCOMPARE(m_events, QStringList({"PrepareJump(0)", "Jump"}));
    QVERIFY(m_link->isFocusRectShown());
    QCOMPARE(label()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(textColour(), DefaultBlue);

    m_link->setHoverEnabled(true);
    m_link->poll();
    QCOMPARE(textColour(), Red);
    QVERIFY(label()->font().bold());
}

void TestHyperlink::cursorAndSize()
{
    QCOMPARE(label()->cursor().shape(), Qt::PointingHandCursor);
    m_link->setCursorUse(false);
    QCOMPARE(label()->cursor().shape(), Qt::ArrowCursor);
    // AutoSize: the text's size and one pixel around it for the focus rectangle.
    QCOMPARE(m_link->size(), label()->size() + QSize(2, 2));
    QCOMPARE(label()->pos(), QPoint(1, 1));
    m_link->setCaption("A much longer company name");
    QCOMPARE(m_link->size(), label()->sizeHint() + QSize(2, 2));

    if (qEnvironmentVariableIsSet("SPINLEDGER_GRAB")) {
        const QString folder = qEnvironmentVariable("SPINLEDGER_GRAB");
        focusLinkByTab();
        m_link->poll();
        m_host->grab().save(folder + "/hyperlink_normal_focus.png");
        m_cursor = overLabel();
        m_link->poll();
        m_host->grab().save(folder + "/hyperlink_hover.png");
    }
}

void TestHyperlink::disabledLinkIgnoresClicks()
{
    m_cursor = overLabel();
    m_link->poll();
    QCOMPARE(textColour(), Red);
    m_link->setProperty("Enabled", false);
    QCOMPARE(textColour(), DefaultBlue);
    QTest::mouseClick(label(), Qt::LeftButton);
    m_link->poll();
    QVERIFY(m_events.isEmpty());
    QCOMPARE(textColour(), DefaultBlue);
    m_link->setProperty("Enabled", true);
    QCOMPARE(textColour(), Red);
}

QTEST_MAIN(TestHyperlink)
#include "test_hyperlink.moc"
