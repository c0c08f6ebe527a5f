#include "device/clock.h"

#include <QElapsedTimer>
#include <QThread>

#include <atomic>

namespace {

class RealClock final : public Clock
{
public:
    RealClock() { started.start(); }
    void sleep(int ms) override { QThread::msleep(ulong(qMax(ms, 0))); }
    qint64 now() const override { return started.elapsed(); }

private:
    QElapsedTimer started;
};

RealClock &realClock()
{
    static RealClock clock;
    return clock;
}

std::atomic<Clock *> installed{nullptr};

} // namespace

Clock &Clock::current()
{
    Clock *clock = installed.load();
    return clock ? *clock : realClock();
}

void Clock::install(Clock *clock)
{
    installed.store(clock);
}
