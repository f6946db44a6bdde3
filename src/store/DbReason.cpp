#include "store/DbReason.h"

#include <sqlite3.h>

#include <QCoreApplication>

namespace spinledger {

namespace {

struct Sentence
{
    int code;
    const char* text;
};

// Extended result codes that need their own words first; every other one
// falls onto its primary code.
const Sentence kSentences[] = {
    {SQLITE_READONLY_ROLLBACK,
     QT_TRANSLATE_NOOP("DbReason", "a change to the database file did not end, and only a program that may "
                                   "write the file can undo it")},
    {SQLITE_FULL, QT_TRANSLATE_NOOP("DbReason", "the disk is full")},
    {SQLITE_CORRUPT, QT_TRANSLATE_NOOP("DbReason", "the database file is damaged")},
    {SQLITE_NOTADB,
     QT_TRANSLATE_NOOP("DbReason", "the file is no Spinledger database, or it is damaged at its start")},
    {SQLITE_READONLY, QT_TRANSLATE_NOOP("DbReason", "the database file is read-only")},
    {SQLITE_CANTOPEN, QT_TRANSLATE_NOOP("DbReason", "the database file cannot be opened")},
    {SQLITE_IOERR, QT_TRANSLATE_NOOP("DbReason", "the disk could not be read or written")},
    {SQLITE_PERM, QT_TRANSLATE_NOOP("DbReason", "access to the database file is not allowed")},
    {SQLITE_AUTH, QT_TRANSLATE_NOOP("DbReason", "access to the database file is not allowed")},
    {SQLITE_BUSY, QT_TRANSLATE_NOOP("DbReason", "another program is using the database file")},
    {SQLITE_LOCKED, QT_TRANSLATE_NOOP("DbReason", "another program is using the database file")},
    {SQLITE_NOMEM, QT_TRANSLATE_NOOP("DbReason", "the computer is out of memory")},
    {SQLITE_NOLFS, QT_TRANSLATE_NOOP("DbReason", "the database file is too large for this system")},
    {SQLITE_TOOBIG, QT_TRANSLATE_NOOP("DbReason", "a value is too large for the database")},
    {SQLITE_SCHEMA, QT_TRANSLATE_NOOP("DbReason", "the database file was changed by another program")},
    {SQLITE_ERROR, QT_TRANSLATE_NOOP("DbReason", "the database file does not hold what Spinledger expects")},
};

QString translated(const char* text)
{
    return QCoreApplication::translate("DbReason", text);
}

} // namespace

QString DbReason::of(int resultCode)
{
    for (const int code : {resultCode, resultCode & 0xff}) {
        for (const Sentence& s : kSentences) {
            if (s.code == code)
                return translated(s.text);
        }
    }
    return {};
}

QString DbReason::missingFile()
{
    return translated(QT_TRANSLATE_NOOP("DbReason", "the database file is missing"));
}

QString DbReason::emptyFile()
{
    return translated(QT_TRANSLATE_NOOP("DbReason", "the database file is empty (0 bytes)"));
}

} // namespace spinledger

namespace spinledger {

namespace {
QString translatedText(const char* text)
{
    return QCoreApplication::translate("DbReason", text);
}
} // namespace

QString DbReason::damaged()
{
    return of(SQLITE_CORRUPT);
}

QString DbReason::beingChecked()
{
    return translatedText(
        QT_TRANSLATE_NOOP("DbReason", "the database file is still being checked; try again in a moment"));
}

QString DbReason::newerFile()
{
    return translatedText(QT_TRANSLATE_NOOP(
        "DbReason",
        "the database file was written by a newer version of Spinledger, which this one cannot use"));
}

} // namespace spinledger
