// What every quorva-cli command shares: the program's settings, a private
// temp folder, the burner, and a job run through a headless window with its
// log and progress on the terminal.
#pragma once

#include <memory>
#include <string>

#include "cli/CliOptions.h"
#include "pipeline/AuthoringJob.h"
#include "settings/xml.h"

class CliSession {
  public:
    CliSession();
    ~CliSession();

    // Loads the settings; false (with a message) when they cannot be read.
    bool Start();
    // Applies the command line's choices to the options of this run only.
    bool ApplyOverrides(const CliOptions& options, std::string& error);
    // Saves the options as loaded, with only the running number carried over.
    void SaveRunningNumber();

    // Creates the burner and waits for its drive scan.
    void StartBurner();
    // The device the command line chose (--device N or --iso), or the
    // progress window's default choice; -1 with error when out of range.
    int ChooseDevice(const CliOptions& options, std::string& error) const;
    bool IsImageDevice(int index) const;

    // Runs the job with the given flags; true when it ended without failure
    // or abort. Prints the log on stdout and progress on stderr.
    bool RunJob(std::uint32_t flags, int deviceIndex, const std::string& label, bool askOnTerminal,
                int discType = 0);

  private:
    CXMLAccess loadedOptions_;
    std::string privateTemp_;
};
