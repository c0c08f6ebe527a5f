#include "sim/virtualmousewindow.h"

#include "app/singleapplication.h"
#include "app/widget.h"
#include "sim/virtualmouse.h"
#include "storage/profilestore.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

namespace sim {
namespace {

constexpr int kRefreshMs = 250;
constexpr int kStages = 8;
bool restart = false;

// The two kinds of mouse the demo offers; the 560 one talks enciphered.
FirmwareConfig plain553()
{
    return {};
}

FirmwareConfig encrypted560()
{
    FirmwareConfig config;
    config.family = ChipFamily::F560;
    config.encrypted = true;
    config.secrecyCode = QStringLiteral("k7m560");
    config.reportLength = 64;
    return config;
}

QString kindName(const FirmwareConfig &config)
{
    return config.family == ChipFamily::F560 ? QStringLiteral("560-family encrypted mouse")
                                             : QStringLiteral("553-family plain mouse");
}

} // namespace

void configureFromSettings()
{
    const QSettings global(ProfileStore::kGlobalPath, QSettings::IniFormat);
    FirmwareConfig config;
    config.family = global.value(QStringLiteral("mouse/icType")).toString() == QLatin1String("560")
        ? ChipFamily::F560
        : ChipFamily::F553;
    config.encrypted = global.value(QStringLiteral("0/isEncode"), false).toBool();
    config.secrecyCode = global.value(QStringLiteral("0/sCode"), config.secrecyCode).toString();
    config.reportLength = global.value(QStringLiteral("0/reportLength"), config.reportLength).toInt();
    VirtualMouse::instance().reset(config);
}

bool VirtualMouseWindow::restartRequested()
{
    return restart;
}

QString VirtualMouseWindow::stateChannelName(const QString &executablePath)
{
    return SingleApplication::identity(executablePath) + QStringLiteral("-virtual-mouse");
}

VirtualMouseWindow::VirtualMouseWindow(Widget &app, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
    , m_status(new QLabel(this))
    , m_plug(new QPushButton(this))
    , m_switch(new QPushButton(this))
    , m_state(new QPlainTextEdit(this))
    , m_stateChannel(new QLocalServer(this))
{
    // Every connection gets the firmware's state as text, then the socket closes.
    const QString channel = stateChannelName(QCoreApplication::applicationFilePath());
    QLocalServer::removeServer(channel);
    m_stateChannel->setSocketOptions(QLocalServer::UserAccessOption);
    m_stateChannel->listen(channel);
    connect(m_stateChannel, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_stateChannel->nextPendingConnection()) {
            socket->write(VirtualMouse::instance().describe().toUtf8() + '\n');
            socket->disconnectFromServer();
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });

    setWindowTitle(QStringLiteral("KM7 virtual mouse"));

    auto *dpiBox = new QGroupBox(QStringLiteral("Press the DPI button"), this);
    auto *dpiRow = new QHBoxLayout(dpiBox);
    for (int stage = 1; stage <= kStages; ++stage) {
        auto *button = new QPushButton(QString::number(stage), dpiBox);
        button->setToolTip(QStringLiteral("Switch the mouse to DPI stage %1").arg(stage));
        button->setFixedWidth(36);
        connect(button, &QPushButton::clicked, this, [stage] { VirtualMouse::instance().pressDpiButton(stage); });
        dpiRow->addWidget(button);
    }

    m_state->setReadOnly(true);
    m_state->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_state->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_state->setMinimumSize(560, 260);

    auto *top = new QHBoxLayout;
    top->addWidget(m_status, 1);
    top->addWidget(m_plug);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(dpiBox);
    layout->addWidget(new QLabel(QStringLiteral("What the firmware keeps:"), this));
    layout->addWidget(m_state, 1);
    layout->addWidget(m_switch);

    connect(m_plug, &QPushButton::clicked, this, &VirtualMouseWindow::togglePlug);
    connect(m_switch, &QPushButton::clicked, this, &VirtualMouseWindow::switchKind);
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &VirtualMouseWindow::refresh);
    timer->start(kRefreshMs);
    refresh();
}

void VirtualMouseWindow::togglePlug()
{
    VirtualMouse &mouse = VirtualMouse::instance();
    if (mouse.isPlugged())
        mouse.unplug();
    else
        mouse.plug();
    refresh();
}

void VirtualMouseWindow::switchKind()
{
    const bool is560 = VirtualMouse::instance().config().family == ChipFamily::F560;
    const FirmwareConfig next = is560 ? plain553() : encrypted560();
    QSettings global(ProfileStore::kGlobalPath, QSettings::IniFormat);
    global.setValue(QStringLiteral("mouse/icType"), next.family == ChipFamily::F560 ? QStringLiteral("560")
                                                                                     : QStringLiteral("553"));
    global.setValue(QStringLiteral("0/isEncode"), next.encrypted);
    global.setValue(QStringLiteral("0/sCode"), next.secrecyCode);
    global.setValue(QStringLiteral("0/reportLength"), next.reportLength);
    global.sync();
    // The chip family is read once at start, so the program starts again.
    restart = true;
    m_app.exitSYS();
}

void VirtualMouseWindow::refresh()
{
    const VirtualMouse &mouse = VirtualMouse::instance();
    const FirmwareConfig config = mouse.config();
    const bool plugged = mouse.isPlugged();
    m_status->setText(QStringLiteral("<b>%1</b> — %2").arg(kindName(config),
                                                            plugged ? QStringLiteral("plugged in")
                                                                    : QStringLiteral("unplugged")));
    m_plug->setText(plugged ? QStringLiteral("Unplug") : QStringLiteral("Plug in"));
    m_switch->setText(QStringLiteral("Plug in a %1 instead (restarts the program)")
                          .arg(kindName(config.family == ChipFamily::F560 ? plain553() : encrypted560())));
    const QString state = mouse.describe();
    if (m_state->toPlainText() != state)
        m_state->setPlainText(state);
}

} // namespace sim
