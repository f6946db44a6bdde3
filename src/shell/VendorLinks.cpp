#include "shell/VendorLinks.h"

#include "controls/hyperlink/DesktopUrlOpener.h"
#include "controls/hyperlink/Hyperlink.h"
#include "updater/VendorSite.h"

#include <QEvent>

#include <cmath>

namespace spinledger {

namespace {

// Relative luminance and contrast ratio as the accessibility guidelines
// define them.
double luminance(const QColor& c)
{
    const auto linear = [](double s) {
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The link's own colour, moved toward the desktop's text colour just far
// enough to read on the link's background: on a dark desktop it turns lighter.
QColor readableOn(const QColor& background, const QColor& wanted, const QColor& text)
{
    constexpr double Readable = 4.5;
    QColor shown = wanted;
    for (int step = 1; step <= 10 && contrast(shown, background) < Readable; ++step) {
        const float t = float(step) / 10;
        shown = QColor::fromRgbF(wanted.redF() + (text.redF() - wanted.redF()) * t,
                                 wanted.greenF() + (text.greenF() - wanted.greenF()) * t,
                                 wanted.blueF() + (text.blueF() - wanted.blueF()) * t);
    }
    return shown;
}

// Keeps the link readable in the desktop's colours, now and whenever they
// change.
class LinkColours : public QObject
{
public:
    explicit LinkColours(Hyperlink* link) : QObject(link), m_link(link), m_wanted(link->colorNormal())
    {
        link->installEventFilter(this);
        apply();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange)
            apply();
        return false;
    }

private:
    void apply()
    {
        const QColor colour =
            readableOn(m_link->backColor(), m_wanted, m_link->palette().color(QPalette::WindowText));
        m_link->setColorNormal(colour);
        m_link->setColorUsed(colour);
    }

    Hyperlink* m_link;
    QColor m_wanted;
};

} // namespace

QUrl VendorLinks::homePage()
{
    return VendorSite::homePage();
}

QUrl VendorLinks::videosPage()
{
    return VendorSite::videosPage();
}

bool VendorLinks::openInBrowser(const QUrl& url, StatusSink* status)
{
    return DesktopUrlOpener(status).openUrl(url);
}

QWidget* VendorLinks::companyLink(const QString& caption, std::function<void()> jump, QWidget* parent)
{
    auto* link = new Hyperlink(parent);
    link->setCaption(caption);
    link->setAutoSize(true);
    new LinkColours(link);
    QObject::connect(link, &Hyperlink::Jump, link, std::move(jump));
    link->setObjectName(QStringLiteral("Hyperlink1"));
    return link;
}

} // namespace spinledger
