#pragma once

#include "store/CasinoStore.h"

#include <QGroupBox>

#include <functional>
#include <vector>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace spinledger {

class AppContext;
class BoardWidget;
class StatusSink;

// The "Casino List" frame of the Settings tab: add, rename and delete casinos,
// and keep the casino combo box of every board filled, each showing its
// wheel's current casino.
class CasinoPanel : public QGroupBox
{
    Q_OBJECT
public:
    // Asked before a casino and its history go: title, text; true for Yes.
    using ConfirmFn = std::function<bool(const QString&, const QString&)>;

    CasinoPanel(AppContext& app, StatusSink& status, QWidget* parent = nullptr);

    void setBoards(std::vector<BoardWidget*> boards) { m_boards = std::move(boards); }
    void setConfirm(ConfirmFn confirm) { m_confirm = std::move(confirm); }
    // Runs after a deletion is confirmed, before anything is deleted.
    void setBeforeDeletion(std::function<void()> run) { m_beforeDeletion = std::move(run); }

    // Adopts unowned casinos, settles each wheel's current casino and shows
    // the list on this panel and every board, which draws its casino.
    void load();

    // The question names how many spins of each wheel go with the casino.
    static QString deleteQuestion(const QString& name, qint64 spinsR = 0, qint64 spinsM = 0);

private:
    void addClicked();
    void updateClicked();
    void deleteClicked();
    void entryClicked(QListWidgetItem* item);

    // The typed name, cleaned; txCasino is emptied. Empty when the checks
    // failed (the status says why).
    QString takeName(const QString& emptyText);
    // Shows the casinos after an action; false, with the status saying why,
    // when it failed.
    bool show(const Result<Casinos>& casinos);

    AppContext& m_app;
    StatusSink& m_status;
    CasinoStore m_store;
    ConfirmFn m_confirm;
    std::function<void()> m_beforeDeletion = [] {};
    std::vector<BoardWidget*> m_boards;

    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_update = nullptr;
    QPushButton* m_delete = nullptr;
};

} // namespace spinledger
