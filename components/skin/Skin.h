// The skinning library: gives windows their look from a skin file.
//
// A skin file is a Qt style sheet. Its rules select skinned windows by two
// dynamic properties that this library sets:
//   [skin="Dialog"]                 windows that carry the skin object "Dialog"
//                                   (every dialog once SetDialogSkin("Dialog") ran)
//   [skinShape="shape_main_dialog"] a window given that shape by ApplyShape
// Controls are matched inside them by object name, for example
//   QWidget[skinShape="shape_main_dialog"] QPushButton[objectName="1011"]
// and the skin may give captionless buttons their labels with qproperty-text.
// A skin file must name at least one skin object ([skin="..."]). Relative
// url(...) references are taken from the skin file's folder.
//
// Everything here runs on the user-interface thread.
#pragma once

#include <string>

class QWidget;

namespace skin {

// Property names the style sheet matches.
inline constexpr const char* kSkinProperty = "skin";
inline constexpr const char* kShapeProperty = "skinShape";

// Starts the library for the application; needs a QApplication. The reserved
// strings are not used. True on success.
bool Initialize(const std::string& applicationName, const std::string& reserved1 = {},
                const std::string& reserved2 = {});
// Reads a skin file. False when the library is not started, the file cannot
// be read, or it names no skin object.
bool LoadSkinFile(const std::string& path);
// Makes the named skin object the look of every dialog, those open now and
// those shown later. False when no skin file is loaded or it lacks the object.
bool SetDialogSkin(const std::string& skinObjectName);
// Takes the dialog skin off one window (its shape, if any, stays).
void RemoveWindowSkin(QWidget* window);
// Gives one window a named shape of the skin file.
void ApplyShape(QWidget* window, const char* shape);

// True when a skin is set for the dialogs: the skin then draws the labels of
// captionless buttons; otherwise the dialogs caption them themselves.
bool Loaded();
// Skin objects the loaded skin file names.
bool HasSkinObject(const std::string& name);
// Stops the library: the look returns to the standard one.
void Shutdown();

}  // namespace skin
