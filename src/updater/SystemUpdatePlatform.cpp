#include "updater/SystemUpdatePlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace spinledger {

bool SystemUpdatePlatform::confirm(QWidget* parent, const QString& title, const QString& text)
{
    QString shown = text;
#ifndef Q_OS_WIN
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); // a bare carriage return shows as a box here
#endif
    QMessageBox box(QMessageBox::Information, title, shown, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool SystemUpdatePlatform::startProgram(const QString& path)
{
    return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath());
}

bool SystemUpdatePlatform::openFolder(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SystemUpdatePlatform::endApplication()
{
    QApplication::quit();
}

} // namespace spinledger
