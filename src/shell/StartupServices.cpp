#include "shell/StartupServices.h"

#include "location/DataLocation.h"
#include "passphrase/PassphraseDialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSysInfo>
#include <QTimer>

#include <pwd.h>
#include <unistd.h>

namespace spinledger {

QString StartupServices::loginName()
{
    if (const passwd* pw = getpwuid(geteuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

StartupServices StartupServices::system(const DataLocation& location)
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
    s.wait = [](int ms, QObject* context, std::function<void()> then) {
        QTimer::singleShot(ms, context, std::move(then));
    };
    s.inform = [](const QString& title, const QString& text) {
        QMessageBox::information(nullptr, title, text);
    };
    s.confirm = [](const QString& title, const QString& text) {
        return QMessageBox::question(nullptr, title, text) == QMessageBox::Yes;
    };
    s.askPassphrase = [](int attempt, int tries) {
        return PassphraseDialog::askToOpen(nullptr, attempt, tries);
    };
    s.userName = loginName();
    s.lockPath = location.lockPath();
    s.program = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    s.programOf = [](qint64 pid) {
        return QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).canonicalFilePath();
    };
    return s;
}

} // namespace spinledger
