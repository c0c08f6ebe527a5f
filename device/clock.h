#pragma once

#include <QtGlobal>

// Every pause of the device code goes through the installed clock, so tests can
// run the transport in virtual time and check each pause exactly.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual void sleep(int ms) = 0;
    // Milliseconds since the clock started; stamps the virtual mouse's wire log.
    virtual qint64 now() const = 0;

    static Clock &current();
    // Installs a clock for the whole process; nullptr restores the real one.
    static void install(Clock *clock);
};
