#include "shell/SplashWindow.h"

#include "backup/BackupFolder.h"
#include "location/DataLocation.h"
#include "location/UserDatabase.h"
#include "shell/AppInfo.h"
#include "shell/Favicon.h"
#include "shell/FolderImages.h"
#include "shell/ShellLog.h"
#include "shell/StartupServices.h"
#include "shell/StatusLine.h"
#include "shell/VendorLinks.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "store/DbReason.h"
#include "store/ErrorCodes.h"
#include "store/Installation.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QLockFile>
#include <QStatusBar>
#include <QSysInfo>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace spinledger {

namespace {

QLabel* namedLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QString permissionFailureText(const QString& appFolder)
{
    return SplashWindow::tr("Unable to continue! Unable to set User Permission!\n\n"
                            "Please set User Permission (Read/Write) manually for Directory:\n\n"
                            "%1\n\nThen restart %2.")
        .arg(appFolder, AppInfo::title());
}

} // namespace

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(AppInfo::title());
    setWindowIcon(Favicon::icon());
    buildLayout();
}

SplashWindow::~SplashWindow() = default;

QStringList SplashWindow::requiredFiles(bool installed)
{
    const QStringList images{QStringLiteral("/images/ka.cart.gif"), QStringLiteral("/images/wheelanim.gif")};
    if (installed)
        return images + QStringList{u'/' + DataLocation::TemplateFile};
    return images + QStringList{u'/' + AppContext::DatabaseFile, PermissionScript};
}

