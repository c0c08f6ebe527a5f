#pragma once

#include <QEvent>

// The window's own event; code kRunUI makes it call the view's runUI() one
// event-loop pass after initUI() was queued.
class UserEvent : public QEvent
{
public:
    static constexpr int kRunUI = 2177;

    explicit UserEvent(int code)
        : QEvent(QEvent::User)
        , code(code)
    {
    }

    int code;
};
