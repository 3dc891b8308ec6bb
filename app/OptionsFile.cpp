#include "app/OptionsFile.h"

#include <algorithm>
#include <utility>

#include "platform/FileLock.h"
#include "platform/Files.h"
#include "settings/Options.h"
#include "settings/xml.h"

OptionsFile::OptionsFile(std::string path, std::string keyFile)
    : path_(std::move(path)), keyFile_(std::move(keyFile)) {}

int OptionsFile::StoredNumber(CXMLAccess* stored) const {
    CXMLAccess node;
    if (!LoadXMLNode(path_, node, keyFile_))
        return -1;
    const std::string text = node.GetValue(keys::FILENAME_SN);
    if (text.empty())
        return -1;
    const int number = ParseIntOption(text);
    if (stored)
        *stored = std::move(node);
    return number;
}

int OptionsFile::TakeRunningNumber(CXMLAccess& options) const {
    const int held = ReadIntOption(options, keys::FILENAME_SN);
    platform::FileLock lock = platform::FileLock::Take(path_, platform::FileLock::Wait::Yes,
                                                       platform::FileLock::Create::No);
    CXMLAccess stored;
    const int storedNumber = lock.Held() ? StoredNumber(&stored) : -1;
    const int number = std::max(held, storedNumber);
    options.SetIntValue(keys::FILENAME_SN, number + 1);
    if (storedNumber >= 0) {
        stored.SetIntValue(keys::FILENAME_SN, number + 1);
        // Not saved, options still count; shutdown's save reports the file.
        static_cast<void>(SaveXMLNode(path_, stored, keyFile_));
    }
    return number;
}

bool OptionsFile::SaveRunningNumber(int number) const {
    platform::FileLock lock = platform::FileLock::Take(path_, platform::FileLock::Wait::Yes,
                                                       platform::FileLock::Create::No);
    CXMLAccess stored;
    const int storedNumber = lock.Held() ? StoredNumber(&stored) : -1;
    if (storedNumber < 0)
        return false;
    if (storedNumber >= number)
        return true;
    stored.SetIntValue(keys::FILENAME_SN, number);
    return SaveXMLNode(path_, stored, keyFile_).ok();
}

platform::Result<void> OptionsFile::Save(
    CXMLAccess& options,
    const std::function<platform::Result<void>(const CXMLAccess&)>& save) const {
    platform::FileLock lock = platform::FileLock::Take(path_, platform::FileLock::Wait::Yes,
                                                       platform::FileLock::Create::No);
    const int stored = lock.Held() ? StoredNumber(nullptr) : -1;
    const std::string held = options.GetValue(keys::FILENAME_SN);
    if (!held.empty() && stored > ParseIntOption(held))
        options.SetIntValue(keys::FILENAME_SN, stored);
    return save(options);
}
