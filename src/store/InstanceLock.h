#pragma once

#include <QString>

namespace spinledger {

// The lock that marks an installation folder as in use by a running program.
// The window holds it for its whole run; programs that write the folder's
// database beside it (the command line's import) take it too, so the two never
// write at the same time.
namespace InstanceLock {
// One lock per installation folder, as one program file is one application.
QString pathFor(const QString& appFolder);
// The same, in the given folder instead of the temporary one.
QString pathFor(const QString& appFolder, const QString& lockFolder);
} // namespace InstanceLock

} // namespace spinledger
