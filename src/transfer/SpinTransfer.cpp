#include "transfer/SpinTransfer.h"

#include "board/BoardWidget.h"
#include "io/ImportLog.h"
#include "io/IoLog.h"
#include "io/SpinExport.h"
#include "io/SpinImport.h"
#include "store/AppContext.h"
#include "store/ErrorCodes.h"
#include "store/SettingsStore.h"
#include "transfer/ImportJob.h"
#include "ui/StatusSink.h"
#include "ui/WindowLock.h"
#include "wheel/Wheel.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QProgressDialog>
#include <QSaveFile>
#include <algorithm>

namespace spinledger {

namespace {

QString count(qint64 n)
{
    return QLocale().toString(n);
}

} // namespace

SpinTransfer::SpinTransfer(AppContext& app, StatusSink& status, BoardFn currentBoard, QWidget* window)
    : QObject(window), m_app(app), m_status(status), m_currentBoard(std::move(currentBoard)),
      m_window(window), m_chooseSave([](QWidget* parent, const QString& caption, const QString& suggested) {
          return QFileDialog::getSaveFileName(parent, caption, suggested,
                                              tr("CSV files (*.csv);;All files (*)"));
      }),
      m_chooseOpen([](QWidget* parent, const QString& caption, const QString& suggested) {
          return QFileDialog::getOpenFileName(parent, caption, suggested,
                                              tr("Spin files (*.csv *.txt);;All files (*)"));
      })
{
}

SpinTransfer::~SpinTransfer()
{
    // Closing the window in the middle of an import: nothing is imported.
    delete m_job;
}

void SpinTransfer::addTo(QMenu* menu)
{
    m_import = menu->addAction(tr("&Import spins…"));
    m_import->setObjectName(QStringLiteral("mnuImportSpins"));
    m_export = menu->addAction(tr("E&xport spins…"));
    m_export->setObjectName(QStringLiteral("mnuExportSpins"));
    connect(m_import, &QAction::triggered, this, &SpinTransfer::importSpins);
    connect(m_export, &QAction::triggered, this, &SpinTransfer::exportSpins);
    m_undoImport = menu->addAction(tr("Undo last import"));
    m_undoImport->setObjectName(QStringLiteral("mnuUndoImport"));
    connect(m_undoImport, &QAction::triggered, this, &SpinTransfer::undoLastImport);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        const bool onBoard = m_currentBoard() != nullptr;
        m_import->setEnabled(onBoard);
        m_export->setEnabled(onBoard);
        m_undoImport->setEnabled(canUndoImport());
    });
}

QString SpinTransfer::suggestedName(const QString& casino, const Wheel& wheel)
{
    QString name;
    for (QChar c : casino.trimmed())
        name += c.category() == QChar::Other_Control || QStringLiteral("\\/:*?\"<>|").contains(c) ? u'_' : c;
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QStringLiteral("Casino");
    return name + QStringLiteral(" - ") + wheel.boardName() + QStringLiteral(".csv");
}

void SpinTransfer::exportSpins()
{
    BoardWidget* board = m_currentBoard();
    if (!board)
        return;
    const Wheel& wheel = board->wheel();
    if (m_app.currentCasino(wheel).id() <= 0 || board->casinoName().isEmpty()) {
        m_status.setStatus(texts::SelectCasino());
        return;
    }
    const QString casino = board->casinoName();
    const QString path =
        m_chooseSave(m_window, tr("Export the spins of %1 (%2)").arg(casino, wheel.boardName()),
                     QDir(m_folder.folder()).filePath(suggestedName(casino, wheel)));
    if (path.isEmpty())
        return;
    m_folder.remember(path);
    WindowLock lock(m_window);
    m_status.setStatus(tr("Exporting the spins of %1..").arg(casino));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_status.setStatus(tr("%1 cannot be written: %2").arg(path, file.errorString()));
        return;
    }
    const Result<qint64> written = SpinExport(m_app, wheel).write(m_app.currentCasino(wheel).id(), file);
    if (!written) {
        m_status.setStatus(written.status());
        return; // the file that was there stays as it was
    }
    if (!file.commit()) {
        m_status.setStatus(tr("%1 cannot be written: %2").arg(path, file.errorString()));
        return;
    }
    m_status.setStatus(tr("Exported %1 spins of %2 (%3) to %4.")
                           .arg(count(*written), casino, wheel.boardName(), QDir::toNativeSeparators(path)));
}

