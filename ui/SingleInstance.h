// One copy of the program per user: a lock file held for the life of the
// process, and a local socket through which a second start hands the running
// copy the files it was given and asks it to bring its window to the front.
// Both live in the user's runtime folder.
#pragma once

#include <QStringList>
#include <functional>
#include <memory>
#include <string>

class QLocalServer;
class QLockFile;
class CQuorvaApp;

class SingleInstance {
  public:
    explicit SingleInstance(const std::string& productName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when no other copy runs: this copy then holds the lock and
    // listens for requests until it is destroyed. False while another copy
    // holds the lock.
    bool Acquire();
    // Hands the running copy files to open (none: only to come to the front)
    // and asks it to bring its window to the front; false when it could not
    // be reached.
    bool AskRunningCopyToRaise(const QStringList& files = {}) const;

    // Run on this thread (which must run Qt's event loop) for each request:
    // onOpenRequest when the request names files, else onRaiseRequest.
    std::function<void()> onRaiseRequest;
    std::function<void(const QStringList& files)> onOpenRequest;

    const std::string& LockPath() const { return lockPath_; }
    const std::string& SocketPath() const { return socketPath_; }

  private:
    std::string lockPath_;
    std::string socketPath_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};

// The start-up step: holds the instance for the rest of the process; when
// another copy runs, hands it files (the videos of "Open with") and ends the
// process; without files, or when that copy cannot be reached, shows
// "<name> is running.", asks that copy to show its window and ends the
// process.
void HoldSingleInstance(CQuorvaApp& app, const QStringList& files = {});
// Lets go of the instance (at the very end of the run).
void ReleaseSingleInstance();
