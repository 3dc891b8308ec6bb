#include "components/authoring/ToolRun.h"

#include <cerrno>
#include <deque>

#include "platform/ChildProcess.h"

namespace authoring {
namespace {

constexpr size_t kKeptLines = 15;
constexpr size_t kMaxLineLength = 4096;

// Splits the output into lines (a carriage return also ends a line, as
// progress counters use it), checks each and keeps the last few.
class LineCollector {
  public:
    explicit LineCollector(const LineCheck& check) : check_(check) {}

    void Feed(const char* data, size_t size) {
        for (size_t i = 0; i < size; ++i) {
            const char c = data[i];
            if (c == '\n' || c == '\r')
                EndLine();
            else if (current_.size() < kMaxLineLength)
                current_ += c;
        }
    }
    void EndLine() {
        if (current_.empty())
            return;
        if (check_ && checked_)
            checked_ = check_(current_);
        lines_.push_back(std::move(current_));
        current_.clear();
        if (lines_.size() > kKeptLines)
            lines_.pop_front();
    }
    // The first line that failed the check, if any did.
    const platform::Result<void>& Checked() const { return checked_; }
    std::string Text() const {
        std::string text;
        for (const auto& line : lines_)
            text += line + "\n";
        return text;
    }

  private:
    const LineCheck& check_;
    std::string current_;
    platform::Result<void> checked_;
    std::deque<std::string> lines_;
};

}  // namespace

ToolResult RunTool(const ToolRun& run) {
    ToolResult result;
    auto child = platform::ChildProcess::Start(
        platform::ChildSpec{run.program, run.args, run.stdinFd, run.stdoutFd, false});
    if (!child) {
        result.failure = child.code() == ENOENT
                             ? "the program \"" + run.program + "\" was not found on PATH"
                             : "cannot start \"" + run.program + "\": " + child.error();
        return result;
    }
    LineCollector lines(run.check);
    (*child)->ReadMessages([&lines](const char* data, size_t size) { lines.Feed(data, size); });
    lines.EndLine();
    const platform::ExitStatus status = (*child)->Wait();
    result.lastLines = lines.Text();
    if (status.signal != 0)
        result.failure = run.program + " was ended by signal " + std::to_string(status.signal);
    else if (status.code != 0)
        result.failure = run.program + " failed with exit status " + std::to_string(status.code);
    else if (!lines.Checked())
        result.failure = run.program + " reported: " + lines.Checked().error();
    result.ok = result.failure.empty();
    return result;
}

}  // namespace authoring
