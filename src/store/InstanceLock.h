#pragma once

#include <QString>

namespace spinledger {

// The lock that marks an installation folder as in use by a running program.
// The window holds it for its whole run; programs that write the folder's
// database beside it (the command line's import) take it too, so the two never
// write at the same time.
namespace InstanceLock {
// One lock per installation folder, as one program file is one application.
// The folder is known by its canonical path, so a symbolic link to it (or to
// its database) finds the same lock.
QString pathFor(const QString& appFolder);
// The same, in the given folder instead of the temporary one.
QString pathFor(const QString& appFolder, const QString& lockFolder);
// Held by a command-line import for as long as it runs, beside the folder's
// lock, so a second import is told apart from an open window.
QString importPathFor(const QString& appFolder);
QString importPathBeside(const QString& instanceLockPath);
// The canonical folder of a database file, the path itself resolved too.
QString folderOf(const QString& databasePath);
} // namespace InstanceLock

} // namespace spinledger
