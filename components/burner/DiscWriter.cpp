#include "components/burner/DiscWriter.h"

#include <libburn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string_view>
#include <thread>
#include <vector>

#include "components/burner/PseudoDrive.h"
#include "components/burner/StreamChecksum.h"
#include "platform/Translation.h"

namespace burner {
namespace {

using namespace std::chrono_literals;

struct DiscFree {
    void operator()(burn::burn_disc* disc) const { burn::burn_disc_free(disc); }
};
struct SessionFree {
    void operator()(burn::burn_session* session) const { burn::burn_session_free(session); }
};
struct TrackFree {
    void operator()(burn::burn_track* track) const { burn::burn_track_free(track); }
};
struct SourceFree {
    void operator()(burn::burn_source* source) const { burn::burn_source_free(source); }
};
struct OptsFree {
    void operator()(burn::burn_write_opts* opts) const { burn::burn_write_opts_free(opts); }
};
using DiscPtr = std::unique_ptr<burn::burn_disc, DiscFree>;
using SessionPtr = std::unique_ptr<burn::burn_session, SessionFree>;
using TrackPtr = std::unique_ptr<burn::burn_track, TrackFree>;
using SourcePtr = std::unique_ptr<burn::burn_source, SourceFree>;
using OptsPtr = std::unique_ptr<burn::burn_write_opts, OptsFree>;

constexpr int kFifoChunks = 2048;  // 4 MiB of 2048-byte chunks
constexpr off_t kReadChunk = off_t{32} * 2048;
// With a read-back, writing takes the bar up to here and reading the rest.
constexpr int kWrittenPercent = 66;

// A grabbed drive, released on every way out.
class GrabbedDrive {
  public:
    GrabbedDrive(LibburnLibrary& library, const std::string& address) : library_(library) {
        std::lock_guard lock(library_.DriveTableMutex());
        std::string copy = address;
        if (burn::burn_drive_scan_and_grab(&infos_, copy.data(), 1) == 1 && infos_ != nullptr) {
            drive_ = infos_[0].drive;
        }
    }
    ~GrabbedDrive() {
        std::lock_guard lock(library_.DriveTableMutex());
        if (drive_ != nullptr) {
            burn::burn_drive_release(drive_, 0);
            // Drop the drive from libburn's table as well, so that no state of
            // this write (a cancel above all) carries over to the next grab.
            burn::burn_drive_info_forget(&infos_[0], 1);
        }
        if (infos_ != nullptr) {
            burn::burn_drive_info_free(infos_);
        }
    }
    GrabbedDrive(const GrabbedDrive&) = delete;
    GrabbedDrive& operator=(const GrabbedDrive&) = delete;
    burn::burn_drive* get() const { return drive_; }

