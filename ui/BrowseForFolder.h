// The folder chooser: picks a folder, optionally only one that holds a given
// file (a relative path below the folder).
#pragma once

#include <QFileDialog>
#include <string>

class QPushButton;

// A folder dialog whose confirm button is enabled only while the folder that
// would be chosen holds the required file. With an empty required file every
// folder can be chosen.
class FolderChooser : public QFileDialog {
  public:
    FolderChooser(QWidget* owner, const QString& title, std::string requiredFile);

    // The folder a confirmation would choose now (without a trailing '/',
    // except for "/"); empty when there is none.
    std::string Candidate() const;
    // True when folder holds the required file.
    bool Holds(const std::string& folder) const;
    // The confirm button.
    QPushButton* ConfirmButton() const;

    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void UpdateConfirm();

    std::string requiredFile_;
};

// Lets the user pick a folder; owner may be null. Returns 0 (the chooser
// cannot fail to open here); output is the chosen folder without a trailing
// '/' (except "/"), or empty when the user cancelled. The chooser starts in
// startIn when that folder exists, else in the user's home.
int BrowseForFolder(QWidget* owner, std::string& output, const std::string& title,
                    const std::string& requiredFile, const std::string& startIn = {});
