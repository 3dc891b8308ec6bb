// Reading the videos added to the add-video page without freezing it: the
// files are read off the user-interface thread, several at once, while a
// small window names the file it waits for and offers Cancel.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "media/Probe.h"

class QLabel;
class QProgressBar;
class QPushButton;

class ProbeProgressDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ProbeProgressDlg)

  public:
    // Called on the user-interface thread for each file read, in the order of
    // the files; never for a file whose reading ended after Cancel.
    using ReadHandler = std::function<void(std::size_t index, ProbeResult&& result)>;

    ProbeProgressDlg(const std::vector<std::string>& files, std::string programFolder,
                     QWidget* parent);

    // Shows the window and reads the files; returns when every file was read
    // or, after Cancel, when the file being read is done. False after Cancel.
    bool Run(const ReadHandler& onRead);

    // Esc and the close box cancel like the Cancel button.
    void reject() override;

  private:
    void Reading(std::size_t index);

    const std::vector<std::string>& files_;
    const std::string programFolder_;
    std::atomic<bool> cancel_{false};
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
