#pragma once

#include "updater/UpdateOffer.h"

#include <QByteArray>

namespace spinledger {

// The body of the update service's answer: seven fields separated by "|".
struct UpdateAnswer
{
    static constexpr int FieldCount = 7;

    bool complete = false; // at least seven fields
    UpdateOffer offer;
    QString message; // optional text for the status bar

    static UpdateAnswer parse(const QByteArray& body);
};

} // namespace spinledger
