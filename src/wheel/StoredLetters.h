#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>
#include <type_traits>
#include <utility>

namespace spinledger {

// A value that rows store as one letter: the letters of all its values in
// one table, read and written only through it. A text that is not one of
// the letters, blanks around it ignored, reads as the fallback value.
template <typename Value, size_t Count> struct StoredLetters
{
    std::array<std::pair<Value, char16_t>, Count> letters;
    Value fallback;

    // Stored is a QStringView, or a QByteArrayView for a column read as
    // bytes, as long scans read it.
    template <typename View> Value of(View stored) const
    {
        const View text = stored.trimmed();
        using Unit = std::remove_cvref_t<decltype(text.front())>;
        for (const auto& [value, letter] : letters) {
            if (text.size() == 1 && text.front() == Unit(letter))
                return value;
        }
        return fallback;
    }

    // The stored letter of a value; empty for one without a letter.
    QString text(Value wanted) const
    {
        for (const auto& [value, letter] : letters) {
            if (value == wanted)
                return QString(QChar(letter));
        }
        return QString();
    }
};

} // namespace spinledger
