#include "cli/CliSession.h"

#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>

#include "app/FileSystem.h"
#include "app/QuorvaApp.h"
#include "cli/ConsoleProgress.h"
#include "engines/DiscBurner.h"
#include "pipeline/HeadlessJobWindow.h"
#include "platform/EventLoop.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "settings/Options.h"

namespace {

// The job being run, for the interrupt handler.
std::atomic<ProgressLink*> g_runningLink{nullptr};
std::atomic<bool> g_interrupted{false};

extern "C" void OnInterrupt(int) {
    g_interrupted = true;
    if (ProgressLink* link = g_runningLink.load())
        link->abortRequested.store(1);
}

// Ctrl-C, kill and a closed terminal stop the run the same way; a second one
// ends the program at once.
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Answers the job's questions on the terminal: the blank-disc question is
// asked there when a real drive burns, and answered OK otherwise.
class TerminalPresenter : public platform::MessagePresenter {
  public:
    explicit TerminalPresenter(bool ask) : ask_(ask) {}
    int Show(platform::HWND, const std::string& text, const std::string& caption,
             unsigned type) override {
        const bool okCancel = (type & platform::MB_BUTTONMASK) == platform::MB_OKCANCEL;
        if (!okCancel || !ask_) {
            if (!okCancel)
                std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
            return platform::DefaultAnswer(type);
        }
        std::fprintf(stderr, "%s [Enter = OK, c = cancel] ", text.c_str());
        std::fflush(stderr);
        std::string answer;
        if (!std::getline(std::cin, answer))
            return platform::IDCANCEL;
        return (answer.empty() || answer[0] == 'o' || answer[0] == 'O' || answer[0] == 'y')
                   ? platform::IDOK
                   : platform::IDCANCEL;
    }

  private:
    bool ask_;
};

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

}  // namespace

CliSession::CliSession() {
    g_interrupted = false;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kStopSignals); ++i)
        sigaction(kStopSignals[i], &action, &previousActions_[i]);

    // A temp folder of our own, so that a running program's temp files are
    // never touched and ours all go at the end, also when a fatal message
    // ends the process.
    privateTemp_ = platform::CreateTempFolder("quorva-cli-");
    if (!privateTemp_.empty()) {
        platform::SetSystemTempPath(privateTemp_);
        platform::SetEndProcessCleanup([folder = privateTemp_] { DeleteFolderTree(folder); });
    }
}

CliSession::~CliSession() {
    fonts_.reset();
    platform::SetEndProcessCleanup(nullptr);
    if (!privateTemp_.empty())
        DeleteFolderTree(privateTemp_);
    for (std::size_t i = 0; i < std::size(kStopSignals); ++i)
        sigaction(kStopSignals[i], &previousActions_[i], nullptr);
}