void SplashWindow::buildLayout()
{
    m_titleImage = namedLabel("Gif89a3", this);
    m_wheelImage = namedLabel("Gif89a2", this);
    m_title = namedLabel("Label1", this);
    QFont big = m_title->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    m_title->setFont(big);
    m_version = namedLabel("Label3", this);
    m_legal = namedLabel("Label2", this);
    m_legal->setWordWrap(true);
    m_company = VendorLinks::companyLink(
        AppInfo::companyName(), [] { VendorLinks::openInBrowser(VendorLinks::homePage()); }, this);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    // A stopped start-up's line names the failure and the way out; all of it shows.
    m_status = std::make_unique<StatusLine>(bar, StatusLine::Wrap::Yes);

    auto* texts = new QVBoxLayout;
    texts->addWidget(m_title);
    texts->addWidget(m_version);
    texts->addWidget(m_legal);
    texts->addWidget(m_company);
    texts->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_titleImage, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(m_wheelImage, 1, 0, Qt::AlignTop);
    grid->addLayout(texts, 1, 1);
    grid->addWidget(bar, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setFixedSize(440, 300);
}

void SplashWindow::showIdentification(const QString& appFolder)
{
    m_title->setText(AppInfo::title());
    m_version->setText(u'v' + AppInfo::version());
    m_legal->setText(AppInfo::legalNotice());
    FolderImages::show(m_titleImage, appFolder, QStringLiteral("app.title"));
    FolderImages::show(m_wheelImage, appFolder, QStringLiteral("wheelanim"));
}

QString SplashWindow::statusText() const
{
    return m_status->text();
}

void SplashWindow::setStatus(const QString& text)
{
    m_status->setStatus(text);
}

void SplashWindow::start(AppContext& app, const DataLocation& location, const StartupServices& services)
{
    m_app = &app;
    m_location = &location;
    m_services = &services;
    if (!claimSingleInstance(services)) {
        close();
        return finish(Outcome::Ended);
    }
    showIdentification(app.appFolder);
    setStatus(texts::Idle());
    show();
    activateWindow();
    repaint();

    setStatus(tr("Loading App.."));
    wait(LoadingWaitMs, [this] { checkInstallation(); });
}

void SplashWindow::wait(int ms, std::function<void()> then)
{
    // A step that fails stops the start-up here: nothing may escape into the event loop.
    m_services->wait(ms, this, [this, then = std::move(then)] {
        try {
            then();
        } catch (const std::exception& e) {
            qCWarning(lcShell) << "start-up step failed:" << e.what();
            stop(QString::fromUtf8(e.what()));
            finish(Outcome::Stopped);
        }
    });
}

void SplashWindow::finish(Outcome outcome)
{
    emit finished(outcome);
}

void SplashWindow::checkInstallation()
{
    setStatus(tr("Loading (R/W sdb).."));
    if (!requiredFilesPresent(m_app->appFolder, m_location->isInstalled()))
        return finish(Outcome::Stopped);
    if (m_location->isInstalled())
        provideUserDatabase();
    else if (folderWritable(m_app->appFolder))
        openDatabase();
    else
        repairPermissions();
}

void SplashWindow::openDatabase()
{
    if (!unlock(*m_app, *m_services) || !prepareDatabase(*m_app, *m_services))
        return finish(Outcome::Stopped);
    setStatus(tr("%1 v%2 Ready").arg(AppInfo::title(), AppInfo::version()));
    wait(ReadyWaitMs, [this] { finish(Outcome::Ready); });
}

bool SplashWindow::prepareDatabase(AppContext& app, const StartupServices& services, bool offerBackup)
{
    Installation::Outcome outcome = Installation::Outcome::NoDatabase;
    app.checkInlineBytes = services.checkInlineBytes;
    try {
        outcome =
            Installation(app).prepare(services.installationId(), [this](const QString& s) { setStatus(s); });
    } catch (const DbError& e) {
        qCWarning(lcShell) << "preparation failed:" << e.what();
        stop(QStringLiteral(" (Load ldb): ") +
             (e.reason().isEmpty() ? tr("the database file cannot be prepared") : e.reason()) + u'.');
        return false;
    } catch (const std::exception& e) {
        qCWarning(lcShell) << "preparation failed:" << e.what();
        stop(QString::fromUtf8(e.what()));
        return false;
    }
    if (outcome == Installation::Outcome::Damaged && offerBackup && offerRestore(app, services))
        return prepareDatabase(app, services, false);
    // A preparation that failed leaves nothing for the main window to show.
    if (outcome != Installation::Outcome::Prepared) {
        // A reason in words ends as a sentence; a bare code stays as the Parts give it.
        const QString line = statusText();
        const bool sentence = line.contains(u"): "_s) && !line.endsWith(u'.');
        setStatus(line + (sentence ? QStringLiteral(".") : QString()) + tr(" Press 'Esc' to Exit."));
        return false;
    }
    return true;
}

bool SplashWindow::offerRestore(AppContext& app, const StartupServices& services)
{
    BackupFolder backups(app.connString, app.clock());
    const std::vector<BackupFolder::Entry> all = backups.entries();
    const QString damaged = statusText() + u'.';
    if (all.empty()) {
        setStatus(damaged + tr(" There is no backup of it; \"spinledger-cli export --salvage\" writes out "
                               "the spins that can still be read."));
        return false;
    }
    const QString when = QLocale().toString(all.front().taken, QLocale::ShortFormat);
    setStatus(damaged + tr(" The newest backup is of %1.").arg(when));
    const bool yes =
        services.confirm &&
        services.confirm(tr("Damaged database"),
                         tr("The database file is damaged; nothing will be written into it.\n\n"
                            "Restore the newest backup, of %1? The damaged file stays beside it.")
                             .arg(when));
    if (!yes)
        return false;
    const Result<QString> kept = backups.restore(all.front().path, app.password());
    if (!kept) {
        setStatus(damaged + tr(" The backup of %1 could not be restored: %2.").arg(when, kept.status()));
        return false;
    }
    qCInfo(lcShell) << "restored" << all.front().path << "; kept" << kept.value();
    return true;
}

void SplashWindow::stop(const QString& description)
{
    setStatus(tr("Unable to continue! Error Code:%1 Press 'Esc' to Exit.").arg(description));
}

bool SplashWindow::claimSingleInstance(const StartupServices& services)
{
    m_lock = std::make_unique<QLockFile>(services.lockPath);
    // Held as long as the program runs; a lock left by a dead process is taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    // A second start of this folder ends without a word; anything else is said.
    const QString foreign = foreignLockText(services);
    if (!foreign.isEmpty())
        services.inform(tr("Info"), foreign);
    return false;
}

QString SplashWindow::foreignLockText(const StartupServices& services) const
{
    qint64 pid = 0;
    QString host;
    QString app;
    if (!m_lock->getLockInfo(&pid, &host, &app) || (!host.isEmpty() && host != QSysInfo::machineHostName()))
        return {};
    const QString holder = services.programOf(pid);
    if (holder.isEmpty() || holder == services.program)
        return {};
    return tr("Unable to continue! The lock file\n\n%1\n\nis held by process %2 (%3), which is not %4 of "
              "this folder. When no %4 runs from it, delete the lock file and start again.")
        .arg(services.lockPath, QString::number(pid), holder, AppInfo::title());
}

bool SplashWindow::requiredFilesPresent(const QString& appFolder, bool installed)
{
    for (const QString& file : requiredFiles(installed)) {
        if (!QFileInfo::exists(appFolder + file)) {
            // The database file's line says what it is, the others name their file.
            const QString reason =
                file == u'/' + AppContext::DatabaseFile ? u": "_s + DbReason::missingFile() : QString();
            setStatus(tr("Unable to continue! Error Code: (%1)%2. Press 'Esc' to Exit.").arg(file, reason));
            return false;
        }
    }
    return true;
}

bool SplashWindow::folderWritable(const QString& appFolder)
{
    QFile test(appFolder + u'/' + WriteTestFile);
    if (!test.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    const bool written = test.write(QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8() + '\n') > 0;
    test.close();
    const bool exists = QFileInfo(test).isFile();
    if (exists)
        test.remove();
    return written && exists;
}

void SplashWindow::repairPermissions()
{
    setStatus(tr("Setting User Permission.."));
    const QString appFolder = m_app->appFolder;
    // The folder, the grant and the user as the permission script expects them.
    m_services->startElevated(QStringLiteral("pkexec"),
                              {QStringLiteral("/bin/sh"), appFolder + PermissionScript, appFolder,
                               QStringLiteral("/G"), m_services->userName + u':', QStringLiteral("RWMX"),
                               QStringLiteral("/E")});
    wait(PermissionWaitMs, [this] { afterRepair(); });
}

void SplashWindow::afterRepair()
{
    if (folderWritable(m_app->appFolder))
        return openDatabase();
    setStatus(tr("Unable to continue! Please set User Permission manually."));
    m_services->inform(QStringLiteral("Info"), permissionFailureText(m_app->appFolder));
    finish(Outcome::Ended);
}

void SplashWindow::provideUserDatabase()
{
    const UserDatabase::Report report = UserDatabase::provide(*m_location);
    switch (report.outcome) {
    case UserDatabase::Outcome::Failed:
        setStatus(report.message);
        return finish(Outcome::Stopped);
    case UserDatabase::Outcome::MovedOver:
        setStatus(report.message);
        return wait(MovedOverWaitMs, [this] { openDatabase(); });
    case UserDatabase::Outcome::Existing:
    case UserDatabase::Outcome::FromTemplate:
        return openDatabase();
    }
}

bool SplashWindow::unlock(AppContext& app, const StartupServices& services)
{
    // Any other failure to open is the preparation's to report.
    if (!QFileInfo::exists(app.connString) || app.ensureOpen() || !app.db().keyRefused())
        return true;
    for (int attempt = 1; attempt <= PassphraseTries; ++attempt) {
        const std::optional<QString> given = services.askPassphrase(attempt, PassphraseTries);
        if (!given) {
            app.key = AppContext::DatabasePassword;
            setStatus(
                tr("Unable to continue! Your history is protected by a passphrase. Press 'Esc' to Exit."));
            return false;
        }
        app.key = *given;
        if (app.ensureOpen())
            return true;
    }
    app.key = AppContext::DatabasePassword;
    setStatus(tr("Unable to continue! The passphrase was not right %1 times; start Spinledger again to "
                 "try once more. Press 'Esc' to Exit.")
                  .arg(PassphraseTries));
    return false;
}

void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        emit exitRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SplashWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit exitRequested();
}

} // namespace spinledger
