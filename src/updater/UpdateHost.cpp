#include "updater/UpdateHost.h"

#include <QWidget>
#include <QWindow>

namespace spinledger {

void UpdateHost::keepAboveMainWindow(QWidget* window) const
{
    window->winId();
    if (QWindow* owner = mainWindow->window()->windowHandle())
        window->windowHandle()->setTransientParent(owner);
}

} // namespace spinledger
