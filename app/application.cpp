#include "app/application.h"

#include "app/singleapplication.h"
#include "app/startup.h"
#include "app/widget.h"
#include "input/inputhook.h"

#include <QQuickWindow>

namespace {
constexpr int kHandOverTimeoutMs = 5000;
}

int runApplication(int argc, char *argv[], const Companion &companion)
{
    // The scene is flat 2D: the software renderer draws it with a fraction of
    // the memory a GL driver takes, and works on every display.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    SingleApplication app(argc, argv);
    // The program lives in the tray: closing a warning box or the last visible
    // window must not end it; only the tray's Quit does.
    QApplication::setQuitOnLastWindowClosed(false);
    // Lets Wayland compositors match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.km7.Config"));
    if (app.isRunning()) {
        app.sendMessage(QString(), kHandOverTimeoutMs);
        return 1;
    }
    enterExecutableFolder(QCoreApplication::applicationFilePath());

    Widget window;
    QObject::connect(&app, &SingleApplication::messageReceived, &window, &Widget::receiveMessage);

    // Keys and buttons are recorded wherever the focus is; without an X server nothing is.
    InputHook &capture = InputHook::instance();
    capture.start(false);
    capture.registerKeyboardCallback(&Widget::keyboardCallback, &window);
    capture.registerMouseCallback(&Widget::mouseCallback, &window);
    capture.registerCopyDataCallback(&Widget::copyDataCallback, &window);

    const std::unique_ptr<QObject> beside = companion ? companion(window) : nullptr;
    window.showNormal();
    window.checkDevice();
    const int result = app.exec();

    capture.stop();
    capture.registerKeyboardCallback(nullptr, nullptr);
    capture.registerMouseCallback(nullptr, nullptr);
    capture.registerCopyDataCallback(nullptr, nullptr);
    return result;
}
