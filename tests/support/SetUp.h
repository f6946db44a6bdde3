#pragma once

#include <QtGlobal>

namespace spinledger::test {

// A fixture that cannot be set up stops the test program with the reason: a
// test run on top of it would blame the program for the fixture's fault.
inline void setUp(bool done, const char* what)
{
    if (!done)
        qFatal("test set-up failed: %s", what);
}

} // namespace spinledger::test
