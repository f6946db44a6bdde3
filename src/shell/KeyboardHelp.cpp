#include "shell/KeyboardHelp.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace spinledger {

QList<std::pair<QString, QString>> KeyboardHelp::keys()
{
    return {
        {tr("0 – 36, 00"), tr("Type the pocket that came; a number no other pocket begins with is "
                              "recorded at once")},
        {tr("Enter"), tr("Record the typed pocket; in Amount: keep the amount and type pockets again")},
        {tr("Backspace / Esc"), tr("Take back the last typed digit / clear what was typed")},
        {tr("Ctrl+Z, Alt+U"), tr("Undo the last spin")},
        {tr("Alt+R"), tr("Reset: stake the advice anew at the amount")},
        {tr("Alt+A"), tr("Amount: the base stake")},
        {tr("Alt+C"), tr("Casino of the board")},
        {tr("Alt+0"), tr("00: switch the 00 pocket on or off (then Space)")},
        {tr("Alt+N, B, E, L, D, 2"),
         tr("Play box of Numbers, Black/Red, Even/Odd, Low/High, Dozens, 2TO1 (then Space)")},
        {tr("Alt+W"), tr("New session: count spins and money from here on")},
        {tr("F7"), tr("Spins since last hit: show or hide the gaps on the cells")},
        {tr("Tab / Shift+Tab"), tr("Next / previous control")},
        {tr("Space"), tr("Tick the check box or press the button that has the focus")},
        {tr("Ctrl+1 – Ctrl+4"), tr("Show the Roulette, Miniroulette, Settings or Statistics tab")},
        {tr("Alt+F, Alt+V, Alt+H"), tr("File, View and Help menus")},
    };
}

KeyboardHelp::KeyboardHelp(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgKeys"));
    setWindowTitle(tr("Keyboard shortcuts"));
    QString rows;
    for (const auto& [key, what] : keys())
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(key.toHtmlEscaped(), what.toHtmlEscaped());
    auto* table = new QLabel(QStringLiteral("<table cellspacing=\"6\">%1</table>").arg(rows), this);
    table->setObjectName(QStringLiteral("lblKeys"));
    table->setTextFormat(Qt::RichText);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(table);
    column->addWidget(close);
}

} // namespace spinledger
