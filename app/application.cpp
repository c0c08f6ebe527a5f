#include "app/application.h"

#include "app/singleapplication.h"
#include "app/startup.h"
#include "app/widget.h"

namespace {
constexpr int kHandOverTimeoutMs = 5000;
}

int runApplication(int argc, char *argv[], const Companion &companion)
{
    SingleApplication app(argc, argv);
    if (app.isRunning()) {
        app.sendMessage(QString(), kHandOverTimeoutMs);
        return 1;
    }
    enterExecutableFolder(QCoreApplication::applicationFilePath());

    Widget window;
    QObject::connect(&app, &SingleApplication::messageReceived, &window, &Widget::receiveMessage);
    const std::unique_ptr<QObject> beside = companion ? companion(window) : nullptr;
    window.showNormal();
    window.checkDevice();
    return app.exec();
}
