// The add-video page driven as a user drives it: clips added through the file
// dialog and probed by the real engine, ordering and removal, the estimate
// against DVD-5 and DVD-9, and the questions Next asks; projects saved and
// opened again. Also the gauge's colour steps and drawing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <fstream>

#include "app/ProjectFile.h"
#include "media/Estimate.h"
#include "media/Pictures.h"
#include "pipeline/JobFixture.h"
#include "pipeline/RootMenuPages.h"
#include "platform/Files.h"
#include "ui/AddVideoPage.h"
#include "ui/MacSliderCtrl.h"

using Dlg = CDVDAuthorAddDlg;

class AddVideoPageTest : public JobFixture {
  protected:
    static QListWidget* List(Dlg& page) {
        return page.findChild<QListWidget*>(QString::number(Dlg::IDC_LIST_VIDEO));
    }
    static CMacSliderCtrl* Gauge(Dlg& page) {
        return page.findChild<CMacSliderCtrl*>(QString::number(Dlg::IDC_GAUGE));
    }
    static void Click(Dlg& page, int id) {
        auto* button = page.findChild<QPushButton*>(QString::number(id));
        ASSERT_NE(button, nullptr) << id;
        button->click();
    }
    static std::vector<std::string> Sources(Dlg& page) {
        std::vector<std::string> sources;
        for (const MediaItem& item : page.RowItems())
            sources.push_back(item.sourcePath);
        return sources;
    }
    // Runs action; whatever modal window it opens gets handled by onModal.
    static void WithModal(const std::function<void()>& action,
                          const std::function<void(QWidget*)>& onModal, bool* seen = nullptr) {
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, [timer, onModal, seen] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timer->stop();
                if (seen)
                    *seen = true;
                onModal(modal);
            }
        });
        timer->start(20);
        action();
        delete timer;
    }
    std::string Folder() const { return Media(""); }
};

