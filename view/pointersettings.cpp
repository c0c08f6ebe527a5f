#include "view/pointersettings.h"

#include "view/pointersettings_linux.h"

PointerSettings::PointerSettings(std::vector<std::unique_ptr<PointerBackend>> backends)
    : m_backends(std::move(backends))
{
}

PointerSettings::~PointerSettings() = default;

std::unique_ptr<PointerSettings> PointerSettings::forThisDesktop()
{
    std::vector<std::unique_ptr<PointerBackend>> backends;
    if (auto gnome = GnomeMouseSettings::open())
        backends.push_back(std::move(gnome));
    if (auto x11 = X11PointerControl::open())
        backends.push_back(std::move(x11));
    backends.push_back(std::make_unique<KdeGlobals>());
    return std::make_unique<PointerSettings>(std::move(backends));
}

bool PointerSettings::setPointerSpeed(int speed)
{
    bool applied = false;
    for (auto &backend : m_backends)
        applied = backend->setPointerSpeed(speed) || applied;
    return applied;
}

bool PointerSettings::setDoubleClickTime(int milliseconds)
{
    bool applied = false;
    for (auto &backend : m_backends)
        applied = backend->setDoubleClickTime(milliseconds) || applied;
    return applied;
}

bool PointerSettings::setWheelScrollLines(int lines)
{
    bool applied = false;
    for (auto &backend : m_backends)
        applied = backend->setWheelScrollLines(lines) || applied;
    return applied;
}
