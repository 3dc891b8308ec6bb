// The progress window driven as a user drives it: a whole job to the disc
// image device, an abort while converting, the volume label question and the
// way back to idle, and the conversion figures.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "app/ProjectFile.h"
#include "engines/DiscBurner.h"
#include "pipeline/JobFixture.h"
#include "pipeline/MenuPreview.h"
#include "platform/Files.h"
#include "settings/Options.h"
#include "settings/UserOptions.h"
#include "ui/LayoutCheck.h"
#include "ui/ProgressDialog.h"
#include "ui/QtMessagePresenter.h"

using Dlg = CDVDAuthorProcessDlg;

class ProgressDialogTest : public JobFixture {
  protected:
    void SetUp() override {
        JobFixture::SetUp();
        App().theBurner = CreateDiscBurner();
    }
    void TearDown() override {
        App().theBurner.reset();
        JobFixture::TearDown();
    }

    template <typename Widget>
    static Widget* Control(Dlg& dialog, int id) {
        auto* widget = dialog.findChild<Widget*>(QString::number(id));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }
    static QPushButton* StartButton(Dlg& dialog) { return Control<QPushButton>(dialog, 1005); }
    static bool WaitForIdle(Dlg& dialog, int ms) {
        return QTest::qWaitFor(
            [&] { return !dialog.WorkerRunning() && dialog.Stage() == STAGE_IDLE; }, ms);
    }
    void ExpectIdle(Dlg& dialog) {
        EXPECT_EQ(dialog.Stage(), STAGE_IDLE);
        EXPECT_EQ(StartButton(dialog)->toolTip(), "Start");
        for (int id : {1007, 1029, 1023, 1024, 1035, 1036, 1025, 1030})
            EXPECT_TRUE(Control<QWidget>(dialog, id)->isEnabled()) << id;
    }
    static QString ResultText(Dlg& dialog) {
        auto* box = dialog.findChild<QWidget*>(Dlg::kResultBoxName);
        return box && !box->isHidden() ? dialog.findChild<QLabel*>(Dlg::kResultName)->text()
                                       : QString();
    }
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : presenter_->Messages())
            texts.push_back(box.caption + ": " + box.text);
        return texts;
    }
};

