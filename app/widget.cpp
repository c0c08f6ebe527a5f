#include "app/widget.h"

#include "app/devicechangemonitor.h"
#include "app/ui_controler.h"
#include "app/userevent.h"
#include "view/myqquickview.h"

#include "input/inputhook.h"
#include "view/qmlcalls.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QQuickItem>

bool deviceConnected = false;

namespace {

const char kTrayMenuStyle[] =
    "QMenu { border: 1px solid rgb(100, 100, 100); background: rgb(68, 69, 73); } "
    "QMenu::item { height: 22px; padding: 0px 25px 0px 20px; } "
    "QMenu::item:enabled { color: rgb(225, 225, 225); } "
    "QMenu::item:!enabled { color: rgb(155, 155, 155); } "
    "QMenu::item:enabled:selected { color: rgb(230, 230, 230); background: rgba(255, 255, 255, 40); } "
    "QMenu::separator { height: 1px; background: rgb(100, 100, 100); } "
    "QMenu::indicator { width: 13px; height: 13px; } "
    "QMenu::icon { padding-left: 2px; padding-right: 2px; } ";

} // namespace

Widget::Widget(QWidget *parent)
    : QWidget(parent)
{
    hid.owner = this;
    controler = new Ui_Controler;
    controler->initialize(this);
    view()->hid = &hid;
    checkTimer.setInterval(kDeviceCheckDelayMs);
    checkTimer.setSingleShot(true);
    connect(&checkTimer, &QTimer::timeout, this, &Widget::checkDevice);
    setupTray();

    showWarning = [](const QString &title, const QString &text) {
        QMessageBox::warning(nullptr, title, text, QMessageBox::Ok, QMessageBox::NoButton);
    };

    DeviceChangeMonitor &monitor = DeviceChangeMonitor::instance();
    connect(&monitor, &DeviceChangeMonitor::deviceChanged, this, &Widget::deviceChanged);
    monitor.watchSystem();
}

Widget::~Widget()
{
    hid.stopEventListener();
    // The listener reaches this window; it must be gone before the window is.
    hid.waitForListener();
    // The scene goes while the device object it calls still exists.
    delete view();
    delete controler;
}

myQQuickView *Widget::view() const
{
    return controler->view();
}

void Widget::setupTray()
{
    trayIcon = new QSystemTrayIcon(this);
    auto *quit = new QAction(tr("Quit (&Q)"), this);
    connect(quit, &QAction::triggered, this, &Widget::exitSYS);
    auto *menu = new QMenu(this);
    menu->addAction(quit);
    menu->setStyleSheet(QString::fromLatin1(kTrayMenuStyle));
    trayIcon->setContextMenu(menu);
    trayIcon->setToolTip(QStringLiteral("TARNWELL KESTREL MOUSE KM7"));
    trayIcon->setIcon(QIcon(QStringLiteral("./modules/img/logo.ico")));
    connect(trayIcon, &QSystemTrayIcon::activated, this, &Widget::trayIconActivated);
    trayIcon->show();
}

void Widget::notify(const QString &title, const QString &text)
{
    trayIcon->showMessage(title, text, QSystemTrayIcon::Information, kBalloonMs);
    emit notified(title, text);
}

void Widget::keyboardCallback(int usage, bool pressed, void *context)
{
    if (auto *window = static_cast<Widget *>(context))
        qmlcalls::invoke(window->view()->rootObject(), "detectKeyboard", Qt::QueuedConnection, {pressed, usage});
}

void Widget::mouseCallback(int buttonCode, bool pressed, int x, int y, void *context)
{
    if (auto *window = static_cast<Widget *>(context))
        qmlcalls::invoke(window->view()->rootObject(), "detectMouse", Qt::QueuedConnection,
                         {pressed, buttonCode, uint(x), uint(y)});
}

void Widget::copyDataCallback(const CopyData &data, void *context)
{
    auto *window = static_cast<Widget *>(context);
    if (!window || data.dwData != kWarningTag)
        return;
    // The text ends at its first zero byte, and the sender must have counted exactly its bytes.
    const QByteArray bytes = data.lpData.left(int(data.cbData));
    const int end = bytes.indexOf('\0');
    const QString text = QString::fromUtf8(end < 0 ? bytes : bytes.left(end));
    if (quint32(text.toUtf8().size()) != data.cbData)
        return;
    // Shown from the event loop, so the channel is done with its sender first.
    QMetaObject::invokeMethod(window, [window, text] { window->showWarning(window->windowTitle(), text); },
                              Qt::QueuedConnection);
}

void Widget::trayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick && deviceConnected)
        QMetaObject::invokeMethod(this, &Widget::restoreWindow, Qt::QueuedConnection);
}

void Widget::exitSYS()
{
    hid.stopEventListener();
    QCoreApplication::exit(0);
}

void Widget::receiveMessage(QString)
{
    // A second start brings the window back, but only while a mouse is connected.
    if (deviceConnected)
        QMetaObject::invokeMethod(this, &Widget::restoreWindow, Qt::QueuedConnection);
}

void Widget::restoreWindow()
{
    setVisible(true);
    showNormal();
    raise();
    activateWindow();
}

void Widget::deviceChanged()
{
    if (!hid.listenerRunning)
        checkTimer.start();
}

void Widget::customEvent(QEvent *event)
{
    const auto *userEvent = dynamic_cast<UserEvent *>(event);
    if (event->type() == QEvent::User && userEvent && userEvent->code == UserEvent::kRunUI)
        view()->runUI();
}
