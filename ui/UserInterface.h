// The program with its windows: the Qt application, message boxes as Qt
// message boxes, and the interactive steps of start-up (single instance,
// splash screen, burner and drive scan, skin, main window).
#pragma once

class CQuorvaApp;
class QWidget;

// Creates the Qt application (it needs a display) and installs the
// interactive start-up steps in app.hooks. What the command line holds
// besides Qt's own options names videos: the main window opens the add-video
// page with them. True when the windows can run.
bool InstallUserInterface(CQuorvaApp& app, int& argc, char** argv);
// Ends the window side after shutdown: lets go of the single instance and
// destroys the Qt application.
void RemoveUserInterface();

// True once the program has been asked to end (logout, kill): its windows
// then close without asking anything.
bool EndingOnRequest();

// True when the skin draws the dialogs; otherwise dialogs caption their
// captionless controls themselves.
bool SkinLoaded();
// Takes the common dialog skin off window and gives it the named shape of the
// skin file; nothing without a skin.
void ApplySkinShape(QWidget* window, const char* shape);
