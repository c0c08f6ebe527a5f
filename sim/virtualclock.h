#pragma once

#include "device/clock.h"

#include <QList>
#include <QMutex>

namespace sim {

// Time that passes only when the code under test sleeps. Installs itself for
// its lifetime, so a test declares one and every pause becomes a record.
class VirtualClock final : public Clock
{
public:
    VirtualClock();
    ~VirtualClock() override;

    void sleep(int ms) override;
    qint64 now() const override;

    QList<int> pauses() const;
    void clearPauses();

private:
    mutable QMutex m_mutex;
    qint64 m_now = 0;
    QList<int> m_pauses;
};

} // namespace sim
