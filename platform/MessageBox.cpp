#include "platform/MessageBox.h"

#include <cstdio>

namespace platform {
namespace {

std::mutex& PresenterMutex() {
    static std::mutex m;
    return m;
}

std::shared_ptr<MessagePresenter>& Presenter() {
    static std::shared_ptr<MessagePresenter> presenter = std::make_shared<ConsolePresenter>();
    return presenter;
}

void Echo(const std::string& text, const std::string& caption) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
}

}  // namespace

int DefaultAnswer(unsigned type) {
    switch (type & MB_BUTTONMASK) {
        case MB_YESNO:
        case MB_YESNOCANCEL:
            return IDYES;
        default:
            return IDOK;
    }
}

int MessageBox(HWND owner, const std::string& text, const std::string& caption, unsigned type) {
    std::shared_ptr<MessagePresenter> presenter;
    {
        std::lock_guard lock(PresenterMutex());
        presenter = Presenter();
    }
    return presenter->Show(owner, text, caption, type);
}

std::shared_ptr<MessagePresenter> SetMessagePresenter(std::shared_ptr<MessagePresenter> presenter) {
    std::lock_guard lock(PresenterMutex());
    auto previous = Presenter();
    Presenter() = presenter ? std::move(presenter) : std::make_shared<ConsolePresenter>();
    return previous;
}

int ConsolePresenter::Show(HWND, const std::string& text, const std::string& caption,
                           unsigned type) {
    Echo(text, caption);
    return DefaultAnswer(type);
}

void ScriptedPresenter::QueueAnswer(int answer) {
    std::lock_guard lock(mutex_);
    answers_.push_back(answer);
}

int ScriptedPresenter::Show(HWND owner, const std::string& text, const std::string& caption,
                            unsigned type) {
    Echo(text, caption);
    std::lock_guard lock(mutex_);
    shown_.push_back(Shown{owner, text, caption, type});
    if (answers_.empty())
        return DefaultAnswer(type);
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::vector<ScriptedPresenter::Shown> ScriptedPresenter::Messages() const {
    std::lock_guard lock(mutex_);
    return shown_;
}

void ScriptedPresenter::Clear() {
    std::lock_guard lock(mutex_);
    shown_.clear();
    answers_.clear();
}

}  // namespace platform
