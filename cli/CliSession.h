// What every quorva-cli command shares: the program's settings, a private
// temp folder, the burner, and a job run through a headless window with its
// log and progress on the terminal.
#pragma once

#include <signal.h>

#include <QGuiApplication>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "pipeline/AuthoringJob.h"
#include "settings/xml.h"

class CliSession {
  public:
    CliSession();
    ~CliSession();

    // Loads the settings; false (with a message) when they cannot be read.
    bool Start();
    // Lets the menus draw text (the videos' names): Qt's fonts need a GUI
    // application object, here one that never opens a window. Qt's runtime
    // folder goes into the private temp folder when the user has none.
    void StartTextDrawing(const char* programName);
    // Applies the command line's choices to the options of this run only.
    void ApplyOverrides(const CliOptions& options);
    // Raises the stored running number to the one this run has reached;
    // nothing else of the options is saved.
    void SaveRunningNumber();
    // A stop signal (SIGINT, SIGTERM, SIGHUP) came during the session.
    static bool Interrupted();

    // Creates the burner and waits for its drive scan.
    void StartBurner();
    // The device the command line chose (--device N or --iso), or the
    // progress window's default choice (-1 when there is none); a failure
    // when the chosen number is out of range.
    platform::Result<int> ChooseDevice(const CliOptions& options) const;
    bool IsImageDevice(int index) const;

    // Runs the job with the given flags; true when it ended without failure
    // or abort. Prints the log on stdout and progress on stderr.
    bool RunJob(std::uint32_t flags, int deviceIndex, const std::string& label, bool askOnTerminal,
                int discType = 0);
    // The language whose subtitles the next job shows from the start.
    std::string defaultSubtitle;
    // The disc checks of the last job, line by line.
    const std::vector<std::string>& CheckLines() const { return checkLines_; }

  private:
    std::string privateTemp_;
    // Declared after privateTemp_: gone before the folder is deleted.
    std::unique_ptr<QGuiApplication> fonts_;
    int fontsArgc_ = 1;
    char* fontsArgv_[2]{};
    struct sigaction previousActions_[3]{};
    std::vector<std::string> checkLines_;
};
