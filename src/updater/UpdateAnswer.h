#pragma once

#include "updater/UpdateOffer.h"

#include <QByteArray>

namespace spinledger {

// The body of the update service's answer: seven fields separated by "|",
// and an optional eighth, the installer's SHA-256. Further fields are ignored,
// so an older program reads an answer with the eighth field as before.
struct UpdateAnswer
{
    static constexpr int FieldCount = 7;
    static constexpr qsizetype MaxBytes = 64 * 1024;
    static constexpr qsizetype MaxFieldLength = 1000;

    QString failure; // empty when the answer can be used
    UpdateOffer offer;
    QString message; // optional text for the status bar

    static UpdateAnswer parse(const QByteArray& body);
};

} // namespace spinledger
