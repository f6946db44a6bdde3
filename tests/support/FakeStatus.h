#pragma once

#include "ui/StatusSink.h"

#include <QStringList>
#include <QWidget>

namespace spinledger::test {

// Records every status text, and whether the watched window took input then.
class FakeStatus : public StatusSink
{
public:
    void setStatus(const QString& text, bool busy = false) override
    {
        texts << (busy ? text + QStringLiteral(", please Wait ....") : text);
        if (watched)
            enabled << watched->window()->isEnabled();
    }
    QString last() const { return texts.value(texts.size() - 1); }
    QStringList texts;
    QWidget* watched = nullptr;
    QList<bool> enabled;
};

} // namespace spinledger::test
