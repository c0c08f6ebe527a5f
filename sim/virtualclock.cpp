#include "sim/virtualclock.h"

namespace sim {

VirtualClock::VirtualClock()
    : m_owner(QThread::currentThread())
{
    Clock::install(this);
}

VirtualClock::~VirtualClock()
{
    Clock::install(nullptr);
    QMutexLocker lock(&m_mutex);
    m_released = true;
    m_moved.wakeAll();
}

void VirtualClock::sleep(int ms)
{
    ms = qMax(ms, 0);
    QMutexLocker lock(&m_mutex);
    if (QThread::currentThread() == m_owner) {
        m_now += ms;
        m_pauses.append(ms);
        m_moved.wakeAll();
        return;
    }
    const qint64 until = m_now + ms;
    while (m_now < until && !m_released)
        m_moved.wait(&m_mutex);
}

void VirtualClock::advance(int ms)
{
    QMutexLocker lock(&m_mutex);
    m_now += qMax(ms, 0);
    m_moved.wakeAll();
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
