#pragma once

#include <QIcon>

namespace spinledger {

// The window icon "FAVICON": a small roulette wheel, drawn rather than loaded.
class Favicon
{
public:
    static QIcon icon();
};

} // namespace spinledger
