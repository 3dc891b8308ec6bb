// The options dialog: what it shows and what it stores.
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>

#include "settings/Options.h"
#include "ui/OptionsDialog.h"
#include "ui/UiTestEnvironment.h"

namespace {

using OptionsDialogTest = UiTest;

template <typename Widget>
Widget* Control(QWidget& dialog, int id) {
    auto* widget = dialog.findChild<Widget*>(QString::number(id));
    EXPECT_NE(widget, nullptr) << id;
    return widget;
}

std::string Option(const char* key) {
    return App().theOptions.GetValue(key);
}

TEST_F(OptionsDialogTest, ShowsAndStoresTheClearChoice) {
    App().theOptions.SetValue(keys::CLEAR_TEMP_FOLDER_WHEN_EXIT, "1");
    COptionsDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Options");
    EXPECT_TRUE(Control<QRadioButton>(dialog, COptionsDlg::IDC_KEEP_AT_EXIT)->isChecked());
    EXPECT_TRUE(Control<QLineEdit>(dialog, COptionsDlg::IDC_TITLE_PICTURE)->isReadOnly());
    Control<QRadioButton>(dialog, COptionsDlg::IDC_CLEAR_AT_EXIT)->click();
    Control<QPushButton>(dialog, COptionsDlg::IDC_OK)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Option(keys::CLEAR_TEMP_FOLDER_WHEN_EXIT), "0");

    // A text that shutdown would not take as "delete" stays "keep".
    App().theOptions.SetValue(keys::CLEAR_TEMP_FOLDER_WHEN_EXIT, "x");
    COptionsDlg again;
    EXPECT_TRUE(Control<QRadioButton>(again, COptionsDlg::IDC_KEEP_AT_EXIT)->isChecked());
    Control<QPushButton>(again, COptionsDlg::IDC_OK)->click();
    EXPECT_EQ(Option(keys::CLEAR_TEMP_FOLDER_WHEN_EXIT), "1");
}

TEST_F(OptionsDialogTest, PickedPictureIsStoredAtOnceAndSurvivesCancel) {
    App().theOptions.SetValue(keys::CLEAR_TEMP_FOLDER_WHEN_EXIT, "1");
    const std::string picture = temp_ / "menu.JPG";
    QImage(32, 24, QImage::Format_RGB32).save(QString::fromStdString(picture), "JPG");

    COptionsDlg dialog;
    Control<QRadioButton>(dialog, COptionsDlg::IDC_CLEAR_AT_EXIT)->click();
    QString filter;
    WhenModal([&](QWidget* modal) {
        auto* chooser = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(chooser, nullptr);
        filter = chooser->selectedNameFilter();
        chooser->setDirectory(QString::fromStdString(temp_.Path()));
        chooser->selectFile(QString::fromStdString(picture));
        static_cast<QDialog*>(chooser)->accept();  // the file dialog's own checks
    });
    Control<QPushButton>(dialog, COptionsDlg::IDC_PICK_ROOT_PICTURE)->click();
    EXPECT_TRUE(filter.startsWith("Picture Files(*.bmp;*.jpg;)"));
    EXPECT_EQ(Option(keys::BACKGROUND_PICTURE_OF_ROOT_MENU), picture);
    EXPECT_EQ(Control<QLineEdit>(dialog, COptionsDlg::IDC_ROOT_PICTURE)->text().toStdString(),
              picture);
    // The unsaved clear choice is still the one the user made.
    EXPECT_TRUE(Control<QRadioButton>(dialog, COptionsDlg::IDC_CLEAR_AT_EXIT)->isChecked());

    // A cancelled pick changes nothing.
    WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    Control<QPushButton>(dialog, COptionsDlg::IDC_PICK_TITLE_PICTURE)->click();
    EXPECT_NE(Option(keys::BACKGROUND_PICTURE_OF_TITLE_MENU), picture);

    Control<QPushButton>(dialog, COptionsDlg::IDC_CANCEL)->click();
    EXPECT_EQ(Option(keys::BACKGROUND_PICTURE_OF_ROOT_MENU), picture);
    EXPECT_EQ(Option(keys::CLEAR_TEMP_FOLDER_WHEN_EXIT), "1");
}

// A picture the menus cannot use is refused when it is picked, not at the
// start of a job.
TEST_F(OptionsDialogTest, AFileThatIsNoPictureIsRefusedWhenPicked) {
    const std::string png = temp_ / "photo.jpg";
    std::ofstream(png) << "this is not a picture";
    const std::string before = Option(keys::BACKGROUND_PICTURE_OF_TITLE_MENU);
    COptionsDlg dialog;
    WhenModal([&](QWidget* modal) {
        auto* chooser = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(chooser, nullptr);
        chooser->selectFile(QString::fromStdString(png));
        static_cast<QDialog*>(chooser)->accept();
    });
    Control<QPushButton>(dialog, COptionsDlg::IDC_PICK_TITLE_PICTURE)->click();
    EXPECT_EQ(Option(keys::BACKGROUND_PICTURE_OF_TITLE_MENU), before);
    ASSERT_EQ(presenter_->Messages().size(), 1u);
    EXPECT_NE(presenter_->Messages()[0].text.find(png), std::string::npos);
}

TEST_F(OptionsDialogTest, ChosenWorkingFolderIsStoredWithATrailingSlash) {
    COptionsDlg dialog;
    WhenModal([&](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Working folder(atleast 10GB of free space)");
        qobject_cast<QFileDialog*>(modal)->setDirectory(QString::fromStdString(temp_.Path()));
        QTest::qWait(50);
        qobject_cast<QDialog*>(modal)->accept();
    });
    dialog.OnBrowseFolder();
    EXPECT_EQ(Option(keys::WORKING_FOLDER), temp_.Path());
}

}  // namespace
