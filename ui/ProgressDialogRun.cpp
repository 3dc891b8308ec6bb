// The progress window while a job runs: start, abort, close, the worker's
// messages and the completion timer.
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <ctime>
#include <utility>

#include "app/QuorvaApp.h"
#include "components/burner/VolumeLabel.h"
#include "engines/DiscBurner.h"
#include "pipeline/HeadlessJobWindow.h"
#include "platform/MessageBox.h"
#include "settings/Options.h"
#include "ui/ProgressDialog.h"
#include "ui/QtDispatcher.h"
#include "ui/QtMessagePresenter.h"
#include "ui/SkinButton.h"
#include "ui/UserInterface.h"

namespace {

int ClampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

// A progress bar ignores positions outside its range; keep them at its ends.
void SetBarPosition(QProgressBar* bar, std::int64_t value) {
    bar->setValue(std::clamp(ClampToInt(value), bar->minimum(), bar->maximum()));
}

bool IsRunningStage(std::int32_t stage) {
    return stage == STAGE_CONVERTING || stage == STAGE_MENUS || stage == STAGE_BURNING;
}

}  // namespace

CDVDAuthorProcessDlg::~CDVDAuthorProcessDlg() {
    if (workerRunning_) {
        // Only a window torn down by its owner gets here with a job running.
        job_.progressLink.abortRequested = 1;
        if (job_.stage == STAGE_BURNING && App().theBurner)
            App().theBurner->Cancel();
    }
    WaitForWorker();
    platform::UnregisterWindow(handle_);
    SetOwnerWidget(handle_, nullptr);
}

void CDVDAuthorProcessDlg::OnStartButton() {
    if (waiting_)
        return;
    const std::int32_t stage = job_.stage;
    if (stage == STAGE_BUSY)
        return;
    if (IsRunningStage(stage)) {
        AskAbort(false);
        return;
    }
    job_.stage = STAGE_BUSY;
    StartJob();
}

void CDVDAuthorProcessDlg::StartJob() {
    if (job_.workerThread.joinable()) {
        // An aborted worker may still be finishing its stage.
        LockControls(true);
        WaitForWorker();
        platform::KillTimer(handle_, kCompletionTimer);
        LockControls(false);
    }
    ControlsToFields();
    if (!ConfirmVolumeLabel()) {
        labelEdit_->setFocus();
        job_.stage = STAGE_IDLE;
        return;
    }
    CXMLAccess& options = App().theOptions;
    options.SetValue(keys::WORKING_FOLDER, workingFolderText_);
    options.SetValue(keys::DVD_DISC_VOLUME, job_.volumeLabel);
    options.SetIntValue(keys::TARGET_DVD_TYPE, tvStandard_);
    options.SetIntValue(keys::VIDEO_ASPECT_RATIO, aspectRatio_);
    if (quality_ >= 0)
        options.SetIntValue(keys::VIDEO_QUALITY_MODE, quality_);
    job_.deviceIndex = deviceCombo_->currentIndex();
    LockControls(true);
    EnsureBackgroundPictures();

    burnBar_->setValue(0);
    resultBox_->hide();
    resultFolder_.clear();
    job_.progressLink.hwnd = handle_;
    job_.progressLink.messageId = WM_CONVERT_PROGRESS;
    job_.progressLink.abortRequested = 0;
    SetBusyLook(true);
    workerRunning_ = true;
    job_.workerThread = std::thread([this] {
        RunAuthoringJob(job_);
        workerRunning_ = false;
        QtDispatcher::Instance().Post([] {});  // wakes a window waiting for the worker
    });
}

bool CDVDAuthorProcessDlg::ConfirmVolumeLabel() {
    // The image writer counts bytes: an accented letter takes two or more.
    if (!burner::CheckVolumeLabel(labelText_)) {
        job_.volumeLabel = labelText_;
        return true;
    }
    const std::string fitted = burner::FitVolumeLabel(labelText_);
    const std::size_t characters =
        static_cast<std::size_t>(QString::fromStdString(fitted).toUcs4().size());
    std::string question = "DVD disc volume limited to " + std::to_string(kVolumeLabelLimit) +
                           " characters, would you like use the first " +
                           std::to_string(characters) + " characters of \"" + labelText_ + "\" ?";
    if (characters != fitted.size())
        question += "\n(A letter with an accent takes the room of two or more.)";
    if (platform::MessageBox(handle_, question, "Error",
                             platform::MB_OKCANCEL | platform::MB_ICONQUESTION) != platform::IDOK)
        return false;
    job_.volumeLabel = fitted;
    return true;
}