  private:
    LibburnLibrary& library_;
    burn::burn_drive_info* infos_ = nullptr;
    burn::burn_drive* drive_ = nullptr;
};

std::string WithDetail(std::string reason, LibburnLibrary& library) {
    std::string detail = library.TakeMessages();
    if (!detail.empty()) {
        reason += " (" + detail + ")";
    }
    return reason;
}

std::string MegaBytes(std::int64_t bytes) {
    return std::to_string((bytes + (1 << 20) - 1) >> 20) + " MB";
}

platform::Result<void> CheckDisc(burn::burn_drive* drive, const std::atomic<bool>& cancel) {
    burn::burn_disc_status status;
    // A drive that has just loaded a disc needs a moment to know it.
    for (int tries = 0; (status = burn::burn_disc_get_status(drive)) == burn::BURN_DISC_UNREADY &&
                        tries < 100 && !cancel;
         ++tries) {
        std::this_thread::sleep_for(100ms);
    }
    switch (status) {
        case burn::BURN_DISC_BLANK:
            return {};
        case burn::BURN_DISC_EMPTY:
            return platform::Fail(platform::Translate("Burner", "There is no disc in the drive."));
        case burn::BURN_DISC_APPENDABLE:
        case burn::BURN_DISC_FULL:
            return platform::Fail(
                platform::Translate("Burner", "The disc in the drive is not blank."));
        default:
            return platform::Fail(
                platform::Translate("Burner", "The disc in the drive cannot be written."));
    }
}

int Percent(const burn::burn_progress& progress) {
    if (progress.sectors <= 0) {
        return 1;
    }
    long long percent = 100LL * progress.sector / progress.sectors;
    return static_cast<int>(std::clamp(percent, 1LL, 99LL));
}

int WritePercent(int percent, bool verify) {
    return verify ? std::max(1, percent * kWrittenPercent / 100) : percent;
}

// Reads the first bytes of the disc back through the drive and sums them.
platform::Result<void> ReadBack(LibburnLibrary& library, burn::burn_drive* drive,
                                std::int64_t bytes, StreamChecksum& sum, const WriteEvents& events,
                                const std::atomic<bool>& cancel) {
    events.phase(kVerifyingPhase);
    // The drive has to learn what is on the disc now.
    burn::burn_drive_re_assess(drive, 0);
    std::vector<char> buffer(kReadChunk);
    for (std::int64_t at = 0; at < bytes; at += kReadChunk) {
        if (cancel) {
            return platform::Fail(platform::Translate("Burner", "Burn cancelled."));
        }
        const off_t want = static_cast<off_t>(std::min<std::int64_t>(kReadChunk, bytes - at));
        off_t got = 0;
        if (burn::burn_read_data(drive, static_cast<off_t>(at), buffer.data(), want, &got, 0) <=
                0 ||
            got != want) {
            return platform::Fail(WithDetail(
                platform::FillIn(
                    platform::Translate("Burner", "The disc cannot be read back (%1 of %2 read)."),
                    {MegaBytes(at), MegaBytes(bytes)}),
                library));
        }
        sum.Add(buffer.data(), static_cast<std::size_t>(want));
        const int percent =
            static_cast<int>(kWrittenPercent + (100 - kWrittenPercent) * (at + want) / bytes);
        events.progress(std::clamp(percent, kWrittenPercent, 99));
    }
    return {};
}

}  // namespace

platform::Result<void> WriteDisc(LibburnLibrary& library, const WriteJob& job,
                                 const WriteEvents& events, const std::atomic<bool>& cancel) {
    // The stream belongs to the source from here on.
    // A pseudo-drive's file is looked at before libburn opens it.
    platform::Result<void> usable = CheckPseudoDrive(job.address);
    if (usable && PseudoDriveHoldsData(job.address))
        usable =
            platform::Fail(platform::Translate("Burner", "The disc in the drive is not blank."));
    if (!usable) {
        close(job.sourceFd);
        return usable;
    }
    SourcePtr fdSource(burn::burn_fd_source_new(job.sourceFd, -1, job.bytes));
    if (!fdSource) {
        close(job.sourceFd);
        return platform::Fail(platform::Translate("Burner", "Cannot read the disc image stream."));
    }
    SourcePtr patched(job.patch.bytes.empty() ? nullptr
                                              : NewPatchingSource(fdSource.get(), job.patch));
    if (!job.patch.bytes.empty() && !patched) {
        return platform::Fail(platform::Translate("Burner", "Cannot read the disc image stream."));
    }
    burn::burn_source* stream = patched ? patched.get() : fdSource.get();
    // The stream is summed on its way into the buffer.
    StreamChecksum sent;
    SourcePtr summed(job.verify ? NewChecksumSource(stream, sent) : nullptr);
    if (job.verify && !summed) {
        return platform::Fail(platform::Translate("Burner", "Cannot read the disc image stream."));
    }
    SourcePtr fifo(
        burn::burn_fifo_source_new(job.verify ? summed.get() : stream, 2048, kFifoChunks, 1));
    if (!fifo) {
        return platform::Fail(
            platform::Translate("Burner", "Cannot buffer the disc image stream."));
    }
    library.TakeMessages();
    GrabbedDrive drive(library, job.address);
    if (drive.get() == nullptr) {
        return platform::Fail(WithDetail(
            platform::FillIn(platform::Translate("Burner", "Cannot open the drive \"%1\"."),
                             {job.address}),
            library));
    }
    if (platform::Result<void> checked = CheckDisc(drive.get(), cancel); !checked) {
        return checked;
    }
    // The drive takes the nearest speed it can write the disc at.
    burn::burn_drive_set_speed(drive.get(), 0, job.speedKBps);

    DiscPtr disc(burn::burn_disc_create());
    SessionPtr session(burn::burn_session_create());
    TrackPtr track(burn::burn_track_create());
    burn::burn_track_define_data(track.get(), 0, 0, 1, BURN_MODE1);
    if (burn::burn_track_set_source(track.get(), fifo.get()) != burn::BURN_SOURCE_OK) {
        return platform::Fail(
            platform::Translate("Burner", "Cannot attach the disc image stream."));
    }
    burn::burn_session_add_track(session.get(), track.get(), BURN_POS_END);
    burn::burn_disc_add_session(disc.get(), session.get(), BURN_POS_END);

    OptsPtr opts(burn::burn_write_opts_new(drive.get()));
    burn::burn_write_opts_set_perform_opc(opts.get(), 0);
    burn::burn_write_opts_set_multi(opts.get(), 0);  // close the disc
    burn::burn_write_opts_set_underrun_proof(opts.get(), 1);
    burn::burn_write_opts_set_simulate(opts.get(), 0);
    char reasons[BURN_REASONS_LEN] = {};
    if (burn::burn_write_opts_auto_write_type(opts.get(), disc.get(), reasons, 0) ==
        burn::BURN_WRITE_NONE) {
        return platform::Fail(
            WithDetail(platform::FillIn(
                           platform::Translate("Burner", "The disc cannot be written this way: %1"),
                           {reasons}),
                       library));
    }
    std::int64_t available = burn::burn_disc_available_space(drive.get(), opts.get());
    if (available < job.bytes) {
        // The image device writes a file: the folder it goes to is full.
        constexpr std::string_view kFile = "stdio:";
        if (job.address.starts_with(kFile)) {
            const std::string file = job.address.substr(kFile.size());
            return platform::Fail(platform::FillIn(
                platform::Translate("Burner",
                                    "Not enough free space for the disc image in the folder %1: %2 "
                                    "needed, %3 free."),
                {file.substr(0, file.rfind('/') + 1), MegaBytes(job.bytes), MegaBytes(available)}));
        }
        return platform::Fail(platform::FillIn(
            platform::Translate("Burner", "Not enough free space on the disc: %1 needed, %2 free."),
            {MegaBytes(job.bytes), MegaBytes(available)}));
    }
    if (cancel) {
        return platform::Fail(platform::Translate("Burner", "Burn cancelled."));
    }

    events.phase(QUORVA_TEXT("Burner", "Writing image ..."));
    burn::burn_disc_write(opts.get(), disc.get());
    burn::burn_progress progress{};
    burn::burn_drive_status status;
    while ((status = burn::burn_drive_get_status(drive.get(), nullptr)) ==
           burn::BURN_DRIVE_SPAWNING) {
        std::this_thread::sleep_for(20ms);
    }
    bool closing = false;
    bool cancelSent = false;
    while ((status = burn::burn_drive_get_status(drive.get(), &progress)) !=
           burn::BURN_DRIVE_IDLE) {
        if (cancel && !cancelSent && status == burn::BURN_DRIVE_WRITING) {
            burn::burn_drive_cancel(drive.get());
            cancelSent = true;
        }
        if (status == burn::BURN_DRIVE_WRITING) {
            events.progress(WritePercent(Percent(progress), job.verify));
        } else if (!closing && (status == burn::BURN_DRIVE_CLOSING_TRACK ||
                                status == burn::BURN_DRIVE_CLOSING_SESSION ||
                                status == burn::BURN_DRIVE_WRITING_LEADOUT)) {
            closing = true;
            events.phase(QUORVA_TEXT("Burner", "Closing disc ..."));
        }
        std::this_thread::sleep_for(100ms);
    }
    bool wroteWell = burn::burn_drive_wrote_well(drive.get()) == 1;
    events.writingEnded(wroteWell && !cancel);
    if (cancel) {
        library.TakeMessages();
        return platform::Fail(platform::Translate("Burner", "Burn cancelled."));
    }
    if (!wroteWell) {
        return platform::Fail(
            WithDetail(platform::Translate("Burner", "Writing the disc failed."), library));
    }
    if (!closing) {
        events.phase(QUORVA_TEXT("Burner", "Closing disc ..."));
    }
    if (!job.verify) {
        return {};
    }
    StreamChecksum read;
    if (platform::Result<void> readBack =
            ReadBack(library, drive.get(), job.bytes, read, events, cancel);
        !readBack) {
        return readBack;
    }
    if (!SameData(sent, read)) {
        return platform::Fail(platform::FillIn(
            platform::Translate("Burner",
                                "The disc does not hold what was written: the data read back (%1) "
                                "differ from the image sent (%2)."),
            {read.ToString(), sent.ToString()}));
    }
    return {};
}

}  // namespace burner
