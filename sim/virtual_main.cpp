// KM7 Config with the virtual mouse plugged in, and a window to drive it.

#include "app/application.h"
#include "app/widget.h"
#include "sim/virtualmousewindow.h"

#include <QCoreApplication>
#include <QProcess>

int main(int argc, char *argv[])
{
    QString program;
    const int result = runApplication(argc, argv, [&program](Widget &app) -> std::unique_ptr<QObject> {
        program = QCoreApplication::applicationFilePath();
        sim::configureFromSettings();
        auto controls = std::make_unique<sim::VirtualMouseWindow>(app);
        // Beside the main window, so both can be seen at once.
        controls->move(app.x() + app.width() + 16, app.y());
        controls->show();
        return controls;
    });
    if (sim::VirtualMouseWindow::restartRequested() && !program.isEmpty())
        QProcess::startDetached(program, {});
    return result;
}