void CliSession::StartTextDrawing(const char* programName) {
    if (fonts_ || QCoreApplication::instance())
        return;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if ((runtime == nullptr || *runtime == '\0') && !privateTemp_.empty()) {
        const std::string folder = privateTemp_ + "runtime";
        if (mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST)
            setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    fontsArgv_[0] = const_cast<char*>(programName);
    fonts_ = std::make_unique<QGuiApplication>(fontsArgc_, fontsArgv_);
}

bool CliSession::Interrupted() {
    return g_interrupted;
}

bool CliSession::Start() {
    if (!App().LoadSettings()) {
        std::fprintf(stderr, "quorva-cli: cannot find the program folder.\n");
        return false;
    }
    // Runs of the program and of quorva-cli at the same time never share a
    // running number.
    App().shareRunningNumber = true;
    return true;
}

void CliSession::ApplyOverrides(const CliOptions& options) {
    CXMLAccess& settings = App().theOptions;
    if (options.tvStandard)
        settings.SetIntValue(keys::TARGET_DVD_TYPE, *options.tvStandard);
    if (options.aspectRatio)
        settings.SetIntValue(keys::VIDEO_ASPECT_RATIO, *options.aspectRatio);
    if (options.quality)
        settings.SetIntValue(keys::VIDEO_QUALITY_MODE, *options.quality);
    if (options.stretch)
        settings.SetIntValue(keys::STRETCH_TO_FILL, 1);
    if (options.jobs)
        settings.SetIntValue(keys::CONVERSION_JOBS, *options.jobs);
    if (options.workingFolder) {
        // The job's checks make the folder, or list why not with every other problem.
        settings.SetValue(keys::WORKING_FOLDER,
                          WithSlash(platform::AbsolutePath(*options.workingFolder)));
    }
}

void CliSession::SaveRunningNumber() {
    CQuorvaApp& app = App();
    if (!app.TheOptionsFile().SaveRunningNumber(ReadIntOption(app.theOptions, keys::FILENAME_SN)))
        std::fprintf(stderr, "quorva-cli: could not save the options file.\n");
}

void CliSession::StartBurner() {
    CQuorvaApp& app = App();
    if (app.theBurner)
        return;
    app.theBurner = CreateDiscBurner();
    std::int32_t result = 0;
    app.theBurner->ScanDevices(&result);
}

bool CliSession::IsImageDevice(int index) const {
    std::int32_t count = 0;
    App().theBurner->GetDeviceCount(&count);
    return index == count - 1;
}

int CliSession::ChooseDevice(const CliOptions& options, std::string& error) const {
    auto& burner = App().theBurner;
    std::int32_t count = 0;
    burner->GetDeviceCount(&count);
    if (options.iso)
        return count - 1;
    if (options.device) {
        if (*options.device >= count) {
            error = "There is no device " + std::to_string(*options.device) + " (" +
                    std::to_string(count) + " devices; see \"quorva-cli devices\").";
            return -1;
        }
        return *options.device;
    }
    // As the progress window does: the last capable device, else the first.
    int chosen = count > 0 ? 0 : -1;
    for (int i = 0; i < count; ++i) {
        BurnerDeviceInfo info{};
        std::int32_t result = 0;
        if (burner->GetDeviceInfo(&info, i, &result) == 0 && info.CanBurn())
            chosen = i;
    }
    return chosen;
}

bool CliSession::RunJob(std::uint32_t flags, int deviceIndex, const std::string& label,
                        bool askOnTerminal, int discType) {
    auto previous =
        platform::SetMessagePresenter(std::make_shared<TerminalPresenter>(askOnTerminal));
    platform::EventLoop loop;
    AuthoringJob job(flags);
    job.deviceIndex = deviceIndex;
    job.volumeLabel = label;
    job.discType = discType;
    HeadlessJobWindow window(job, loop);
    ConsoleProgress progress(stderr);

    window.onLog = [&](const std::string& line) {
        progress.Clear();
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    };
    window.onError = [&](const std::string& text) {
        progress.Clear();
        std::fprintf(stderr, "Error: %s\n", text.c_str());
    };
    window.onProgress = [&](const HeadlessJobWindow::Progress& p) {
        progress.ShowConversion(p.done, p.total, p.speed, p.left);
    };
    window.onBurnProgress = [&](int percent) { progress.ShowBurn(percent); };

    g_runningLink = &job.progressLink;
    if (g_interrupted)
        job.progressLink.abortRequested.store(1);
    // The burner cannot be stopped from a signal handler; a tick does it.
    window.onTick = [&] {
        if (g_interrupted)
            window.Abort();
    };
    platform::SetTimer(window.Handle(), 2, 200);

    window.RunJob();
    checkLines_ = job.discCheckLines;

    platform::KillTimer(window.Handle(), 2);
    g_runningLink = nullptr;
    progress.Clear();
    platform::SetMessagePresenter(previous);

    if (g_interrupted) {
        std::fprintf(stderr, "quorva-cli: aborted.\n");
        return false;
    }
    return !job.failed;
}
