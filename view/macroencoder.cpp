#include "view/macroencoder.h"

#include "view/keynametable.h"

#include <algorithm>
#include <cmath>

namespace macroencoder {
namespace {

constexpr int kReleaseBit = 0x80;
constexpr int kLongestShortDelay = 126; // units that fit the control byte

bool isRelease(int type)
{
    return type == KeyRelease || type == ButtonRelease;
}

// Delays that are not whole 10 ms units round down.
constexpr int kMostUnits = 1 << 30; // far beyond any delay the format can carry

int delayUnits(const QString &milliseconds)
{
    const double ms = milliseconds.toDouble();
    return ms > 0 ? int(std::min(std::floor(ms / 10.0), double(kMostUnits))) : 0;
}

void closeEvent(QList<int> &out, int releaseType, int units)
{
    const int release = isRelease(releaseType) ? kReleaseBit : 0;
    const int eventAt = out.size() - 2;
    if (units <= kLongestShortDelay) {
        out[eventAt] = (units == 0 ? 1 : units) | release;
        return;
    }
    out[eventAt] = release;
    int count = units;
    int unit = 0;
    if (units < 100000) {
        unit = 1; // 20 ms
        count = units / 2;
    } else if (units < 300000) {
        unit = 2; // 50 ms
        count = units / 5;
    } else if (units < 600000) {
        unit = 3; // 100 ms
        count = units / 10;
    }
    if (unit != 0)
        out << 0 << unit;
    out << ((count >> 8) & 0xFF) << (count & 0xFF);
}

} // namespace

QList<int> encode(const QList<Event> &events, int repeat, const KeyNameTable &names)
{
    QList<int> out{(repeat >> 8) & 0xFF, repeat & 0xFF};
    int i = 0;
    while (i < events.size() && events.at(i).type == Delay)
        ++i;
    if (i == events.size())
        return out;

    out << 0 << names.codeOf(events.at(i).info);
    int previousType = events.at(i).type;
    int units = 0;
    for (++i; i < events.size(); ++i) {
        const Event &event = events.at(i);
        if (event.type == Delay) {
            units = int(std::min<qint64>(qint64(units) + delayUnits(event.info), kMostUnits));
            continue;
        }
        closeEvent(out, previousType, units);
        units = 0;
        previousType = event.type;
        out << 0 << names.codeOf(event.info);
    }
    out[out.size() - 2] = 1 | (isRelease(previousType) ? kReleaseBit : 0);
    out << 0 << 0;
    return out;
}

int encodedSize(const QList<Event> &events, const KeyNameTable &names)
{
    return int(encode(events, 0, names).size());
}

} // namespace macroencoder
