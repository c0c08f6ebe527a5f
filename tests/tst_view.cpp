#include "app/autostart.h"
#include "app/ui_controler.h"
#include "app/userevent.h"
#include "app/widget.h"
#include "scratchmodules.h"
#include "sim/virtualmouse.h"
#include "view/myqquickview.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtConcurrent>
#include <QtTest>

class TestView : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ScratchModules> scratch;
    std::unique_ptr<Widget> window;

    myQQuickView *view() { return window->view(); }
    QVariant rootProperty(const char *name) { return view()->rootObject()->property(name); }
    QStringList calls() { return rootProperty("calls").toStringList(); }

    void useProbeScene()
    {
        view()->setSource(QUrl(QStringLiteral("qrc:/test/probe.qml")));
        QVERIFY(view()->rootObject());
    }

private slots:
    void init()
    {
        sim::VirtualMouse::instance().reset();
        scratch = std::make_unique<ScratchModules>();
        window = std::make_unique<Widget>();
    }

    void cleanup()
    {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        scratch.reset();
        deviceConnected = false;
    }

    void windowHostsTheSceneAsItsOnlyChild()
    {
        QCOMPARE(window->objectName(), QStringLiteral("Widget"));
        QCOMPARE(window->windowFlags(), Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
        QVERIFY(window->testAttribute(Qt::WA_TranslucentBackground));
        auto children = window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        children.removeIf([](QWidget *child) { return child->isWindow(); }); // the tray menu pops up on its own
        QCOMPARE(children.size(), 1);
        QCOMPARE(children.first(), static_cast<QWidget *>(view()));
        QCOMPARE(view()->objectName(), QStringLiteral("ui_View"));
        QCOMPARE(window->size(), QSize(1024, 640));
        QCOMPARE(window->windowTitle(), QStringLiteral("KM7 Config"));

        QCOMPARE(view()->source(), QUrl(QStringLiteral("qrc:modules/qml/main.qml")));
        QVERIFY2(view()->rootObject(), "the main scene is compiled in and loads");
        QVERIFY(!view()->rootObject()->isVisible());

        QCOMPARE(view()->hid, &window->hid);
        QCOMPARE(window->hid.owner, window.get());
        QQmlContext *context = view()->rootContext();
        QCOMPARE(context->contextProperty("ui_View").value<QObject *>(), static_cast<QObject *>(view()));
        QCOMPARE(context->contextProperty("hid").value<QObject *>(), static_cast<QObject *>(&window->hid));
        QCOMPARE(context->contextProperty("ui_Ctl").value<QObject *>(), static_cast<QObject *>(window->controler));

        QVERIFY(window->checkTimer.isSingleShot());
        QCOMPARE(window->checkTimer.interval(), 2048);
        QVERIFY(!window->checkTimer.isActive());
    }

    void mainSceneAnswersEveryNativeCall()
    {
        // The real scene must keep these root functions callable with QVariant arguments.
        QObject *root = view()->rootObject();
        QVERIFY(QMetaObject::invokeMethod(root, "initUI"));
        QVERIFY(QMetaObject::invokeMethod(root, "run"));
        QVERIFY(QMetaObject::invokeMethod(root, "setProtectUI", Q_ARG(QVariant, 100)));
        QVERIFY(QMetaObject::invokeMethod(root, "setCurrentDPI", Q_ARG(QVariant, 2)));
        QVERIFY(QMetaObject::invokeMethod(root, "detectKeyboard", Q_ARG(QVariant, true), Q_ARG(QVariant, 4)));
        QVERIFY(QMetaObject::invokeMethod(root, "detectMouse", Q_ARG(QVariant, true), Q_ARG(QVariant, 0xF0),
                                          Q_ARG(QVariant, 1), Q_ARG(QVariant, 2)));
    }

    void mainSceneOnTheFirstConnection_data()
    {
        QTest::addColumn<bool>("isGun");
        QTest::addColumn<int>("editorBoxHeight");
        QTest::newRow("with recoil") << true << 100;
        QTest::newRow("without recoil") << false << 76;
    }

    void mainSceneOnTheFirstConnection()
    {
        QFETCH(bool, isGun);
        QFETCH(int, editorBoxHeight);
        window.reset();
        QSettings(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat).setValue("mouse/isGun", isGun);
        window = std::make_unique<Widget>();
        QObject *root = view()->rootObject();
        QVERIFY(QMetaObject::invokeMethod(root, "initUI"));
        QVERIFY(root->property("isPownOn").toBool());
        QCOMPARE(root->property("language").toString(), QStringLiteral("English"));
        QCOMPARE(root->property("mainLang").toStringList().value(0), QStringLiteral("Editor"));
        QCOMPARE(root->findChild<QQuickItem *>("editorBox")->height(), qreal(editorBoxHeight));
        QVERIFY(!view()->isEnabled()); // locked until the protect period ends
        QTRY_VERIFY(view()->isEnabled());

        QObject *dpi = root->findChild<QObject *>("dpiPage");
        QVERIFY(QMetaObject::invokeMethod(root, "setCurrentDPI", Q_ARG(QVariant, 3)));
        QCOMPARE(dpi->property("currentStage").toInt(), 2);
        QVERIFY(QMetaObject::invokeMethod(root, "setCurrentDPI", Q_ARG(QVariant, 0)));
        QCOMPARE(dpi->property("currentStage").toInt(), 2);

        // The save button warns while a page has unsaved changes.
        QObject *save = root->findChild<QObject *>("saveButton");
        const QColor idle = save->property("color").value<QColor>();
        root->findChild<QObject *>("keyMatrix")->setProperty("isSave", true);
        QCOMPARE(save->property("color").value<QColor>(), QColor("#ff3030"));
        QMetaObject::invokeMethod(save, "clicked");
        QCOMPARE(save->property("color").value<QColor>(), idle);
    }

    void systemPageStartsWithTheSession()
    {
        QObject *root = view()->rootObject();
        QObject *box = root->findChild<QObject *>("autostartBox");
        QVERIFY(box);
        const QString entry = Autostart::entryPath();
        QVERIFY(entry.startsWith(QString::fromUtf8(qgetenv("XDG_CONFIG_HOME"))));
        QFile::remove(entry);
        QVERIFY(QMetaObject::invokeMethod(box->parent(), "init", Q_ARG(QVariant, false), Q_ARG(QVariant, false)));
        QVERIFY(!box->property("checked").toBool());

        box->setProperty("checked", true);
        QVERIFY(QMetaObject::invokeMethod(box, "toggled", Q_ARG(bool, true)));
        QVERIFY(QFile::exists(entry));
        box->setProperty("checked", false);
        QVERIFY(QMetaObject::invokeMethod(box->parent(), "init", Q_ARG(QVariant, false), Q_ARG(QVariant, false)));
        QVERIFY(box->property("checked").toBool());
        box->setProperty("checked", false);
        QVERIFY(QMetaObject::invokeMethod(box, "toggled", Q_ARG(bool, false)));
        QVERIFY(!QFile::exists(entry));
    }

    void runFollowsInitUI()
    {
        useProbeScene();
        view()->initUI();
        QCoreApplication::postEvent(window.get(), new UserEvent(UserEvent::kRunUI));
        QVERIFY(calls().isEmpty()); // both are queued
        QTRY_COMPARE(calls(), QStringList({"initUI", "run"}));

        QCoreApplication::postEvent(window.get(), new UserEvent(1234));
        QCoreApplication::postEvent(window.get(), new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(calls(), QStringList({"initUI", "run"}));
    }

    void busyLockIsCalledDirectly()
    {
        useProbeScene();
        view()->setBusy(1500);
        QCOMPARE(rootProperty("protectInterval").toInt(), 1500);
        window->controler->setBusy(700);
        QCOMPARE(rootProperty("protectInterval").toInt(), 700);
        window->controler->setBusy();
        QCOMPARE(rootProperty("protectInterval").toInt(), 0);
    }

    void dpiStageFromTheListenerThreadReachesTheScene()
    {
        useProbeScene();
        QtConcurrent::run([this] { view()->setCurrentDPI(3); }).waitForFinished();
        QTRY_COMPARE(rootProperty("currentDpiStage").toInt(), 2);
        view()->setCurrentDPI(0);
        QCOMPARE(rootProperty("currentDpiStage").toInt(), 2);
        view()->setCurrentDPI(1);
        QCOMPARE(rootProperty("currentDpiStage").toInt(), 0);
    }

    void pagesReachTheSharedHelpers()
    {
        QQmlComponent component(view()->engine());
        component.setData("import QtQuick\nimport KM7\nItem {\n"
                          "  property string name: Km7.keyName(0x2C)\n"
                          "  property int code: Km7.keyCode(\"MS-L\")\n"
                          "  property var bytes: Km7.encodeMacro([[1, \"A\"], [0, \"50\"], [2, \"A\"]], 1)\n"
                          "  property int size: Km7.encodedMacroSize([{type: 1, info: \"A\"}])\n"
                          "  property int limit: Km7.macroSizeLimit\n}",
                          QUrl());
        std::unique_ptr<QObject> item(component.create());
        QVERIFY2(item, qPrintable(component.errorString()));
        QCOMPARE(item->property("name").toString(), QStringLiteral("Space"));
        QCOMPARE(item->property("code").toInt(), 0xF0);
        QCOMPARE(item->property("bytes").toList(), QVariantList({0, 1, 5, 4, 0x81, 4, 0, 0}));
        QCOMPARE(item->property("size").toInt(), 6);
        QCOMPARE(item->property("limit").toInt(), 126);
    }

    void clearHidBusyFreesTheLink()
    {
        window->hid.linkIdle = false;
        view()->clearHidBusy();
        QVERIFY(window->hid.linkIdle);
    }

    void checkWithoutADeviceHidesTheWindow()
    {
        sim::VirtualMouse::instance().unplug();
        window->showNormal();
        QTest::ignoreMessage(QtDebugMsg, "Device DisConnect");
        window->checkDevice();
        QVERIFY(!window->isVisible());
        QVERIFY(!deviceConnected);
        QVERIFY(window->hid.deviceList.at(0).path.isEmpty());

        // A second start restores the window only while a mouse is connected.
        window->receiveMessage(QString());
        QCoreApplication::processEvents();
        QVERIFY(!window->isVisible());
        deviceConnected = true;
        window->receiveMessage(QString());
        QTRY_VERIFY(window->isVisible());
    }

    void checkWithTheMouseBringsTheSceneUp()
    {
        useProbeScene();
        window->showNormal();
        view()->setEnabled(false);
        QTest::ignoreMessage(QtDebugMsg, "Device Connect");
        window->checkDevice();
        QVERIFY(deviceConnected);
        QVERIFY(window->isVisible());
        QVERIFY(view()->isEnabled());
        QVERIFY(window->hid.linkIdle);
        QCOMPARE(window->hid.currentDevice, 0);
        QCOMPARE(window->hid.deviceList.at(0).path2, QString::fromLatin1(sim::VirtualMouse::kEventPath));
        QTRY_COMPARE(calls(), QStringList({"initUI", "run"}));
    }

    void controllerMovesAndHidesTheWindow()
    {
        window->move(100, 100);
        window->showNormal();
        const QPoint start = window->pos();
        window->controler->onXChanged(15);
        window->controler->onYChanged(-5);
        QCOMPARE(window->pos(), start + QPoint(15, -5));
        window->controler->onClose();
        QVERIFY(!window->isVisible());
    }
};

int main(int argc, char *argv[])
{
    // The autostart entry goes to a private config folder, never the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    // Offscreen tests have no OpenGL; the scene renders in software.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    TestView test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_view.moc"
