#pragma once

#include "view/pointersettings.h"

#include <QString>

#include <memory>
#include <optional>

// GNOME's mouse settings (org.gnome.desktop.peripherals.mouse): speed -1 to 1,
// double-click in milliseconds. Only where the schema is installed and the
// settings are stored somewhere that lasts.
class GnomeMouseSettings final : public PointerBackend
{
public:
    static std::unique_ptr<GnomeMouseSettings> open();
    ~GnomeMouseSettings() override;

    bool setPointerSpeed(int speed) override;
    bool setDoubleClickTime(int milliseconds) override;

    double speed() const;
    int doubleClickTime() const;

    // 1 to 20 mapped linearly onto GNOME's -1 to 1.
    static double gnomeSpeed(int speed);

private:
    explicit GnomeMouseSettings(void *settings);
    void *m_settings; // GSettings
};

// The X server's pointer acceleration, speed / 10 (speed 10 leaves it at 1).
class X11PointerControl final : public PointerBackend
{
public:
    static std::unique_ptr<X11PointerControl> open();
    ~X11PointerControl() override;

    bool setPointerSpeed(int speed) override;
    // Numerator and denominator of the current acceleration.
    std::pair<int, int> acceleration() const;

private:
    explicit X11PointerControl(void *display);
    void *m_display; // Display
};

// KDE's kdeglobals in the user's config folder, which Qt and KDE programs read:
// WheelScrollLines and DoubleClickInterval in the group [KDE]. Only those two
// lines are touched; the rest of the file stays as it is.
class KdeGlobals final : public PointerBackend
{
public:
    KdeGlobals();
    explicit KdeGlobals(const QString &path);

    bool setDoubleClickTime(int milliseconds) override;
    bool setWheelScrollLines(int lines) override;

    QString path() const { return m_path; }
    std::optional<int> value(const QString &key) const;

private:
    bool setValue(const QString &key, int value);
    QString m_path;
};
