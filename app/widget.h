#pragma once

#include "device/hid_thread.h"

#include <QTimer>
#include <QWidget>

class QSystemTrayIcon;
class Ui_Controler;
class myQQuickView;

// True while a device has passed the handshake; read by the tray and restore logic.
extern bool deviceConnected;

// The frameless main window: owns the device object, the device-check timer and
// the controller whose QML view is its only child.
class Widget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kDeviceCheckDelayMs = 2048;

    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    myQQuickView *view() const;

    QTimer checkTimer;
    Ui_Controler *controler = nullptr;
    Hid_Thread hid;
    QSystemTrayIcon *trayIcon = nullptr;

public slots:
    void checkDevice();
    void receiveMessage(QString message);

protected:
    void restoreWindow();
    void customEvent(QEvent *event) override;
};