TEST_F(AddVideoPageTest, AddsThroughTheFileDialogThenOrdersAndRemoves) {
    const std::string a = MakeTestClip("a.clip.avi", 2);
    const std::string b = MakeTestClip("b.avi", 3, false);
    const std::string c = MakeTestClip("c.avi", 2);
    App().theOptions.SetValue(keys::RECENT_OPEN, Folder());
    Dlg page(7);
    QListWidget* list = List(page);

    // Cancelling changes nothing.
    WithModal([&] { Click(page, Dlg::IDC_ADD); },
              [](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(App().theOptions.GetValue(keys::RECENT_OPEN), Folder());

    App().theOptions.SetValue(keys::RECENT_OPEN, "/");
    WithModal(
        [&] { Click(page, Dlg::IDC_ADD); },
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->setDirectory(QString::fromStdString(Folder()));
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("\"a.clip.avi\" \"b.avi\"");
            QMetaObject::invokeMethod(dialog, "accept");
        });
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(App().theOptions.GetValue(keys::RECENT_OPEN),
              Folder().substr(0, Folder().size() - 1));
    EXPECT_EQ(Sources(page), (std::vector<std::string>{a, b}));
    const MediaList items = page.RowItems();
    EXPECT_EQ(items[0].vobPath, WorkingFolder() + "1_a.vob");
    EXPECT_EQ(items[1].vobPath, WorkingFolder() + "2_b.vob");
    EXPECT_NEAR(items[1].info.duration, 3.0, 0.2);
    EXPECT_EQ(list->item(0)->text().toStdString(), items[0].infoText);
    EXPECT_EQ(list->item(0)->text().left(6 + int(a.size())), QString::fromStdString("File: " + a));
    EXPECT_EQ(page.Pictures().size(), 2u);

    // A name the encoder cannot take is refused with a message naming it.
    page.AddFiles({QString::fromStdString(Media("bad*name.avi")), QString::fromStdString(c)});
    ASSERT_EQ(presenter_->Messages().size(), 1u);
    EXPECT_EQ(presenter_->Messages()[0].caption, "Add video");
    EXPECT_NE(presenter_->Messages()[0].text.find("bad*name.avi"), std::string::npos);
    EXPECT_EQ(Sources(page), (std::vector<std::string>{a, b, c}));
    EXPECT_EQ(list->item(2)->data(Dlg::kPictureRole).toInt(), 2);

    // Ordering: the selection follows the video; the ends stay put.
    list->setCurrentRow(0);
    Click(page, Dlg::IDC_MOVE_UP);
    EXPECT_EQ(Sources(page), (std::vector<std::string>{a, b, c}));
    Click(page, Dlg::IDC_MOVE_DOWN);
    EXPECT_EQ(Sources(page), (std::vector<std::string>{b, a, c}));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_TRUE(list->item(1)->isSelected());
    Click(page, Dlg::IDC_MOVE_DOWN);
    Click(page, Dlg::IDC_MOVE_DOWN);
    EXPECT_EQ(Sources(page), (std::vector<std::string>{b, c, a}));
    EXPECT_EQ(list->currentRow(), 2);

    // Removing the last row selects the new last row; the only row leaves none.
    Click(page, Dlg::IDC_REMOVE);
    EXPECT_EQ(Sources(page), (std::vector<std::string>{b, c}));
    EXPECT_TRUE(list->item(1)->isSelected());
    list->setCurrentRow(0);
    Click(page, Dlg::IDC_REMOVE);
    EXPECT_EQ(Sources(page), (std::vector<std::string>{c}));
    EXPECT_TRUE(list->item(0)->isSelected());
    Click(page, Dlg::IDC_REMOVE);
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    Click(page, Dlg::IDC_REMOVE);  // nothing selected: nothing happens
    EXPECT_EQ(Gauge(page)->GetSelEnd(), 0);
}

// The page as it runs for the user: files dropped on it are read in order,
// the unusable ones named in one message; rows keep their thumbnails' dark
// pixels; keys move and delete; Clear and Esc ask before rows are lost.
TEST_F(AddVideoPageTest, ItsModalRunRefusesUnusableFilesAndAsksBeforeDroppingRows) {
    const std::string dark = MakeClip(
        "dark.mp4", {"-f", "lavfi", "-i", "color=c=0x040404:size=160x120:rate=25:duration=1", "-f",
                     "lavfi", "-i", "sine=duration=1"});
    const std::string silent = MakeTestClip("silent.avi", 1, false);
    const std::string song = MakeClip("song.mp3", {"-f", "lavfi", "-i", "sine=duration=1"});
    const std::string junk = Media("junk.avi");
    ASSERT_TRUE(platform::WriteFileAtomically(junk, "not a video"));
    const std::string folder = Media("folder");
    ASSERT_TRUE(platform::CreateFolder(folder));

    // Qt hands a drop only from its own drag machinery to the page's
    // handlers, so the test calls them as that machinery does.
    struct DropTarget : Dlg {
        using Dlg::Dlg;
        using Dlg::dragEnterEvent;
        using Dlg::dropEvent;
    } page(7);
    QListWidget* list = List(page);
    std::vector<std::string> afterDrop, afterDelete;
    QString silentRow;
    int rowsAfterNo = -1, rowsAfterClearNo = -1;
    float thumbDifference = -1;
    bool stillOpen = false;
    presenter_->QueueAnswer(platform::IDOK);  // the refused files
    presenter_->QueueAnswer(platform::IDNO);  // keep the rows on Esc
    presenter_->QueueAnswer(platform::IDNO);  // and on Clear
    presenter_->QueueAnswer(platform::IDYES);
    QTimer::singleShot(0, &page, [&] {
        QMimeData dropped;
        QList<QUrl> urls;
        for (const std::string& path : {junk, dark, song, silent, folder})
            urls << QUrl::fromLocalFile(QString::fromStdString(path));
        dropped.setUrls(urls);
        const QPoint centre = page.rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        page.dragEnterEvent(&enter);
        if (!enter.isAccepted())
            return page.done(97);
        QDropEvent drop(QPointF(centre), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        page.dropEvent(&drop);
        afterDrop = Sources(page);
        if (list->count() < 2)
            return page.done(98);
        silentRow = list->item(1)->text();

        // The row shows the thumbnail as the engine made it.
        list->clearSelection();
        list->doItemsLayout();  // the list lays out rows late
        const QImage shown = list->viewport()->grab().toImage();
        const QImage made = LoadPicture(page.RowItems()[0].thumbnailPath);

        const QPoint at = list->visualItemRect(list->item(0)).topLeft() + QPoint(2, 0);
        thumbDifference = 0;
        for (int y = 0; y < 96; y += 4) {
            for (int x = 0; x < 128; x += 4) {
                const QColor a = shown.pixelColor(at + QPoint(x, y)), b = made.pixelColor(x, y);
                thumbDifference = std::max({thumbDifference, std::abs(a.redF() - b.redF()),
                                            std::abs(a.greenF() - b.greenF())});
            }
        }

        QTest::keyClick(&page, Qt::Key_Escape);
        rowsAfterNo = list->count();
        stillOpen = page.isVisible();
        page.activateWindow();  // shortcuts go to the active window
        EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
        list->setFocus();
        list->setCurrentRow(1);
        QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
        QTest::keyClick(list, Qt::Key_Delete);  // the moved row, still selected
        afterDelete = Sources(page);
        Click(page, Dlg::IDC_CLEAR);
        rowsAfterClearNo = list->count();
        Click(page, Dlg::IDC_CLEAR);
        QTest::keyClick(&page, Qt::Key_Escape);  // empty: closes at once
    });
    QTimer::singleShot(20000, &page, [&] { page.done(99); });  // never hang
    EXPECT_EQ(page.exec(), QDialog::Rejected);

    EXPECT_EQ(afterDrop, (std::vector<std::string>{dark, silent}));
    EXPECT_TRUE(silentRow.contains("\nAudio: no sound\n")) << silentRow.toStdString();
    EXPECT_EQ(afterDelete, (std::vector<std::string>{dark}));
    EXPECT_LT(thumbDifference, 0.1);
    EXPECT_EQ(rowsAfterNo, 2);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(rowsAfterClearNo, 1);
    EXPECT_EQ(list->count(), 0);
    const auto shown = presenter_->Messages();
    std::vector<std::string> texts;
    for (const auto& box : shown)
        texts.push_back(box.text);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "These files were not added:\n\n" + junk +
                             ": it is a text file, not a video.\n\n" + song +
                             ": it has no video stream.\n\n" + folder +
                             ": it is a folder, not a video file.",
                         "Close the page and discard the 2 videos of the list?",
                         "Remove all videos from the list?", "Remove all videos from the list?"}));
    EXPECT_EQ(App().theOptions.GetValue(keys::RECENT_OPEN),
              Folder().substr(0, Folder().size() - 1));
}

