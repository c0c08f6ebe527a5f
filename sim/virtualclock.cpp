#include "sim/virtualclock.h"

namespace sim {

VirtualClock::VirtualClock()
{
    Clock::install(this);
}

VirtualClock::~VirtualClock()
{
    Clock::install(nullptr);
}

void VirtualClock::sleep(int ms)
{
    QMutexLocker lock(&m_mutex);
    m_now += qMax(ms, 0);
    m_pauses.append(ms);
}

qint64 VirtualClock::now() const
{
    QMutexLocker lock(&m_mutex);
    return m_now;
}

QList<int> VirtualClock::pauses() const
{
    QMutexLocker lock(&m_mutex);
    return m_pauses;
}

void VirtualClock::clearPauses()
{
    QMutexLocker lock(&m_mutex);
    m_pauses.clear();
}

} // namespace sim
