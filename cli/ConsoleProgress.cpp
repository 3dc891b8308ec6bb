#include "cli/ConsoleProgress.h"

#include "pipeline/JobProgress.h"
#include "platform/Translation.h"

#include <unistd.h>

#include <algorithm>

ConsoleProgress::ConsoleProgress(std::FILE* stream)
    : stream_(stream), terminal_(isatty(fileno(stream)) != 0) {}

std::string ConsoleProgress::Bar(int percent, int width) {
    percent = std::clamp(percent, 0, 100);
    int filled = percent * width / 100;
    return "[" + std::string(filled, '#') + std::string(width - filled, '.') + "]";
}

void ConsoleProgress::ShowConversion(std::int64_t done, std::int64_t total, double speed,
                                     std::int64_t left) {
    int percent = total > 0 ? static_cast<int>(std::min<std::int64_t>(100, done * 100 / total)) : 0;
    char text[160];
    std::snprintf(text, sizeof text, "%s %3d%%  ", Bar(percent, 30).c_str(), percent);
    char rate[32];
    std::snprintf(rate, sizeof rate, "%.2f", speed);
    Draw(text + platform::FillIn(platform::Translate("quorva-cli", "%1 of %2  %3x  left %4"),
                                 {FormatClock(done), FormatClock(total), rate, FormatClock(left)}));
}

void ConsoleProgress::ShowBurn(int percent) {
    char text[96];
    std::snprintf(text, sizeof text, "%s %3d%%  ", Bar(percent, 30).c_str(), percent);
    Draw(text + platform::Translate("quorva-cli", "writing"));
}

void ConsoleProgress::Draw(const std::string& line) {
    if (!terminal_)
        return;
    std::fprintf(stream_, "\r\033[K%s", line.c_str());
    std::fflush(stream_);
    drawn_ = true;
}

void ConsoleProgress::Clear() {
    if (!terminal_ || !drawn_)
        return;
    std::fprintf(stream_, "\r\033[K");
    std::fflush(stream_);
    drawn_ = false;
}