TEST_F(AddVideoPageTest, EstimateAgainstBothDiscTypesAndTheCapacityQuestion) {
    const std::string hour = MakeClip(
        "long.avi",
        {"-f", "lavfi", "-i", "color=c=blue:size=64x48:rate=1:duration=3700", "-c:v", "mpeg4"});
    App().theOptions.SetIntValue(keys::VIDEO_QUALITY_MODE, 0);
    Dlg page(7);
    CMacSliderCtrl* gauge = Gauge(page);
    EXPECT_EQ(gauge->GetRangeMax(), 6000);
    EXPECT_EQ(gauge->GetPos(), 4300);
    EXPECT_EQ(page.DiscIndex(), 0);

    page.AddFiles({QString::fromStdString(hour)});
    const double duration = page.RowItems().at(0).info.duration;
    ASSERT_NEAR(duration, 3700, 1);
    const int expected = int((9800 + 192) / 8.0 * duration / 1024);  // about 4513 MB
    EXPECT_EQ(gauge->GetSelStart(), 0);
    EXPECT_EQ(gauge->GetSelEnd(), expected);

    // Too much for a DVD-5: Next asks, and No stays on the page.
    App().theMediaList.push_back(MediaItem{});
    presenter_->QueueAnswer(platform::IDNO);
    bool opened = false;
    WithModal([&] { Click(page, Dlg::IDC_NEXT); }, [](QWidget* modal) { modal->close(); }, &opened);
    ASSERT_EQ(presenter_->Messages().size(), 1u);
    EXPECT_EQ(presenter_->Messages()[0].text,
              "A DVD-5 disc should not greater than 4300 MB. Are you sure to continue ?");
    EXPECT_EQ(presenter_->Messages()[0].caption, "Warnning");
    EXPECT_FALSE(opened);
    EXPECT_TRUE(App().theMediaList.empty());

    // DVD-9 keeps the bar, moves the limit and the range; Next goes on.
    Click(page, Dlg::IDC_DISC_TYPE);
    EXPECT_EQ(gauge->GetRangeMax(), 11581);
    EXPECT_EQ(gauge->GetPos(), 8300);
    EXPECT_EQ(gauge->GetSelEnd(), expected);
    WithModal([&] { Click(page, Dlg::IDC_NEXT); }, [](QWidget* modal) { modal->close(); }, &opened);
    EXPECT_TRUE(opened);
    const auto shown = presenter_->Messages();  // the progress window may have its say
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(),
                            [](const auto& box) { return box.caption == "Warnning"; }),
              1);
    ASSERT_EQ(App().theMediaList.size(), 1u);
    EXPECT_EQ(App().theMediaList[0].sourcePath, hour);

    // Clear empties everything, the bar included.
    Click(page, Dlg::IDC_CLEAR);
    EXPECT_EQ(List(page)->count(), 0);
    EXPECT_TRUE(App().theMediaList.empty());
    EXPECT_TRUE(page.Pictures().empty());
    EXPECT_EQ(gauge->GetSelEnd(), 0);
}

