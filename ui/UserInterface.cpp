#include "ui/UserInterface.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "app/DeviceDiscovery.h"
#include "app/QuorvaApp.h"
#include "components/skin/Skin.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/TerminationRequest.h"
#include "platform/Translation.h"
#include "settings/Options.h"
#include "ui/MainDlg.h"
#include "ui/QtDispatcher.h"
#include "ui/QtMessagePresenter.h"
#include "ui/SingleInstance.h"
#include "ui/SplashDlg.h"

namespace {

std::unique_ptr<QApplication>& Application() {
    static std::unique_ptr<QApplication> application;
    return application;
}

// The videos named on the program's command line.
QStringList& StartVideos() {
    static QStringList videos;
    return videos;
}

std::unique_ptr<CSplashDlg>& Splash() {
    static std::unique_ptr<CSplashDlg> splash;
    return splash;
}

void ShowStartupError(const char* text) {
    platform::MessageBox(0, QCoreApplication::translate("UserInterface", text).toStdString(),
                         QCoreApplication::translate("UserInterface", "Error").toStdString(),
                         platform::MB_OK | platform::MB_ICONERROR);
}

// Widgets live on the user-interface thread, so the splash screen runs on
// its event loop while start-up goes on, instead of on a thread of its own.
void StartSplash(CQuorvaApp&) {
    Splash() = std::make_unique<CSplashDlg>();
    Splash()->StartSplash();
}

void WaitForSplash(CQuorvaApp&) {
    if (Splash()) {
        Splash()->WaitForSplash();
        Splash().reset();
    }
}

bool SwitchSkinOn(CQuorvaApp& app) {
    if (app.theProductSettings.GetValue(keys::LOAD_SKIN) != "yes")
        return true;
    if (!skin::Initialize("Demo")) {
        ShowStartupError(QT_TRANSLATE_NOOP("UserInterface", "Installed file not found."));
        return false;
    }
    if (!skin::LoadSkinFile(app.theProgramFolder +
                            app.theProductSettings.GetValue(keys::SKIN_FILENAME))) {
        ShowStartupError(QT_TRANSLATE_NOOP("UserInterface", "Unable to Load skin file."));
        return false;
    }
    if (!skin::SetDialogSkin("Dialog")) {
        ShowStartupError(QT_TRANSLATE_NOOP("UserInterface", "Unable to set skin."));
        return false;
    }
    return true;
}

bool& MainWindowEnded() {
    static bool ended = false;
    return ended;
}

QPointer<CQuorvaDlg>& RunningMainWindow() {
    static QPointer<CQuorvaDlg> window;
    return window;
}

void RunMainWindow(CQuorvaApp& app) {
    CQuorvaDlg window;
    app.theMainWnd = &window;
    RunningMainWindow() = &window;
    window.OpenWithVideos(StartVideos());
    window.exec();
    app.theMainWnd = nullptr;
    MainWindowEnded() = true;
}

// A request to end the program (logout, kill) closes its windows, the
// topmost first, until the main window's run has ended, so that shutdown
// runs and keeps the options. Windows that do not close within a few
// seconds (a burn that cannot stop) leave the request to end the process.
bool& EndingRequested() {
    static bool requested = false;
    return requested;
}

void CloseWindowsOnRequest() {
    constexpr int kTries = 100;
    constexpr int kIntervalMs = 50;
    static int tries = 0;
    EndingRequested() = true;
    if (MainWindowEnded())
        return;
    if (++tries > kTries)
        platform::EndAsRequested();
    // Set before closing: a window's close may run a loop of its own.
    QTimer::singleShot(kIntervalMs, CloseWindowsOnRequest);
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    else if (RunningMainWindow())
        RunningMainWindow()->close();
}

void WatchTerminationRequests() {
    const int descriptor = platform::WatchTerminationRequests();
    if (descriptor < 0)
        return;
    auto* notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, [descriptor] {
        platform::TakeTerminationRequests(descriptor);
        CloseWindowsOnRequest();
    });
}

}  // namespace

bool EndingOnRequest() {
    return EndingRequested();
}

bool InstallUserInterface(CQuorvaApp& app, int& argc, char** argv) {
    if (!Application()) {
        Application() = std::make_unique<QApplication>(argc, argv);
        // The windows carry the desktop entry's id (the X11 class, the
        // Wayland app id), so that docks and task bars put them under its
        // launcher and icon.
        QApplication::setApplicationName("org.quorva.Quorva");
        QApplication::setDesktopFileName("org.quorva.Quorva");
        // Dialogs run their own loops; closing the last one must not end
        // anything before shutdown has run.
        QApplication::setQuitOnLastWindowClosed(false);
        // The windows speak the user's language when there is a catalogue for it.
        platform::UseTranslations(ProgramFolderOf(platform::ExecutableFolder()) + "translations/");
        // What Qt left of the command line names videos, or a project, to
        // start a DVD with.
        const QStringList arguments = QApplication::arguments();
        for (qsizetype i = 1; i < arguments.size(); ++i)
            StartVideos() << QFileInfo(arguments[i]).absoluteFilePath();
        WatchTerminationRequests();
    }
    QtDispatcher::Instance();  // belongs to this, the user-interface thread
    platform::SetMessagePresenter(std::make_shared<QtMessagePresenter>());

    app.hooks.singleInstance = [](CQuorvaApp& running) {
        HoldSingleInstance(running, StartVideos());
    };
    app.hooks.startSplash = StartSplash;
    app.hooks.createBurner = CreateBurner;
    app.hooks.startDeviceDiscovery = RunDeviceDiscoveryStep;
    app.hooks.skin = SwitchSkinOn;
    app.hooks.waitForSplash = WaitForSplash;
    app.hooks.runMainWindow = RunMainWindow;
    return true;
}

void RemoveUserInterface() {
    ReleaseSingleInstance();
    Splash().reset();
    skin::Shutdown();
    Application().reset();
}

bool SkinLoaded() {
    return skin::Loaded();
}

void ApplySkinShape(QWidget* window, const char* shape) {
    skin::RemoveWindowSkin(window);
    skin::ApplyShape(window, shape);
}
