#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class myQQuickView;

// Lets the QML scene move, minimise and hide the frameless window ("ui_Ctl").
class Ui_Controler : public QObject
{
    Q_OBJECT

public:
    explicit Ui_Controler(QObject *parent = nullptr);

    // Turns window into the frameless translucent host of the QML view.
    void initialize(QWidget *window);
    myQQuickView *view() const { return m_view; }

public slots:
    void onMinimize();
    void onClose();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime);
    void setBusy();

private:
    QPointer<QWidget> m_window;
    QPointer<myQQuickView> m_view;
};
