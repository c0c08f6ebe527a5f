#include "app/widget.h"

#include "app/ui_controler.h"
#include "app/userevent.h"
#include "view/myqquickview.h"


bool deviceConnected = false;

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
}

Widget::~Widget()
{
    hid.stopEventListener();
    controler->deleteLater();
}

myQQuickView *Widget::view() const
{
    return controler->view();
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

void Widget::customEvent(QEvent *event)
{
    const auto *userEvent = dynamic_cast<UserEvent *>(event);
    if (event->type() == QEvent::User && userEvent && userEvent->code == UserEvent::kRunUI)
        view()->runUI();
}
