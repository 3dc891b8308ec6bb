// Shows the crash messages for the crash handler, outside the crashed process:
// on standard error, and in a message box when there is a display.
//   quorva-crash-report apology <dump path> | open-failed <errno> | write-failed <errno> |
//                       close-failed <errno>
#include <QApplication>
#include <QMessageBox>

#include <cstdlib>
#include <string>

#include "app/Diagnostics.h"
#include "app/QuorvaApp.h"
#include "platform/CrashHandler.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

namespace {

using platform::Translate;

bool HasDisplay() {
    if (std::getenv(kCrashReportOnTerminal))
        return false;  // a command-line program crashed
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

// The printf format of the dump's failure in the user's language; one that
// does not hold exactly the number's one conversion is not trusted.
std::string DumpFailedFormat() {
    constexpr const char* kFormat =
        QUORVA_TEXT("CrashReport", "Could not create error dump:GetLastError()=%.8X");
    const std::string translated = Translate("CrashReport", kFormat);
    const std::size_t at = translated.find('%');
    const bool one = at != std::string::npos && translated.compare(at, 4, "%.8X") == 0 &&
                     translated.find('%', at + 1) == std::string::npos;
    return one ? translated : kFormat;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string kind = argc > 1 ? argv[1] : "";
    const std::string argument = argc > 2 ? argv[2] : "";
    const auto number = static_cast<unsigned>(std::strtoul(argument.c_str(), nullptr, 10));
    // The crashed program's user reads this in their own language.
    platform::UseTranslations(ProgramFolderOf(platform::ExecutableFolder()) + "translations/");
    std::string text;
    std::string caption = Translate("CrashReport", "Error");
    if (kind == platform::kCrashApology) {
        text = CrashApologyText(argument.empty() ? kCrashDumpName : argument);
        caption = Translate("CrashReport", "Product crash");
    } else if (kind == platform::kCrashOpenFailed) {
        text = Translate("CrashReport", "Could not open file to write error information.");
    } else if (kind == platform::kCrashWriteFailed) {
        FormatTextLocal(text, DumpFailedFormat().c_str(), number);
    } else if (kind == platform::kCrashCloseFailed) {
        text = Translate("CrashReport", "Could not CloseHandle.");
    } else {
        return 2;
    }
    // Standard error keeps the message for a terminal or a log; a desktop
    // user sees it in a window.
    platform::MessageBox(0, text, caption, platform::MB_ICONERROR);
    if (HasDisplay()) {
        QApplication application(argc, argv);
        QMessageBox box(QMessageBox::Critical, QString::fromStdString(caption),
                        QString::fromStdString(text), QMessageBox::Ok);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
        box.exec();
    }
    return 0;
}
