// The user-interface thread as a dispatcher of the window table: messages,
// sends and timers for the dialogs run on Qt's event loop.
#pragma once

#include <QObject>

#include "platform/Window.h"

class QtDispatcher : public QObject, public platform::Dispatcher {
  public:
    // Belongs to the thread that creates it (the user-interface thread).
    QtDispatcher();
    bool IsOwnThread() const override;
    void Post(std::function<void()> task, unsigned delayMs = 0) override;

    // The dispatcher of the user-interface thread.
    static QtDispatcher& Instance();
};
