#include "components/burner/IsoImageProcess.h"
#include "platform/Translation.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace burner {
namespace {

constexpr const char* kProgram = "genisoimage";
constexpr std::size_t kErrorTextLimit = std::size_t{16} * 1024;

std::vector<std::string> Arguments(const IsoImageRequest& request, bool printSize) {
    std::vector<std::string> args = {"-dvd-video", "-quiet", "-input-charset",
                                     "utf-8",      "-V",     request.label};
    if (printSize) {
        args.emplace_back("-print-size");
    }
    // A folder name starting with '-' must not read as an option.
    std::string folder = request.dvdFolder;
    if (!folder.empty() && folder[0] == '-') {
        folder = "./" + folder;
    }
    args.push_back(folder);
    return args;
}

// Starts the program with its image (or printed size) on a pipe of its own.
platform::Result<std::unique_ptr<platform::ChildProcess>> Spawn(
    const std::vector<std::string>& args) {
    auto child = platform::ChildProcess::Start(platform::ChildSpec{kProgram, args, -1, -1, true});
    if (!child) {
        return platform::Fail(platform::FillIn(platform::Translate("Burner", "Cannot run %1: %2."),
                                               {kProgram, child.error()}));
    }
    return std::move(*child);
}

std::string Tidy(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    for (char& c : text) {
        if (c == '\n') {
            c = ' ';
        }
    }
    return text;
}

platform::Result<void> Outcome(const platform::ExitStatus& status, const std::string& errorText) {
    if (status.Succeeded()) {
        return {};
    }
    const std::string detail = Tidy(errorText);
    if (status.signal != 0) {
        const std::string signal = std::to_string(status.signal);
        return platform::Fail(
            detail.empty()
                ? platform::FillIn(platform::Translate("Burner", "%1 failed (signal %2)."),
                                   {kProgram, signal})
                : platform::FillIn(platform::Translate("Burner", "%1 failed (signal %2): %3"),
                                   {kProgram, signal, detail}));
    }
    return platform::Fail(
        detail.empty()
            ? platform::FillIn(platform::Translate("Burner", "%1 failed."), {kProgram})
            : platform::FillIn(platform::Translate("Burner", "%1 failed: %2"), {kProgram, detail}));
}

}  // namespace

platform::Result<std::int64_t> MeasureIsoImage(const IsoImageRequest& request) {
    auto spawned = Spawn(Arguments(request, true));
    if (!spawned) {
        return spawned.failure();
    }
    std::unique_ptr<platform::ChildProcess>& child = *spawned;
    std::string errorText;
    std::thread reader([&] { errorText = child->ReadAllMessages(kErrorTextLimit); });
    const int outputFd = child->TakeOutputFd();
    std::string printed = platform::ReadToEnd(outputFd, kErrorTextLimit);
    close(outputFd);
    reader.join();
    if (platform::Result<void> ended = Outcome(child->Wait(), errorText); !ended) {
        return ended.failure();
    }
    char* end = nullptr;
    long long sectors = std::strtoll(printed.c_str(), &end, 10);
    if (end == printed.c_str() || sectors <= 0) {
        return platform::Fail(platform::FillIn(
            platform::Translate("Burner", "%1 did not report the image size."), {kProgram}));
    }
    return static_cast<std::int64_t>(sectors);
}

platform::Result<std::unique_ptr<IsoImageProcess>> IsoImageProcess::Start(
    const IsoImageRequest& request) {
    auto child = Spawn(Arguments(request, false));
    if (!child) {
        return child.failure();
    }
    auto process = std::make_unique<IsoImageProcess>(Key{});
    process->child_ = std::move(*child);
    process->imageFd_ = process->child_->TakeOutputFd();
    IsoImageProcess* self = process.get();
    process->errorReader_ =
        std::thread([self] { self->errorText_ = self->child_->ReadAllMessages(kErrorTextLimit); });
    return process;
}

IsoImageProcess::~IsoImageProcess() {
    // A process that was not finished by its owner is only ended here.
    static_cast<void>(Finish());
    if (imageFd_ >= 0) {
        close(imageFd_);
    }
}

int IsoImageProcess::TakeImageFd() {
    int fd = imageFd_;
    imageFd_ = -1;
    return fd;
}

platform::Result<void> IsoImageProcess::Finish(std::chrono::milliseconds grace) {
    if (finished_) {
        return result_;
    }
    finished_ = true;
    bool stopped = false;
    const platform::ExitStatus status = child_->Finish(grace, &stopped);
    if (errorReader_.joinable()) {
        errorReader_.join();
    }
    result_ =
        stopped ? platform::Fail(platform::FillIn(
                      platform::Translate("Burner", "%1 was stopped before it ended."), {kProgram}))
                : Outcome(status, errorText_);
    return result_;
}

}  // namespace burner
