#include "updater/SystemUpdatePlatform.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

namespace spinledger {

bool SystemUpdatePlatform::confirm(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool SystemUpdatePlatform::startProgram(const QString& path)
{
    return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath());
}

void SystemUpdatePlatform::endApplication()
{
    QApplication::quit();
}

} // namespace spinledger
