#pragma once

#include <QDialog>

namespace spinledger {

// Help → "Keyboard shortcuts": every key of the window in one table, shown
// beside the window so the player can keep it open while trying the keys.
// objectName "dlgKeys", its table "lblKeys".
class KeyboardHelp : public QDialog
{
    Q_OBJECT
public:
    explicit KeyboardHelp(QWidget* parent);

    // The keys and what they do, in the order the table lists them.
    static QList<std::pair<QString, QString>> keys();
};

} // namespace spinledger