void SpinTransfer::importSpins()
{
    BoardWidget* board = m_currentBoard();
    if (!board || m_job)
        return;
    const Wheel& wheel = board->wheel();
    const qint64 casino = m_app.currentCasino(wheel).id();
    if (casino <= 0 || board->casinoName().isEmpty()) {
        m_status.setStatus(texts::SelectCasino());
        return;
    }
    // Every imported stake would be 0: said before a file is chosen.
    const Result<WheelSettings> settings = SettingsStore(m_app).wheelSettings(wheel);
    if (settings && settings->amount <= 0) {
        m_status.setStatus(tr("Nothing imported: the amount is 0, so no stake would stand. Type a base stake "
                              "in Amount first."));
        return;
    }
    const QString path =
        m_chooseOpen(m_window, tr("Import spins into %1 (%2)").arg(board->casinoName(), wheel.boardName()),
                     m_folder.folder());
    if (path.isEmpty())
        return;
    m_folder.remember(path);
    m_importBoard = board;
    m_importCasino = board->casinoName();

    // Modal: the window takes no input while the import's own connection
    // writes, and the dialog's Cancel stays usable.
    m_progress = new QProgressDialog(tr("Checking %1…").arg(QFileInfo(path).fileName()), tr("&Cancel"), 0, 0,
                                     m_window);
    m_progress->setObjectName(QStringLiteral("dlgImport"));
    m_progress->setWindowTitle(tr("Import spins into %1 (%2)").arg(m_importCasino, wheel.boardName()));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumWidth(420);
    m_status.setStatus(tr("Importing spins into %1…").arg(m_importCasino));

    emit aboutToImport();
    // Alone on the file, the job writes through a rollback journal, which
    // keeps a long import from slowing down; the window reopens afterwards.
    // While the start-up's check still holds writes, the window keeps its
    // connection with the hold, and the import goes to the log.
    if (!m_app.db().writesHeld())
        m_app.db().close();
    m_job = new ImportJob(m_app, wheel, casino, path);
    connect(m_job, &ImportJob::progressed, this, &SpinTransfer::showProgress);
    connect(m_job, &ImportJob::backupTaken, this, &SpinTransfer::backupTaken);
    connect(m_job, &ImportJob::finished, this, &SpinTransfer::importFinished);
    connect(m_progress, &QProgressDialog::canceled, this, [this] {
        if (m_job)
            m_job->cancel();
        m_progress->setLabelText(tr("Cancelling: nothing will be imported…"));
    });
    m_progress->show();
    m_job->start();
}

bool SpinTransfer::canUndoImport()
{
    BoardWidget* board = m_currentBoard();
    if (!board || m_job || !m_app.ensureOpen())
        return false;
    try {
        const Wheel& wheel = board->wheel();
        return ImportLog::undoable(m_app.db(), m_app.settingId, wheel, m_app.currentCasino(wheel).id())
            .has_value();
    } catch (const DbError& e) {
        qCWarning(lcIo) << "whether an import can be undone could not be read:" << e.what();
        return false;
    }
}

void SpinTransfer::undoLastImport()
{
    BoardWidget* board = m_currentBoard();
    if (!board || m_job)
        return;
    const Wheel& wheel = board->wheel();
    const qint64 casino = m_app.currentCasino(wheel).id();
    WindowLock lock(m_window);
    m_status.setStatus(texts::PleaseWait());
    const Result<qint64> removed = ImportLog::undoLast(m_app, wheel, casino);
    if (!removed) {
        m_status.setStatus(removed.status());
        return;
    }
    if (*removed == 0) {
        m_status.setStatus(
            tr("There is no import of %1 to undo: a spin was recorded after it.").arg(board->casinoName()));
        return;
    }
    board->showStored();
    emit imported(wheel, casino);
    m_status.setStatus(
        tr("Removed the %1 spins of the last import from %2.").arg(count(*removed), board->casinoName()));
}

void SpinTransfer::showProgress(int step, qint64 done, qint64 total)
{
    if (!m_progress || m_progress->wasCanceled())
        return;
    if (SpinImport::Step(step) == SpinImport::Step::BackingUp)
        m_progress->setLabelText(tr("Copying the database into the backup folder…"));
    else if (SpinImport::Step(step) == SpinImport::Step::Recording)
        m_progress->setLabelText(
            tr("Importing %1 of %2 spins into %3…").arg(count(done), count(total), m_importCasino));
    // The bar counts to at most a million steps, which an int holds; a pipe
    // of unknown length shows a busy bar.
    total = std::max<qint64>(total, 0);
    const int scale = total > 1000000 ? int(total / 1000000 + 1) : 1;
    m_progress->setMaximum(int(total / scale));
    // Last: a modal dialog's setValue() runs the event loop, and the import's
    // end may be handled inside it.
    m_progress->setValue(int(done / scale));
}

void SpinTransfer::importFinished(int outcome, qint64 spins, const QString& message)
{
    m_job->deleteLater();
    m_job = nullptr;
    const bool reopened = m_app.ensureOpen();
    // Not deleted here: a modal dialog's setValue() runs the event loop, so
    // this may be called from inside it.
    if (m_progress) {
        m_progress->hide();
        m_progress->deleteLater();
        m_progress = nullptr;
    }
    switch (SpinImport::Outcome(outcome)) {
    case SpinImport::Outcome::Imported:
        if (!reopened) {
            // The spins are in: the player must not import them again.
            m_status.setStatus(tr("Imported %1 spins into %2, but the file cannot be read again: %3. Restart "
                                  "Spinledger to see them.")
                                   .arg(count(spins), m_importCasino, m_app.db().lastReason()));
            break;
        }
        if (m_importBoard) {
            m_importBoard->showStored();
            emit imported(m_importBoard->wheel(), m_app.currentCasino(m_importBoard->wheel()).id());
        }
        m_status.setStatus(tr("Imported %1 spins into %2, %3.").arg(count(spins), m_importCasino, message));
        break;
    case SpinImport::Outcome::Refused:
        m_status.setStatus(tr("Nothing imported: %1.").arg(message));
        break;
    case SpinImport::Outcome::Cancelled:
        m_status.setStatus(tr("Import cancelled: nothing was changed."));
        break;
    case SpinImport::Outcome::Failed:
        m_status.setStatus(message);
        break;
    }
}

} // namespace spinledger
