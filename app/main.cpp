#include "app/singleapplication.h"
#include "app/startup.h"
#include "app/widget.h"

int main(int argc, char *argv[])
{
    SingleApplication app(argc, argv);
    if (app.isRunning()) {
        app.sendMessage(QString(), 5000);
        return 1;
    }
    enterExecutableFolder(QCoreApplication::applicationFilePath());

    int result = 0;
    {
        Widget window;
        QObject::connect(&app, &SingleApplication::messageReceived, &window, &Widget::receiveMessage);
        window.showNormal();
        window.checkDevice();
        result = app.exec();
    }
    return result;
}