TEST_F(ProgressDialogTest, AWholeJobRunsToTheImageDeviceInTheChosenWorkingFolder) {
    AddVideos({MakeTestClip("clip.avi", 1)});  // added while the working folder was another
    Dlg dialog(JOB_CONVERT | JOB_MENUS | JOB_BURN, nullptr);
    dialog.show();
    dialog.chooseFolder = [&](QWidget*, const QString&) { return Media("chosen"); };
    Control<QPushButton>(dialog, 1030)->click();
    auto* drives = Control<QComboBox>(dialog, 1007);
    ASSERT_GT(drives->count(), 0);
    EXPECT_EQ(drives->itemText(drives->count() - 1), kImageDeviceName);
    drives->setCurrentIndex(drives->count() - 1);
    Control<QLineEdit>(dialog, 1029)->setText("HOLIDAY");
    // The quality rows are the table's; the estimate follows the choice.
    auto* quality = dialog.findChild<QComboBox*>(Dlg::kQualityName);
    ASSERT_EQ(quality->count(), static_cast<int>(QualityTable.size()));
    EXPECT_EQ(quality->itemText(4).toStdString(), QualityTable[4].label);
    auto* estimate = dialog.findChild<QLabel*>(Dlg::kEstimateName);
    quality->setCurrentIndex(0);
    const QString best = estimate->text();
    quality->setCurrentIndex(4);
    EXPECT_NE(estimate->text(), best);
    EXPECT_TRUE(estimate->text().contains("MB")) << estimate->text().toStdString();

    StartButton(dialog)->click();
    EXPECT_EQ(StartButton(dialog)->toolTip(), "Abort");
    EXPECT_EQ(ResultText(dialog), QString());
    EXPECT_FALSE(drives->isEnabled() || quality->isEnabled());
    ASSERT_TRUE(WaitForIdle(dialog, 180000));
    EXPECT_TRUE(quality->isEnabled());
    ExpectIdle(dialog);

    EXPECT_EQ(BoxTexts(), std::vector<std::string>{});  // an image file needs no disc
    EXPECT_EQ(dialog.JobFlags(), JOB_BURN);
    EXPECT_EQ(App().theOptions.GetValue(keys::DVD_DISC_VOLUME), "HOLIDAY");
    EXPECT_EQ(ReadIntOption(App().theOptions, keys::VIDEO_QUALITY_MODE), 4);
    const std::string chosen = Media("chosen/");
    EXPECT_EQ(App().theMediaList.at(0).vobPath, chosen + "1_clip.vob");
    EXPECT_TRUE(platform::IsRegularFile(chosen + "1_clip.vob"));
    EXPECT_FALSE(platform::PathExists(WorkingFolder() + "1_clip.vob"));
    EXPECT_EQ(App().theDvdFolder.rfind(chosen, 0), 0u) << App().theDvdFolder;

    const std::string image = App().theDvdFolder + ".iso";
    const QString text = Control<QPlainTextEdit>(dialog, 1010)->toPlainText();
    const QStringList log = text.split('\n');
    ASSERT_GE(log.size(), 3);
    const QRegularExpression stamped(R"(^\[\d\d:\d\d:\d\d\.\d\d\d\] \S)");
    for (const QString& line : log)
        EXPECT_TRUE(stamped.match(line).hasMatch()) << line.toStdString();
    EXPECT_TRUE(log.front().endsWith("] Converting media files to vob ..."));
    EXPECT_EQ(log.filter(QRegularExpression("] Writing disc image ...$")).size(), 1);
    EXPECT_TRUE(text.contains(QString::fromStdString(image)));
    EXPECT_FALSE(text.contains("Start burn to dvd disc") || text.contains("Closing disc"));
    // The end is plain to see: both bars full, what was made and where.
    for (int id : {1026, 1027}) {
        auto* bar = Control<QProgressBar>(dialog, id);
        EXPECT_EQ(bar->value(), bar->maximum()) << id;
    }
    EXPECT_EQ(ResultText(dialog).toStdString(), "Disc image written to " + image);
    std::string opened;
    dialog.openFolder = [&](const std::string& folder) {
        opened = folder;
        return false;
    };
    dialog.findChild<QPushButton*>(Dlg::kOpenFolderName)->click();
    EXPECT_EQ(opened, chosen);
    ASSERT_EQ(presenter_->Messages().size(), 1u);  // the file manager did not start
    EXPECT_NE(presenter_->Messages()[0].text.find(chosen), std::string::npos);

    ASSERT_TRUE(platform::IsRegularFile(image));
    auto lsdvd = testsupport::RunCommand({"lsdvd", image});
    EXPECT_NE(lsdvd.output.find("Disc Title: HOLIDAY"), std::string::npos) << lsdvd.output;
}

