#pragma once

#include <QWidget>

class QLabel;
class QLocalServer;
class QPlainTextEdit;
class QPushButton;
class Widget;

namespace sim {

// The virtual mouse's own small window: plug it in or out, press its DPI
// button, watch what its firmware keeps, and switch the kind of mouse.
class VirtualMouseWindow : public QWidget
{
    Q_OBJECT

public:
    explicit VirtualMouseWindow(Widget &app, QWidget *parent = nullptr);

    // True once the user chose another kind of mouse: the program then starts again.
    static bool restartRequested();

    // Name of the local socket on which the program at executablePath tells
    // what its virtual mouse keeps (for end-to-end tests and scripts).
    static QString stateChannelName(const QString &executablePath);

private:
    void togglePlug();
    void switchKind();
    void refresh();

    Widget &m_app;
    QLabel *m_status;
    QPushButton *m_plug;
    QPushButton *m_switch;
    QPlainTextEdit *m_state;
    QLocalServer *m_stateChannel;
};

// Makes the virtual mouse the kind of mouse the global settings describe.
void configureFromSettings();

} // namespace sim
