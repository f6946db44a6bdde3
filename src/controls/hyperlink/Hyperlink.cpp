#include "controls/hyperlink/Hyperlink.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace spinledger {

namespace {

// Alignment values as stored, and how the label shows them.
const Qt::Alignment AlignmentTable[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};

// The keys that move on the container rather than on the link.
bool isArrowKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}

bool isFollowKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

Hyperlink::Hyperlink(QWidget* parent) : QWidget(parent), m_label(new QLabel(this))
{
    m_label->setObjectName(QStringLiteral("LabelHyperlink"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->installEventFilter(this);
    connect(this, &QObject::objectNameChanged, this, &Hyperlink::showCaption);

    setFocusPolicy(Qt::TabFocus);
    setAlignment(m_alignment);
    applyNormalLook();
    applyCursor();
    showCaption();
    resize(sizeHint());
}

QString Hyperlink::caption() const
{
    return m_caption.value_or(QString());
}

void Hyperlink::setCaption(const QString& caption)
{
    m_caption = caption;
    showCaption();
}

void Hyperlink::showCaption()
{
    m_label->setText(m_caption.value_or(objectName()));
    applySizeRule();
}

void Hyperlink::setCursorId(qint32 id)
{
    m_cursorId = id;
    applyCursor();
}

void Hyperlink::setCursorUse(bool on)
{
    m_cursorUse = on;
    applyCursor();
}

void Hyperlink::setCursorCustom(bool on)
{
    m_cursorCustom = on;
    applyCursor();
}

void Hyperlink::setAutoSize(bool on)
{
    m_autoSize = on;
    applySizeRule();
}

void Hyperlink::setAlignment(qint32 alignment)
{
    m_alignment = alignment;
    const bool known = alignment >= 0 && alignment < qint32(std::size(AlignmentTable));
    m_label->setAlignment((known ? AlignmentTable[alignment] : Qt::AlignLeft) | Qt::AlignTop);
}

QColor Hyperlink::backColor() const
{
    return m_backColor.value_or(palette().color(QPalette::Button));
}

void Hyperlink::setBackColor(const QColor& color)
{
    m_backColor = color;
    update();
}

void Hyperlink::setColorNormal(const QColor& color)
{
    m_colorNormal = color;
    refreshLook();
}

void Hyperlink::setColorUsed(const QColor& color)
{
    m_colorUsed = color;
    refreshLook();
}

QFont Hyperlink::fontNormal() const
{
    return m_fontNormal.value_or(parentWidget() ? parentWidget()->font() : font());
}

void Hyperlink::setFontNormal(const QFont& font)
{
    m_fontNormal = font;
    refreshLook();
}

void Hyperlink::setColorHover(const QColor& color)
{
    m_colorHover = color;
    refreshLook();
}

void Hyperlink::setFontHover(const QFont& font)
{
    m_fontHover = font;
    refreshLook();
}

QFont Hyperlink::fontHover() const
{
    return m_fontHover.value_or(parentWidget() ? parentWidget()->font() : font());
}

QSize Hyperlink::sizeHint() const
{
    return m_label->sizeHint() + QSize(2, 2);
}

void Hyperlink::refreshLook()
{
    m_refreshPending = true;
    hoverCheck();
}

void Hyperlink::hoverCheck()
{
    if (!isEnabled())
        return;
    if (m_hoverEnabled && m_mouseOver && isVisible()) {
        if ((!m_hoverShown || m_refreshPending) && window()->isActiveWindow()) {
            applyLook(m_colorHover, fontHover());
            m_hoverShown = true;
            m_refreshPending = false;
        }
    } else if (m_hoverShown || m_refreshPending) {
        applyNormalLook();
        m_hoverShown = false;
        m_refreshPending = false;
    }
}

void Hyperlink::applyLook(const QColor& color, const QFont& font)
{
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, color);
    m_label->setPalette(palette);
    m_label->setFont(font);
    applySizeRule();
}

void Hyperlink::applyNormalLook()
{
    applyLook(m_used ? m_colorUsed : m_colorNormal, fontNormal());
}

void Hyperlink::applySizeRule()
{
    // One pixel of room on every side for the focus rectangle.
    m_label->move(1, 1);
    if (m_autoSize) {
        m_label->adjustSize();
        resize(m_label->size() + QSize(2, 2));
    } else {
        m_label->resize(size() - QSize(2, 2));
    }
}

void Hyperlink::applyCursor()
{
    if (m_cursorUse)
        m_label->setCursor(ownCursor());
    else
        m_label->unsetCursor();
}

QCursor Hyperlink::ownCursor() const
{
    if (m_cursorCustom) {
        const QPixmap custom(QStringLiteral(":/cursors/%1.png").arg(m_cursorId));
        if (!custom.isNull())
            return QCursor(custom);
    }
    return QCursor(Qt::PointingHandCursor);
}

void Hyperlink::follow(bool byKeyboard)
{
    const QPointer<Hyperlink> alive(this);
    m_clickHandling = true;
    bool ensureFiringLostFocus = false;
    emit PrepareJump(ensureFiringLostFocus);
    if (!alive)
        return;
    if (ensureFiringLostFocus)
        handleLostFocus();
    if (m_cursorUse)
        m_label->setCursor(Qt::ArrowCursor);
    emit Jump();
    if (!alive)
        return;
    applyCursor();
    // A click leaves no focus rectangle behind, a key does.
    m_focusRectShown = byKeyboard;
    update();
    m_clickHandling = false;
    m_used = true;
    refreshLook();
}

void Hyperlink::releasedOutside()
{
    if (!m_cursorUse)
        return;
    m_label->setCursor(Qt::ArrowCursor);
    applyCursor();
}

bool Hyperlink::eventFilter(QObject* watched, QEvent* event)
{
    // The look follows the mouse's arrival and departure, and waits for the
    // window to become active.
    const auto type = event->type();
    if (watched == m_label &&
        (type == QEvent::Enter || type == QEvent::Leave || type == QEvent::WindowActivate)) {
        if (type != QEvent::WindowActivate)
            m_mouseOver = type == QEvent::Enter;
        hoverCheck();
    }
    // Filters see events before a disabled label drops them.
    if (watched == m_label && event->type() == QEvent::MouseButtonRelease && isEnabled()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (m_label->rect().contains(mouse->position().toPoint()))
                follow(false);
            else
                releasedOutside();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Hyperlink::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        releasedOutside();
}

void Hyperlink::keyPressEvent(QKeyEvent* event)
{
    if (isFollowKey(event->key())) {
        // A held key repeats its press; the link is followed once.
        if (!event->isAutoRepeat())
            follow(true);
    } else if (isArrowKey(event->key()) && parentWidget()) {
        QCoreApplication::postEvent(parentWidget(),
                                    new QKeyEvent(QEvent::KeyPress, event->key(), event->modifiers()));
    } else {
        event->ignore();
    }
}

void Hyperlink::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (m_clickHandling)
        return;
    m_focusRectShown = true;
    update();
}

void Hyperlink::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    handleLostFocus();
}

void Hyperlink::handleLostFocus()
{
    m_refreshPending = true;
    m_focusRectShown = false;
    update();
}

void Hyperlink::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    if (!hasFocus() || !m_focusRectShown)
        return;
    // The dotted focus rectangle around the whole control.
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Hyperlink::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applySizeRule();
}

void Hyperlink::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    if (isEnabled())
        refreshLook();
    else
        applyLook(m_colorNormal, fontNormal());
}

} // namespace spinledger