TEST_F(ProgressDialogTest, AbortWhileConvertingKeepsTheWindowOpenAndDropsThePartialStream) {
    AddVideos({MakeTestClip("long.avi", 60)});
    Dlg dialog(JOB_CONVERT | JOB_MENUS | JOB_BURN, nullptr);
    dialog.show();
    StartButton(dialog)->click();
    auto* speed = Control<QLabel>(dialog, 1034);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !speed->text().isEmpty(); }, 60000));
    ASSERT_EQ(dialog.Stage(), STAGE_CONVERTING);

    presenter_->Clear();
    presenter_->QueueAnswer(platform::IDNO);
    StartButton(dialog)->click();  // asks, and No leaves the job running
    EXPECT_EQ(dialog.Stage(), STAGE_CONVERTING);
    EXPECT_EQ(StartButton(dialog)->toolTip(), "Abort");
    EXPECT_FALSE(Control<QWidget>(dialog, 1029)->isEnabled());

    presenter_->QueueAnswer(platform::IDYES);
    dialog.close();  // the close box asks too; Yes aborts and the window stays
    EXPECT_TRUE(dialog.isVisible());
    ExpectIdle(dialog);
    EXPECT_EQ(Control<QProgressBar>(dialog, 1026)->value(), 0);
    EXPECT_EQ(Control<QProgressBar>(dialog, 1027)->value(), 0);
    EXPECT_EQ(ResultText(dialog), "Aborted.");
    const std::string question = "Q: Converting in progress, are you sure to abort?";
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{question, question}));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.WorkerRunning(); }, 60000));
    QTest::qWait(20);  // the close box's timer comes and goes
    ExpectIdle(dialog);
    EXPECT_EQ(dialog.JobFlags(), JOB_CONVERT | JOB_MENUS | JOB_BURN);
    EXPECT_FALSE(platform::PathExists(App().theMediaList.at(0).vobPath));
    EXPECT_EQ(presenter_->Messages().size(), 2u);  // no insert-disc question

    dialog.close();  // idle: the window closes
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ProgressDialogTest, BurnOnlyWindowAsksAboutALongLabelAndReturnsToIdle) {
    App().theBurner.reset();
    Dlg dialog(JOB_BURN, nullptr);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Error: No DVD Device found!"});
    EXPECT_EQ(Control<QComboBox>(dialog, 1007)->count(), 0);
    for (int id : {1026, 1023, 1024, 1025, 1030, 1035, 1036})
        EXPECT_TRUE(Control<QWidget>(dialog, id)->isHidden()) << id;
    EXPECT_FALSE(Control<QWidget>(dialog, 1027)->isHidden());

    // The label is counted in bytes, as the image tool counts it: 17 accented
    // letters are 34 bytes.
    const std::string label = "A_VERY_LONG_VOLUME_LABEL_FOR_THE_HOLIDAY_DISC";
    std::string accented;
    for (int i = 0; i < 17; ++i)
        accented += "\u00e9";
    const std::string question =
        "Error: DVD disc volume limited to 32 characters, would you like use the first 32 "
        "characters of \"" +
        label + "\" ?";
    Control<QLineEdit>(dialog, 1029)->setText(QString::fromStdString(label));
    presenter_->Clear();
    presenter_->QueueAnswer(platform::IDCANCEL);
    StartButton(dialog)->click();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{question});
    EXPECT_EQ(dialog.Stage(), STAGE_IDLE);
    EXPECT_FALSE(dialog.WorkerRunning());
    EXPECT_EQ(App().theOptions.GetValue(keys::DVD_DISC_VOLUME), "QorDVDVolume");

    Control<QLineEdit>(dialog, 1029)->setText(QString::fromStdString(accented));
    presenter_->Clear();
    presenter_->QueueAnswer(platform::IDOK);      // use the first 16 characters
    presenter_->QueueAnswer(platform::IDCANCEL);  // no disc
    StartButton(dialog)->click();
    ASSERT_TRUE(WaitForIdle(dialog, 30000));
    ExpectIdle(dialog);
    ASSERT_EQ(presenter_->Messages().size(), 2u);
    EXPECT_EQ(presenter_->Messages()[0].text.rfind("DVD disc volume limited to 32 characters, "
                                                   "would you like use the first 16 characters",
                                                   0),
              0u)
        << presenter_->Messages()[0].text;
    EXPECT_EQ(BoxTexts()[1], "Information: Please insert a blank disc and click OK .");
    const std::string fitted = accented.substr(0, 32);
    EXPECT_EQ(dialog.VolumeLabel(), fitted);
    EXPECT_EQ(App().theOptions.GetValue(keys::DVD_DISC_VOLUME), fitted);
    EXPECT_EQ(dialog.DeviceIndex(), -1);

    presenter_->Clear();
    presenter_->QueueAnswer(platform::IDCANCEL);
    Control<QLineEdit>(dialog, 1029)->setText(QString::fromStdString(label.substr(0, 32)));
    StartButton(dialog)->click();  // exactly the limit: no question
    ASSERT_TRUE(WaitForIdle(dialog, 30000));
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{"Information: Please insert a blank disc and click OK ."});
}

