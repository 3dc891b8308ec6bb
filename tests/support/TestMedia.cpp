#include "support/TestMedia.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

extern char** environ;

namespace testsupport {

CommandResult RunCommand(const std::vector<std::string>& argv, const std::string& stdinPath,
                         const std::string& stdoutPath) {
    CommandResult result;
    int fds[2];
    if (argv.empty() || pipe2(fds, O_CLOEXEC) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(
        &actions, 0, stdinPath.empty() ? "/dev/null" : stdinPath.c_str(), O_RDONLY, 0);
    if (stdoutPath.empty())
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, stdoutPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned == 0) {
        char buffer[4096];
        ssize_t n;
        while ((n = read(fds[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
            if (n > 0)
                result.output.append(buffer, static_cast<size_t>(n));
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    close(fds[0]);
    return result;
}

bool MakeEnglishFrenchClip(const std::string& path, double seconds) {
    const std::string d = ":d=" + std::to_string(seconds);
    return RunCommand({"ffmpeg",
                       "-v",
                       "error",
                       "-y",
                       "-f",
                       "lavfi",
                       "-i",
                       "testsrc=s=320x240:r=25" + d,
                       "-f",
                       "lavfi",
                       "-i",
                       "sine=frequency=440" + d,
                       "-f",
                       "lavfi",
                       "-i",
                       "sine=frequency=880" + d,
                       "-map",
                       "0",
                       "-map",
                       "1",
                       "-map",
                       "2",
                       "-c:v",
                       "mpeg4",
                       "-c:a",
                       "libmp3lame",
                       "-metadata:s:a:0",
                       "language=eng",
                       "-metadata:s:a:1",
                       "language=fra",
                       path})
               .status == 0;
}

bool MakeDvdMpeg(const std::string& path, bool pal, double seconds, bool moving) {
    const std::string size = pal ? "720x576" : "720x480";
    const std::string rate = pal ? "25" : "30000/1001";
    const std::string video = (moving ? "testsrc=s=" : "color=c=0x1c2c50:s=") + size + ":r=" + rate;
    const CommandResult run = RunCommand({"ffmpeg",   "-v",
                                          "error",    "-y",
                                          "-f",       "lavfi",
                                          "-i",       video,
                                          "-f",       "lavfi",
                                          "-i",       "anullsrc=r=48000:cl=stereo",
                                          "-t",       std::to_string(seconds),
                                          "-c:v",     "mpeg2video",
                                          "-b:v",     "3M",
                                          "-maxrate", "8M",
                                          "-bufsize", "1835k",
                                          "-g",       "12",
                                          "-aspect",  "4:3",
                                          "-c:a",     "ac3",
                                          "-b:a",     "128k",
                                          "-f",       "dvd",
                                          path});
    std::error_code ec;
    if (run.status == 0 && std::filesystem::file_size(path, ec) > 0 && !ec)
        return true;
    std::fprintf(stderr, "ffmpeg could not make %s (status %d):\n%s\n", path.c_str(), run.status,
                 run.output.c_str());
    return false;
}

namespace {

void PutBig(std::string& out, std::uint64_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// One segment: "PG", presentation and decoding time (90 kHz), type, payload.
void PutSegment(std::string& out, double seconds, int type, const std::string& payload) {
    out += "PG";
    PutBig(out, static_cast<std::uint64_t>(seconds * 90000), 4);
    PutBig(out, 0, 4);
    PutBig(out, type, 1);
    PutBig(out, payload.size(), 2);
    out += payload;
}

}  // namespace

bool MakePgsSubtitles(const std::string& path, int width, int height,
                      const std::vector<std::pair<double, double>>& cues) {
    const int boxWidth = width / 2, boxHeight = height / 8;
    const int x = (width - boxWidth) / 2, y = height - 2 * boxHeight;
    // The box in run lengths: colour 1 (black) border rows and columns,
    // colour 2 (white) inside.
    std::string rle;
    for (int row = 0; row < boxHeight; ++row) {
        const bool edge = row < 4 || row >= boxHeight - 4;
        const auto run = [&](int colour, int length) {
            rle += '\0';
            rle += static_cast<char>(0xC0 | (length >> 8));
            rle += static_cast<char>(length & 0xFF);
            rle += static_cast<char>(colour);
        };
        if (edge) {
            run(1, boxWidth);
        } else {
            run(1, 64);
            run(2, boxWidth - 128);
            run(1, 64);
        }
        rle += std::string("\0\0", 2);
    }
    std::string out;
    int number = 0;
    for (const auto& [start, end] : cues) {
        std::string window;
        PutBig(window, 1, 1);
        PutBig(window, 0, 1);
        PutBig(window, x, 2);
        PutBig(window, y, 2);
        PutBig(window, boxWidth, 2);
        PutBig(window, boxHeight, 2);
        // Shown: composition with one object, window, palette, object, end.
        std::string shown;
        PutBig(shown, width, 2);
        PutBig(shown, height, 2);
        PutBig(shown, 0x10, 1);
        PutBig(shown, number++, 2);
        PutBig(shown, 0x80, 1);  // epoch start
        PutBig(shown, 0, 2);     // no palette update, palette 0
        PutBig(shown, 1, 1);
        PutBig(shown, 0, 2);  // object 0 in window 0, not cropped
        PutBig(shown, 0, 2);
        PutBig(shown, x, 2);
        PutBig(shown, y, 2);
        PutSegment(out, start, 0x16, shown);
        PutSegment(out, start, 0x17, window);
        std::string palette;
        PutBig(palette, 0, 2);  // palette 0, version 0
        for (const auto& [id, luma] : {std::pair{1, 16}, std::pair{2, 235}}) {
            PutBig(palette, id, 1);
            PutBig(palette, luma, 1);
            PutBig(palette, 0x8080, 2);  // no colour
            PutBig(palette, 255, 1);     // opaque
        }
        PutSegment(out, start, 0x14, palette);
        std::string object;
        PutBig(object, 0, 2);
        PutBig(object, 0, 1);
        PutBig(object, 0xC0, 1);  // first and last part
        PutBig(object, rle.size() + 4, 3);
        PutBig(object, boxWidth, 2);
        PutBig(object, boxHeight, 2);
        object += rle;
        PutSegment(out, start, 0x15, object);
        PutSegment(out, start, 0x80, {});
        // Cleared: a composition without objects.
        std::string cleared;
        PutBig(cleared, width, 2);
        PutBig(cleared, height, 2);
        PutBig(cleared, 0x10, 1);
        PutBig(cleared, number++, 2);
        PutBig(cleared, 0, 1);
        PutBig(cleared, 0, 2);
        PutBig(cleared, 0, 1);
        PutSegment(out, end, 0x16, cleared);
        PutSegment(out, end, 0x17, window);
        PutSegment(out, end, 0x80, {});
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorva-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    path_ = pattern + "/";
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace testsupport