// The choices made in the progress window and left with Escape, without a
// start, are there again on the next Next, and the gauge follows the quality.
TEST_F(AddVideoPageTest, ChoicesOfTheProgressWindowOutliveItsCloseWithoutStart) {
    const std::string hour = MakeClip(
        "long.avi",
        {"-f", "lavfi", "-i", "color=c=blue:size=64x48:rate=1:duration=3700", "-c:v", "mpeg4"});
    App().theOptions.SetIntValue(keys::VIDEO_QUALITY_MODE, 0);
    App().theOptions.SetValue(keys::DVD_DISC_VOLUME, "OLD");
    SetPal(false);
    SetAspect43(false);
    Dlg page(7);
    page.AddFiles({QString::fromStdString(hour)});
    const int best = Gauge(page)->GetSelEnd();

    auto control = [](QWidget* window, int id) {
        return window->findChild<QWidget*>(QString::number(id));
    };
    QString estimate;
    WithModal([&] { Click(page, Dlg::IDC_NEXT); },
              [&](QWidget* modal) {
                  qobject_cast<QAbstractButton*>(control(modal, 1024))->click();  // PAL
                  qobject_cast<QAbstractButton*>(control(modal, 1036))->click();  // 4:3
                  qobject_cast<QLineEdit*>(control(modal, 1029))->setText("Trip");
                  modal->findChild<QComboBox*>("quality")->setCurrentIndex(4);
                  estimate = modal->findChild<QLabel*>("estimate")->text();
                  QTest::keyClick(modal, Qt::Key_Escape);
              });
    const MediaList items = page.RowItems();
    EXPECT_EQ(Gauge(page)->GetSelEnd(),
              int(EstimateDiscUsageMB(items, VideoKbpsFor(4, items, DiscTypeAt(0)))));
    // Both windows show the same figure.
    EXPECT_EQ(estimate.toStdString(),
              "about " + std::to_string(Gauge(page)->GetSelEnd()) + " MB on the disc");
    EXPECT_LT(Gauge(page)->GetSelEnd(), best);

    bool pal = false, fourThree = false;
    QString label;
    int quality = -1;
    WithModal([&] { Click(page, Dlg::IDC_NEXT); },
              [&](QWidget* modal) {
                  pal = qobject_cast<QAbstractButton*>(control(modal, 1024))->isChecked();
                  fourThree = qobject_cast<QAbstractButton*>(control(modal, 1036))->isChecked();
                  label = qobject_cast<QLineEdit*>(control(modal, 1029))->text();
                  quality = modal->findChild<QComboBox*>("quality")->currentIndex();
                  modal->close();
              });
    EXPECT_TRUE(pal);
    EXPECT_TRUE(fourThree);
    EXPECT_EQ(label, "Trip");
    EXPECT_EQ(quality, 4);
    EXPECT_EQ(App().theOptions.GetValue(keys::DVD_DISC_VOLUME), "Trip");
}

// Alt+D, the letter of the disc button, switches the disc type.
TEST_F(AddVideoPageTest, AltDSwitchesTheDiscType) {
    Dlg page(7);
    page.show();
    page.activateWindow();  // shortcuts go to the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    ASSERT_EQ(page.DiscIndex(), 0);
    QTest::keyClick(&page, Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return page.DiscIndex() == 1; }, 2000));  // an animated click
    EXPECT_EQ(Gauge(page)->GetPos(), 8300);
}

// A video added to a list longer than the page shows is scrolled into view.
TEST_F(AddVideoPageTest, TheListShowsTheVideoJustAdded) {
    Dlg page(7);
    page.show();
    page.resize(page.minimumSizeHint());
    for (const char* name : {"a.avi", "b.avi", "c.avi"})
        page.AddFiles({QString::fromStdString(MakeTestClip(name, 1, false))});
    QListWidget* list = List(page);
    ASSERT_EQ(list->count(), 3);
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualItemRect(list->item(2))));
}

// A video with several sound tracks says which in its row.
TEST_F(AddVideoPageTest, ARowNamesTheSoundTracksOfItsVideo) {
    const std::string two = Media("two.mkv");
    ASSERT_TRUE(testsupport::MakeEnglishFrenchClip(two, 1));
    Dlg page(7);
    page.AddFiles({QString::fromStdString(two)});
    QListWidget* list = List(page);
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(list->item(0)->text().contains("\nAudio: 2 tracks (en, fr)\n"))
        << list->item(0)->text().toStdString();
}

