#pragma once

#include "device/hid_thread.h"

#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <functional>

struct CopyData;

class Ui_Controler;
class myQQuickView;

// True while a device has passed the handshake; read by the tray and restore logic.
extern bool deviceConnected;

// The frameless main window: owns the device object, the device-check timer,
// the tray icon and the controller whose QML view is its only child widget.
class Widget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kDeviceCheckDelayMs = 2048;
    static constexpr int kBalloonMs = 10000;

    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    myQQuickView *view() const;
    // A tray balloon with the information icon.
    void notify(const QString &title, const QString &text);

    // What global capture and the message channel call, with this window as context.
    static void keyboardCallback(int usage, bool pressed, void *context);
    static void mouseCallback(int buttonCode, bool pressed, int x, int y, void *context);
    static void copyDataCallback(const CopyData &data, void *context);
    // The message channel's tag for a text to show as a warning.
    static constexpr quint32 kWarningTag = 0x250F;
    // Shows a warning box; tests replace it so nothing modal opens.
    std::function<void(const QString &title, const QString &text)> showWarning;

    QTimer checkTimer;
    Ui_Controler *controler = nullptr;
    Hid_Thread hid;
    QSystemTrayIcon *trayIcon = nullptr;

public slots:
    void trayIconActivated(QSystemTrayIcon::ActivationReason reason);
    void checkDevice();
    void exitSYS();
    void receiveMessage(QString message);

signals:
    // Every balloon, also where no system tray shows it.
    void notified(const QString &title, const QString &text);

protected:
    void customEvent(QEvent *event) override;

private:
    void setupTray();
    // A burst of device changes gives one check, 2048 ms after the last; while
    // the listener runs, it notices a removal itself.
    void deviceChanged();
    void restoreWindow();
    void connectedSequence();

    bool m_checking = false;
};
