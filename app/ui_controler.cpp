#include "app/ui_controler.h"

#include "app/widget.h"
#include "storage/profilestore.h"
#include "view/myqquickview.h"
#include "view/qmlcalls.h"

#include <QLoggingCategory>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QUrl>

// The scene lives in the static core library, whose resource object the
// linker would drop unless something refers to it.
static void registerCompiledScene()
{
    Q_INIT_RESOURCE(qml);
    Q_INIT_RESOURCE(images);
    Q_INIT_RESOURCE(guns);
}

// Start-up timing for the benchmark; off unless QT_LOGGING_RULES turns it on.
Q_LOGGING_CATEGORY(lcStartup, "km7.startup", QtWarningMsg)

namespace {
const QUrl kMainScene(QStringLiteral("qrc:modules/qml/main.qml"));
}

Ui_Controler::Ui_Controler(QObject *parent)
    : QObject(parent)
{
}

void Ui_Controler::initialize(QWidget *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("Widget"));
    m_window = window;
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window->setWindowOpacity(1.0);
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setStyleSheet(QStringLiteral("background:transparent;"));

    m_view = new myQQuickView(window);
    m_view->setObjectName(QStringLiteral("ui_View"));
    m_view->setClearColor(Qt::transparent);
    registerCompiledScene();
    m_view->setSource(kMainScene);

    QQmlContext *context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("ui_View"), m_view);
    if (auto *widget = qobject_cast<Widget *>(window))
        context->setContextProperty(QStringLiteral("hid"), &widget->hid);
    context->setContextProperty(QStringLiteral("ui_Ctl"), this);

    window->resize(m_view->size());

    // The first frame that shows the scene (it is hidden until a mouse is found).
    auto *untilFirstFrame = new QObject(this);
    connect(m_view->quickWindow(), &QQuickWindow::afterRendering, untilFirstFrame, [this, untilFirstFrame] {
        if (!m_view->rootObject() || !m_view->rootObject()->isVisible())
            return;
        qCDebug(lcStartup) << "first frame";
        untilFirstFrame->deleteLater();
    });

    const QSettings global(ProfileStore::kGlobalPath, QSettings::IniFormat);
    window->setWindowTitle(global.value(QStringLiteral("common/name")).toString());
}

void Ui_Controler::onMinimize()
{
    if (m_window)
        m_window->showMinimized();
}

void Ui_Controler::onClose()
{
    if (m_window)
        m_window->setVisible(false);
}

void Ui_Controler::onXChanged(int x)
{
    if (m_window)
        m_window->move(m_window->x() + x, m_window->y());
}

void Ui_Controler::onYChanged(int y)
{
    if (m_window)
        m_window->move(m_window->x(), m_window->y() + y);
}

void Ui_Controler::setBusy(int busyTime)
{
    if (m_window && m_view)
        qmlcalls::invoke(m_view->rootObject(), "setProtectUI", Qt::DirectConnection, {busyTime});
}

void Ui_Controler::setBusy()
{
    setBusy(0);
}
