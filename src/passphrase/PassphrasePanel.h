#pragma once

#include <QGroupBox>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace spinledger {

class AppContext;
class StatusSink;

// The "Passphrase" frame of the Settings tab: protects the database with a
// passphrase of the player's instead of the key built into the program, and
// goes back to that key.
class PassphrasePanel : public QGroupBox
{
    Q_OBJECT
public:
    using ChooseFn = std::function<std::optional<QString>()>;
    using ConfirmFn = std::function<bool(const QString& title, const QString& text)>;

    PassphrasePanel(AppContext& app, StatusSink& status, QWidget* parent = nullptr);

    // How a new passphrase is asked for and the removal confirmed; the
    // dialogs unless a test puts its own.
    void setPrompts(ChooseFn choose, ConfirmFn confirm);
    // Runs before the key changes: whatever else holds the file open lets go.
    void setBeforeRekey(std::function<void()> release) { m_release = std::move(release); }

    // "Protect with a passphrase…" and "Remove passphrase…".
    void protect();
    void removePassphrase();
    // Shows whether a passphrase protects the file.
    void refresh();

private:
    bool rekey(const QString& key);

    AppContext& m_app;
    StatusSink& m_status;
    ChooseFn m_choose;
    ConfirmFn m_confirm;
    std::function<void()> m_release;
    QLabel* m_state = nullptr;
    QPushButton* m_protect = nullptr;
    QPushButton* m_remove = nullptr;
};

} // namespace spinledger
