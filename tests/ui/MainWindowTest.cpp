// The main window, the folder chooser and the single-instance rule.
#include <unistd.h>
#include <QDialog>
#include <QFileDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <fstream>

#include "components/skin/Skin.h"
#include "platform/Files.h"
#include "ui/AboutBox.h"
#include "ui/BrowseForFolder.h"
#include "ui/LayoutCheck.h"
#include "ui/MainDlg.h"
#include "ui/OptionsDialog.h"
#include "ui/SingleInstance.h"
#include "ui/UiTestEnvironment.h"

namespace {

QPushButton* Button(QWidget& window, int id) {
    auto* button = window.findChild<QPushButton*>(QString::number(id));
    EXPECT_NE(button, nullptr) << id;
    return button;
}

void Close(QWidget* modal) {
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

using MainWindowTest = UiTest;

TEST_F(MainWindowTest, EscapeLeavesTheWindowOpenUnderTheProductName) {
    CQuorvaDlg window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "Quorva");
    QTest::keyClick(&window, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.result(), 0);
    EXPECT_EQ(Button(window, CQuorvaDlg::IDC_CREATE_DVD)->toolTip(), "Create DVD step by step.");
}

TEST_F(MainWindowTest, ReturnPressesTheFocusedButton) {
    CQuorvaDlg window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QPushButton* options = Button(window, CQuorvaDlg::IDC_OPTIONS);
    options->setFocus();
    QString opened;
    WhenModal([&](QWidget* modal) {
        opened = modal->windowTitle();
        Close(modal);
    });
    QTest::keyClick(options, Qt::Key_Return);
    EXPECT_EQ(opened, "Options");
}

// The window manager cannot maximise the window into an empty one: its
// least and largest sizes are its size.
TEST_F(MainWindowTest, TheWindowCannotBeMaximised) {
    CQuorvaDlg window;
    window.show();
    EXPECT_EQ(window.minimumSize(), window.size());
    EXPECT_EQ(window.maximumSize(), window.size());
}

TEST_F(MainWindowTest, CreateDvdStartsWithAnEmptyListWhileTheWindowIsHidden) {
    App().theMediaList.assign(2, MediaItem{});
    CQuorvaDlg window;
    window.show();
    const QPoint place = window.pos();
    size_t itemsSeen = 99;
    bool hiddenMeanwhile = false;
    WhenModal(
        [&](QWidget* page) {
            itemsSeen = App().theMediaList.size();
            hiddenMeanwhile = !window.isVisible();
            Close(page);
        },
        &window);
    Button(window, CQuorvaDlg::IDC_CREATE_DVD)->click();
    EXPECT_EQ(itemsSeen, 0u);
    EXPECT_TRUE(hiddenMeanwhile);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), place);
}

// The pages run over the main window while it sits in its own modal run, as
// the program runs it: each one closed brings the window back in its place,
// and the run goes on until the window's own close box ends it.
TEST_F(MainWindowTest, EveryPageClosesBackIntoTheRunningMainWindow) {
    const std::string disc = temp_ / "disc";
    ASSERT_TRUE(platform::CreateFolders(disc + "/VIDEO_TS"));
    std::ofstream(disc + "/VIDEO_TS/VTS_01_0.IFO") << "ifo";
    CQuorvaDlg window;
    const QPoint place = window.pos();
    QStringList seen;  // each page's title, then how the window came back
    auto note = [&] {
        seen << QString("visible=%1 same place=%2")
                    .arg(window.isVisible())
                    .arg(window.pos() == place);
    };
    auto page = [&](int button, std::function<void(QWidget*)> close) {
        WhenModal(
            [&seen, close](QWidget* modal) {
                seen << modal->windowTitle();
                close(modal);
            },
            &window);
        Button(window, button)->click();
        note();
    };
    // Each step is queued to the main window's run by the one before, so it
    // runs only when that run goes on after the page.
    auto burn = [&](QWidget* chooser) {
        WhenModal(
            [&seen](QWidget* progress) {
                seen << progress->windowTitle();
                progress->close();
            },
            chooser);
        static_cast<QFileDialog*>(chooser)->setDirectory(QString::fromStdString(disc));
        QTimer::singleShot(50, chooser, [chooser] { static_cast<QDialog*>(chooser)->accept(); });
    };
    std::function<void()> steps[] = {
        [&] {
            page(CQuorvaDlg::IDC_OPTIONS,
                 [](QWidget* options) { QTest::keyClick(options, Qt::Key_Escape); });
        },
        [&] { page(CQuorvaDlg::IDC_CREATE_DVD, [](QWidget* add) { add->close(); }); },
        [&] { page(CQuorvaDlg::IDC_DIRECT_BURN, burn); },
        [&] {
            seen << "still running";
            window.close();
        },
    };
    std::function<void(size_t)> run = [&](size_t step) {
        steps[step]();
        if (step + 1 < std::size(steps))
            QTimer::singleShot(0, &window, [&run, step] { run(step + 1); });
    };
    QTimer::singleShot(0, &window, [&run] { run(0); });
    QTimer::singleShot(10000, &window, [&] { window.close(); });  // never hang
    window.exec();
    const QString back = "visible=1 same place=1";
    EXPECT_EQ(seen.join(" | ").toStdString(),
              QStringList({"Options", back, "Add video", back, "DVD folder", "Direct burn", back,
                           "still running"})
                  .join(" | ")
                  .toStdString());
    EXPECT_FALSE(window.isVisible());
}