// F2 on a row edits the name its video shows in the menu; the name is saved
// in a project and comes back with it, and a project without names (an
// older one) shows the names made from the files.
TEST_F(AddVideoPageTest, F2RenamesAVideoForTheMenuAndAProjectKeepsTheName) {
    Dlg page(7);
    page.show();
    std::vector<std::string> clips;
    for (const char* name : {"late.avi", "late.mov"})
        clips.push_back(MakeTestClip(name, 1, false));
    page.AddFiles({QString::fromStdString(clips[0]), QString::fromStdString(clips[1])});
    QListWidget* list = List(page);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->data(Dlg::kNameRole).toString(), "late.mov");
    list->setFocus();
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_F2);
    auto* editor = list->findChild<QLineEdit*>("nameEditor");
    ASSERT_NE(editor, nullptr);
    editor->setText("Arriving late");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the editor hands its text over queued
    EXPECT_EQ(list->item(1)->data(Dlg::kNameRole).toString(), "Arriving late");
    EXPECT_EQ(list->item(0)->data(Dlg::kNameRole).toString(), "late");
    EXPECT_EQ(VideoNames(page.RowItems()), (std::vector<std::string>{"late", "Arriving late"}));

    const std::string project = Media("late.quorva");
    ASSERT_TRUE(page.SaveProjectAs(QString::fromStdString(project)));
    Dlg again(7);
    ASSERT_TRUE(again.OpenProject(QString::fromStdString(project)));
    EXPECT_EQ(List(again)->item(1)->data(Dlg::kNameRole).toString(), "Arriving late");

    // An older project: no names.
    Project old;
    old.videos = clips;
    ASSERT_TRUE(SaveProject(Media("old.quorva"), old));
    Dlg older(7);
    ASSERT_TRUE(older.OpenProject(QString::fromStdString(Media("old.quorva"))));
    EXPECT_EQ(List(older)->item(1)->data(Dlg::kNameRole).toString(), "late.mov");
    EXPECT_TRUE(older.RowItems()[1].name.empty());
}

TEST_F(AddVideoPageTest, ARowSaysWhichSubtitlesItsVideoHas) {
    const std::string clip = MakeTestClip("film.avi", 1);
    std::ofstream(Media("film.en.srt")) << "1\n00:00:00,200 --> 00:00:00,800\nHello\n";
    Dlg page(7);
    page.AddFiles({QString::fromStdString(clip)});
    QListWidget* list = List(page);
    ASSERT_EQ(list->count(), 1);
    const QStringList lines = list->item(0)->text().split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[2].startsWith("Audio: ")) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].endsWith(QString::fromUtf8(" \u00b7 Subtitles: 1 (en)")))
        << lines[2].toStdString();
}

// The row's menu drops a subtitle: the row no longer tells it, and a saved
// project opens with it still dropped.
TEST_F(AddVideoPageTest, ASubtitleDroppedFromTheRowMenuStaysDroppedInTheProject) {
    const std::string clip = MakeTestClip("film.avi", 1);
    std::ofstream(Media("film.en.srt")) << "1\n00:00:00,200 --> 00:00:00,800\nHello\n";
    Dlg page(7);
    page.show();
    page.AddFiles({QString::fromStdString(clip)});
    QListWidget* list = List(page);
    ASSERT_EQ(list->count(), 1);
    bool shown = false;
    auto* timer = new QTimer(&page);
    QObject::connect(timer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        timer->stop();
        shown = true;
        for (QAction* action : menu->actions())
            if (action->text() == "Subtitles 1 (en), film.en.srt")
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        menu->close();
    });
    timer->start(20);
    emit list->customContextMenuRequested(list->visualItemRect(list->item(0)).center());
    ASSERT_TRUE(shown);
    EXPECT_FALSE(list->item(0)->text().contains("Subtitles"))
        << list->item(0)->text().toStdString();

    const std::string project = Media("film.quorva");
    ASSERT_TRUE(page.SaveProjectAs(QString::fromStdString(project)));
    Dlg again(7);
    ASSERT_TRUE(again.OpenProject(QString::fromStdString(project)));
    ASSERT_EQ(again.RowItems().size(), 1u);
    EXPECT_EQ(again.RowItems()[0].subtitles.size(), 1u);
    EXPECT_FALSE(List(again)->item(0)->text().contains("Subtitles"))
        << List(again)->item(0)->text().toStdString();
}

// Closing the page right after its list was saved as a project asks nothing.
TEST_F(AddVideoPageTest, ClosingRightAfterSavingAsksNothing) {
    Dlg page(7);
    page.show();
    page.AddFiles({QString::fromStdString(MakeTestClip("a.avi", 1, false))});
    ASSERT_TRUE(page.SaveProjectAs(QString::fromStdString(Media("trip.quorva"))));
    presenter_->Clear();
    QTest::keyClick(&page, Qt::Key_Escape);
    EXPECT_FALSE(page.isVisible());
    EXPECT_TRUE(presenter_->Messages().empty());
}

