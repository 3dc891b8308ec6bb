#include "app/QuorvaApp.h"

#include "app/Diagnostics.h"
#include "app/OptionsFile.h"
#include "pipeline/MadeFiles.h"
#include "platform/Files.h"
#include "platform/FolderTree.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/TempFiles.h"
#include "platform/Translation.h"
#include "settings/Options.h"
#include "settings/TvStandardDefault.h"

namespace {

void ShowError(const std::string& text) {
    platform::MessageBox(0, text, platform::Translate("QuorvaApp", "Error"),
                         platform::MB_ICONERROR);
}

[[noreturn]] void Fatal(const std::string& text) {
    ShowError(text);
    platform::EndProcess(1);
}

template <typename Hook, typename... Args>
auto Run(const Hook& hook, Args&... args) {
    using Result = decltype(hook(args...));
    if constexpr (std::is_void_v<Result>) {
        if (hook)
            hook(args...);
    } else {
        return hook ? hook(args...) : Result{true};
    }
}

// Canonical form with a trailing '/', for comparing folders.
std::string FolderKey(const std::string& path) {
    std::string canonical = platform::CanonicalPath(path);
    if (canonical.empty())
        return {};
    if (canonical.back() != '/')
        canonical += '/';
    return canonical;
}

bool IsSameOrAbove(const std::string& folderKey, const std::string& otherKey) {
    return !otherKey.empty() && otherKey.compare(0, folderKey.size(), folderKey) == 0;
}

}  // namespace

CQuorvaApp::CQuorvaApp() = default;

CQuorvaApp::~CQuorvaApp() {
    if (theSplashThread.joinable())
        theSplashThread.join();
}

std::string ProgramFolderOf(const std::string& executableFolder) {
    if (executableFolder.empty() ||
        platform::IsRegularFile(executableFolder + kProductSettingsFile))
        return executableFolder;
    std::string parent = executableFolder.substr(0, executableFolder.size() - 1);
    const std::string installed = platform::FolderOf(parent) + "lib/quorva/";
    return platform::IsFolder(installed) ? installed : executableFolder;
}

bool CQuorvaApp::FindProgramFolder() {
    if (theProgramFolder.empty())
        theProgramFolder = ProgramFolderOf(platform::ExecutableFolder());
    if (theProgramFolder.empty()) {
        ShowError(platform::Translate("QuorvaApp", "GetModuleFileName fail!"));
        return false;
    }
    if (theProgramFolder.back() != '/')
        theProgramFolder += '/';
    return true;
}

// At start-up a settings file that cannot be used ends the run: with the
// store's message when the file could not be read, with whatMessage when it
// holds no settings document, with the key when one the program reads is
// missing.
void CQuorvaApp::LoadSettingsFile(const std::string& path, CXMLAccess& node,
                                  const char* whatMessage) const {
    if (const platform::Result<void> loaded = LoadXMLNode(path, node, theProgramFolder + kKeyFile);
        !loaded)
        Fatal(loaded.code() == kXmlNotSettings
                  ? platform::Translate("QuorvaApp", whatMessage) + ("\n" + loaded.error())
                  : loaded.error());
}

void CQuorvaApp::LoadProductSettings() {
    LoadSettingsFile(theProgramFolder + kProductSettingsFile, theProductSettings,
                     QUORVA_TEXT("QuorvaApp", "Parse p0.data error, please re-install!"));
    if (const platform::Result<void> complete =
            RequireValues(theProductSettings, kProductSettingsKeys);
        !complete)
        Fatal(complete.error());
    productLoaded_ = true;
}

void CQuorvaApp::LoadOptions() {
    const std::string name = theProductSettings.GetValue(keys::OPTIONS_FILENAME);
    if (theUserFolder.empty())
        theUserFolder = platform::ConfigHome() + "quorva/";
    const std::string shippedFile = theProgramFolder + name;
    const std::string userFile = theUserFolder + name;
    const bool firstStart = !platform::PathExists(userFile);
    if (firstStart) {
        // This user's first start: the shipped options become theirs. When
        // that fails the shipped ones are read, and shutdown reports the save.
        static_cast<void>(platform::CreateFolders(platform::FolderOf(userFile)));
        platform::CopyFile(shippedFile, userFile);
    }
    const bool own = platform::IsRegularFile(userFile);
    constexpr const char* kParseOptionsError =
        QUORVA_TEXT("QuorvaApp", "Parse options error, please re-install!");
    LoadSettingsFile(own ? userFile : shippedFile, theOptions, kParseOptionsError);
    if (firstStart) {
        // A new file takes the TV standard of the user's country, at once, so
        // that a first run of quorva-cli (which saves no options) decides it
        // for the program too. A file that is there keeps its own.
        if (const std::optional<int> tv = TvStandardOfTerritory(LocaleTerritory())) {
            theOptions.SetIntValue(keys::TARGET_DVD_TYPE, *tv);
            if (own)  // a failure here shows when shutdown saves them again
                static_cast<void>(SaveXMLNode(userFile, theOptions, theProgramFolder + kKeyFile));
        }
    }
    if (own) {
        CXMLAccess shipped;
        LoadSettingsFile(shippedFile, shipped, kParseOptionsError);
        AddMissingOptions(theOptions, shipped);
    }
    // Every option the program reads, so that no later read misses one.
    if (const platform::Result<void> complete = RequireValues(theOptions, kOptionsKeys); !complete)
        Fatal(complete.error());
    filledOptions_ = FillDefaultOptions(
        theOptions,
        DefaultOptions(theProgramFolder, platform::HomeFolder(), platform::VideosFolder()));
    optionsLoaded_ = true;
}

