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

} // namespace spinledger::test
