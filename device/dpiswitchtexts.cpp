#include "device/dpiswitchtexts.h"

#include <QMutex>

namespace dpiswitchtexts {
namespace {

QMutex &mutex()
{
    static QMutex lock;
    return lock;
}

QStringList &texts()
{
    static QStringList entries(kCount, QStringLiteral("DPI Switch to"));
    return entries;
}

} // namespace

QString forStage(int stageByte)
{
    const int index = stageByte >= 1 && stageByte <= kCount ? stageByte - 1 : kCount - 1;
    QMutexLocker lock(&mutex());
    return texts().at(index);
}

void replace(const QStringList &replacement)
{
    QMutexLocker lock(&mutex());
    for (int i = 0; i < qMin(int(kCount), int(replacement.size())); ++i)
        texts()[i] = replacement.at(i);
}

QStringList all()
{
    QMutexLocker lock(&mutex());
    return texts();
}

} // namespace dpiswitchtexts
