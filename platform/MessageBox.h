// Message boxes through a presenter: the user interface installs a Qt
// presenter; tests and headless runs use a scripted or console presenter.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Window.h"

namespace platform {

// Buttons and icons, combined with |.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_BUTTONMASK = 0x0F;
constexpr unsigned MB_ICONMASK = 0xF0;

// Answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    // Shows the box and returns the answer. May be called from any thread.
    virtual int Show(HWND owner, const std::string& text, const std::string& caption,
                     unsigned type) = 0;
};

// Shows a message box through the installed presenter (a console presenter
// until another is installed).
int MessageBox(HWND owner, const std::string& text, const std::string& caption, unsigned type);

// Installs the presenter for the whole process; returns the previous one.
std::shared_ptr<MessagePresenter> SetMessagePresenter(std::shared_ptr<MessagePresenter> presenter);

// Writes "caption: text" to standard error and answers the first button
// (OK or Yes).
class ConsolePresenter : public MessagePresenter {
  public:
    int Show(HWND owner, const std::string& text, const std::string& caption,
             unsigned type) override;
};

// Records every box and answers from a queue of scripted answers; when the
// queue is empty it answers the first button. Also echoes to standard error,
// so that a test of a fatal path can match the text in the dying process.
class ScriptedPresenter : public MessagePresenter {
  public:
    struct Shown {
        HWND owner;
        std::string text;
        std::string caption;
        unsigned type;
    };
    void QueueAnswer(int answer);
    int Show(HWND owner, const std::string& text, const std::string& caption,
             unsigned type) override;
    std::vector<Shown> Messages() const;
    void Clear();

  private:
    mutable std::mutex mutex_;
    std::deque<int> answers_;
    std::vector<Shown> shown_;
};

// The answer a box with these buttons gives when nobody is asked.
int DefaultAnswer(unsigned type);

}  // namespace platform