TEST_F(ProgressDialogTest, ConversionFiguresFollowTheEngineRecord) {
    Dlg dialog(JOB_CONVERT | JOB_MENUS | JOB_BURN, nullptr);
    JobEvents& events = dialog.Events();
    ConversionFigures bar;
    bar.total = 400;
    events.Figures(bar);  // the bar's range: the job's seconds
    ConvertProgressRecord record{};
    ConversionClock clock{static_cast<std::int64_t>(std::time(nullptr)), 0, 400};
    events.Figures(ComputeConversionFigures(clock, record));
    EXPECT_EQ(Control<QLabel>(dialog, 1032)->text(), "--:--:--");  // nothing to estimate from

    clock.startTime = static_cast<std::int64_t>(std::time(nullptr)) - 3725;
    clock.convertedSeconds = 100;
    record.seconds = 20;
    record.speed = 2.5;
    events.Figures(ComputeConversionFigures(clock, record));
    const QString used = Control<QLabel>(dialog, 1031)->text();
    ASSERT_TRUE(used == "01:02:05" || used == "01:02:06") << used.toStdString();
    // 400 s of media in 3725 s per 120 s done, less the time used.
    EXPECT_EQ(Control<QLabel>(dialog, 1032)->text(), used == "01:02:05" ? "02:24:51" : "02:24:54");
    EXPECT_EQ(Control<QLabel>(dialog, 1033)->text(), "00:02:00");
    EXPECT_EQ(Control<QLabel>(dialog, 1034)->text(), "2.50");
    EXPECT_EQ(Control<QProgressBar>(dialog, 1026)->value(), 120);
    EXPECT_EQ(Control<QProgressBar>(dialog, 1026)->maximum(), 400);
}

// An abort that comes just as the worker enters its next stage (after it
// looked at the abort for the stage before) leaves the window idle, and the
// worker ends there: between conversion and menus, menus and authoring,
// authoring and burning.
TEST_F(ProgressDialogTest, AnAbortAtEveryStageBoundaryLeavesTheWindowIdleAndTheWorkerEnded) {
    AddVideos({MakeTestClip("clip.avi", 1)});
    Dlg dialog(JOB_CONVERT | JOB_MENUS | JOB_BURN, nullptr);
    dialog.show();
    auto* drives = Control<QComboBox>(dialog, 1007);
    drives->setCurrentIndex(drives->count() - 1);  // the image device
    for (JobStage boundary : {STAGE_MENUS, STAGE_AUTHORING, STAGE_BURNING}) {
        std::vector<JobStage> entered;
        dialog.onStage = [&](JobStage stage) {
            entered.push_back(stage);
            if (stage != boundary)
                return;
            EXPECT_EQ(dialog.Stage(), boundary);
            presenter_->QueueAnswer(platform::IDYES);
            StartButton(dialog)->click();  // asks, and Yes aborts
            ExpectIdle(dialog);
        };
        presenter_->Clear();
        StartButton(dialog)->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.WorkerRunning(); }, 120000));
        QTest::qWait(20);
        ExpectIdle(dialog);
        EXPECT_EQ(entered.back(), boundary);
        // Aborted before the burn, the finished DVD folder is named.
        EXPECT_TRUE(ResultText(dialog).startsWith("Aborted.")) << ResultText(dialog).toStdString();
        EXPECT_EQ(ResultText(dialog).contains("is complete"), boundary == STAGE_BURNING);
        EXPECT_EQ(BoxTexts(),
                  std::vector<std::string>{"Q: Converting in progress, are you sure to abort?"});
    }
    dialog.onStage = nullptr;
    // Each stage was done once, and the burn was never begun.
    EXPECT_EQ(dialog.JobFlags(), JOB_BURN);
    EXPECT_TRUE(platform::IsRegularFile(App().theMediaList.at(0).vobPath));
    EXPECT_FALSE(platform::PathExists(App().theDvdFolder + ".iso"));
}

