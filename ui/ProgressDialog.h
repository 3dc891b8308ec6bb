// The progress window: confirms the disc settings, runs one authoring job on a
// worker thread and shows its log, bars and figures.
#pragma once

#include <QDialog>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "pipeline/AuthoringJob.h"
#include "pipeline/JobProgress.h"
#include "platform/Window.h"

class QAbstractButton;
class CxSkinButton;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

// "%02d:%02d:%02d" of a number of seconds (hours, minutes, seconds).
std::string FormatHms(std::int64_t seconds);

class CDVDAuthorProcessDlg : public QDialog, public platform::MessageTarget {
  public:
    static constexpr int IDD = 129;
    static constexpr int IDC_DRIVES = 1007;
    static constexpr int IDC_UNUSED_LIST = 1008;
    static constexpr int IDC_START = 1005;
    static constexpr int IDC_LOG = 1010;
    static constexpr int IDC_HIDDEN_BUTTON = 1011;
    static constexpr int IDC_NTSC = 1023;
    static constexpr int IDC_PAL = 1024;
    static constexpr int IDC_WORKING_FOLDER = 1025;
    static constexpr int IDC_CONVERT_BAR = 1026;
    static constexpr int IDC_BURN_BAR = 1027;
    static constexpr int IDC_LABEL = 1029;
    static constexpr int IDC_BROWSE = 1030;
    static constexpr int IDC_TIME_USED = 1031;
    static constexpr int IDC_TIME_LEFT = 1032;
    static constexpr int IDC_CONVERT_TIME = 1033;
    static constexpr int IDC_SPEED = 1034;
    static constexpr int IDC_ASPECT_16_9 = 1035;
    static constexpr int IDC_ASPECT_4_3 = 1036;
    static constexpr int kCompletionTimer = 1;
    // Caption keys of the rows beyond the design.
    static constexpr int kBurnFolderId = -1;
    static constexpr int kQualityId = -2;
    // Controls beyond the design, found by these object names.
    static constexpr const char* kQualityName = "quality";
    static constexpr const char* kEstimateName = "estimate";
    static constexpr const char* kBurnFolderName = "burnFolder";
    static constexpr const char* kResultBoxName = "resultBox";
    static constexpr const char* kResultName = "result";
    static constexpr const char* kOpenFolderName = "openFolder";

    // discType: the disc the add-video page chose, which "Fit to disc" fills.
    CDVDAuthorProcessDlg(std::uint32_t jobFlags, QWidget* parent, int discType = 0);
    ~CDVDAuthorProcessDlg() override;
    CDVDAuthorProcessDlg(const CDVDAuthorProcessDlg&) = delete;
    CDVDAuthorProcessDlg& operator=(const CDVDAuthorProcessDlg&) = delete;

    platform::HWND Handle() const { return handle_; }
    AuthoringJob& Job() { return job_; }
    const AuthoringJob& Job() const { return job_; }
    // True from the start of a worker until it has returned.
    bool WorkerRunning() const { return workerRunning_.load(); }

    // Picks a menu background picture; empty when cancelled. A file-open
    // dialog unless replaced.
    std::function<std::string(QWidget* owner)> choosePicture;
    // Picks a folder with the given title; empty when cancelled. A folder
    // chooser unless replaced.
    std::function<std::string(QWidget* owner, const QString& title)> chooseFolder;
    // Shows a folder in the desktop's file manager; false when it cannot.
    std::function<bool(const std::string& folder)> openFolder;

    platform::LRESULT OnMessage(std::uint32_t message, platform::WPARAM wParam,
                                platform::LPARAM lParam) override;
    void OnTimer(std::uint32_t timerId) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Escape goes the way of the close box.
    void reject() override;

  private:
    // Construction (ProgressDialog.cpp).
    void CreateControls();
    QLabel* FieldCaption(int controlId, const char* text, QWidget* buddy);
    void FillDriveList();
    void LoadFields();
    void ShowEstimate();
    void ApplyLayoutForJob();
    void ControlsToFields();
    void FieldsToControls();
    void OnBrowse();

    // Running (ProgressDialogRun.cpp).
    void OnStartButton();
    void StartJob();
    bool ConfirmVolumeLabel();
    void EnsureBackgroundPictures();
    void AskAbort(bool fromCloseBox);
    void Abort(bool fromCloseBox);
    void OnCloseBox();
    void LockControls(bool locked);
    void SetBusyLook(bool busy);
    void WaitForWorker();
    void AppendLog(const std::string& text);
    void ScrollLogToEnd();
    std::string BurnerText() const;
    void OnConvertProgress(const ConvertProgressRecord& record);
    // What the run made and where, or why it failed, under the log.
    void ShowOutcome();
    void ShowResult(const std::string& text, const std::string& folder);
    void OnOpenFolder();

    AuthoringJob job_;
    std::atomic<bool> workerRunning_{false};
    // Set while the window waits for a worker to end; the buttons, the close
    // box and the completion timer then do nothing.
    bool waiting_ = false;
    platform::HWND handle_ = 0;

    // Fields exchanged with the controls.
    int tvStandard_ = 0;
    int aspectRatio_ = 0;
    std::string labelText_ = "QorDVDVolume";
    std::string workingFolderText_;
    int quality_ = 0;
    // Set while the abort question is open.
    bool asking_ = false;
    // Burner failures that came while the question was open, shown after it.
    std::vector<std::string> pendingErrors_;
    std::string resultFolder_;

    QPlainTextEdit* logEdit_ = nullptr;
    QComboBox* deviceCombo_ = nullptr;
    QComboBox* unusedCombo_ = nullptr;
    QPushButton* hiddenButton_ = nullptr;
    QRadioButton* ntscRadio_ = nullptr;
    QRadioButton* palRadio_ = nullptr;
    QRadioButton* wideRadio_ = nullptr;
    QRadioButton* standardRadio_ = nullptr;
    QLineEdit* labelEdit_ = nullptr;
    QLineEdit* workingFolderEdit_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QProgressBar* convertBar_ = nullptr;
    QProgressBar* burnBar_ = nullptr;
    QLabel* timeUsedText_ = nullptr;
    QLabel* timeLeftText_ = nullptr;
    QLabel* convertTimeText_ = nullptr;
    QLabel* speedText_ = nullptr;
    CxSkinButton* startButton_ = nullptr;
    QComboBox* qualityCombo_ = nullptr;
    QLabel* estimateText_ = nullptr;
    QLabel* burnFolderText_ = nullptr;
    QFrame* resultBox_ = nullptr;
    QLabel* resultText_ = nullptr;
    QPushButton* openFolderButton_ = nullptr;
    // The captions before the fields, by the field's identifier.
    std::map<int, QLabel*> fieldCaptions_;
    std::vector<QLabel*> figureLabels_;
};