// The dialogs of the main window, plain and skinned: every caption whole,
// nothing out of place, and the main window's mnemonics either way.
TEST_F(MainWindowTest, PlainAndSkinnedDialogsShowEveryCaptionWholeWithItsMnemonic) {
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "skin" : "no skin");
        skin::Shutdown();
        if (skinned) {
            ASSERT_TRUE(skin::Initialize("Demo"));
            ASSERT_TRUE(skin::LoadSkinFile(std::string(QUORVA_BIN_DIR) + "quorva.skin"));
            ASSERT_TRUE(skin::SetDialogSkin("Dialog"));
        }
        CQuorvaDlg window;
        COptionsDlg options;
        CAboutDlg about;
        for (QWidget* dialog : std::initializer_list<QWidget*>{&window, &options, &about}) {
            EXPECT_EQ(LayoutFaults(dialog).join("\n").toStdString(), "")
                << dialog->windowTitle().toStdString();
            dialog->hide();
        }
        // The captions carry the mnemonics, with or without the skin: Alt+C,
        // Alt+D, Alt+O, Alt+H (pressed under X in tests/x11).
        QStringList keys;
        for (int id : {CQuorvaDlg::IDC_CREATE_DVD, CQuorvaDlg::IDC_DIRECT_BURN,
                       CQuorvaDlg::IDC_OPTIONS, CQuorvaDlg::IDC_HELP})
            keys << Button(window, id)->shortcut().toString();
        EXPECT_EQ(keys.join(" ").toStdString(), "Alt+C Alt+D Alt+O Alt+H");
    }
    skin::Shutdown();
}

// The program's command line names videos: the add page opens with them as
// if chosen in its file dialog; Product Online without a browser says so.
TEST_F(MainWindowTest, VideosFromTheCommandLineOpenTheAddPageAndAMissingBrowserIsReported) {
    const std::string clip = temp_ / "clip.mpg";
    ASSERT_TRUE(testsupport::MakeDvdMpeg(clip, true, 1));
    CQuorvaDlg window;
    window.OpenWithVideos({QString::fromStdString(clip)});
    int rows = -1;
    // Once the main window is back: the offscreen platform opens no browser.
    std::function<void()> back = [&] {
        if (!window.isVisible()) {
            QTimer::singleShot(10, &window, back);
            return;
        }
        const std::size_t before = presenter_->Messages().size();
        window.OnCommand(CQuorvaDlg::ID_HELP_PRODUCT_ONLINE);
        // The opener's answer comes when it has ended.
        EXPECT_TRUE(QTest::qWaitFor([&] { return presenter_->Messages().size() > before; }, 15000));
        window.close();
    };
    // The page reads the files once it shows, on a worker: wait for the row.
    std::function<void(QWidget*, int)> read = [&](QWidget* page, int waits) {
        rows = page->findChild<QListWidget*>("1000")->count();
        if (rows == 0 && waits < 500) {
            QTimer::singleShot(20, page, [&, page, waits] { read(page, waits + 1); });
            return;
        }
        page->close();
        QTimer::singleShot(0, &window, back);
    };
    WhenModal([&](QWidget* page) { read(page, 0); }, &window);
    window.exec();
    EXPECT_EQ(rows, 1);
    const auto shown = presenter_->Messages();
    ASSERT_FALSE(shown.empty());
    EXPECT_NE(shown.back().text.find("https://quorva.org/"), std::string::npos)
        << shown.back().text;
}

