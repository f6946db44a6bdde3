#pragma once

#include "ui/StatusSink.h"
#include "updater/UpdatePlatform.h"

#include <QStringList>

namespace spinledger::test {

class RecordingStatus : public StatusSink
{
public:
    void setStatus(const QString& text, bool busy = false) override
    {
        texts << (busy ? text + QStringLiteral(", please Wait ....") : text);
    }
    QString last() const { return texts.value(texts.size() - 1); }

    QStringList texts;
};

class FakePlatform : public UpdatePlatform
{
public:
    bool confirm(QWidget*, const QString& title, const QString& text) override
    {
        questions << title + u'|' + text;
        return answerYes;
    }
    bool startProgram(const QString& path) override
    {
        started << path;
        return startWorks;
    }
    void endApplication() override { ++ended; }

    bool answerYes = false;
    bool startWorks = true;
    QStringList questions;
    QStringList started;
    int ended = 0;
};

} // namespace spinledger::test
