#include "passphrase/PassphraseDialog.h"

#include "store/AppContext.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace spinledger {

namespace {

QLineEdit* secretField(const char* name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setEchoMode(QLineEdit::Password);
    return field;
}

} // namespace

PassphraseDialog::PassphraseDialog(Purpose purpose, QWidget* parent) : QDialog(parent), m_purpose(purpose)
{
    setObjectName(QStringLiteral("dlgPassphrase"));
    setWindowTitle(tr("Spinledger - Passphrase"));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("lblPassphraseText"));
    m_text->setWordWrap(true);
    m_first = secretField("txtPassphrase", this);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("lblPassphraseProblem"));
    m_problem->setWordWrap(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("&Passphrase:"), m_first);
    if (purpose == Purpose::Choose) {
        m_repeat = secretField("txtPassphraseRepeat", this);
        form->addRow(tr("&Repeat it:"), m_repeat);
        m_text->setText(warningText());
        connect(m_repeat, &QLineEdit::textChanged, this, &PassphraseDialog::updateAcceptance);
    } else {
        m_text->setText(tr("Your history is protected by a passphrase. Enter it to open Spinledger."));
    }
    connect(m_first, &QLineEdit::textChanged, this, &PassphraseDialog::updateAcceptance);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);
    setMinimumWidth(420);
    updateAcceptance();
}

QString PassphraseDialog::warningText()
{
    return tr("A passphrase cannot be recovered: if you forget it, nobody can open your history again, "
              "not Spinledger and not its makers, and your backups carry the same passphrase. Write it "
              "down and keep it safe.");
}

void PassphraseDialog::setAttempt(int attempt, int tries)
{
    if (attempt > 1)
        m_problem->setText(tr("That was not the passphrase. Try %1 of %2.").arg(attempt).arg(tries));
}

QString PassphraseDialog::passphrase() const
{
    return m_first->text();
}

QString PassphraseDialog::problem() const
{
    const QString given = m_first->text();
    if (given.isEmpty())
        return tr("Type the passphrase.");
    if (m_purpose == Purpose::Open)
        return {};
    if (given.size() < MinimumLength)
        return tr("A passphrase has at least %1 characters.").arg(MinimumLength);
    if (given == AppContext::DatabasePassword)
        return tr("Choose a passphrase of your own.");
    if (m_repeat->text() != given)
        return tr("The two passphrases differ.");
    return {};
}

void PassphraseDialog::updateAcceptance()
{
    const QString why = problem();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(why.isEmpty());
    if (m_purpose == Purpose::Choose)
        m_problem->setText(why);
}

std::optional<QString> PassphraseDialog::askToOpen(QWidget* parent, int attempt, int tries)
{
    PassphraseDialog dialog(Purpose::Open, parent);
    dialog.setAttempt(attempt, tries);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.passphrase();
}

std::optional<QString> PassphraseDialog::askNew(QWidget* parent)
{
    PassphraseDialog dialog(Purpose::Choose, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.passphrase();
}

} // namespace spinledger