std::string CQuorvaApp::UserOptionsFile() const {
    return theUserFolder + theProductSettings.GetValue(keys::OPTIONS_FILENAME);
}

platform::Result<void> CQuorvaApp::SaveOptions(const CXMLAccess& options) const {
    const std::string file = UserOptionsFile();
    static_cast<void>(platform::CreateFolders(platform::FolderOf(file)));
    return SaveXMLNode(file, StoredOptions(options, filledOptions_), theProgramFolder + kKeyFile);
}

bool CQuorvaApp::LoadSettings() {
    if (!FindProgramFolder())
        return false;
    LoadProductSettings();
    LoadOptions();
    return true;
}

bool CQuorvaApp::InitInstance() {
    Run(hooks.commonControls, *this);
    if (installCrashHandler) {
        const std::string folder = theProgramFolder.empty()
                                       ? ProgramFolderOf(platform::ExecutableFolder())
                                       : theProgramFolder;
        if (!folder.empty())
            InstallCrashHandler(folder, platform::StateHome() + "quorva/");
    }
    if (!FindProgramFolder())
        return false;
    LoadProductSettings();
    Run(hooks.singleInstance, *this);
    Run(hooks.startSplash, *this);
    Run(hooks.createBurner, *this);
    Run(hooks.startDeviceDiscovery, *this);
    LoadOptions();
    if (!Run(hooks.skin, *this))
        return false;
    Run(hooks.waitForSplash, *this);
    Run(hooks.runMainWindow, *this);
    return false;
}

int CQuorvaApp::ExitInstance() {
    // Without loaded settings there is nothing to save and no working folder known.
    if (SettingsLoaded()) {
        const platform::Result<void> saved = TheOptionsFile().Save(
            theOptions, [this](const CXMLAccess& options) { return SaveOptions(options); });
        if (!saved)
            ShowError(platform::Translate("QuorvaApp", "CXMLAccess::SaveXMLNode options failed!") +
                      "\n" + saved.error());
    }

    const std::string tempFolder = platform::GetAppTempFolder();
    if (platform::PathExists(tempFolder.substr(0, tempFolder.size() - 1)) &&
        !platform::RemoveFolderTree(tempFolder)) {
        ShowError(platform::Translate("QuorvaApp", "Can't remove temp folder!"));
        return 1;
    }

    if (SettingsLoaded() && theOptions.GetValue(keys::CLEAR_TEMP_FOLDER_WHEN_EXIT) == "0") {
        std::string workingFolder = theOptions.GetValue(keys::WORKING_FOLDER);
        if (!workingFolder.empty() && workingFolder.back() != '/')
            workingFolder += '/';
        // Only what the program made there goes; the user's files and the
        // finished discs and images stay.
        if (IsClearableWorkingFolder(workingFolder, theProgramFolder))
            ClearMadeFiles(workingFolder);
    }
    return 0;
}

OptionsFile CQuorvaApp::TheOptionsFile() const {
    return OptionsFile(UserOptionsFile(), theProgramFolder + kKeyFile);
}

int CQuorvaApp::TakeRunningNumber() {
    if (shareRunningNumber && SettingsLoaded())
        return TheOptionsFile().TakeRunningNumber(theOptions);
    const int number = ReadIntOption(theOptions, keys::FILENAME_SN);
    theOptions.SetIntValue(keys::FILENAME_SN, number + 1);
    return number;
}

bool IsClearableWorkingFolder(const std::string& folder, const std::string& programFolder) {
    if (folder.empty() || folder.front() != '/')
        return false;
    const std::string key = FolderKey(folder);
    if (key.empty())
        return true;  // nothing there to delete
    if (key == "/")
        return false;
    return !IsSameOrAbove(key, FolderKey(platform::HomeFolder())) &&
           !IsSameOrAbove(key, FolderKey(programFolder));
}

CQuorvaApp& App() {
    static CQuorvaApp app;
    return app;
}
