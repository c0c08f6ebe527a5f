// GNOME's mouse settings through GSettings. GLib's headers come before Qt's,
// whose "signals" keyword would clash with them.
#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>

#include "view/pointersettings_linux.h"

namespace {

const char kSchema[] = "org.gnome.desktop.peripherals.mouse";

GSettings *gsettings(void *settings)
{
    return static_cast<GSettings *>(settings);
}

// A memory backend would take the value and forget it at once.
bool settingsLast()
{
    GSettingsBackend *backend = g_settings_backend_get_default();
    const bool lasting = backend && !g_str_equal(G_OBJECT_TYPE_NAME(backend), "GMemorySettingsBackend")
        && !g_str_equal(G_OBJECT_TYPE_NAME(backend), "GNullSettingsBackend");
    if (backend)
        g_object_unref(backend);
    return lasting;
}

} // namespace

std::unique_ptr<GnomeMouseSettings> GnomeMouseSettings::open()
{
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    GSettingsSchema *schema = source ? g_settings_schema_source_lookup(source, kSchema, TRUE) : nullptr;
    if (!schema)
        return nullptr;
    g_settings_schema_unref(schema);
    if (!settingsLast())
        return nullptr;
    return std::unique_ptr<GnomeMouseSettings>(new GnomeMouseSettings(g_settings_new(kSchema)));
}

GnomeMouseSettings::GnomeMouseSettings(void *settings)
    : m_settings(settings)
{
}

GnomeMouseSettings::~GnomeMouseSettings()
{
    g_object_unref(gsettings(m_settings));
}

double GnomeMouseSettings::gnomeSpeed(int speed)
{
    speed = qBound(1, speed, 20);
    return -1.0 + 2.0 * (speed - 1) / 19.0;
}

bool GnomeMouseSettings::setPointerSpeed(int speed)
{
    const bool set = g_settings_set_double(gsettings(m_settings), "speed", gnomeSpeed(speed));
    g_settings_sync();
    return set;
}

bool GnomeMouseSettings::setDoubleClickTime(int milliseconds)
{
    const bool set = g_settings_set_int(gsettings(m_settings), "double-click", milliseconds);
    g_settings_sync();
    return set;
}

double GnomeMouseSettings::speed() const
{
    return g_settings_get_double(gsettings(m_settings), "speed");
}

int GnomeMouseSettings::doubleClickTime() const
{
    return g_settings_get_int(gsettings(m_settings), "double-click");
}
