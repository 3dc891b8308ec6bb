// The progress window: confirms the disc settings, runs one authoring job on a
// worker thread and shows its log, bars and figures.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "pipeline/AuthoringJob.h"
#include "pipeline/JobEvents.h"
#include "pipeline/JobProgress.h"
#include "platform/CancelSignal.h"
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
class QSpinBox;

// "%02d:%02d:%02d" of a number of seconds (hours, minutes, seconds).
std::string FormatHms(std::int64_t seconds);

// Lets the window hold the worker while it asks the user something: the
// worker waits at its next report or question until the window lets go.
class JobHold {
  public:
    void Hold() {
        std::lock_guard lock(mutex_);
        held_ = true;
    }
    void Release() {
        {
            std::lock_guard lock(mutex_);
            held_ = false;
        }
        released_.notify_all();
    }
    void WaitWhileHeld() {
        std::unique_lock lock(mutex_);
        released_.wait(lock, [this] { return !held_; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool held_ = false;
};

class CDVDAuthorProcessDlg : public QDialog, public platform::MessageTarget {
    Q_DECLARE_TR_FUNCTIONS(CDVDAuthorProcessDlg)

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
    // Caption keys of the rows beyond the design.
    static constexpr int kBurnFolderId = -1;
    static constexpr int kQualityId = -2;
    static constexpr int kDiscTitleId = -3;
    static constexpr int kChapterMinutesId = -4;
    static constexpr int kAfterEachId = -5;
    static constexpr int kBurnSpeedId = -6;
    // Controls beyond the design, found by these object names.
    static constexpr const char* kQualityName = "quality";
    static constexpr const char* kBurnSpeedName = "burnSpeed";
    static constexpr const char* kEstimateName = "estimate";
    static constexpr const char* kBurnFolderName = "burnFolder";
    static constexpr const char* kResultBoxName = "resultBox";
    static constexpr const char* kResultName = "result";
    static constexpr const char* kOpenFolderName = "openFolder";
    static constexpr const char* kDiscTitleName = "discTitle";
    static constexpr const char* kChapterMinutesName = "chapterMinutes";
    static constexpr const char* kAfterEachName = "afterEach";
    static constexpr const char* kPreviewName = "previewMenus";

    // discType: the disc the add-video page chose, which "Fit to disc" fills.
    CDVDAuthorProcessDlg(std::uint32_t jobFlags, QWidget* parent, int discType = 0);
    ~CDVDAuthorProcessDlg() override;
    CDVDAuthorProcessDlg(const CDVDAuthorProcessDlg&) = delete;
    CDVDAuthorProcessDlg& operator=(const CDVDAuthorProcessDlg&) = delete;

    platform::HWND Handle() const { return handle_; }
    // What the window shows of the job: STAGE_IDLE, STAGE_BUSY while it
    // starts, else the stage the worker last entered.
    JobStage Stage() const;
    // The stages still to run (a finished stage is not repeated).
    std::uint32_t JobFlags() const { return jobFlags_; }
    const std::string& VolumeLabel() const { return volumeLabel_; }
    std::int32_t DeviceIndex() const { return deviceIndex_; }
    bool AbortRequested() const { return cancel_.Cancelled(); }
    // True from the start of a worker until it has returned.
    bool WorkerRunning() const { return workerRunning_.load(); }
    // The job's reports reach the window through these (from any thread).
    JobEvents& Events() { return events_; }

    // Called on the window's thread when the worker enters a stage, before
    // it looks at the abort.
    std::function<void(JobStage)> onStage;

    // Picks a menu background picture; empty when cancelled. A file-open
    // dialog unless replaced.
    std::function<std::string(QWidget* owner)> choosePicture;
    // Picks a folder with the given title; empty when cancelled. A folder
    // chooser unless replaced.
    std::function<std::string(QWidget* owner, const QString& title)> chooseFolder;
    // Shows a folder in the desktop's file manager; false when it cannot
    // (a failure found later is told by the window itself).
    std::function<bool(const std::string& folder)> openFolder;

    platform::LRESULT OnMessage(std::uint32_t message, platform::WPARAM wParam,
                                platform::LPARAM lParam) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Escape goes the way of the close box.
    void reject() override;

  private:
    // Construction (ProgressDialog.cpp).
    void CreateControls();
    QLabel* FieldCaption(int controlId, const QString& text, QWidget* buddy);
    void FillDriveList();
    void LoadFields();
    void ShowEstimate();
    void ApplyLayoutForJob();
    void ControlsToFields();
    void FieldsToControls();
    void OnBrowse();
    // Shows the menus the job will make, with the choices as they stand.
    void OnPreviewMenus();

    // Running (ProgressDialogRun.cpp).
    void OnStartButton();
    void StartJob();
    bool ConfirmVolumeLabel();
    // Stores the fields in the options (they outlive the window).
    void KeepChoices();
    void EnsureBackgroundPictures();
    void AskAbort();
    void Abort();
    void OnCloseBox();
    void LockControls(bool locked);
    void SetBusyLook(bool busy);
    void WaitForWorker();
    void AppendLog(const std::string& text);
    void ScrollLogToEnd();
    // The worker's reports: held while the window asks something, then
    // handled on the window's thread while the worker waits.
    class EventsAdapter : public JobEvents {
      public:
        explicit EventsAdapter(CDVDAuthorProcessDlg& dialog) : dialog_(dialog) {}
        void StageBegins(JobStage stage) override;
        void Log(const std::string& text) override;
        void Failure(const std::string& text) override;
        void Figures(const ConversionFigures& figures) override;
        void Burn(const BurnProgress& progress) override;
        JobAnswer Question(const JobQuestion& question) override;
        void Finished(const JobResult& result) override;

      private:
        CDVDAuthorProcessDlg& dialog_;
    };
    void OnStage(JobStage stage);
    void OnLog(const std::string& text);
    void OnFailure(const std::string& text);
    void OnFigures(const ConversionFigures& figures);
    void OnBurn(const BurnProgress& progress);
    void OnFinished(const JobResult& result);
    // What the run made and where, or why it failed, under the log.
    void ShowOutcome();
    void ShowResult(const std::string& text, const std::string& folder);
    // " The DVD folder ... is complete ..." when the run left one, else empty.
    std::string CompleteDvdFolderNote() const;
    // Answers an open abort question No (the job has ended).
    void CloseAbortQuestion();
    void OnOpenFolder();
    void ReportUnopenedFolder(const std::string& folder, const std::string& reason);

    // What the window shows; only the window writes it.
    enum class Phase { Idle, Starting, Running };
    Phase phase_ = Phase::Idle;
    JobStage shownStage_ = STAGE_IDLE;
    std::uint32_t jobFlags_ = 0;
    bool fullJob_ = false;  // opened for the whole road, not a burn alone
    int discType_ = 0;
    std::int32_t deviceIndex_ = -1;
    std::string volumeLabel_;
    platform::CancelSignal cancel_;
    std::thread worker_;
    JobHold hold_;
    EventsAdapter events_{*this};
    std::optional<JobResult> result_;
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
    std::string discTitle_;  // shown in the title menu; empty: none
    int chapterMinutes_ = 5;
    int afterEach_ = 0;  // 0: the next video plays, 1: back to the root menu
    int burnSpeed_ = 0;  // times DVD speed; 0: the drive's best
    // Set while the abort question is open.
    bool asking_ = false;
    // Burner failures that came while the question was open, shown after it.
    std::vector<std::string> pendingErrors_;
    std::string resultFolder_;

    QPlainTextEdit* logEdit_ = nullptr;
    QComboBox* deviceCombo_ = nullptr;
    QComboBox* burnSpeedCombo_ = nullptr;  // its items carry their speed
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
    QLineEdit* discTitleEdit_ = nullptr;
    QSpinBox* chapterMinutesSpin_ = nullptr;
    QComboBox* afterEachCombo_ = nullptr;
    QPushButton* previewButton_ = nullptr;
    QLabel* estimateText_ = nullptr;
    QLabel* burnFolderText_ = nullptr;
    QFrame* resultBox_ = nullptr;
    QLabel* resultText_ = nullptr;
    QPushButton* openFolderButton_ = nullptr;
    // The captions before the fields, by the field's identifier.
    std::map<int, QLabel*> fieldCaptions_;
    std::vector<QLabel*> figureLabels_;
};
