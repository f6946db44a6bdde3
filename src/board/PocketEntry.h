#pragma once

#include "board/BoardFrame.h"

#include <functional>

class QLineEdit;

namespace spinledger {

class StatusSink;
class Wheel;

// The keyboard way to enter a spin. Digits typed while the board's tab is
// shown collect in the field of this frame, wherever the focus is, except in
// a text box or a combo box (the amount, the casino). A number that no other
// pocket begins with is recorded at once ("4"; on the mini wheel "2" to "9"
// and "12"), any other with Enter; Backspace edits, Esc clears. A number that
// is no pocket, or 00 while it is switched off, shows a message and records
// nothing. Recording goes the way of a click on the pocket's cell.
// objectName "frmRPocket" / "frmMPocket", its field "txRPocket" / "txMPocket".
class PocketEntry : public BoardFrame
{
    Q_OBJECT
public:
    using RecordFn = std::function<void(const QString& label)>;
    static QString ZeroZeroOff() { return tr("00 is switched off for this wheel."); }

    PocketEntry(const Wheel& wheel, StatusSink& status, std::function<bool()> zeroZeroOn, RecordFn record,
                QWidget* board);

    // The field's hint names 00 only while it is switched on.
    void zeroZeroSwitched();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool takesKeysOf(QObject* receiver) const;
    bool key(int key);
    void typeDigit(QChar digit);
    void commit();
    void setTyped(const QString& text);
    // Labels that can be entered now, 00 only while it is switched on.
    QStringList enterable() const;

    const Wheel& m_wheel;
    StatusSink& m_status;
    std::function<bool()> m_zeroZeroOn;
    RecordFn m_record;
    QWidget* m_board;
    QLineEdit* m_field = nullptr;
    QString m_typed;
};

} // namespace spinledger
