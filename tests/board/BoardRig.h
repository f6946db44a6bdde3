#pragma once

#include "TestDb.h"
#include "board/BadgeLabel.h"
#include "board/BoardCell.h"
#include "board/BoardWidget.h"
#include "board/WinRatioLabel.h"
#include "engine/SpinEngine.h"
#include "ui/StatusSink.h"

#include <QComboBox>
#include <QTest>

namespace spinledger::test {

class FakeStatus : public StatusSink
{
public:
    void setStatus(const QString& text, bool busy) override
    {
        texts << (busy ? text + QStringLiteral(", please Wait ....") : text);
    }
    QString last() const { return texts.isEmpty() ? QString() : texts.last(); }
    QStringList texts;
};

// A board of one wheel on a fresh database, loaded the way the main window
// loads it: cells, stored settings, casino combo, selection.
class BoardRig
{
public:
    explicit BoardRig(const Wheel& wheel) : engine(*t.app, wheel), board(*t.app, engine, wheel, status)
    {
        board.initCells();
        board.loadSettings();
        board.setCasinos(casinos, t.casino);
        board.show();
        status.texts.clear();
    }

    QComboBox* combo() { return find<QComboBox>(board.wheel().casinoSetting()); }

    template <typename T> T* find(const QString& name)
    {
        T* w = board.findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }

    QString letter() const { return QString(board.wheel().letter()); }
    BoardCell* cell(const QString& suffix)
    {
        return find<BoardCell>(QStringLiteral("pb") + letter() + suffix);
    }
    QString picture(const QString& suffix) { return cell(suffix)->picture(); }
    BadgeLabel* coin(const QString& suffix)
    {
        return find<BadgeLabel>(QStringLiteral("lbl") + letter() + suffix);
    }
    WinRatioLabel* ratio(const QString& name)
    {
        return find<WinRatioLabel>(QStringLiteral("lbl") + letter() + name + QStringLiteral("Win"));
    }
    QString history(const QString& column, int row)
    {
        return find<QLabel>(QStringLiteral("tx%1%2_%3").arg(letter(), column).arg(row))->text();
    }

    void play(const QString& label) { QTest::mouseClick(cell(label), Qt::LeftButton); }
    void playAll(const QStringList& labels)
    {
        for (const QString& l : labels)
            play(l);
    }

    TestDb t;
    Casinos casinos{{t.casino, QStringLiteral("Demo Casino")}};
    FakeStatus status;
    SpinEngine engine;
    BoardWidget board;
};

} // namespace spinledger::test
