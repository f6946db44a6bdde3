#pragma once

#include <QDialog>

#include <optional>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace spinledger {

// Asks for a passphrase: the one that opens the database at start, or a new
// one, typed twice, after the warning that a forgotten one cannot be
// recovered.
class PassphraseDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int MinimumLength = 8;

    enum class Purpose
    {
        Open,   // the passphrase of the file
        Choose, // a new passphrase
    };

    PassphraseDialog(Purpose purpose, QWidget* parent = nullptr);

    // attempt counts from 1; a later attempt says the one before was wrong.
    void setAttempt(int attempt, int tries);
    QString passphrase() const;
    // Empty when the typed passphrase may be taken.
    QString problem() const;

    static std::optional<QString> askToOpen(QWidget* parent, int attempt, int tries);
    static std::optional<QString> askNew(QWidget* parent);

    static QString warningText();

private:
    void updateAcceptance();

    Purpose m_purpose;
    QLabel* m_text = nullptr;
    QLineEdit* m_first = nullptr;
    QLineEdit* m_repeat = nullptr;
    QLabel* m_problem = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace spinledger
