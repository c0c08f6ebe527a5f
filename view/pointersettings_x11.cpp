// Pointer speed on a plain X11 session: the core pointer's acceleration.

#include "view/pointersettings_linux.h"

#include <X11/Xlib.h>

namespace {

constexpr int kSpeedDenominator = 10;

Display *display(void *d)
{
    return static_cast<Display *>(d);
}

} // namespace

std::unique_ptr<X11PointerControl> X11PointerControl::open()
{
    Display *d = XOpenDisplay(nullptr);
    if (!d)
        return nullptr;
    return std::unique_ptr<X11PointerControl>(new X11PointerControl(d));
}

X11PointerControl::X11PointerControl(void *d)
    : m_display(d)
{
}

X11PointerControl::~X11PointerControl()
{
    XCloseDisplay(display(m_display));
}

bool X11PointerControl::setPointerSpeed(int speed)
{
    XChangePointerControl(display(m_display), True, False, qBound(1, speed, 20), kSpeedDenominator, 0);
    XSync(display(m_display), False);
    return true;
}

std::pair<int, int> X11PointerControl::acceleration() const
{
    int numerator = 0;
    int denominator = 0;
    int threshold = 0;
    XGetPointerControl(display(m_display), &numerator, &denominator, &threshold);
    return {numerator, denominator};
}