TEST_F(AddVideoPageTest, NextOnAnEmptyListOffersToAdd) {
    Dlg page(7);
    presenter_->QueueAnswer(platform::IDNO);
    bool opened = false;
    WithModal([&] { Click(page, Dlg::IDC_NEXT); }, [](QWidget* modal) { modal->close(); }, &opened);
    EXPECT_FALSE(opened);
    ASSERT_EQ(presenter_->Messages().size(), 1u);
    EXPECT_EQ(presenter_->Messages()[0].text, "No file added, do you want do it now?");
    EXPECT_EQ(presenter_->Messages()[0].caption, "Information");

    // Yes opens the file dialog.
    presenter_->QueueAnswer(platform::IDYES);
    WithModal([&] { Click(page, Dlg::IDC_NEXT); },
              [](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); }, &opened);
    EXPECT_TRUE(opened);

    // A job that is not the whole road has no gauge and no disc choice.
    Dlg convertOnly(4);
    EXPECT_TRUE(Gauge(convertOnly)->isHidden());
    EXPECT_TRUE(convertOnly.findChild<QPushButton*>("1020")->isHidden());
}

// A project saved from the page with Ctrl+S, moved with its videos, opened on
// a fresh page with Ctrl+O: the same rows in the same order and the same
// choices, and the same disc (titles, chapters and their lengths, format).
TEST_F(AddVideoPageTest, AProjectSavedFromThePageAndMovedWithItsVideosMakesTheSameDisc) {
    ASSERT_TRUE(platform::CreateFolder(Media("trip")));
    const std::string a = MakeTestClip("trip/a.avi", 2);
    const std::string b = MakeTestClip("trip/b.avi", 1, false);
    SetPal(true);
    App().theOptions.SetIntValue(keys::VIDEO_QUALITY_MODE, 3);
    App().theOptions.SetValue(keys::LAST_PROJECT_FOLDER, Media("trip"));

    // Ctrl+S, a name without the extension, Return; then Next and the job.
    auto press = [](Dlg& page, Qt::Key key, const QString& name, QString* startedIn) {
        page.show();
        page.activateWindow();  // shortcuts go to the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
        WithModal([&] { QTest::keyClick(&page, key, Qt::ControlModifier); },
                  [&](QWidget* modal) {
                      auto* dialog = qobject_cast<QFileDialog*>(modal);
                      ASSERT_NE(dialog, nullptr);
                      *startedIn = dialog->directory().absolutePath();
                      dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
                      QMetaObject::invokeMethod(dialog, "accept");
                  });
    };
    auto makeDisc = [&](Dlg& page, const std::string& work) {
        WithModal([&] { Click(page, Dlg::IDC_NEXT); }, [](QWidget* modal) { modal->close(); });
        App().theOptions.SetValue(keys::WORKING_FOLDER, Media(work));
        RecordingJobEvents events;
        const JobResult made =
            RunJob(events, {.flags = JOB_CONVERT | JOB_MENUS, .discType = page.DiscIndex()});
        EXPECT_EQ(made.outcome, JobOutcome::Done) << made.errorText;
        std::string kept;
        const std::string all =
            testsupport::RunCommand({"lsdvd", "-c", "-v", made.dvdFolder}).output;
        for (const char* line :
             {"Title: 01", "Chapter: 01", "Chapter: 02", "Chapter: 03", "Format"}) {
            const std::size_t at = all.find(line);
            kept +=
                (at == std::string::npos ? "-" : all.substr(at, all.find('\n', at) - at)) + "\n";
        }
        return kept;
    };

    Dlg first(7);
    first.AddFiles({QString::fromStdString(b), QString::fromStdString(a)});
    Click(first, Dlg::IDC_DISC_TYPE);  // DVD-9
    QString startedIn;
    press(first, Qt::Key_S, "holiday", &startedIn);
    EXPECT_EQ(startedIn.toStdString(), Media("trip"));
    ASSERT_TRUE(platform::IsRegularFile(Media("trip/holiday.quorva")));
    const std::string original = makeDisc(first, "one/");
    EXPECT_NE(original.find("Chapters: 02"), std::string::npos) << original;
    EXPECT_NE(original.find("Chapter: 01, Length: 00:00:01"), std::string::npos) << original;
    EXPECT_NE(original.find("PAL"), std::string::npos) << original;

    std::filesystem::rename(Media("trip"), Media("moved"));
    SetPal(false);
    App().theOptions.SetIntValue(keys::VIDEO_QUALITY_MODE, 1);
    App().theOptions.SetValue(keys::LAST_PROJECT_FOLDER, Media("moved"));
    Dlg second(7);
    press(second, Qt::Key_O, "holiday.quorva", &startedIn);
    EXPECT_EQ(Sources(second),
              (std::vector<std::string>{Media("moved/b.avi"), Media("moved/a.avi")}));
    EXPECT_EQ(List(second)->item(1)->text().toStdString(), second.RowItems()[1].infoText);
    EXPECT_EQ(second.DiscIndex(), 1);
    EXPECT_EQ(Gauge(second)->GetPos(), 8300);
    EXPECT_EQ(ReadIntOption(App().theOptions, keys::TARGET_DVD_TYPE), 1);
    EXPECT_EQ(ReadIntOption(App().theOptions, keys::VIDEO_QUALITY_MODE), 3);
    EXPECT_EQ(App().theOptions.GetValue(keys::LAST_PROJECT_FOLDER), Media("moved"));
    EXPECT_EQ(makeDisc(second, "two/"), original);
    for (const auto& box : presenter_->Messages())  // the progress window may have its say
        EXPECT_NE(box.caption, "Add video") << box.text;
}

