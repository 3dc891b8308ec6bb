#include "ui/SingleInstance.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QUrl>
#include <cstring>
#include <memory>
#include <utility>

#include "app/QuorvaApp.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "settings/Options.h"
#include "ui/MainDlg.h"

namespace {

constexpr const char* kRaiseRequest = "raise\n";
// Each file of a request comes before its raise line, as a file URL (so a
// name with a line feed stays one line).
constexpr const char* kOpenPrefix = "open ";
constexpr int kConnectTimeoutMs = 2000;

// The product name as a file name.
std::string FileNameFor(const std::string& productName) {
    std::string name;
    for (char c : productName)
        name += (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.') ? c : '_';
    return name.empty() ? std::string("quorva") : name;
}

std::unique_ptr<SingleInstance>& Held() {
    static std::unique_ptr<SingleInstance> instance;
    return instance;
}

}  // namespace

SingleInstance::SingleInstance(const std::string& productName) {
    std::string folder =
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).toStdString();
    if (folder.empty())
        folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation).toStdString();
    const std::string base = folder + "/" + FileNameFor(productName);
    lockPath_ = base + ".lock";
    socketPath_ = base + ".socket";
}

SingleInstance::~SingleInstance() {
    server_.reset();
    if (lock_)
        lock_->unlock();
}

bool SingleInstance::Acquire() {
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(lockPath_));
    // The lock counts as stale only when its process is gone, however long a
    // copy runs.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        // Another copy holds it. A lock that cannot be made at all (no
        // runtime folder) must not keep the user from working.
        if (lock->error() == QLockFile::LockFailedError)
            return false;
        return true;
    }
    lock_ = std::move(lock);

    // Holding the lock, any socket left at the path is a dead copy's.
    QLocalServer::removeServer(QString::fromStdString(socketPath_));
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket,
                             &QLocalSocket::deleteLater);
            auto files = std::make_shared<QStringList>();
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, files] {
                while (socket->canReadLine()) {
                    const QByteArray line = socket->readLine();
                    if (line.startsWith(kOpenPrefix)) {
                        const QUrl url = QUrl::fromEncoded(
                            line.mid(int(std::strlen(kOpenPrefix))).trimmed(), QUrl::StrictMode);
                        if (url.isLocalFile())
                            *files << url.toLocalFile();
                    } else if (line == kRaiseRequest) {
                        const QStringList given = std::exchange(*files, {});
                        if (!given.isEmpty() && onOpenRequest)
                            onOpenRequest(given);
                        else if (onRaiseRequest)
                            onRaiseRequest();
                    }
                }
            });
        }
    });
    server_->listen(QString::fromStdString(socketPath_));
    return true;
}

bool SingleInstance::AskRunningCopyToRaise(const QStringList& files) const {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(socketPath_));
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    for (const QString& file : files)
        socket.write(kOpenPrefix + QUrl::fromLocalFile(file).toEncoded() + "\n");
    socket.write(kRaiseRequest);
    const bool sent = socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return sent;
}

void HoldSingleInstance(CQuorvaApp& app, const QStringList& files) {
    const std::string name = app.theProductSettings.GetValue(keys::PRODUCT_NAME);
    auto instance = std::make_unique<SingleInstance>(name);
    if (instance->Acquire()) {
        instance->onRaiseRequest = [] {
            if (CQuorvaDlg* window = App().theMainWnd)
                window->BringToFront();
        };
        instance->onOpenRequest = [](const QStringList& given) {
            if (CQuorvaDlg* window = App().theMainWnd)
                window->OpenWithVideos(given);
        };
        Held() = std::move(instance);
        return;
    }
    // "Open with" while the program runs: the running copy takes the files.
    if (!files.isEmpty() && instance->AskRunningCopyToRaise(files))
        platform::EndProcess(1);
    platform::MessageBox(0,
                         QCoreApplication::translate("SingleInstance", "%1 is running.")
                             .arg(QString::fromStdString(name))
                             .toStdString(),
                         QCoreApplication::translate("SingleInstance", "Info").toStdString(),
                         platform::MB_OK | platform::MB_ICONQUESTION);
    instance->AskRunningCopyToRaise();
    platform::EndProcess(1);
}

void ReleaseSingleInstance() {
    Held().reset();
}
