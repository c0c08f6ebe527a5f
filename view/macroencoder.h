#pragma once

#include <QList>
#include <QString>

class KeyNameTable;

// The mouse's macro format: a repeat count, then one [control, code] pair per
// event, where control is the delay to the next event in 10 ms units with bit 7
// set for a release, long delays in extra pairs, and a [0, 0] terminator.
namespace macroencoder {

enum EventType { Delay = 0, KeyPress = 1, KeyRelease = 2, ButtonPress = 3, ButtonRelease = 4 };

struct Event
{
    int type;
    QString info; // milliseconds for a delay, the key or button name otherwise
};

constexpr int kBlockSize = 128;
// The editor stops adding events once a macro takes this many bytes, so every
// macro fits the mouse's 128-byte slot.
constexpr int kEditorLimit = 126;

QList<int> encode(const QList<Event> &events, int repeat, const KeyNameTable &names);
// The number of bytes encode() gives; what the editor checks against kEditorLimit.
int encodedSize(const QList<Event> &events, const KeyNameTable &names);

} // namespace macroencoder