// A project whose videos are gone opens with their rows marked in place; Next
// refuses naming the file until each is added again or found elsewhere with
// a double-click; saving keeps them. A file that is not a project (dropped,
// or given at start) changes nothing.
TEST_F(AddVideoPageTest, AMissingVideoOfAProjectIsMarkedAndAFileThatIsNoProjectChangesNothing) {
    const std::string a = MakeTestClip("a.avi", 1);
    const std::string c = MakeTestClip("c.avi", 1);
    const std::string lost = Media("lost.avi");
    const std::string far = Media("far.avi");
    const std::string project = Media("gone.quorva");
    Project saved;
    saved.videos = {a, lost, c, far};
    ASSERT_TRUE(SaveProject(project, saved));
    const std::string junk = Media("junk.quorva");
    ASSERT_TRUE(platform::WriteFileAtomically(junk, "these are not the videos\n"));

    Dlg page(7);
    page.AddFiles({QString::fromStdString(c)});
    page.AddFiles({QString::fromStdString(junk)});
    ASSERT_EQ(presenter_->Messages().size(), 1u);
    EXPECT_EQ(presenter_->Messages()[0].text.rfind(
                  "The project " + junk + " cannot be opened: it is not an XML file", 0),
              0u)
        << presenter_->Messages()[0].text;
    EXPECT_EQ(Sources(page), (std::vector<std::string>{c}));

    presenter_->QueueAnswer(platform::IDYES);
    page.AddFiles({QString::fromStdString(project)});
    ASSERT_EQ(Sources(page), (std::vector<std::string>{a, lost, c, far}));
    EXPECT_EQ(presenter_->Messages()[1].text,
              "Replace the video of the list with the videos of the project gone.quorva?");
    QListWidget* list = List(page);
    EXPECT_TRUE(list->item(1)->text().contains("\nVideo: missing\n"));
    const std::string refusal =
        "The video " + lost + " of the project is missing. Find it or remove it from the list.";
    EXPECT_EQ(list->item(1)->data(Dlg::kProblemRole).toString().toStdString(), refusal);
    list->setCurrentRow(0);
    Click(page, Dlg::IDC_MOVE_DOWN);  // the mark moves with its video
    Click(page, Dlg::IDC_MOVE_UP);

    bool opened = false;
    WithModal([&] { Click(page, Dlg::IDC_NEXT); }, [](QWidget* modal) { modal->close(); }, &opened);
    EXPECT_FALSE(opened);
    ASSERT_EQ(presenter_->Messages().size(), 3u);
    EXPECT_EQ(presenter_->Messages()[2].text, refusal);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_TRUE(App().theMediaList.empty());

    // Saved again, the project still names it (where it cannot be written,
    // a message says why); found, it fills its row.
    EXPECT_FALSE(page.SaveProjectAs(QString::fromStdString(Media("no/such/folder.quorva"))));
    ASSERT_EQ(presenter_->Messages().size(), 4u);
    EXPECT_EQ(presenter_->Messages()[3].text.rfind(
                  "The project cannot be saved as " + Media("no/such/folder.quorva") + ": ", 0),
              0u)
        << presenter_->Messages()[3].text;
    ASSERT_TRUE(page.SaveProjectAs(QString::fromStdString(Media("again.quorva"))));
    EXPECT_EQ(LoadProject(Media("again.quorva"))->videos,
              (std::vector<std::string>{a, lost, c, far}));
    MakeTestClip("lost.avi", 1);
    page.AddFiles({QString::fromStdString(lost)});
    EXPECT_EQ(Sources(page), (std::vector<std::string>{a, lost, c, far}));
    EXPECT_TRUE(list->item(1)->data(Dlg::kProblemRole).toString().isEmpty());
    EXPECT_EQ(list->item(1)->text().toStdString(), page.RowItems()[1].infoText);

    // Found elsewhere: a double-click on its row chooses the file there.
    ASSERT_TRUE(platform::CreateFolder(Media("found")));
    const std::string found = MakeTestClip("found/far.avi", 1);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    list->doItemsLayout();  // the list lays out rows late
    list->scrollToItem(list->item(3));
    const QPoint at = list->visualItemRect(list->item(3)).center();
    WithModal(
        [&] {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        },
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->setDirectory(QString::fromStdString(Media("found")));
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("far.avi");
            QMetaObject::invokeMethod(dialog, "accept");
        });
    EXPECT_EQ(Sources(page), (std::vector<std::string>{a, lost, c, found}));
    WithModal([&] { Click(page, Dlg::IDC_NEXT); }, [](QWidget* modal) { modal->close(); }, &opened);
    EXPECT_TRUE(opened);
    EXPECT_EQ(App().theMediaList.size(), 4u);
    const auto shown = presenter_->Messages();  // the progress window may have its say
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(),
                            [](const auto& box) { return box.caption == "Add video"; }),
              1);
}