TEST_F(ProgressDialogTest, AChosenWorkingFolderIsStoredAtOnce) {
    Dlg dialog(JOB_CONVERT | JOB_MENUS | JOB_BURN, nullptr);
    QString asked;
    dialog.chooseFolder = [&](QWidget*, const QString& title) {
        asked = title;
        return Media("elsewhere");
    };
    Control<QPushButton>(dialog, 1030)->click();
    EXPECT_EQ(asked, "Working folder(atleast 10GB of free space)");
    const std::string folder = Media("elsewhere/");
    EXPECT_EQ(Control<QLineEdit>(dialog, 1025)->text().toStdString(), folder);
    EXPECT_EQ(App().theOptions.GetValue(keys::WORKING_FOLDER), folder);

    dialog.chooseFolder = [](QWidget*, const QString&) { return std::string(); };
    Control<QPushButton>(dialog, 1030)->click();  // cancelled: nothing changes
    EXPECT_EQ(App().theOptions.GetValue(keys::WORKING_FOLDER), folder);
}

// The disc title, the chapter minutes and what follows each video are kept
// when the window is closed and opened again, in the options file and in a
// project; the window stays tidy with them.
TEST_F(ProgressDialogTest, TitleChaptersAndAfterEachAreKeptOnReopenAndInProjects) {
    {
        Dlg dialog(JOB_CONVERT | JOB_MENUS | JOB_BURN, nullptr);
        EXPECT_EQ(LayoutFaults(&dialog).join("\n").toStdString(), "");
        dialog.findChild<QLineEdit*>(Dlg::kDiscTitleName)->setText("Summer \u00c4");
        dialog.findChild<QSpinBox*>(Dlg::kChapterMinutesName)->setValue(7);
        dialog.findChild<QComboBox*>(Dlg::kAfterEachName)->setCurrentIndex(1);
        dialog.close();  // shown by the layout check
    }
    Dlg again(JOB_CONVERT | JOB_MENUS | JOB_BURN, nullptr);
    EXPECT_EQ(again.findChild<QLineEdit*>(Dlg::kDiscTitleName)->text(), "Summer \u00c4");
    EXPECT_EQ(again.findChild<QSpinBox*>(Dlg::kChapterMinutesName)->value(), 7);
    EXPECT_EQ(again.findChild<QComboBox*>(Dlg::kAfterEachName)->currentIndex(), 1);
    const CXMLAccess stored = StoredOptions(App().theOptions, {});
    EXPECT_EQ(stored.GetValue(keys::CHAPTER_MINUTES), "7");
    EXPECT_EQ(stored.GetValue(keys::AFTER_EACH_VIDEO), "1");
    const std::string path = Media("disc.quorva");
    ASSERT_TRUE(SaveProject(path, ProjectOf(App().theOptions, {}, 0)));
    const platform::Result<Project> project = LoadProject(path);
    ASSERT_TRUE(project);
    EXPECT_EQ(project->discTitle, "Summer \u00c4");
    EXPECT_EQ(project->chapterMinutes, 7);
    EXPECT_EQ(project->afterEach, 1);
}

