// The progress window while a job runs: start, abort, close, the worker's
// messages and the completion timer.
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <ctime>
#include <utility>

#include "app/AppJob.h"
#include "app/QuorvaApp.h"
#include "components/burner/VolumeLabel.h"
#include "engines/DiscBurner.h"
#include "media/Pictures.h"
#include "pipeline/RunAuthoringJob.h"
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

// A warning asks Yes or No; a request to do something first, OK or Cancel.
JobAnswer AskInMessageBox(platform::HWND owner, const JobQuestion& question) {
    const bool warning = question.kind == JobQuestion::Kind::GoOnAnyway;
    const int answer =
        platform::MessageBox(owner, question.text, question.caption,
                             warning ? platform::MB_YESNO | platform::MB_ICONQUESTION
                                     : platform::MB_OKCANCEL | platform::MB_ICONEXCLAMATION);
    return answer == (warning ? platform::IDYES : platform::IDOK) ? JobAnswer::Yes : JobAnswer::No;
}

}  // namespace

CDVDAuthorProcessDlg::~CDVDAuthorProcessDlg() {
    if (workerRunning_) {
        // Only a window torn down by its owner gets here with a job running.
        cancel_.Cancel();
        if (shownStage_ == STAGE_BURNING && App().theBurner)
            App().theBurner->Cancel();
    }
    WaitForWorker();
    platform::UnregisterWindow(handle_);
    SetOwnerWidget(handle_, nullptr);
}

JobStage CDVDAuthorProcessDlg::Stage() const {
    switch (phase_) {
        case Phase::Idle:
            return STAGE_IDLE;
        case Phase::Starting:
            return STAGE_BUSY;
        case Phase::Running:
            break;
    }
    return shownStage_;
}

void CDVDAuthorProcessDlg::OnStartButton() {
    if (waiting_ || phase_ == Phase::Starting)
        return;
    if (phase_ == Phase::Running) {
        AskAbort();
        return;
    }
    phase_ = Phase::Starting;
    StartJob();
}

void CDVDAuthorProcessDlg::StartJob() {
    if (worker_.joinable()) {
        // An aborted worker may still be finishing its stage.
        LockControls(true);
        WaitForWorker();
        LockControls(false);
    }
    ControlsToFields();
    if (!ConfirmVolumeLabel()) {
        labelEdit_->setFocus();
        phase_ = Phase::Idle;
        return;
    }
    // The label as it goes on the disc is the one the window keeps showing.
    labelText_ = volumeLabel_;
    labelEdit_->setText(QString::fromStdString(labelText_));
    KeepChoices();
    deviceIndex_ = deviceCombo_->currentIndex();
    LockControls(true);
    EnsureBackgroundPictures();

    burnBar_->setValue(0);
    resultBox_->hide();
    resultFolder_.clear();
    result_.reset();
    cancel_.Reset();
    shownStage_ = STAGE_BUSY;
    phase_ = Phase::Running;
    SetBusyLook(true);
    workerRunning_ = true;
    worker_ = std::thread([this, input = MakeJobInput(App(), JobChoices{jobFlags_, deviceIndex_,
                                                                        volumeLabel_, discType_})] {
        RunAuthoringJob(input, events_, cancel_);
        workerRunning_ = false;
        QtDispatcher::Instance().Post([] {});  // wakes a window waiting for the worker
    });
}

void CDVDAuthorProcessDlg::KeepChoices() {
    CXMLAccess& options = App().theOptions;
    options.SetValue(keys::WORKING_FOLDER, workingFolderText_);
    options.SetValue(keys::DVD_DISC_VOLUME, labelText_);
    if (tvStandard_ >= 0)
        options.SetIntValue(keys::TARGET_DVD_TYPE, tvStandard_);
    if (aspectRatio_ >= 0)
        options.SetIntValue(keys::VIDEO_ASPECT_RATIO, aspectRatio_);
    if (quality_ >= 0)
        options.SetIntValue(keys::VIDEO_QUALITY_MODE, quality_);
    options.SetValue(keys::DISC_TITLE, discTitle_);
    options.SetIntValue(keys::CHAPTER_MINUTES, chapterMinutes_);
    if (afterEach_ >= 0)
        options.SetIntValue(keys::AFTER_EACH_VIDEO, afterEach_);
    options.SetIntValue(keys::BURN_SPEED, burnSpeed_);
}

