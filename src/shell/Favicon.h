#pragma once

#include <QIcon>

namespace spinledger {

// The window icon "FAVICON": the program's wheel emblem, drawn rather than
// loaded, at every size a title bar, task switcher or high-density screen asks.
class Favicon
{
public:
    static QIcon icon();
};

} // namespace spinledger
