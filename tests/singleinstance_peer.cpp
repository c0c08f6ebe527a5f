// A tiny program for the single-instance test: the first copy reports each
// message it receives and exits; later copies send "" and exit with code 1.

#include "app/singleapplication.h"

#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    SingleApplication app(argc, argv);
    if (app.isRunning()) {
        app.sendMessage(QString(), 5000);
        return 1;
    }
    QTextStream out(stdout);
    QObject::connect(&app, &SingleApplication::messageReceived, &app, [&out](const QString &message) {
        out << "received:[" << message << "]" << Qt::endl;
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(30000, &app, [] { QCoreApplication::exit(2); });
    out << "ready" << Qt::endl;
    return app.exec();
}
