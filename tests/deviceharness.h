#pragma once

#include "app/widget.h"
#include "scratchmodules.h"
#include "sim/virtualclock.h"
#include "sim/virtualmouse.h"
#include "view/myqquickview.h"

#include <QSettings>
#include <QThread>

#include <functional>
#include <memory>

// A window talking to a factory-fresh virtual mouse in virtual time, with a
// private copy of the settings.
struct DeviceHarness
{
    std::unique_ptr<ScratchModules> scratch = std::make_unique<ScratchModules>();
    sim::VirtualMouse &mouse = sim::VirtualMouse::instance();
    std::unique_ptr<sim::VirtualClock> clock;
    std::unique_ptr<Widget> window;

    // Global settings to change before the window reads them.
    void setGlobal(const QString &key, const QVariant &value)
    {
        QSettings(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat).setValue(key, value);
    }

    // Makes the global settings and the virtual mouse a mouse of the given kind.
    void useMouse(const sim::FirmwareConfig &config)
    {
        setGlobal(QStringLiteral("mouse/icType"),
                  config.family == sim::ChipFamily::F560 ? QStringLiteral("560") : QStringLiteral("553"));
        setGlobal(QStringLiteral("0/isEncode"), config.encrypted);
        setGlobal(QStringLiteral("0/sCode"), config.secrecyCode);
        setGlobal(QStringLiteral("0/reportLength"), config.reportLength);
        mouse.reset(config);
    }

    void start()
    {
        clock = std::make_unique<sim::VirtualClock>();
        window = std::make_unique<Widget>();
    }

    Hid_Thread &hid() { return window->hid; }
    myQQuickView *view() { return window->view(); }

    // Lets virtual time pass in small steps, giving the listener thread room
    // to run, until done() holds. Returns done().
    bool advanceUntil(const std::function<bool()> &done, int stepMs = 50, int steps = 400)
    {
        for (int i = 0; i < steps; ++i) {
            QCoreApplication::processEvents();
            if (done())
                return true;
            clock->advance(stepMs);
            QThread::msleep(1);
        }
        QCoreApplication::processEvents();
        return done();
    }

    ~DeviceHarness()
    {
        window.reset(); // stops and waits for the listener while the virtual clock still runs
        clock.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        deviceConnected = false;
    }
};
