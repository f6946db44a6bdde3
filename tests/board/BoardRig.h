#pragma once

#include "FakeStatus.h"
#include "TestDb.h"
#include "board/BadgeLabel.h"
#include "board/BoardCell.h"
#include "board/BoardWidget.h"
#include "board/WinRatioLabel.h"
#include "engine/SpinEngine.h"

#include <QComboBox>
#include <QTest>

namespace spinledger::test {

using namespace Qt::StringLiterals;

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

    template <typename T> T* find(const QString& name)
    {
        T* w = board.findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    // A control of this board by its name without the wheel letter: "cb", "BlackRed".
    template <typename T> T* find(const char* kind, const char* rest)
    {
        return find<T>(QLatin1String(kind) + letter() + QLatin1String(rest));
    }

    QString letter() const { return QString(board.wheel().letter()); }
    QComboBox* combo() { return find<QComboBox>("cmb", ""); }
    BoardCell* cell(const QString& suffix) { return find<BoardCell>(u"pb"_s + letter() + suffix); }
    QString picture(const QString& suffix) { return cell(suffix)->picture(); }
    // The stored state of a cell, "OFF", "COIN" or "GREEN".
    QString state(const QString& suffix)
    {
        const QString entry = u"pb"_s + letter() + suffix + u':';
        for (const QString& e : board.cellStates()) {
            if (e.startsWith(entry))
                return e.mid(entry.size());
        }
        return {};
    }
    QStringList coinCells()
    {
        QStringList cells = board.cellStates().filter(u":COIN"_s).replaceInStrings(u":COIN"_s, "");
        cells.sort();
        return cells;
    }
    // A coin label as "text|tool tip|colour".
    QString coin(const QString& suffix)
    {
        const auto* l = find<BadgeLabel>(u"lbl"_s + letter() + suffix);
        return l->text() + u'|' + l->toolTip() + u'|' + colour(l->textColour());
    }
    // A win ratio label as "text|colour".
    QString ratio(const char* category)
    {
        const auto* l = find<WinRatioLabel>("lbl", qPrintable(QLatin1String(category) + u"Win"_s));
        return l->text() + u'|' + colour(l->textColour());
    }
    // A history column top down, "17,,5".
    QString history(const char* column)
    {
        QStringList rows;
        for (int row = 0; row < 14; ++row)
            rows << find<QLabel>(u"tx%1%2_%3"_s.arg(letter(), QLatin1String(column)).arg(row))->text();
        while (!rows.isEmpty() && rows.last().isEmpty())
            rows.removeLast();
        return rows.join(u',');
    }
    QString setting(const char* column)
    {
        const Wheel& w = board.wheel();
        return t.text((u"SELECT "_s + QLatin1String(column) + u" FROM "_s + w.settingsTable()).toStdString())
            .trimmed();
    }
    qint64 spins() { return t.scalar(("SELECT COUNT(*) FROM " + board.wheel().spinTable()).toStdString()); }

    void play(const char* labels)
    {
        for (const QString& l : QString::fromLatin1(labels).split(u' '))
            QTest::mouseClick(cell(l), Qt::LeftButton);
    }
    void click(const char* kind, const char* rest)
    {
        QTest::mouseClick(find<QWidget>(kind, rest), Qt::LeftButton);
    }

    static QString colour(const QColor& c)
    {
        return c == QColor(0, 128, 0) ? u"green"_s : c == QColor(255, 0, 0) ? u"red"_s : c.name();
    }

    TestDb t;
    Casinos casinos{{t.casino, u"Demo Casino"_s}};
    FakeStatus status;
    SpinEngine engine;
    BoardWidget board;
};

} // namespace spinledger::test
