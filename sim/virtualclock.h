#pragma once

#include "device/clock.h"

#include <QList>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

namespace sim {

// Time that passes only when the test's thread sleeps or advances it. Other
// threads (the event listener) sleep until the test's thread has moved time
// far enough. Installs itself for its lifetime.
class VirtualClock final : public Clock
{
public:
    VirtualClock();
    ~VirtualClock() override;

    void sleep(int ms) override;
    qint64 now() const override;

    // Moves time on, waking the threads whose sleep has run out.
    void advance(int ms);

    // The pauses taken on the test's thread, in order.
    QList<int> pauses() const;
    void clearPauses();

private:
    mutable QMutex m_mutex;
    QWaitCondition m_moved;
    QThread *m_owner;
    qint64 m_now = 0;
    bool m_released = false;
    QList<int> m_pauses;
};

} // namespace sim
