#pragma once

#include <memory>
#include <vector>

// The desktop's pointer settings: pointer speed (1 to 20), double-click time
// (milliseconds) and wheel scroll lines. Each backend applies what its desktop
// reads and says false for what it cannot apply.
class PointerBackend
{
public:
    virtual ~PointerBackend() = default;
    virtual bool setPointerSpeed(int) { return false; }
    virtual bool setDoubleClickTime(int) { return false; }
    virtual bool setWheelScrollLines(int) { return false; }
};

// Applies every setting through every backend that can take it; a setting
// succeeds when at least one backend applied it.
class PointerSettings
{
public:
    explicit PointerSettings(std::vector<std::unique_ptr<PointerBackend>> backends);
    ~PointerSettings();

    // The backends this session has: GNOME's settings, the X server, KDE's globals.
    static std::unique_ptr<PointerSettings> forThisDesktop();

    bool setPointerSpeed(int speed);
    bool setDoubleClickTime(int milliseconds);
    bool setWheelScrollLines(int lines);

private:
    std::vector<std::unique_ptr<PointerBackend>> m_backends;
};
