// The application object: start-up, the data it holds for the run, shutdown.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "app/OptionsFile.h"
#include "media/MediaItem.h"
#include "platform/Window.h"
#include "settings/UserOptions.h"
#include "settings/xml.h"

class IDiscBurner;
class CQuorvaDlg;

class CQuorvaApp {
  public:
    CQuorvaApp();
    ~CQuorvaApp();
    CQuorvaApp(const CQuorvaApp&) = delete;
    CQuorvaApp& operator=(const CQuorvaApp&) = delete;

    // Folder of the executable, ending with '/'. Start-up finds it when it is
    // still empty; a folder set beforehand (tests, tools) is kept.
    std::string theProgramFolder;
    // This user's settings folder ($XDG_CONFIG_HOME/quorva/), ending with '/':
    // the options file lives there. Found when the options are loaded if
    // still empty; a folder set beforehand (tests) is kept.
    std::string theUserFolder;
    std::string theDvdFolder;
    CXMLAccess theProductSettings;
    CXMLAccess theOptions;
    std::shared_ptr<IDiscBurner> theBurner;
    MediaList theMediaList;

    // The splash screen's thread; start-up waits for it before the main window.
    std::thread theSplashThread;
    // The main window while it runs, and its handle for message-box owners.
    CQuorvaDlg* theMainWnd = nullptr;
    std::atomic<platform::HWND> theMainWindowHandle{0};

    // Whether start-up installs the process's crash handler.
    bool installCrashHandler = true;
    // Whether running numbers are taken through the options file, shared with
    // the other runs of the program (the program and quorva-cli), rather than
    // from theOptions alone (tests, tools).
    bool shareRunningNumber = false;

    // The interactive steps of start-up, in the order they run. Empty hooks do
    // nothing. skin returns false when start-up must stop there.
    struct Hooks {
        std::function<void(CQuorvaApp&)> commonControls;
        std::function<void(CQuorvaApp&)> singleInstance;
        std::function<void(CQuorvaApp&)> startSplash;
        std::function<void(CQuorvaApp&)> createBurner;
        std::function<void(CQuorvaApp&)> startDeviceDiscovery;
        std::function<bool(CQuorvaApp&)> skin;
        std::function<void(CQuorvaApp&)> waitForSplash;
        std::function<void(CQuorvaApp&)> runMainWindow;
    };
    Hooks hooks;

    // Start-up. Returns false in every case: the caller goes on to shutdown.
    bool InitInstance();
    // Shutdown: saves the options, removes the temp folder and, when the
    // options ask for it, what the program made in the working folder.
    // Returns the exit code.
    int ExitInstance();

    // Finds the program folder, loads "p0.data" and the options file, with the
    // start-up messages (fatal load failures end the process). For front ends
    // without the interactive steps. False when the program folder is unknown.
    bool LoadSettings();
    bool FindProgramFolder();
    void LoadProductSettings();
    void LoadOptions();

    // Both settings files are loaded (shutdown saves the options only then).
    bool SettingsLoaded() const { return productLoaded_ && optionsLoaded_; }

    // The user's options file (known once the options are loaded).
    std::string UserOptionsFile() const;
    // Saves options (the loaded ones or a variant of them) to the user's
    // options file, values that stand for a default stored empty.
    platform::Result<void> SaveOptions(const CXMLAccess& options) const;
    // The user's options file, with its lock.
    OptionsFile TheOptionsFile() const;
    // The next running number of the stream names (FILENAME_SN); see
    // shareRunningNumber.
    int TakeRunningNumber();

  private:
    void LoadSettingsFile(const std::string& path, CXMLAccess& node, const char* whatMessage) const;

    bool productLoaded_ = false;
    bool optionsLoaded_ = false;
    FilledOptions filledOptions_;
};

// The program folder for an executable in executableFolder: that folder when
// it holds the product settings (the build tree), else the installed layout's
// "../lib/quorva/" beside it when that exists.
std::string ProgramFolderOf(const std::string& executableFolder);

// The one application object of the process.
CQuorvaApp& App();

// A working folder that shutdown may clear: an absolute path that is not "/",
// nor the user's home folder or the program folder or any folder above them.
bool IsClearableWorkingFolder(const std::string& folder, const std::string& programFolder);
