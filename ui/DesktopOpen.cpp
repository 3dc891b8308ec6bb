#include "ui/DesktopOpen.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <utility>

void OpenOnDesktop(const QUrl& url, QObject* context,
                   std::function<void(const QString& reason)> failed) {
    // Qt only starts xdg-open and counts that as success; xdg-open itself
    // tells whether anything could open the address (status 3: nothing can).
    const QString opener = QStandardPaths::findExecutable("xdg-open");
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(url))
            failed(
                QCoreApplication::translate("DesktopOpen", "no program to open it is installed"));
        return;
    }
    auto* process = new QProcess(context);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(
        process, &QProcess::finished, context,
        [process, failed](int code, QProcess::ExitStatus status) {
            process->deleteLater();
            if (status != QProcess::NormalExit)
                failed(QCoreApplication::translate("DesktopOpen",
                                                   "the program that opens it ended unexpectedly"));
            else if (code == 3)
                failed(QCoreApplication::translate("DesktopOpen",
                                                   "no program to open it is installed"));
            else if (code != 0)
                failed(QCoreApplication::translate("DesktopOpen", "xdg-open failed with status %1")
                           .arg(code));
        });
    QObject::connect(
        process, &QProcess::errorOccurred, context,
        [process, failed = std::move(failed)](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            process->deleteLater();
            failed(QCoreApplication::translate("DesktopOpen", "xdg-open could not be started"));
        });
    process->start(opener, {url.toString(QUrl::FullyEncoded)});
}
