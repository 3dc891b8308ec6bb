#include "cli/CliSession.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <mutex>
#include <string_view>
#include <thread>
#include <utility>

#include "app/AppJob.h"
#include "app/QuorvaApp.h"
#include "cli/ConsoleProgress.h"
#include "engines/DiscBurner.h"
#include "pipeline/JobEvents.h"
#include "pipeline/RunAuthoringJob.h"
#include "platform/CancelSignal.h"
#include "platform/Files.h"
#include "platform/FolderTree.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/Translation.h"
#include "settings/Options.h"

namespace {

// A run that was killed outright (SIGKILL, a power cut) could not remove its
// private temp folder "quorva-cli-<pid>-XXXXXX"; the next run removes those
// of this user whose process has ended.
void RemoveTempFoldersOfEndedRuns() {
    const std::string temp = platform::SystemTempPath();
    for (const std::string& name : platform::ListFolder(temp)) {
        constexpr std::string_view kPrefix = "quorva-cli-";
        if (name.rfind(kPrefix, 0) != 0)
            continue;
        const std::string rest = name.substr(kPrefix.size());
        const std::size_t dash = rest.find('-');
        if (dash == 0 || dash == std::string::npos || rest.find_first_not_of("0123456789") != dash)
            continue;
        const long pid = std::strtol(rest.substr(0, dash).c_str(), nullptr, 10);
        struct stat info {};
        if (pid <= 0 || lstat((temp + name).c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
            info.st_uid != getuid())
            continue;
        if (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            static_cast<void>(platform::RemoveFolderTree(temp + name + "/"));
    }
}

std::atomic<bool> g_interrupted{false};
// A byte is written to it at each stop signal: a handler may only set a flag
// and write, so a thread blocked on the read end passes the stop on.
int g_stopPipe[2] = {-1, -1};

extern "C" void OnInterrupt(int) {
    const int savedErrno = errno;
    g_interrupted = true;
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = write(g_stopPipe[1], &byte, 1);
    errno = savedErrno;
}

// Waits, without a timeout, for a stop signal or for done to become readable;
// true on a stop signal.
bool WaitForStopOrDone(int done) {
    for (;;) {
        pollfd ready[2] = {{g_stopPipe[0], POLLIN, 0}, {done, POLLIN, 0}};
        if (poll(ready, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (ready[0].revents & POLLIN)
            return true;
        if (ready[1].revents)
            return false;
    }
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
        std::fprintf(stderr, "%s %s ", text.c_str(),
                     platform::Translate("quorva-cli", "[Enter = OK, c = cancel]").c_str());
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

// The job's reports on the terminal: the log on stdout, failures and the
// progress bar on stderr. Reports may come from the worker and the burner.
class ConsoleJobEvents : public JobEvents {
  public:
    explicit ConsoleJobEvents(ConsoleProgress& progress) : progress_(progress) {}
    void StageBegins(JobStage) override {}
    void Log(const std::string& text) override {
        std::lock_guard lock(mutex_);
        PrintLog(text);
    }
    void Failure(const std::string& text) override {
        std::lock_guard lock(mutex_);
        PrintError(text);
    }
    void Figures(const ConversionFigures& f) override {
        std::lock_guard lock(mutex_);
        if (f.measured)
            progress_.ShowConversion(f.done, f.total, f.speed, f.left);
    }
    void Burn(const BurnProgress& burn) override {
        std::lock_guard lock(mutex_);
        if (burn.percent != 0)
            progress_.ShowBurn(burn.percent);
        if (burn.failed)
            PrintError(burn.text);
        if (burnPhases_.IsNewPhase(burn))
            PrintLog(burn.text);  // repeated percent updates are not logged
    }
    // A warning goes by as a Yes/No box, a request as an OK/Cancel one, to
    // the terminal's presenter.
    JobAnswer Question(const JobQuestion& question) override {
        std::lock_guard lock(mutex_);
        progress_.Clear();
        const bool warning = question.kind == JobQuestion::Kind::GoOnAnyway;
        const int answer =
            platform::MessageBox(0, question.text, question.caption,
                                 warning ? platform::MB_YESNO | platform::MB_ICONQUESTION
                                         : platform::MB_OKCANCEL | platform::MB_ICONEXCLAMATION);
        return answer == (warning ? platform::IDYES : platform::IDOK) ? JobAnswer::Yes
                                                                      : JobAnswer::No;
    }
    void Finished(const JobResult&) override {}

  private:
    void PrintLog(const std::string& text) {
        progress_.Clear();
        std::printf("%s%s\n", LogTimeStamp().c_str(), text.c_str());
        std::fflush(stdout);
    }
    void PrintError(const std::string& text) {
        progress_.Clear();
        std::fprintf(
            stderr, "%s\n",
            platform::FillIn(platform::Translate("quorva-cli", "Error: %1"), {text}).c_str());
    }

    ConsoleProgress& progress_;
    std::mutex mutex_;
    BurnPhases burnPhases_;
};

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

}  // namespace

CliSession::CliSession() {
    g_interrupted = false;
    if (pipe2(g_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        g_stopPipe[0] = g_stopPipe[1] = -1;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kStopSignals); ++i)
        sigaction(kStopSignals[i], &action, &previousActions_[i]);

    // A temp folder of our own, so that a running program's temp files are
    // never touched and ours all go at the end, also when a fatal message
    // ends the process.
    RemoveTempFoldersOfEndedRuns();
    privateTemp_ = platform::CreateTempFolder("quorva-cli-" + std::to_string(getpid()) + "-");
    if (!privateTemp_.empty()) {
        platform::SetSystemTempPath(privateTemp_);
        platform::SetEndProcessCleanup(
            [folder = privateTemp_] { static_cast<void>(platform::RemoveFolderTree(folder)); });
    }
}

CliSession::~CliSession() {
    fonts_.reset();
    platform::SetEndProcessCleanup(nullptr);
    if (!privateTemp_.empty())
        static_cast<void>(platform::RemoveFolderTree(privateTemp_));
    for (std::size_t i = 0; i < std::size(kStopSignals); ++i)
        sigaction(kStopSignals[i], &previousActions_[i], nullptr);
    for (int& end : g_stopPipe)
        if (end >= 0)
            close(std::exchange(end, -1));
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
        std::fprintf(stderr, "quorva-cli: %s\n",
                     platform::Translate("quorva-cli", "cannot find the program folder.").c_str());
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
    if (options.title)
        settings.SetValue(keys::DISC_TITLE, *options.title);
    if (options.jobs)
        settings.SetIntValue(keys::CONVERSION_JOBS, *options.jobs);
    if (options.chapterMinutes)
        settings.SetIntValue(keys::CHAPTER_MINUTES, *options.chapterMinutes);
    if (options.afterEach)
        settings.SetIntValue(keys::AFTER_EACH_VIDEO, *options.afterEach);
    if (options.workingFolder) {
        // The job's checks make the folder, or list why not with every other problem.
        settings.SetValue(keys::WORKING_FOLDER,
                          WithSlash(platform::AbsolutePath(*options.workingFolder)));
    }
}

void CliSession::SaveRunningNumber() {
    CQuorvaApp& app = App();
    if (!app.TheOptionsFile().SaveRunningNumber(ReadIntOption(app.theOptions, keys::FILENAME_SN)))
        std::fprintf(stderr, "quorva-cli: %s\n",
                     platform::Translate("quorva-cli", "could not save the options file.").c_str());
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

platform::Result<int> CliSession::ChooseDevice(const CliOptions& options) const {
    auto& burner = App().theBurner;
    std::int32_t count = 0;
    burner->GetDeviceCount(&count);
    if (options.iso)
        return count - 1;
    if (options.device) {
        if (*options.device >= count)
            return platform::Fail(platform::FillIn(
                platform::Translate(
                    "quorva-cli",
                    "There is no device %1 (%2 devices; see \"quorva-cli devices\")."),
                {std::to_string(*options.device), std::to_string(count)}));
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
    ConsoleProgress progress(stderr);
    ConsoleJobEvents events(progress);
    const JobInput input =
        MakeJobInput(App(), JobChoices{flags, deviceIndex, label, discType, defaultSubtitle});

    platform::CancelSignal cancel;
    if (g_interrupted)
        cancel.Cancel();
    const int done = eventfd(0, EFD_CLOEXEC);
    JobResult result;
    std::thread worker([&] {
        result = RunAuthoringJob(input, events, cancel);
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t ignored = write(done, &one, sizeof one);
    });
    // Neither the job nor the burner can be stopped from a signal handler;
    // this thread stops them as a signal comes.
    if (done >= 0 && WaitForStopOrDone(done)) {
        cancel.Cancel();
        if (input.burner)
            input.burner->Cancel();
    }
    worker.join();
    if (done >= 0)
        close(done);
    KeepJobResult(App(), result);
    checkLines_ = result.discCheckLines;
    progress.Clear();
    platform::SetMessagePresenter(previous);

    if (g_interrupted) {
        std::fprintf(stderr, "quorva-cli: %s\n",
                     platform::Translate("quorva-cli", "aborted.").c_str());
        return false;
    }
    return result.outcome != JobOutcome::Failed;
}