// The preview draws the menus of the disc made afterwards: the decoded stills
// of its title menu and root menu differ from the preview's pictures by
// little more than the encoding.
TEST_F(ProgressDialogTest, ThePreviewedMenusAreTheMenusOnTheDisc) {
    SetAspect43(true);  // DVD-ready streams, taken as they are
    std::vector<std::string> videos;
    for (const char* name : {"one.vob", "two.vob", "three.vob"}) {
        videos.push_back(Media(name));
        ASSERT_TRUE(testsupport::MakeDvdMpeg(videos.back(), false, 1, true));
    }
    AddVideos(videos);
    App().theMediaList[1].name = "The second";
    App().theOptions.SetValue(keys::DISC_TITLE, "Previewed");
    const platform::Result<std::vector<PreviewMenu>> menus =
        PreviewMenus(MakeJobInput(App(), JobChoices{JOB_MENUS}));
    ASSERT_TRUE(menus) << menus.error();
    ASSERT_EQ(menus->size(), 2u);

    RecordingJobEvents events;
    const JobResult made = RunJob(events, JobChoices{.flags = JOB_CONVERT | JOB_MENUS});
    ASSERT_TRUE(events.Errors().empty()) << events.Errors().front();
    const char* vobs[] = {"VIDEO_TS.VOB", "VTS_01_0.VOB"};
    for (std::size_t m = 0; m < 2; ++m) {
        const std::string still = Media("menu" + std::to_string(m) + ".png");
        ASSERT_EQ(testsupport::RunCommand({"ffmpeg", "-v", "error", "-y", "-i",
                                           made.dvdFolder + "/VIDEO_TS/" + vobs[m], "-frames:v",
                                           "1", still})
                      .status,
                  0);
        const QImage disc =
            QImage(QString::fromStdString(still)).convertToFormat(QImage::Format_RGB32);
        const QImage preview = (*menus)[m].picture.convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(disc.size(), preview.size());
        // Pixels that differ more than the encoding makes them differ: none
        // here; another name under one thumbnail makes some 500 differ,
        // another title thousands.
        int differing = 0;
        for (int y = 0; y < disc.height(); ++y)
            for (int x = 0; x < disc.width(); ++x)
                differing += std::abs(qGray(disc.pixel(x, y)) - qGray(preview.pixel(x, y))) > 40;
        EXPECT_LT(differing, 50) << vobs[m];
    }
}

// With real message boxes: the abort question holds the job, no other box
// comes over it, and it goes away by itself when the job ends behind it.
TEST_F(ProgressDialogTest, TheAbortQuestionClosesWhenTheJobEndsBehindIt) {
    App().theDvdFolder = MakeDvdFolder();
    auto boxes = std::make_shared<QtMessagePresenter>();
    platform::SetMessagePresenter(boxes);
    Dlg dialog(JOB_BURN, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.findChild<QLabel*>(Dlg::kBurnFolderName)->text().toStdString(),
              App().theDvdFolder);
    auto* drives = Control<QComboBox>(dialog, 1007);
    drives->setCurrentIndex(drives->count() - 1);
    auto* log = Control<QPlainTextEdit>(dialog, 1010);
    StartButton(dialog)->click();
    // Once the image is being written the worker runs on inside the burner.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return log->toPlainText().contains("Writing disc image \""); }, 60000));

    int mostBoxes = 0;
    bool answered = false;
    QElapsedTimer ended;
    ended.start();
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        int open = 0;
        QMessageBox* question = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                ++open;
                question = box;
            }
        mostBoxes = std::max(mostBoxes, open);
        // Answered only when it stays open long after the job ended.
        if (!question || dialog.WorkerRunning() || dialog.Stage() != STAGE_IDLE)
            ended.restart();
        else if (ended.elapsed() > 5000) {
            answered = true;
            question->button(QMessageBox::Yes)->click();
        }
    });
    answer.start(20);
    StartButton(dialog)->click();  // the question, left unanswered
    answer.stop();
    platform::SetMessagePresenter(presenter_);

    EXPECT_FALSE(answered);
    EXPECT_EQ(mostBoxes, 1);
    EXPECT_FALSE(dialog.AbortRequested());
    ExpectIdle(dialog);
    auto* burnBar = Control<QProgressBar>(dialog, 1027);
    EXPECT_EQ(burnBar->value(), burnBar->maximum());
    const std::string image = App().theDvdFolder + ".iso";
    EXPECT_EQ(ResultText(dialog).toStdString(), "Disc image written to " + image);
    EXPECT_TRUE(platform::IsRegularFile(image));
}

