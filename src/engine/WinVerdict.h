#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>

namespace spinledger {

// The judgement of one category's advice by the next spin. A win row stores
// it as "Y" or "N"; a row that judged nothing holds neither.
enum class WinVerdict
{
    None,
    Won,
    Lost,
};

struct WinVerdictText
{
    WinVerdict verdict;
    char16_t text;
};

inline constexpr std::array<WinVerdictText, 2> kWinVerdictTexts{{
    {WinVerdict::Won, u'Y'},
    {WinVerdict::Lost, u'N'},
}};

// The stored text of a verdict; empty for None.
inline QString winVerdictText(WinVerdict verdict)
{
    for (const WinVerdictText& t : kWinVerdictTexts) {
        if (t.verdict == verdict)
            return QString(QChar(t.text));
    }
    return QString();
}

// The verdict a stored text names, blanks around it ignored; None for an
// empty or unknown text, which no tally or figure counts.
inline WinVerdict winVerdictOf(QStringView stored)
{
    const QStringView text = stored.trimmed();
    for (const WinVerdictText& t : kWinVerdictTexts) {
        if (text.size() == 1 && text.front() == QChar(t.text))
            return t.verdict;
    }
    return WinVerdict::None;
}

// The same for a column read as bytes, as long scans read them.
inline WinVerdict winVerdictOf(QByteArrayView stored)
{
    const QByteArrayView text = stored.trimmed();
    for (const WinVerdictText& t : kWinVerdictTexts) {
        if (text.size() == 1 && text.front() == char(t.text))
            return t.verdict;
    }
    return WinVerdict::None;
}

} // namespace spinledger