// The file dialog shows every container the engine reads, and a Matroska
// video chosen there is added.
TEST_F(AddVideoPageTest, TheFileDialogOffersEveryContainerTheEngineReads) {
    const std::string mkv = MakeTestClip("clip.mkv", 1);
    App().theOptions.SetValue(keys::RECENT_OPEN, Folder());
    Dlg page(7);
    WithModal([&] { Click(page, Dlg::IDC_ADD); },
              [&](QWidget* modal) {
                  auto* dialog = qobject_cast<QFileDialog*>(modal);
                  auto* files = dialog ? dialog->findChild<QFileSystemModel*>() : nullptr;
                  if (!files) {  // closed, so that a failure does not hang the test
                      ADD_FAILURE() << "no file dialog with a file list";
                      QMetaObject::invokeMethod(modal, "reject");
                      return;
                  }
                  for (const char* type :
                       {"mkv", "m4v", "webm", "ts", "m2ts", "mts", "mpg", "mpeg", "vob", "avi",
                        "mp4", "mov", "wmv", "asf", "flv", "3gp", "ogv", "rm", "rmvb"})
                      EXPECT_TRUE(QDir::match(files->nameFilters(), QString("a.") + type)) << type;
                  // Typed as a user would: a selection made before the dialog
                  // has listed its folder can be refused.
                  dialog->setDirectory(QString::fromStdString(Folder()));
                  dialog->findChild<QLineEdit*>("fileNameEdit")->setText("clip.mkv");
                  QMetaObject::invokeMethod(dialog, "accept");
              });
    EXPECT_EQ(Sources(page), std::vector<std::string>{mkv});
}

TEST(MacSliderCtrlTest, ColourStepsAndTheSelectionBar) {
    EXPECT_EQ(LightenBy51(QColor(100, 204, 205)), QColor(151, 255, 205));
    EXPECT_EQ(DarkenBy51(QColor(50, 51, 200)), QColor(50, 0, 149));
    EXPECT_EQ(MidpointColour(QColor(10, 200, 200), QColor(20, 100, 99)), QColor(15, 150, 149));

    CMacSliderCtrl gauge;
    gauge.setTickPosition(QSlider::TicksAbove);
    gauge.setEnabled(false);
    gauge.resize(478, 26);
    gauge.SetRange(0, 6000);
    gauge.SetPos(4300);
    const QRect channel = gauge.ChannelRect();
    const QPoint inBar(channel.left() + channel.width() / 10, channel.center().y());
    EXPECT_NE(gauge.grab().toImage().pixelColor(inBar), gauge.SelectionColour());
    gauge.SetSelection(0, 2281);
    EXPECT_EQ(gauge.grab().toImage().pixelColor(inBar), gauge.SelectionColour());
}

// Near the limit the caption stays clear of the thumb and inside the channel;
// past the limit the bar changes colour.
TEST(MacSliderCtrlTest, TheCaptionStaysReadableAndAnOverfullBarShows) {
    CMacSliderCtrl gauge;
    gauge.setTickPosition(QSlider::TicksAbove);
    gauge.setEnabled(false);
    gauge.resize(478, 26);
    gauge.SetRange(0, 11581);
    gauge.SetPos(8300);
    const QRect channel = gauge.ChannelRect();
    for (int used : {2281, 8107, 8290, 9000}) {
        gauge.SetSelection(0, used);
        const QRect caption = gauge.CaptionRect();
        const QRect thumb = gauge.ThumbRect();
        EXPECT_TRUE(caption.right() < thumb.left() || caption.left() > thumb.right()) << used;
        EXPECT_TRUE(caption.left() >= 0 && caption.right() < gauge.width()) << used;
        EXPECT_TRUE(caption.top() > channel.top() && caption.bottom() < channel.bottom()) << used;
    }
    const QPoint inBar(channel.left() + channel.width() / 10, channel.center().y());
    EXPECT_NE(gauge.grab().toImage().pixelColor(inBar), gauge.SelectionColour());
    gauge.SetSelection(0, 8300);  // exactly full still fits
    EXPECT_EQ(gauge.grab().toImage().pixelColor(inBar), gauge.SelectionColour());
}
