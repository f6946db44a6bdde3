#include "passphrase/PassphrasePanel.h"

#include "passphrase/PassphraseDialog.h"
#include "store/AppContext.h"
#include "store/ErrorCodes.h"
#include "ui/StatusSink.h"
#include "ui/WindowLock.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace spinledger {

namespace {
Q_LOGGING_CATEGORY(lcPassphrase, "spinledger.passphrase")
}

PassphrasePanel::PassphrasePanel(AppContext& app, StatusSink& status, QWidget* parent)
    : QGroupBox(tr("Passphrase"), parent), m_app(app), m_status(status)
{
    setObjectName(QStringLiteral("grpPassphrase"));
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("lblPassphrase"));
    m_state->setWordWrap(true);
    m_protect = new QPushButton(tr("Pro&tect with a passphrase…"), this);
    m_protect->setObjectName(QStringLiteral("btnPassphrase"));
    m_remove = new QPushButton(tr("&Remove passphrase…"), this);
    m_remove->setObjectName(QStringLiteral("btnRemovePassphrase"));
    connect(m_protect, &QPushButton::clicked, this, &PassphrasePanel::protect);
    connect(m_remove, &QPushButton::clicked, this, &PassphrasePanel::removePassphrase);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_state);
    layout->addWidget(m_protect);
    layout->addWidget(m_remove);
    layout->addStretch(1);
    setPrompts([this] { return PassphraseDialog::askNew(window()); },
               [this](const QString& title, const QString& text) {
                   return QMessageBox::question(window(), title, text) == QMessageBox::Yes;
               });
    refresh();
}

void PassphrasePanel::setPrompts(ChooseFn choose, ConfirmFn confirm)
{
    m_choose = std::move(choose);
    m_confirm = std::move(confirm);
}

void PassphrasePanel::refresh()
{
    const bool own = m_app.hasPassphrase();
    m_state->setText(own ? tr("Your passphrase protects the database.")
                         : tr("The database is scrambled with the key built into Spinledger: it keeps "
                              "other programs out, not someone who has Spinledger."));
    m_protect->setText(own ? tr("Chan&ge the passphrase…") : tr("Pro&tect with a passphrase…"));
    m_remove->setEnabled(own);
}

void PassphrasePanel::protect()
{
    const std::optional<QString> chosen = m_choose();
    if (!chosen)
        return;
    if (rekey(*chosen))
        m_status.setStatus(tr("Your passphrase now protects the database and its backups."));
}

void PassphrasePanel::removePassphrase()
{
    if (!m_app.hasPassphrase())
        return;
    if (!m_confirm(tr("Remove passphrase"),
                   tr("The database goes back to the key built into Spinledger, which anyone who has "
                      "Spinledger can open. Remove the passphrase?")))
        return;
    if (rekey(AppContext::DatabasePassword))
        m_status.setStatus(tr("The passphrase is removed; the built-in key protects the database again."));
}

bool PassphrasePanel::rekey(const QString& key)
{
    const WindowLock lock(this);
    m_status.setStatus(texts::PleaseWait(), true);
    if (m_release)
        m_release();
    const bool done = m_app.changeKey(key);
    refresh();
    if (!done) {
        qCWarning(lcPassphrase) << "rekey failed:" << m_app.db().lastError();
        m_status.setStatus(tr("Unable to change the key: %1. The database keeps the key it had.")
                               .arg(m_app.db().lastError()));
    }
    return done;
}

} // namespace spinledger
