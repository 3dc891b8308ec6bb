// Helpers for the burner tests: scratch folders, real DVD folders made with
// ffmpeg and dvdauthor, and a window that records WM_BURN_PROGRESS.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engines/DiscBurner.h"
#include "platform/EventLoop.h"
#include "support/TestMedia.h"

namespace burnertest {

// Runs a shell command; returns its exit status and puts stdout (and stderr)
// into *output.
int RunCommand(const std::string& command, std::string* output = nullptr);
std::string Quoted(const std::string& text);

// A fresh folder under the temp path, removed with everything in it; its
// path has no trailing '/'.
class ScratchFolder {
  public:
    const std::string& path() const { return path_; }

  private:
    testsupport::TempFolder folder_;
    std::string path_ = folder_.Path().substr(0, folder_.Path().size() - 1);
};

// Authors a 2-second NTSC title into folder/name/VIDEO_TS; returns the
// VIDEO_TS path (empty on failure). The stream is made once per process.
std::string MakeDvdFolder(const std::string& folder, const std::string& name);

// Every file directly in folder.
std::vector<std::string> ListFiles(const std::string& folder);

struct BurnMessage {
    platform::WPARAM percent;
    platform::LPARAM failed;
    std::string text;  // GetLastMessage, read while handling the message
};

// A window on the test thread's event loop.
class ProgressWindow : public platform::MessageTarget {
  public:
    explicit ProgressWindow(IDiscBurner& burner);
    ~ProgressWindow() override;
    platform::HWND handle() const { return handle_; }
    platform::LRESULT OnMessage(std::uint32_t message, platform::WPARAM wParam,
                                platform::LPARAM lParam) override;

    // Runs BurnFolder on a worker thread while this thread serves messages.
    std::int32_t Burn(std::int32_t index, const std::string& folder, const std::string& label,
                      std::int32_t* result);

    std::vector<BurnMessage> messages;
    // Called on the test thread for each message, after it is recorded.
    std::function<void(const BurnMessage&)> onMessage;

  private:
    IDiscBurner& burner_;
    platform::EventLoop loop_;
    platform::HWND handle_ = 0;
};

bool AnyFailure(const std::vector<BurnMessage>& messages);
std::string LastFailure(const std::vector<BurnMessage>& messages);

}  // namespace burnertest
