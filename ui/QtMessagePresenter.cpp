#include "ui/QtMessagePresenter.h"

#include <QMessageBox>
#include <QPointer>
#include <map>
#include <mutex>

#include "ui/QtDispatcher.h"

namespace {

std::mutex& OwnersMutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<platform::HWND, QPointer<QWidget>>& Owners() {
    static std::map<platform::HWND, QPointer<QWidget>> owners;
    return owners;
}

QMessageBox::StandardButtons Buttons(unsigned type) {
    switch (type & platform::MB_BUTTONMASK) {
        case platform::MB_OKCANCEL:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case platform::MB_YESNO:
            return QMessageBox::Yes | QMessageBox::No;
        case platform::MB_YESNOCANCEL:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        default:
            return QMessageBox::Ok;
    }
}

QMessageBox::Icon Icon(unsigned type) {
    switch (type & platform::MB_ICONMASK) {
        case platform::MB_ICONERROR:
            return QMessageBox::Critical;
        case platform::MB_ICONQUESTION:
            return QMessageBox::Question;
        case platform::MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case platform::MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int Answer(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return platform::IDOK;
        case QMessageBox::Yes:
            return platform::IDYES;
        case QMessageBox::No:
            return platform::IDNO;
        default:
            return platform::IDCANCEL;
    }
}

int ShowHere(platform::HWND owner, const std::string& text, const std::string& caption,
             unsigned type) {
    QMessageBox box(Icon(type), QString::fromStdString(caption), QString::fromStdString(text),
                    Buttons(type), OwnerWidget(owner));
    return Answer(box.exec());
}

}  // namespace

void SetOwnerWidget(platform::HWND window, QWidget* widget) {
    std::lock_guard lock(OwnersMutex());
    if (widget)
        Owners()[window] = widget;
    else
        Owners().erase(window);
}

QWidget* OwnerWidget(platform::HWND window) {
    std::lock_guard lock(OwnersMutex());
    auto it = Owners().find(window);
    return it == Owners().end() ? nullptr : it->second.data();
}

int QtMessagePresenter::Show(platform::HWND owner, const std::string& text,
                             const std::string& caption, unsigned type) {
    QtDispatcher& dispatcher = QtDispatcher::Instance();
    if (dispatcher.IsOwnThread())
        return ShowHere(owner, text, caption, type);
    int answer = platform::IDCANCEL;
    QMetaObject::invokeMethod(
        &dispatcher, [&] { answer = ShowHere(owner, text, caption, type); },
        Qt::BlockingQueuedConnection);
    return answer;
}