// The menu background picker shows BMP and JPEG pictures in either case.
TEST_F(ProgressDialogTest, TheBackgroundPickerShowsPicturesOfEitherCase) {
    const std::string folder = Media("pictures/");
    ASSERT_TRUE(platform::CreateFolder(folder));
    for (const char* name : {"b.bmp", "notes.txt"})
        std::ofstream(folder + name) << "x";
    QImage(32, 24, QImage::Format_RGB32).save(QString::fromStdString(folder + "PHOTO.JPG"), "JPG");
    App().theOptions.SetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU, Media("gone.jpg"));
    App().theBurner.reset();
    Dlg dialog(JOB_BURN, nullptr);
    presenter_->Clear();
    presenter_->QueueAnswer(platform::IDYES);     // choose the title picture now
    presenter_->QueueAnswer(platform::IDCANCEL);  // no disc

    QStringList shown;
    int rounds = 0;
    QTimer pick;
    QObject::connect(&pick, &QTimer::timeout, [&] {
        auto* picker = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!picker)
            return;
        picker->setDirectory(QString::fromStdString(folder));
        auto* model = picker->findChild<QFileSystemModel*>();
        const QModelIndex root = model->index(QString::fromStdString(folder));
        // The listing fills in the background; a filtered file never comes.
        if (model->rowCount(root) < 2 && ++rounds < 100)
            return;
        for (int row = 0; row < model->rowCount(root); ++row)
            shown << model->index(row, 0, root).data().toString();
        picker->findChild<QLineEdit*>("fileNameEdit")->setText("PHOTO.JPG");
        static_cast<QDialog*>(picker)->accept();
    });
    pick.start(50);
    StartButton(dialog)->click();
    pick.stop();
    ASSERT_TRUE(WaitForIdle(dialog, 30000));
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"PHOTO.JPG", "b.bmp"}));
    EXPECT_EQ(App().theOptions.GetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU),
              folder + "PHOTO.JPG");
}

// A file that is there but is no picture (text named .jpg, as an old project
// may name) is asked about at the start like a missing one; No takes the
// default, and the job goes on.
TEST_F(ProgressDialogTest, AnUnusableMenuPictureIsAskedAboutAtTheStart) {
    const std::string png = Media("photo.jpg");
    std::ofstream(png) << "this is not a picture";
    App().theOptions.SetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU, png);
    App().theBurner.reset();
    Dlg dialog(JOB_BURN, nullptr);
    presenter_->Clear();
    presenter_->QueueAnswer(platform::IDNO);      // use the default picture
    presenter_->QueueAnswer(platform::IDCANCEL);  // no disc
    StartButton(dialog)->click();
    ASSERT_TRUE(WaitForIdle(dialog, 30000));
    ASSERT_EQ(presenter_->Messages().size(), 2u);
    EXPECT_NE(presenter_->Messages()[0].text.find(png + " is not a picture"), std::string::npos)
        << presenter_->Messages()[0].text;
    EXPECT_EQ(App().theOptions.GetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU),
              App().theProgramFolder + kDefaultTitleBackground);
}

