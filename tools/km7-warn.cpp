// km7-warn [--to PROGRAM] TEXT
//
// Asks the running KM7 Config beside this tool (or PROGRAM, a file name in
// the same folder or a path) to show TEXT in a warning box.

#include "app/widget.h"
#include "input/copydatachannel.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    QString program = QStringLiteral("km7-config");
    if (arguments.size() >= 2 && arguments.first() == QLatin1String("--to")) {
        program = arguments.at(1);
        arguments = arguments.mid(2);
    }
    QTextStream err(stderr);
    if (arguments.size() != 1) {
        err << "usage: km7-warn [--to PROGRAM] TEXT" << Qt::endl;
        return 2;
    }
    const QString target = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(program);
    const QByteArray text = arguments.first().toUtf8();

    QLocalSocket socket;
    socket.connectToServer(CopyDataChannel::nameFor(target));
    if (!socket.waitForConnected(2000)) {
        err << "km7-warn: " << target << " is not running" << Qt::endl;
        return 1;
    }
    socket.write(CopyDataChannel::frame(Widget::kWarningTag, text, quint32(text.size())));
    socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
    return 0;
}