void CDVDAuthorProcessDlg::EnsureBackgroundPictures() {
    struct Picture {
        const char* key;
        const char* question;
        const char* defaultName;
    };
    const Picture pictures[] = {
        {keys::BACKGROUND_PICTURE_OF_TITLE_MENU,
         "The file<%s> will be set as background of DVD title menu not exists, do you want "
         "specify now ? or No use default. ",
         kDefaultTitleBackground},
        {keys::BACKGROUND_PICTURE_OF_ROOT_MENU,
         "The file<%s> will be set as background of DVD root menu not exists, do you want "
         "specify now ? or No use default. ",
         kDefaultRootBackground},
    };
    CXMLAccess& options = App().theOptions;
    for (;;) {
        const Picture* missing = nullptr;
        std::string current;
        for (const Picture& picture : pictures) {
            current = options.GetValue(picture.key);
            if (!QFileInfo(QString::fromStdString(current)).isFile()) {
                missing = &picture;
                break;
            }
        }
        if (!missing)
            return;
        std::string question = missing->question;
        question.replace(question.find("%s"), 2, current);
        const int answer = platform::MessageBox(handle_, question, "File not exists",
                                                platform::MB_YESNO | platform::MB_ICONQUESTION);
        if (answer == platform::IDYES) {
            const std::string chosen = choosePicture(this);
            if (!chosen.empty())
                options.SetValue(missing->key, chosen);
        } else {
            options.SetValue(missing->key, App().theProgramFolder + missing->defaultName);
        }
    }
}

void CDVDAuthorProcessDlg::AskAbort(bool fromCloseBox) {
    if (asking_)
        return;  // one question at a time
    // The worker waits at its next report or question until this is answered.
    asking_ = true;
    job_.hold.Hold();
    const int answer =
        platform::MessageBox(handle_, "Converting in progress, are you sure to abort?", "Q",
                             platform::MB_YESNO | platform::MB_ICONQUESTION);
    asking_ = false;
    job_.hold.Release();
    for (const std::string& error : std::exchange(pendingErrors_, {}))
        platform::MessageBox(handle_, error, "Error", platform::MB_ICONERROR);
    if (answer == platform::IDYES)
        Abort(fromCloseBox);
}

void CDVDAuthorProcessDlg::Abort(bool fromCloseBox) {
    // A job that ended while the question was open keeps its result.
    if (!IsRunningStage(job_.stage))
        return;
    // A conversion stops; a burn that has begun is written to its end (the
    // burner would refuse further burns of this run after a cancel).
    job_.progressLink.abortRequested = 1;
    convertBar_->setValue(convertBar_->minimum());
    burnBar_->setValue(0);
    LockControls(false);
    job_.stage = STAGE_IDLE;
    if (fromCloseBox)
        platform::SetTimer(handle_, kCompletionTimer, 1);
    SetBusyLook(false);
    ShowResult("Aborted.", std::string());
}

void CDVDAuthorProcessDlg::showEvent(QShowEvent* event) {
    // The skin's style sheet may have given the start button another
    // caption when the window was polished.
    SetBusyLook(IsRunningStage(job_.stage));
    QDialog::showEvent(event);
}

void CDVDAuthorProcessDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    OnCloseBox();
}

void CDVDAuthorProcessDlg::reject() {
    OnCloseBox();
}

void CDVDAuthorProcessDlg::OnCloseBox() {
    if (waiting_)
        return;
    const std::int32_t stage = job_.stage;
    if (stage == STAGE_BUSY)
        return;
    if (IsRunningStage(stage)) {
        // The program is being ended (logout, kill): nobody is there to answer.
        if (EndingOnRequest())
            Abort(true);
        else
            AskAbort(true);
        return;
    }
    job_.stage = STAGE_BUSY;
    WaitForWorker();  // the job record must outlive its worker
    platform::KillTimer(handle_, kCompletionTimer);
    QDialog::reject();
}

void CDVDAuthorProcessDlg::OnTimer(std::uint32_t timerId) {
    platform::KillTimer(handle_, timerId);
    if (waiting_)
        return;  // the window is starting again or closing
    LockControls(false);
    job_.stage = STAGE_IDLE;
    SetBusyLook(false);
    const bool made = !job_.imageFile.empty() || !job_.burnedDrive.empty();
    // After an abort only a burn that went on to its end has news.
    if (job_.progressLink.abortRequested.load() == 0 || made || job_.failed)
        ShowOutcome();
}

void CDVDAuthorProcessDlg::ShowOutcome() {
    const std::string& dvdFolder = App().theDvdFolder;
    if (job_.failed) {
        burnBar_->setValue(0);
        ShowResult("The job failed: " + job_.errorText, std::string());
        return;
    }
    // Finished: both bars stay full.
    convertBar_->setValue(convertBar_->maximum());
    burnBar_->setValue(burnBar_->maximum());
    if (!job_.imageFile.empty()) {
        const std::string& image = job_.imageFile;
        ShowResult("Disc image written to " + image, image.substr(0, image.rfind('/') + 1));
    } else if (!job_.burnedDrive.empty()) {
        ShowResult("The disc was written in " + job_.burnedDrive + ", volume label \"" +
                       job_.volumeLabel + "\".",
                   dvdFolder);
    } else {
        burnBar_->setValue(0);
        ShowResult("Nothing was burned. The DVD folder is " + dvdFolder, dvdFolder);
    }
    QApplication::alert(this);
}

void CDVDAuthorProcessDlg::ShowResult(const std::string& text, const std::string& folder) {
    resultFolder_ = folder;
    resultText_->setText(QString::fromStdString(text));
    openFolderButton_->setVisible(!folder.empty());
    resultBox_->show();
}

