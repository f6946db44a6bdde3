#pragma once

#include "store/Result.h"

#include <QObject>

namespace spinledger {

class AppContext;
class Wheel;

// The one owner of a wheel's current casino: read once at start, every
// choice written through the settings store, and one signal that whoever
// shows the casino's history follows.
class CurrentCasino : public QObject
{
    Q_OBJECT
public:
    CurrentCasino(AppContext& app, const Wheel& wheel) : m_app(app), m_wheel(wheel) {}

    const Wheel& wheel() const { return m_wheel; }
    qint64 id() const { return m_id; }

    // Stores the choice; only when it is stored does it become the current
    // casino. The failure line says why it was not.
    Status choose(qint64 id);
    // Takes a casino the store already holds (the start, a settled casino
    // list, a restored file). True when it differs from the one before.
    bool adopt(qint64 id);

signals:
    void changed(qint64 id);

private:
    AppContext& m_app;
    const Wheel& m_wheel;
    qint64 m_id = 0;
};

} // namespace spinledger
