#pragma once

#include "transfer/LastFolder.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QProgressDialog;
class QWidget;

namespace spinledger {

class AppContext;
class BoardWidget;
class ImportJob;
class StatusSink;
class Wheel;

// "Import spins…" and "Export spins…" of the File menu, for the wheel and the
// current casino of the board on the current tab. The export writes the file
// at once; the import runs on a thread of its own behind a modal progress
// dialog with Cancel, and the board is redrawn when it is done. Refusals and
// results go to the status bar.
class SpinTransfer : public QObject
{
    Q_OBJECT
public:
    // The board of the current tab; nullptr while another tab is shown.
    using BoardFn = std::function<BoardWidget*()>;
    // Asks for a file: parent, caption, suggested path; empty when the player
    // cancels. Tests put in their own instead of a real dialog.
    using FileChooser = std::function<QString(QWidget*, const QString&, const QString&)>;

    SpinTransfer(AppContext& app, StatusSink& status, BoardFn currentBoard, QWidget* window);
    ~SpinTransfer() override;

    // Adds both items to the menu; they are enabled while a board is shown.
    void addTo(QMenu* menu);
    void setSaveChooser(FileChooser choose) { m_chooseSave = std::move(choose); }
    void setOpenChooser(FileChooser choose) { m_chooseOpen = std::move(choose); }

    void exportSpins();
    void importSpins();
    // Takes back the last import of the board's casino, offered until a spin
    // is recorded there.
    void undoLastImport();
    bool canUndoImport();

    // "Demo Casino - Roulette.csv", with what a file name cannot hold replaced.
    static QString suggestedName(const QString& casino, const Wheel& wheel);

signals:
    // An import changed the casino's history on this wheel.
    void imported(const Wheel& wheel, qint64 casino);
    // An import of a chosen file is about to start: no other copy may be
    // under way when its backup is taken.
    void aboutToImport();
    // The copy taken before the import's spins went in, or why it failed.
    void backupTaken(bool taken, const QString& status);

private:
    void importFinished(int outcome, qint64 spins, const QString& message);
    void showProgress(int step, qint64 done, qint64 total);

    AppContext& m_app;
    StatusSink& m_status;
    BoardFn m_currentBoard;
    QWidget* m_window;
    FileChooser m_chooseSave;
    FileChooser m_chooseOpen;
    QAction* m_import = nullptr;
    QAction* m_export = nullptr;
    QAction* m_undoImport = nullptr;
    LastFolder m_folder;
    ImportJob* m_job = nullptr;
    QPointer<QProgressDialog> m_progress;
    QPointer<BoardWidget> m_importBoard;
    QString m_importCasino;
};

} // namespace spinledger
