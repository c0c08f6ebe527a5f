// One full Save (button list, DPI, lighting) against the virtual mouse on the
// real clock: the wall time, and the pauses the protocol itself demands.

#include "app/widget.h"
#include "device/clock.h"
#include "sim/virtualmouse.h"
#include "view/myqquickview.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QQuickWindow>
#include <QTextStream>

#include <atomic>

namespace {

// Sleeps for real and adds up what it was asked to sleep.
class CountingClock final : public Clock
{
public:
    void sleep(int ms) override
    {
        asked += ms;
        QThread::msleep(ulong(ms));
    }
    qint64 now() const override { return started.elapsed(); }

    QElapsedTimer started;
    std::atomic<qint64> asked{0};
};

QVariantList pageAssignments()
{
    QVariantList values;
    for (int button = 0; button < 16; ++button)
        values << 0 << 0 << (0xF0 + button % 5) << 0;
    return values;
}

} // namespace

int main(int argc, char *argv[])
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    CountingClock clock;
    clock.started.start();

    Widget window;
    window.checkDevice();
    window.hid.stopEventListener();
    window.hid.waitForListener();
    myQQuickView *view = window.view();
    Clock::install(&clock);

    const int rounds = 3;
    qint64 wall = 0;
    qint64 pauses = 0;
    for (int round = 0; round < rounds; ++round) {
        const qint64 askedBefore = clock.asked;
        QElapsedTimer timer;
        timer.start();
        view->mouseSetKeyMatrix(pageAssignments(), true, {90, 100, 110});
        view->mouseSetDpi(5, QStringLiteral("3360"), {400, 800, 1600, 3200, 6400, 8000, 10000, 12000});
        view->mouseSetRGBEffect(2, 2, 4);
        QVariantList colours;
        for (int i = 0; i < 24; ++i)
            colours << (i * 10) % 256;
        view->mouseSetRGBColor(1, colours);
        wall += timer.elapsed();
        pauses += clock.asked - askedBefore;
    }
    Clock::install(nullptr);

    QTextStream out(stdout);
    out << "save wall time (ms): " << wall / rounds << "\n"
        << "save protocol pauses (ms): " << pauses / rounds << "\n"
        << "save overhead ratio: " << QString::number(double(wall) / double(qMax<qint64>(1, pauses)), 'f', 3) << "\n";
    return 0;
}
