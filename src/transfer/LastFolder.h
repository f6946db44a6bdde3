#pragma once

#include <QString>

namespace spinledger {

// The folder the spin files' dialogs open in: the folder of the last file
// imported or exported, kept across runs in the user's configuration (it is
// the player's desktop, not the ledger's, so it stays out of the database).
// Before the first file, and when that folder is gone, the documents folder
// where there is one, the home folder otherwise.
class LastFolder
{
public:
    LastFolder();

    QString folder() const;
    void remember(const QString& file);

private:
    QString m_folder;
};

} // namespace spinledger
