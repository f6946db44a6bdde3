#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace spinledger::test {

// Writes a file a test hands to the program and gives back its path; a test
// that cannot write its own input stops at once.
inline QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// A file's bytes; empty when it cannot be read, which no test expects of a
// file it looks into.
inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace spinledger::test