void CDVDAuthorProcessDlg::OnOpenFolder() {
    if (resultFolder_.empty())
        return;
    if (!openFolder(resultFolder_))
        platform::MessageBox(
            handle_,
            "The folder " + resultFolder_ + " cannot be shown: no file manager could be started.",
            "Error", platform::MB_ICONERROR);
}

void CDVDAuthorProcessDlg::LockControls(bool locked) {
    QWidget* controls[] = {deviceCombo_,  hiddenButton_, labelEdit_,     ntscRadio_,
                           palRadio_,     wideRadio_,    standardRadio_, workingFolderEdit_,
                           browseButton_, qualityCombo_};  // the quality is taken at the start too
    for (QWidget* control : controls)
        control->setEnabled(!locked);
}

void CDVDAuthorProcessDlg::SetBusyLook(bool busy) {
    if (busy)
        startButton_->LoadSkinPictures(152, 152, 151, 0, 0, 150, 0, 0, 0);
    else
        startButton_->LoadSkinPictures(149, 149, 148, 0, 0, 150, 0, 0, 0);
    // The pictures carry the button's caption; without them the text does.
    const QString caption = busy ? "Abort" : "Start";
    const bool pictures =
        QFileInfo(QString::fromStdString(App().theProgramFolder + (busy ? "152.bmp" : "149.bmp")))
            .isFile();
    // Alt+S starts and Alt+A aborts, whether the caption is drawn or painted.
    startButton_->setText(pictures ? QString() : QString(busy ? "&Abort" : "&Start"));
    startButton_->setShortcut(QKeySequence(busy ? "Alt+A" : "Alt+S"));
    startButton_->setToolTip(caption);
    startButton_->setAccessibleName(caption);
    startButton_->update();
}

void CDVDAuthorProcessDlg::WaitForWorker() {
    if (!job_.workerThread.joinable())
        return;
    waiting_ = true;
    // The worker sends to this thread and waits, so keep serving it.
    while (workerRunning_)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    job_.workerThread.join();
    waiting_ = false;
}

void CDVDAuthorProcessDlg::AppendLog(const std::string& text) {
    logEdit_->appendPlainText(QString::fromStdString(HeadlessJobWindow::TimeStamp() + text));
}

void CDVDAuthorProcessDlg::ScrollLogToEnd() {
    QScrollBar* bar = logEdit_->verticalScrollBar();
    bar->setValue(bar->maximum());
}

std::string CDVDAuthorProcessDlg::BurnerText() const {
    char text[1024] = {};
    if (const auto& burner = App().theBurner)
        burner->GetLastMessage(text, sizeof text);
    return text;
}

platform::LRESULT CDVDAuthorProcessDlg::OnMessage(std::uint32_t message, platform::WPARAM wParam,
                                                  platform::LPARAM lParam) {
    switch (message) {
        case WM_JOB_STATUS:
            if (lParam != 0)
                platform::MessageBox(handle_, job_.statusText, "Error", platform::MB_ICONERROR);
            else
                AppendLog(job_.statusText);
            ScrollLogToEnd();
            return 0;
        case WM_BURN_PROGRESS: {
            if (wParam != 0)
                SetBarPosition(burnBar_,
                               static_cast<std::int64_t>(std::min<platform::WPARAM>(wParam, 100)));
            const std::string text = BurnerText();
            if (lParam != 0) {
                if (asking_)
                    pendingErrors_.push_back(text);  // not over the open question
                else
                    platform::MessageBox(handle_, text, "Error", platform::MB_ICONERROR);
                LockControls(false);
            } else {
                AppendLog(text);
            }
            ScrollLogToEnd();
            return 0;
        }
        case WM_CONVERT_PROGRESS:
            if (lParam != 0)
                OnConvertProgress(*reinterpret_cast<const ConvertProgressRecord*>(lParam));
            return 0;
        case PBM_SETRANGE32: {
            const int low = ClampToInt(static_cast<std::int64_t>(wParam));
            // An empty range would turn the bar into a busy indicator.
            convertBar_->setRange(low, std::max(ClampToInt(lParam), low + 1));
            return 0;
        }
        case PBM_SETPOS:
            SetBarPosition(convertBar_, static_cast<std::int64_t>(wParam));
            return 0;
        default:
            return 0;
    }
}

void CDVDAuthorProcessDlg::OnConvertProgress(const ConvertProgressRecord& record) {
    const ConversionFigures figures = ComputeConversionFigures(job_, record);
    timeUsedText_->setText(QString::fromStdString(FormatHms(figures.elapsed)));
    // Nothing converted yet leaves the time left unknown ("--:--:--").
    timeLeftText_->setText(
        QString::fromStdString(figures.done > 0 ? FormatHms(figures.left) : FormatClock(-1)));
    convertTimeText_->setText(QString::fromStdString(FormatHms(figures.done)));
    char speed[64];
    std::snprintf(speed, sizeof speed, "%.2f", figures.speed);
    speedText_->setText(speed);
    SetBarPosition(convertBar_, figures.done);
    ScrollLogToEnd();
}
