#pragma once

#include <QString>

namespace spinledger {

// The name under which an offered installer may be saved: a plain file name
// that is none of the installation's own files (so it can never replace the
// template a new player's database is made from, nor a program), and that
// Windows would store under the same name as Linux.
class InstallerName
{
public:
    static constexpr qsizetype MaxUtf8Bytes = 200;

    // programName: the running program's file name, also refused.
    static bool isAcceptable(const QString& name, const QString& programName);

private:
    static bool hasUnsafeCharacter(const QString& name);
    static bool isDeviceName(const QString& name);
    static bool isInstallationFile(const QString& name, const QString& programName);
};

} // namespace spinledger
