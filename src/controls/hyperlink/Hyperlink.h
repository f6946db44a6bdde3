#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

#include <optional>

class QLabel;

namespace spinledger {

// A text label that behaves like a web link: hover colour and font while the
// mouse is over it in the active window, a hand cursor, following by click,
// Space or Enter (once per press, whatever the key repeat), and the used
// colour afterwards. Following raises PrepareJump, then Jump; the host turns
// Jump into an action. The look follows the label's enter and leave events.
//
// A click does not take the keyboard focus (the control takes it by Tab
// only), so the control that had the focus keeps it. No window handle is
// offered: asking for one would turn the control into a native window.
class Hyperlink : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool HoverEnabled READ hoverEnabled WRITE setHoverEnabled)
    Q_PROPERTY(qint32 CursorID READ cursorId WRITE setCursorId)
    Q_PROPERTY(bool CursorUse READ cursorUse WRITE setCursorUse)
    Q_PROPERTY(bool CursorCustom READ cursorCustom WRITE setCursorCustom)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(qint32 Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor ColorNormal READ colorNormal WRITE setColorNormal)
    Q_PROPERTY(QColor ColorHover READ colorHover WRITE setColorHover)
    Q_PROPERTY(QColor ColorUsed READ colorUsed WRITE setColorUsed)
    Q_PROPERTY(QFont FontNormal READ fontNormal WRITE setFontNormal)
    Q_PROPERTY(QFont FontHover READ fontHover WRITE setFontHover)

public:
    explicit Hyperlink(QWidget* parent = nullptr);

    QString caption() const;
    void setCaption(const QString& caption);
    bool hoverEnabled() const { return m_hoverEnabled; }
    void setHoverEnabled(bool on)
    {
        m_hoverEnabled = on;
        hoverCheck();
    }
    qint32 cursorId() const { return m_cursorId; }
    void setCursorId(qint32 id);
    bool cursorUse() const { return m_cursorUse; }
    void setCursorUse(bool on);
    bool cursorCustom() const { return m_cursorCustom; }
    void setCursorCustom(bool on);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    // 0 left, 1 right, 2 centre.
    qint32 alignment() const { return m_alignment; }
    void setAlignment(qint32 alignment);
    QColor backColor() const;
    void setBackColor(const QColor& color);
    QColor colorNormal() const { return m_colorNormal; }
    void setColorNormal(const QColor& color);
    QColor colorHover() const { return m_colorHover; }
    void setColorHover(const QColor& color);
    QColor colorUsed() const { return m_colorUsed; }
    void setColorUsed(const QColor& color);
    QFont fontNormal() const;
    void setFontNormal(const QFont& font);
    QFont fontHover() const;
    void setFontHover(const QFont& font);

    bool isUsed() const { return m_used; }
    bool isFocusRectShown() const { return m_focusRectShown; }
    QSize sizeHint() const override;

signals:
    // Set ensureFiringLostFocus to have the lost-focus handling run before Jump.
    void PrepareJump(bool& ensureFiringLostFocus);
    void Jump();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void follow(bool byKeyboard);
    void releasedOutside();
    void hoverCheck();
    void refreshLook();
    void applyLook(const QColor& color, const QFont& font);
    void applyNormalLook();
    void applySizeRule();
    void applyCursor();
    QCursor ownCursor() const;
    void showCaption();
    void handleLostFocus();

    QLabel* m_label;

    std::optional<QString> m_caption; // unset: the instance name is shown
    bool m_hoverEnabled = true;
    qint32 m_cursorId = 1000;
    bool m_cursorUse = true;
    bool m_cursorCustom = false;
    bool m_autoSize = false;
    qint32 m_alignment = 0;
    std::optional<QColor> m_backColor; // unset: the button face colour
    QColor m_colorNormal{50, 100, 200};
    QColor m_colorHover{255, 0, 0};
    QColor m_colorUsed{50, 100, 200};
    std::optional<QFont> m_fontNormal; // unset: the container's font
    std::optional<QFont> m_fontHover;

    bool m_mouseOver = false; // between the label's enter and leave
    bool m_hoverShown = false;
    bool m_refreshPending = false;
    bool m_focusRectShown = false;
    bool m_clickHandling = false;
    bool m_used = false;
};

} // namespace spinledger
