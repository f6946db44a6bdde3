#pragma once

#include "updater/UpdatePlatform.h"

namespace spinledger {

class SystemUpdatePlatform : public UpdatePlatform
{
public:
    bool confirm(QWidget* parent, const QString& title, const QString& text) override;
    bool startProgram(const QString& path) override;
    void endApplication() override;
    bool openFolder(const QString& path) override;
};

} // namespace spinledger
