// The options file that every run of the program shares. The running number
// of the stream names (FILENAME_SN) is taken and saved under the file's lock,
// so that two runs at the same time never take the same number and a run
// that ends never sets the stored number back.
#pragma once

#include <functional>
#include <string>

#include "platform/Result.h"

class CXMLAccess;

class OptionsFile {
  public:
    OptionsFile(std::string path, std::string keyFile);

    // The next running number: the larger of options' FILENAME_SN and the
    // stored one. The stored file and options then both hold the number after
    // it. When the file cannot be read or written, options alone count.
    int TakeRunningNumber(CXMLAccess& options) const;

    // Raises the stored FILENAME_SN to number when it is lower; nothing else
    // of the file changes. False when the file could not be written.
    bool SaveRunningNumber(int number) const;

    // Saves options through save, FILENAME_SN first raised to the stored one
    // when that is larger. Returns what save returns.
    platform::Result<void> Save(
        CXMLAccess& options,
        const std::function<platform::Result<void>(const CXMLAccess&)>& save) const;

  private:
    // The stored FILENAME_SN; -1 when the file cannot be read.
    int StoredNumber(CXMLAccess* stored) const;

    std::string path_;
    std::string keyFile_;
};
