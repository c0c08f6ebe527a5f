// Runs the Qt Quick tests in tests/qml: the scene's logic against recording
// stand-ins, with the native key names and macro encoder the pages use.
#include "view/km7helpers.h"

#include <QtQuickTest>

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable() { Km7Helpers::registerForQml(); }
};

QUICK_TEST_MAIN_WITH_SETUP(km7, Setup)

#include "tst_qml.moc"
