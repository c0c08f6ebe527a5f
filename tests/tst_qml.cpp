// Runs the Qt Quick tests in tests/qml: the scene's logic against recording stand-ins.
#include <QtQuickTest>

QUICK_TEST_MAIN(km7)