TEST_F(MainWindowTest, CancelledDirectBurnDoesNothingMore) {
    App().theDvdFolder = "/previous";
    CQuorvaDlg window;
    window.show();
    QString title;
    WhenModal(
        [&](QWidget* chooser) {
            title = chooser->windowTitle();
            Close(chooser);
        },
        &window);
    Button(window, CQuorvaDlg::IDC_DIRECT_BURN)->click();
    QTest::qWait(100);
    // No progress window follows a cancelled choice.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(title, "DVD folder");
    EXPECT_EQ(App().theDvdFolder, "");
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, FolderChooserConfirmsOnlyAFolderHoldingTheRequiredFile) {
    const std::string plain = temp_ / "plain";
    const std::string disc = temp_ / "disc";
    ASSERT_TRUE(platform::CreateFolders(plain));
    ASSERT_TRUE(platform::CreateFolders(disc + "/VIDEO_TS"));
    std::ofstream(disc + "/VIDEO_TS/VTS_01_0.IFO") << "ifo";

    // A folder entered with nothing selected is the candidate; the chooser
    // runs from the main window's Direct burn as the user sees it.
    bool enabledPlain = true, refusedPlain = false, enabledDisc = false;
    WhenModal([&](QWidget* modal) {
        auto* chooser = dynamic_cast<FolderChooser*>(modal);
        ASSERT_NE(chooser, nullptr);
        chooser->setDirectory(QString::fromStdString(plain));
        QTest::qWait(50);
        enabledPlain = chooser->ConfirmButton()->isEnabled();
        chooser->accept();  // as Enter in the name field would
        refusedPlain = chooser->isVisible();
        chooser->setDirectory(QString::fromStdString(disc));
        QTest::qWait(50);
        enabledDisc = chooser->ConfirmButton()->isEnabled();
        chooser->accept();
    });
    std::string chosen = "untouched";
    EXPECT_EQ(BrowseForFolder(nullptr, chosen, "DVD folder", "VIDEO_TS/VTS_01_0.IFO"), 0);
    EXPECT_FALSE(enabledPlain);
    EXPECT_TRUE(refusedPlain);
    EXPECT_TRUE(enabledDisc);
    EXPECT_EQ(chosen, disc);

    // Inside the parent folder the selected subfolder counts.
    FolderChooser chooser(nullptr, "DVD folder", "VIDEO_TS/VTS_01_0.IFO");
    chooser.show();
    chooser.setDirectory(QString::fromStdString(temp_.Path()));
    chooser.selectFile(QString::fromStdString(disc));
    QTest::qWait(50);
    EXPECT_EQ(chooser.Candidate(), disc);
    EXPECT_TRUE(chooser.ConfirmButton()->isEnabled());
}

TEST_F(MainWindowTest, SecondCopyIsRefusedAndRaisesTheFirst) {
    SingleInstance first("Quorva");
    ASSERT_TRUE(first.Acquire());
    int raised = 0;
    first.onRaiseRequest = [&] { ++raised; };

    SingleInstance second("Quorva");
    EXPECT_FALSE(second.Acquire());
    EXPECT_TRUE(second.AskRunningCopyToRaise());
    for (int i = 0; i < 100 && raised == 0; ++i)
        QTest::qWait(10);
    EXPECT_EQ(raised, 1);

    // The start-up step says so and leaves.
    EXPECT_EXIT(HoldSingleInstance(App()), ::testing::ExitedWithCode(1), "Quorva is running.");
    for (int i = 0; i < 100 && raised == 1; ++i)
        QTest::qWait(10);
    EXPECT_EQ(raised, 2);
}

TEST_F(MainWindowTest, ALockLeftByACrashedCopyDoesNotKeepTheNextOut) {
    EXPECT_EXIT(
        {
            SingleInstance crashed("Quorva");
            if (crashed.Acquire())
                _exit(3);  // no unlocking, as in a crash
        },
        ::testing::ExitedWithCode(3), "");
    EXPECT_TRUE(platform::PathExists(SingleInstance("Quorva").LockPath()));
    SingleInstance next("Quorva");
    EXPECT_TRUE(next.Acquire());
    // The dead copy's socket was replaced: a later start reaches this copy.
    int raised = 0;
    next.onRaiseRequest = [&] { ++raised; };
    EXPECT_TRUE(SingleInstance("Quorva").AskRunningCopyToRaise());
    for (int i = 0; i < 100 && raised == 0; ++i)
        QTest::qWait(10);
    EXPECT_EQ(raised, 1);
}

}  // namespace
