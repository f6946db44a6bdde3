#pragma once

#include <QIcon>

namespace spinledger {

// The "UPDATE" window icon: a green disc with a white arrow pointing down.
class UpdateIcon
{
public:
    static QIcon icon();

private:
    static QPixmap draw(int size);
};

} // namespace spinledger
