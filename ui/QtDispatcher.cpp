#include "ui/QtDispatcher.h"

#include <QMetaObject>
#include <QThread>
#include <QTimer>

QtDispatcher::QtDispatcher() = default;

bool QtDispatcher::IsOwnThread() const {
    return QThread::currentThread() == thread();
}

void QtDispatcher::Post(std::function<void()> task, unsigned delayMs) {
    // Queued to this object's thread; a delay is then timed there.
    QMetaObject::invokeMethod(
        this,
        [this, task = std::move(task), delayMs]() mutable {
            if (delayMs == 0)
                task();
            else
                QTimer::singleShot(static_cast<int>(delayMs), this, std::move(task));
        },
        Qt::QueuedConnection);
}

QtDispatcher& QtDispatcher::Instance() {
    static QtDispatcher dispatcher;
    return dispatcher;
}
