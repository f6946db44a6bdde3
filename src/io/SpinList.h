#pragma once

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace spinledger {

// The spins of a checked file, compact (a byte a pocket, a stamp only where
// the file has them) so that the largest accepted file stays small in memory,
// and how the file was read, for the line that reports the import.
struct SpinList
{
    Q_DECLARE_TR_FUNCTIONS(SpinList)
public:
    enum class Layout
    {
        List,  // every cell of every row is a pocket
        Table, // one pocket column, perhaps a stamp column
    };

    std::vector<quint8> pockets; // pocket indexes in file order
    std::vector<qint64> stamps;  // OleStamp::msecs() of each pocket, or none at all
    Layout layout = Layout::List;
    QString pocketColumn; // a table's: its header's name, or "column 2"
    QString stampColumn;  // empty without stamps

    qint64 size() const { return qint64(pockets.size()); }
    bool holds(int pocket) const;
    // "read as a list of 5,000 pockets", numbers in the user's locale.
    QString description() const;
};

} // namespace spinledger
