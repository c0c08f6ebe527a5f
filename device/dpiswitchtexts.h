#pragma once

#include <QString>
#include <QStringList>

// The eight balloon texts shown when the mouse switches its DPI stage; the
// language loader replaces them while the event listener may be reading them.
namespace dpiswitchtexts {

constexpr int kCount = 8;

// The text for the stage byte of an event: stages 1 to 8 have their own,
// anything else shows the last one.
QString forStage(int stageByte);

// Replaces the first texts.size() entries (at most eight); the rest stay.
void replace(const QStringList &texts);

QStringList all();

} // namespace dpiswitchtexts