// The window opens on its first field; Tab follows the fields from top to
// bottom, then the start button and the log; the start button shows when it
// has the focus.
TEST_F(ProgressDialogTest, TabFollowsTheFieldsAndTheStartButtonShowsItsFocus) {
    Dlg dialog(JOB_CONVERT | JOB_MENUS | JOB_BURN, nullptr);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QPushButton* start = StartButton(dialog);
    const QImage unfocused = start->grab().toImage();
    QStringList visited;
    for (int i = 0; i < 16; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == start) {
            EXPECT_NE(start->grab().toImage(), unfocused) << "no focus mark";
        }
        visited << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    // A radio pair takes one stop or two.
    visited.replaceInStrings("1036", "1035").replaceInStrings("1024", "1023");
    visited.removeDuplicates();
    EXPECT_EQ(visited.join(' '),
              "1007 burnSpeed 1029 discTitle 1035 1023 quality chapterMinutes afterEach "
              "previewMenus 1025 1030 1005 1010");
}

// The result line takes room from the log; the log's last line stays in view.
TEST_F(ProgressDialogTest, TheLogShowsItsLastLineWhenTheResultAppears) {
    App().theDvdFolder = MakeDvdFolder();
    Dlg dialog(JOB_BURN, nullptr);
    dialog.show();
    // A log of a few lines, which the result line makes smaller.
    dialog.resize(dialog.minimumSizeHint() + QSize(0, 40));
    auto* drives = Control<QComboBox>(dialog, 1007);
    drives->setCurrentIndex(drives->count() - 1);
    StartButton(dialog)->click();
    ASSERT_TRUE(WaitForIdle(dialog, 60000));
    QApplication::processEvents();
    QScrollBar* bar = Control<QPlainTextEdit>(dialog, 1010)->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

// A disc image that does not fit the folder it goes to names that folder
// (not a disc), and the complete DVD folder the job leaves is named too.
TEST_F(ProgressDialogTest, AFullFolderForTheImageIsNamedAndTheDvdFolderKept) {
    const std::string made = MakeDvdFolder();
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(made))
        if (entry.is_regular_file())
            bytes += entry.file_size();
    // Room for the DVD folder, not for its image as well.
    const std::string size = "size=" + std::to_string(bytes / 1024 + 128) + "k";
    const std::string small = Media("small");
    ASSERT_TRUE(platform::CreateFolder(small));
    if (geteuid() != 0 || mount("tmpfs", small.c_str(), "tmpfs", 0, size.c_str()) != 0)
        GTEST_SKIP() << "a small file system can only be mounted by root";
    std::filesystem::copy(made, small + "/DVD_7", std::filesystem::copy_options::recursive);
    App().theDvdFolder = small + "/DVD_7";
    {
        Dlg dialog(JOB_BURN, nullptr);
        dialog.show();
        auto* drives = Control<QComboBox>(dialog, 1007);
        drives->setCurrentIndex(drives->count() - 1);
        StartButton(dialog)->click();
        ASSERT_TRUE(WaitForIdle(dialog, 60000));
        const std::string result = ResultText(dialog).toStdString();
        EXPECT_NE(
            result.find("Not enough free space for the disc image in the folder " + small + "/:"),
            std::string::npos)
            << result;
        EXPECT_NE(result.find("The DVD folder " + small + "/DVD_7 is complete"), std::string::npos)
            << result;
    }
    umount(small.c_str());
}

// A drive that can burn is chosen over the disc image device, which stays in
// the list.
TEST_F(ProgressDialogTest, ARealDriveIsPreselectedOverTheImageDevice) {
    setenv("QUORVA_BURNER_EXTRA_DRIVES", ("stdio:" + Media("drive.img")).c_str(), 1);
    App().theBurner = CreateDiscBurner();
    unsetenv("QUORVA_BURNER_EXTRA_DRIVES");
    Dlg dialog(JOB_CONVERT | JOB_MENUS | JOB_BURN, nullptr);
    auto* drives = Control<QComboBox>(dialog, 1007);
    ASSERT_EQ(drives->count(), 2);
    EXPECT_EQ(drives->itemText(1), kImageDeviceName);
    EXPECT_EQ(drives->currentIndex(), 0) << drives->currentText().toStdString();
}
