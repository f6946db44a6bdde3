#include "board/PocketEntry.h"

#include "ui/StatusSink.h"
#include "wheel/Wheel.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace spinledger {

namespace {

// Widgets that take typed digits themselves.
bool isTextInput(const QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
            qobject_cast<const QComboBox*>(w) || qobject_cast<const QTextEdit*>(w) ||
            qobject_cast<const QPlainTextEdit*>(w))
            return true;
    }
    return false;
}

} // namespace

PocketEntry::PocketEntry(const Wheel& wheel, StatusSink& status, std::function<bool()> zeroZeroOn,
                         RecordFn record, QWidget* board)
    : BoardFrame(tr("Keys"), board), m_wheel(wheel), m_status(status), m_zeroZeroOn(std::move(zeroZeroOn)),
      m_record(std::move(record)), m_board(board)
{
    setObjectName(QStringLiteral("frm") + wheel.letter() + QStringLiteral("Pocket"));
    // The amount box hands the focus here after Enter; a click gives it too.
    setFocusPolicy(Qt::ClickFocus);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("tx") + wheel.letter() + QStringLiteral("Pocket"));
    m_field->setReadOnly(true);
    m_field->setFocusPolicy(Qt::NoFocus);
    m_field->setAlignment(Qt::AlignCenter);
    m_field->setMaxLength(2);
    // Dark on light whatever the desktop's colours, as the win ratios are.
    QPalette field = m_field->palette();
    field.setColor(QPalette::Base, QColor(250, 248, 236));
    field.setColor(QPalette::Text, QColor(25, 25, 25));
    field.setColor(QPalette::PlaceholderText, QColor(90, 90, 90));
    m_field->setPalette(field);
    m_field->setGeometry(8, 24, 66, 26);
    zeroZeroSwitched();
    const QString tip = tr("Type the pocket: a number no other pocket begins with is recorded at "
                           "once, else press Enter. Backspace edits, Esc clears, Ctrl+Z undoes.");
    setToolTip(tip);
    m_field->setToolTip(tip);
    qApp->installEventFilter(this);
}

bool PocketEntry::takesKeysOf(QObject* receiver) const
{
    const auto* w = qobject_cast<const QWidget*>(receiver);
    return w && m_board->isVisible() && m_board->isEnabled() && w->window() == m_board->window() &&
           !isTextInput(w);
}

bool PocketEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !takesKeysOf(watched))
        return false;
    const auto* press = static_cast<QKeyEvent*>(event);
    if ((press->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    return key(press->key());
}

// True when the key was used; other keys go where they were going.
bool PocketEntry::key(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        typeDigit(QChar(u'0' + (key - Qt::Key_0)));
        return true;
    }
    if (m_typed.isEmpty())
        return false;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commit();
        return true;
    case Qt::Key_Backspace:
        setTyped(m_typed.chopped(1));
        return true;
    case Qt::Key_Escape:
        setTyped(QString());
        return true;
    default:
        return false;
    }
}

void PocketEntry::zeroZeroSwitched()
{
    const QString numbers = QStringLiteral("0-%1").arg(m_wheel.pocketCount() - 2);
    m_field->setPlaceholderText(m_zeroZeroOn() ? QStringLiteral("00, ") + numbers : numbers);
}

void PocketEntry::typeDigit(QChar digit)
{
    const QString typed = m_typed + digit;
    // Every pocket of the wheel counts, 00 also while it is switched off, so
    // that a typed 00 is refused rather than taken for two zeros.
    QStringList continuing;
    for (int p = 0; p < m_wheel.pocketCount(); ++p) {
        if (m_wheel.label(p).startsWith(typed))
            continuing << m_wheel.label(p);
    }
    setTyped(typed);
    // Nothing can follow: it is a pocket of its own, or none at all, which
    // commit() then says.
    if (continuing.isEmpty() || continuing == QStringList{typed})
        commit();
}

void PocketEntry::commit()
{
    const QString label = m_typed;
    setTyped(QString());
    if (label == u"00" && !m_zeroZeroOn()) {
        m_status.setStatus(ZeroZeroOff());
        return;
    }
    if (!enterable().contains(label)) {
        m_status.setStatus(tr("\"%1\" is no pocket of this wheel (0, %2%3).")
                               .arg(label, m_zeroZeroOn() ? QStringLiteral("00, ") : QString(),
                                    QStringLiteral("1-") + QString::number(m_wheel.pocketCount() - 2)));
        return;
    }
    m_record(label);
}

void PocketEntry::setTyped(const QString& text)
{
    m_typed = text;
    m_field->setText(text);
}

QStringList PocketEntry::enterable() const
{
    QStringList labels;
    for (int p = 0; p < m_wheel.pocketCount(); ++p) {
        const QString label = m_wheel.label(p);
        if (label != u"00" || m_zeroZeroOn())
            labels << label;
    }
    return labels;
}

void PocketEntry::hideEvent(QHideEvent* event)
{
    // What was half typed on one tab is not meant for later.
    setTyped(QString());
    BoardFrame::hideEvent(event);
}

} // namespace spinledger
