#include "components/burner/BurnerTestSupport.h"

#include <dirent.h>
#include <stdlib.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <thread>

namespace burnertest {

int RunCommand(const std::string& command, std::string* output) {
    std::string full = command + " 2>&1";
    FILE* pipe = popen(full.c_str(), "r");
    if (pipe == nullptr) {
        return -1;
    }
    std::array<char, 4096> buffer{};
    std::string text;
    std::size_t got = 0;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        text.append(buffer.data(), got);
    }
    int status = pclose(pipe);
    if (output != nullptr) {
        *output = text;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

namespace {

// The title stream, shared by every DVD folder of the process.
std::string TitleStream() {
    static ScratchFolder folder;
    static std::once_flag once;
    static std::string path;
    std::call_once(once, [] {
        std::string mpg = folder.path() + "/title.mpg";
        int status = RunCommand(
            "ffmpeg -nostdin -v error -f lavfi -i testsrc=size=720x480:rate=30000/1001 "
            "-f lavfi -i sine=frequency=440:sample_rate=48000 -t 2 -target ntsc-dvd "
            "-b:v 1500k -y " +
            Quoted(mpg));
        if (status == 0) {
            path = mpg;
        }
    });
    return path;
}

}  // namespace

std::string MakeDvdFolder(const std::string& folder, const std::string& name) {
    std::string stream = TitleStream();
    if (stream.empty()) {
        return {};
    }
    std::string dvd = folder + "/" + name;
    std::string env = "VIDEO_FORMAT=NTSC ";
    if (RunCommand(env + "dvdauthor -o " + Quoted(dvd) + " -t " + Quoted(stream)) != 0 ||
        RunCommand(env + "dvdauthor -o " + Quoted(dvd) + " -T") != 0) {
        return {};
    }
    return dvd + "/VIDEO_TS";
}

std::vector<std::string> ListFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

ProgressWindow::ProgressWindow(IDiscBurner& burner) : burner_(burner) {
    handle_ = platform::RegisterWindow(*this, loop_);
}

ProgressWindow::~ProgressWindow() {
    platform::UnregisterWindow(handle_);
}

platform::LRESULT ProgressWindow::OnMessage(std::uint32_t message, platform::WPARAM wParam,
                                            platform::LPARAM lParam) {
    if (message != WM_BURN_PROGRESS) {
        return 0;
    }
    char text[1024] = {};
    burner_.GetLastMessage(text, sizeof text);
    messages.push_back({wParam, lParam, text});
    if (onMessage) {
        onMessage(messages.back());
    }
    return 0;
}

std::int32_t ProgressWindow::Burn(std::int32_t index, const std::string& folder,
                                  const std::string& label, std::int32_t* result) {
    std::atomic<bool> done{false};
    std::int32_t status = 0;
    std::thread worker([&] {
        status = burner_.BurnFolder(index, folder.c_str(), label.c_str(), handle_, result);
        done = true;
        loop_.Post([] {});
    });
    loop_.RunUntil([&] { return done.load(); }, std::chrono::minutes(2));
    worker.join();
    loop_.ProcessPending();
    return status;
}

bool AnyFailure(const std::vector<BurnMessage>& messages) {
    for (const BurnMessage& message : messages) {
        if (message.failed != 0) {
            return true;
        }
    }
    return false;
}

std::string LastFailure(const std::vector<BurnMessage>& messages) {
    for (auto it = messages.rbegin(); it != messages.rend(); ++it) {
        if (it->failed != 0) {
            return it->text;
        }
    }
    return {};
}

}  // namespace burnertest