bool CDVDAuthorProcessDlg::ConfirmVolumeLabel() {
    // The image writer counts bytes: an accented letter takes two or more.
    if (burner::CheckVolumeLabel(labelText_)) {
        volumeLabel_ = labelText_;
        return true;
    }
    const std::string fitted = burner::FitVolumeLabel(labelText_);
    const std::size_t characters =
        static_cast<std::size_t>(QString::fromStdString(fitted).toUcs4().size());
    QString question = tr("DVD disc volume limited to %1 characters, would you like use the "
                          "first %2 characters of \"%3\" ?")
                           .arg(kVolumeLabelLimit)
                           .arg(characters)
                           .arg(QString::fromStdString(labelText_));
    if (characters != fitted.size())
        question += "\n" + tr("(A letter with an accent takes the room of two or more.)");
    if (platform::MessageBox(handle_, question.toStdString(), tr("Error").toStdString(),
                             platform::MB_OKCANCEL | platform::MB_ICONQUESTION) != platform::IDOK)
        return false;
    volumeLabel_ = fitted;
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
         QT_TR_NOOP("The file<%1> will be set as background of DVD title menu not exists, do "
                    "you want specify now ? or No use default. "),
         kDefaultTitleBackground},
        {keys::BACKGROUND_PICTURE_OF_ROOT_MENU,
         QT_TR_NOOP("The file<%1> will be set as background of DVD root menu not exists, do "
                    "you want specify now ? or No use default. "),
         kDefaultRootBackground},
    };
    CXMLAccess& options = App().theOptions;
    for (;;) {
        const Picture* missing = nullptr;
        std::string current;
        std::string problem;
        for (const Picture& picture : pictures) {
            current = options.GetValue(picture.key);
            if (const platform::Result<void> checked = CheckMenuBackground(current); !checked) {
                problem = checked.error();
                missing = &picture;
                break;
            }
        }
        if (!missing)
            return;
        std::string question =
            tr(missing->question).arg(QString::fromStdString(current)).toStdString();
        // A file that is there but that the menu stage would refuse (a PNG
        // named .jpg) is asked about the same way, with the reason.
        if (QFileInfo::exists(QString::fromStdString(current)))
            question = problem + "\n\n" +
                       tr("Do you want to choose another picture now? No uses the default "
                          "picture.")
                           .toStdString();
        const int answer =
            platform::MessageBox(handle_, question, tr("File not exists").toStdString(),
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

void CDVDAuthorProcessDlg::AskAbort() {
    if (asking_)
        return;  // one question at a time
    // The worker waits at its next report or question until this is answered.
    asking_ = true;
    hold_.Hold();
    const int answer = platform::MessageBox(
        handle_, tr("Converting in progress, are you sure to abort?").toStdString(),
        tr("Q").toStdString(), platform::MB_YESNO | platform::MB_ICONQUESTION);
    asking_ = false;
    // A job that ended while the question was open keeps its result.
    const bool abort = answer == platform::IDYES && phase_ == Phase::Running;
    if (abort)
        cancel_.Cancel();  // before the worker goes on
    hold_.Release();
    for (const std::string& error : std::exchange(pendingErrors_, {}))
        platform::MessageBox(handle_, error, tr("Error").toStdString(), platform::MB_ICONERROR);
    if (abort)
        Abort();
}

void CDVDAuthorProcessDlg::Abort() {
    if (phase_ != Phase::Running)
        return;
    // A conversion stops; a burn that has begun is written to its end (the
    // burner would refuse further burns of this run after a cancel). The
    // window is idle at once; the worker ends on its own.
    cancel_.Cancel();
    convertBar_->setValue(convertBar_->minimum());
    burnBar_->setValue(0);
    LockControls(false);
    phase_ = Phase::Idle;
    SetBusyLook(false);
    ShowResult(tr("Aborted.").toStdString(), std::string());
}

void CDVDAuthorProcessDlg::showEvent(QShowEvent* event) {
    // The skin's style sheet may have given the start button another
    // caption when the window was polished.
    SetBusyLook(phase_ == Phase::Running);
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
    if (waiting_ || phase_ == Phase::Starting)
        return;
    if (phase_ == Phase::Running) {
        // The program is being ended (logout, kill): nobody is there to answer.
        if (EndingOnRequest())
            Abort();
        else
            AskAbort();
        return;
    }
    phase_ = Phase::Starting;
    WaitForWorker();  // the worker reports to this window until it ends
    phase_ = Phase::Idle;
    // Closed without a start, the choices made here still count: the user
    // who goes back for one more video finds them again.
    ControlsToFields();
    KeepChoices();
    QDialog::reject();
}

void CDVDAuthorProcessDlg::OnFinished(const JobResult& result) {
    // What the run made is kept even when the window no longer shows it.
    KeepJobResult(App(), result);
    jobFlags_ = result.flagsLeft;
    result_ = result;
    if (waiting_)
        return;  // the window is starting again or closing
    if (phase_ != Phase::Running) {
        // Aborted: only a burn that went on to its end has news, or a DVD
        // folder that was finished before the abort.
        const bool made = !result.imageFile.empty() || !result.burnedDrive.empty();
        if (!made && result.outcome != JobOutcome::Failed) {
            if (const std::string note = CompleteDvdFolderNote(); !note.empty())
                ShowResult(tr("Aborted.").toStdString() + note, result.dvdFolder);
            return;
        }
    }
    LockControls(false);
    phase_ = Phase::Idle;
    SetBusyLook(false);
    ShowOutcome();
    CloseAbortQuestion();
}

void CDVDAuthorProcessDlg::CloseAbortQuestion() {
    // The job ended behind the question: there is nothing left to abort.
    if (!asking_)
        return;
    if (auto* question = findChild<QMessageBox*>(); question && question->isVisible())
        if (QAbstractButton* no = question->button(QMessageBox::No))
            no->click();
}

std::string CDVDAuthorProcessDlg::CompleteDvdFolderNote() const {
    if (!result_ || result_->dvdFolder.empty() ||
        !QFileInfo(QString::fromStdString(result_->dvdFolder + "/VIDEO_TS/VIDEO_TS.IFO")).isFile())
        return {};
    return " " + tr("The DVD folder %1 is complete: Direct burn in the main window can write it.")
                     .arg(QString::fromStdString(result_->dvdFolder))
                     .toStdString();
}

void CDVDAuthorProcessDlg::ShowOutcome() {
    const JobResult& result = *result_;
    const std::string& dvdFolder = result.dvdFolder;
    if (result.outcome == JobOutcome::Failed) {
        burnBar_->setValue(0);
        const std::string note = CompleteDvdFolderNote();
        ShowResult(
            tr("The job failed: %1").arg(QString::fromStdString(result.errorText)).toStdString() +
                note,
            note.empty() ? std::string() : dvdFolder);
        return;
    }
    // Finished: both bars stay full.
    convertBar_->setValue(convertBar_->maximum());
    burnBar_->setValue(burnBar_->maximum());
    if (!result.imageFile.empty()) {
        const std::string& image = result.imageFile;
        ShowResult(tr("Disc image written to %1").arg(QString::fromStdString(image)).toStdString(),
                   image.substr(0, image.rfind('/') + 1));
    } else if (!result.burnedDrive.empty()) {
        ShowResult(tr("The disc was written in %1, volume label \"%2\".")
                       .arg(QString::fromStdString(result.burnedDrive),
                            QString::fromStdString(volumeLabel_))
                       .toStdString(),
                   dvdFolder);
    } else {
        burnBar_->setValue(0);
        ShowResult(tr("Nothing was burned. The DVD folder is %1")
                       .arg(QString::fromStdString(dvdFolder))
                       .toStdString(),
                   dvdFolder);
    }
    QApplication::alert(this);
}

void CDVDAuthorProcessDlg::ShowResult(const std::string& text, const std::string& folder) {
    resultFolder_ = folder;
    resultText_->setText(QString::fromStdString(text));
    openFolderButton_->setVisible(!folder.empty());
    resultBox_->show();
    // The result takes room from the log: lay out now, so that the log's
    // last lines ("Done.") stay in view.
    layout()->activate();
    ScrollLogToEnd();
}

void CDVDAuthorProcessDlg::OnOpenFolder() {
    if (resultFolder_.empty())
        return;
    if (!openFolder(resultFolder_))
        ReportUnopenedFolder(resultFolder_, tr("no file manager could be started").toStdString());
}

void CDVDAuthorProcessDlg::ReportUnopenedFolder(const std::string& folder,
                                                const std::string& reason) {
    platform::MessageBox(handle_,
                         tr("The folder %1 cannot be shown: %2.")
                             .arg(QString::fromStdString(folder), QString::fromStdString(reason))
                             .toStdString(),
                         tr("Error").toStdString(), platform::MB_ICONERROR);
}

void CDVDAuthorProcessDlg::LockControls(bool locked) {
    QWidget* controls[] = {
        deviceCombo_,   burnSpeedCombo_,     hiddenButton_,   labelEdit_,         ntscRadio_,
        palRadio_,      wideRadio_,          standardRadio_,  workingFolderEdit_, browseButton_,
        qualityCombo_,  // the quality is taken at the start too
        discTitleEdit_, chapterMinutesSpin_, afterEachCombo_, previewButton_};
    for (QWidget* control : controls)
        control->setEnabled(!locked);
}

void CDVDAuthorProcessDlg::SetBusyLook(bool busy) {
    // The pictures have no focused look: a focus rectangle inside the edge
    // shows where Space and Return go.
    constexpr int kFocusMargin = 3;
    if (busy)
        startButton_->LoadSkinPictures(152, 152, 151, 0, 0, 150, 0, 0, kFocusMargin);
    else
        startButton_->LoadSkinPictures(149, 149, 148, 0, 0, 150, 0, 0, kFocusMargin);
    // Until the job runs the title says what the window is for.
    setWindowTitle(busy       ? tr("Process in progress...")
                   : fullJob_ ? tr("Create DVD")
                              : tr("Direct burn"));
    // The pictures carry the button's caption (in English); without them the
    // text does.
    const QString caption = busy ? tr("Abort") : tr("Start");
    const QString text = busy ? tr("&Abort") : tr("&Start");
    const bool pictures =
        QFileInfo(QString::fromStdString(App().theProgramFolder + (busy ? "152.bmp" : "149.bmp")))
            .isFile();
    // Alt+S starts and Alt+A aborts under the painted caption; the drawn
    // text's own letter otherwise.
    startButton_->setText(pictures ? QString() : text);
    startButton_->setShortcut(pictures ? QKeySequence(busy ? "Alt+A" : "Alt+S")
                                       : QKeySequence::mnemonic(text));
    startButton_->setToolTip(caption);
    startButton_->setAccessibleName(caption);
    startButton_->update();
}

void CDVDAuthorProcessDlg::WaitForWorker() {
    if (!worker_.joinable())
        return;
    waiting_ = true;
    // The worker hands its reports to this thread and waits, so keep serving it.
    while (workerRunning_)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    worker_.join();
    waiting_ = false;
}

void CDVDAuthorProcessDlg::AppendLog(const std::string& text) {
    logEdit_->appendPlainText(QString::fromStdString(LogTimeStamp() + text));
}

void CDVDAuthorProcessDlg::ScrollLogToEnd() {
    QScrollBar* bar = logEdit_->verticalScrollBar();
    bar->setValue(bar->maximum());
}

platform::LRESULT CDVDAuthorProcessDlg::OnMessage(std::uint32_t, platform::WPARAM,
                                                  platform::LPARAM) {
    return 0;  // the window owns message boxes; the job reports through its events
}

void CDVDAuthorProcessDlg::OnStage(JobStage stage) {
    if (phase_ == Phase::Running && !waiting_)
        shownStage_ = stage;
    if (onStage)
        onStage(stage);
}

void CDVDAuthorProcessDlg::OnLog(const std::string& text) {
    AppendLog(text);
    ScrollLogToEnd();
}

void CDVDAuthorProcessDlg::OnFailure(const std::string& text) {
    platform::MessageBox(handle_, text, tr("Error").toStdString(), platform::MB_ICONERROR);
    ScrollLogToEnd();
}

void CDVDAuthorProcessDlg::OnBurn(const BurnProgress& progress) {
    if (progress.percent != 0)
        SetBarPosition(burnBar_, progress.percent);
    if (progress.failed) {
        if (asking_)
            pendingErrors_.push_back(progress.text);  // not over the open question
        else
            platform::MessageBox(handle_, progress.text, tr("Error").toStdString(),
                                 platform::MB_ICONERROR);
        LockControls(false);
    } else {
        AppendLog(progress.text);
    }
    ScrollLogToEnd();
}

void CDVDAuthorProcessDlg::OnFigures(const ConversionFigures& figures) {
    if (!figures.measured) {
        // A bar position over the job's seconds. An empty range would turn
        // the bar into a busy indicator.
        convertBar_->setRange(0, std::max(ClampToInt(figures.total), 1));
        SetBarPosition(convertBar_, figures.done);
        return;
    }
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

// The worker's side. Log lines, failures, questions and stages wait while the
// window holds the worker; each report then runs on the window's thread while
// the worker waits for it.
void CDVDAuthorProcessDlg::EventsAdapter::StageBegins(JobStage stage) {
    dialog_.hold_.WaitWhileHeld();
    platform::RunAndWait(QtDispatcher::Instance(), [this, stage] { dialog_.OnStage(stage); });
}

void CDVDAuthorProcessDlg::EventsAdapter::Log(const std::string& text) {
    dialog_.hold_.WaitWhileHeld();
    platform::RunAndWait(QtDispatcher::Instance(), [this, &text] { dialog_.OnLog(text); });
}

void CDVDAuthorProcessDlg::EventsAdapter::Failure(const std::string& text) {
    dialog_.hold_.WaitWhileHeld();
    platform::RunAndWait(QtDispatcher::Instance(), [this, &text] { dialog_.OnFailure(text); });
}

void CDVDAuthorProcessDlg::EventsAdapter::Figures(const ConversionFigures& figures) {
    platform::RunAndWait(QtDispatcher::Instance(),
                         [this, &figures] { dialog_.OnFigures(figures); });
}

void CDVDAuthorProcessDlg::EventsAdapter::Burn(const BurnProgress& progress) {
    // Not held: a burn goes on, and a failure waits for the open question.
    platform::RunAndWait(QtDispatcher::Instance(), [this, &progress] { dialog_.OnBurn(progress); });
}

JobAnswer CDVDAuthorProcessDlg::EventsAdapter::Question(const JobQuestion& question) {
    dialog_.hold_.WaitWhileHeld();
    JobAnswer answer = JobAnswer::No;
    platform::RunAndWait(QtDispatcher::Instance(), [&] {
        // An abort given while the worker was held asks nothing more.
        if (!dialog_.cancel_.Cancelled())
            answer = AskInMessageBox(dialog_.handle_, question);
    });
    return answer;
}

void CDVDAuthorProcessDlg::EventsAdapter::Finished(const JobResult& result) {
    platform::RunAndWait(QtDispatcher::Instance(), [this, &result] { dialog_.OnFinished(result); });
}
