// A one-line progress bar on a terminal.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

class ConsoleProgress {
  public:
    // Draws on stream only when it is a terminal.
    explicit ConsoleProgress(std::FILE* stream);
    // Conversion: media seconds done of total, speed, estimated seconds left.
    void ShowConversion(std::int64_t done, std::int64_t total, double speed, std::int64_t left);
    void ShowBurn(int percent);
    // Clears the bar so that a log line can be printed.
    void Clear();
    bool Active() const { return terminal_; }

    static std::string Bar(int percent, int width);

  private:
    void Draw(const std::string& line);
    std::FILE* stream_;
    bool terminal_;
    bool drawn_ = false;
};
