#include "shell/StartupServices.h"

#include "store/InstanceLock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSysInfo>
#include <QTimer>

#include <pwd.h>
#include <unistd.h>

namespace spinledger {

namespace {

void paintingWait(int ms)
{
    // The windows repaint meanwhile; the user's input waits until the end.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

QString StartupServices::loginName()
{
    if (const passwd* pw = getpwuid(geteuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

StartupServices StartupServices::system(const QString& appFolder)
{
    StartupServices s;
    s.installationId = [] { return QString::fromLatin1(QSysInfo::machineUniqueId()).trimmed(); };
    s.startElevated = [](const QString& program, const QStringList& arguments) {
        QProcess process;
        process.setProgram(program);
        process.setArguments(arguments);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        return process.startDetached();
    };
    s.wait = paintingWait;
    s.inform = [](const QString& title, const QString& text) {
        QMessageBox::information(nullptr, title, text);
    };
    s.confirm = [](const QString& title, const QString& text) {
        return QMessageBox::question(nullptr, title, text) == QMessageBox::Yes;
    };
    s.userName = loginName();
    s.lockPath = InstanceLock::pathFor(appFolder);
    s.program = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    s.programOf = [](qint64 pid) {
        return QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).canonicalFilePath();
    };
    return s;
}

} // namespace spinledger
