#include "ui/OptionsDialog.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <vector>

#include "app/QuorvaApp.h"
#include "media/Pictures.h"
#include "platform/MessageBox.h"
#include "settings/Options.h"
#include "ui/BrowseForFolder.h"
#include "ui/DialogUnits.h"
#include "ui/Dialogs.h"
#include "ui/PictureFiles.h"
#include "ui/UserInterface.h"

namespace {

template <typename Widget>
Widget* Named(Widget* widget, int id) {
    widget->setObjectName(QString::number(id));
    return widget;
}

QLineEdit* PathEdit(QWidget* parent, int id) {
    auto* edit = Named(new QLineEdit(parent), id);
    edit->setReadOnly(true);  // a long path scrolls sideways in the line
    return edit;
}

void SetRadioIndex(QButtonGroup* group, int index) {
    // An index outside the group leaves every radio unchecked.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(group->id(button) == index);
    group->setExclusive(true);
}

}  // namespace

std::string ChooseMenuPicture(QWidget* owner) {
    QFileDialog dialog(owner);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(kPictureFilesFilter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    std::string path = dialog.selectedFiles().first().toStdString();
    // A picture the menu stage would refuse is refused here, where the user
    // can still choose another, not when the job starts.
    if (const platform::Result<void> checked = CheckMenuBackground(path); !checked) {
        platform::MessageBox(0,
                             checked.error() + "\n\n" +
                                 COptionsDlg::tr("Choose a BMP or JPEG picture.").toStdString(),
                             COptionsDlg::tr("Menu background").toStdString(),
                             platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return {};
    }
    return path;
}

COptionsDlg::COptionsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Options"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    CreateControls();
    ReadOptions();
    UpdateData(false);
    if (!SkinLoaded())
        CaptionControls();
    ApplySkinShape(this, "shape_page_options");
    // The upper part of the resource is the skin picture's; this skin draws
    // none, so the dialog starts with only the part that holds controls.
    resize(QSize(DialogX(398), 0).expandedTo(sizeHint()));
}

void COptionsDlg::CreateControls() {
    // What the edits and radios are about.
    auto* note = new QLabel(
        tr("What happens to the working folder when the program ends (clearing removes only the "
           "files the program made there; finished discs and images are kept), and the pictures "
           "behind the title menu and the root menu of the next DVDs."),
        this);
    note->setWordWrap(true);

    auto* clearBox = new QGroupBox(tr("Clear the content of temp folder"), this);
    auto* clearRow = new QHBoxLayout(clearBox);
    clearGroup_ = new QButtonGroup(this);
    for (int id : {IDC_CLEAR_AT_EXIT, IDC_KEEP_AT_EXIT}) {
        auto* radio = Named(new QRadioButton(clearBox), id);
        clearGroup_->addButton(radio, id - IDC_CLEAR_AT_EXIT);
        clearRow->addWidget(radio, 1);
    }

    // Each pick button sits beside its edit.
    auto* pictureBox = new QGroupBox(tr("Background picture of menu"), this);
    auto* pictures = new QGridLayout(pictureBox);
    pictures->setColumnStretch(1, 1);
    pictures->addWidget(new QLabel(tr("Title menu:"), pictureBox), 0, 0);
    titlePictureEdit_ = PathEdit(pictureBox, IDC_TITLE_PICTURE);
    pictures->addWidget(titlePictureEdit_, 0, 1);
    auto* pickTitle = Named(new QPushButton(pictureBox), IDC_PICK_TITLE_PICTURE);
    connect(pickTitle, &QPushButton::clicked, this, [this] { OnPickTitlePicture(); });
    pictures->addWidget(pickTitle, 0, 2);
    pictures->addWidget(new QLabel(tr("Root folder:"), pictureBox), 1, 0);
    rootPictureEdit_ = PathEdit(pictureBox, IDC_ROOT_PICTURE);
    pictures->addWidget(rootPictureEdit_, 1, 1);
    auto* pickRoot = Named(new QPushButton(pictureBox), IDC_PICK_ROOT_PICTURE);
    connect(pickRoot, &QPushButton::clicked, this, [this] { OnPickRootPicture(); });
    pictures->addWidget(pickRoot, 1, 2);

    auto* ok = Named(new QPushButton(this), IDC_OK);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { accept(); });
    auto* cancel = Named(new QPushButton(this), IDC_CANCEL);
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    for (QPushButton* button : {pickTitle, pickRoot, ok, cancel})
        button->setMinimumSize(DialogRect(0, 0, 50, 14).size());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(DialogX(12), DialogY(10), DialogX(12), DialogY(8));
    layout->setSpacing(DialogY(8));
    layout->addWidget(note);
    layout->addWidget(clearBox);
    layout->addWidget(pictureBox);
    layout->addStretch(1);
    layout->addLayout(buttons);

    // Present but never shown: the disc settings are chosen in the progress
    // window; the working folder there too.
    tvGroup_ = new QButtonGroup(this);
    tvGroup_->addButton(new QRadioButton("NTSC DVD", this), 0);
    tvGroup_->addButton(new QRadioButton("PAL DVD", this), 1);
    aspectGroup_ = new QButtonGroup(this);
    aspectGroup_->addButton(new QRadioButton("16:9", this), 0);
    aspectGroup_->addButton(new QRadioButton("4:3", this), 1);
    tvGroup_->button(0)->setObjectName(QString::number(IDC_NTSC));
    tvGroup_->button(1)->setObjectName(QString::number(IDC_PAL));
    aspectGroup_->button(0)->setObjectName(QString::number(IDC_ASPECT_16_9));
    aspectGroup_->button(1)->setObjectName(QString::number(IDC_ASPECT_4_3));
    workingFolderEdit_ = new QLineEdit(this);
    workingFolderEdit_->setObjectName(QString::number(IDC_WORKING_FOLDER));
    auto* browse = new QPushButton("&Brows", this);
    browse->setObjectName(QString::number(IDC_BROWSE_FOLDER));
    connect(browse, &QPushButton::clicked, this, [this] { OnBrowseFolder(); });
    std::vector<QWidget*> hidden{tvGroup_->button(0),     tvGroup_->button(1),
                                 aspectGroup_->button(0), aspectGroup_->button(1),
                                 workingFolderEdit_,      browse};
    for (const char* caption : {"Output video type", "Default video quality"})
        hidden.push_back(new QGroupBox(caption, this));
    for (const char* caption : {"Temp folder:", "Video:", "Video aspect:", "Video Quality:"})
        hidden.push_back(new QLabel(caption, this));
    for (QWidget* widget : hidden)
        widget->hide();
}

void COptionsDlg::ReadOptions() {
    const CXMLAccess& options = App().theOptions;
    workingFolder = options.GetValue(keys::WORKING_FOLDER);
    // Shutdown deletes the working folder only for exactly "0"; any other
    // text keeps it, and the radios show what will really happen.
    clearChoice = options.GetValue(keys::CLEAR_TEMP_FOLDER_WHEN_EXIT) == "0" ? 0 : 1;
    aspectRatio = ReadIntOption(options, keys::VIDEO_ASPECT_RATIO);
    tvStandard = ReadIntOption(options, keys::TARGET_DVD_TYPE);
    titlePicture = options.GetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU);
    rootPicture = options.GetValue(keys::BACKGROUND_PICTURE_OF_ROOT_MENU);
}

void COptionsDlg::CaptionControls() {
    const struct {
        int id;
        const char* text;
    } texts[] = {
        {IDC_OK, QT_TR_NOOP("OK")},
        {IDC_CANCEL, QT_TR_NOOP("Cancel")},
        {IDC_CLEAR_AT_EXIT, QT_TR_NOOP("&Yes, at exit")},
        {IDC_KEEP_AT_EXIT, QT_TR_NOOP("&No, keep it")},
        {IDC_PICK_TITLE_PICTURE, QT_TR_NOOP("Browse...")},
        {IDC_PICK_ROOT_PICTURE, QT_TR_NOOP("Browse...")},
    };
    for (const auto& t : texts) {
        if (auto* button = findChild<QAbstractButton*>(QString::number(t.id)))
            button->setText(tr(t.text));
    }
}

void COptionsDlg::UpdateData(bool fromControls) {
    if (fromControls) {
        workingFolder = workingFolderEdit_->text().toStdString();
        clearChoice = clearGroup_->checkedId();
        aspectRatio = aspectGroup_->checkedId();
        tvStandard = tvGroup_->checkedId();
        titlePicture = titlePictureEdit_->text().toStdString();
        rootPicture = rootPictureEdit_->text().toStdString();
        return;
    }
    workingFolderEdit_->setText(QString::fromStdString(workingFolder));
    SetRadioIndex(clearGroup_, clearChoice);
    SetRadioIndex(aspectGroup_, aspectRatio);
    SetRadioIndex(tvGroup_, tvStandard);
    titlePictureEdit_->setText(QString::fromStdString(titlePicture));
    rootPictureEdit_->setText(QString::fromStdString(rootPicture));
}

void COptionsDlg::PickPicture(std::string& field, const char* key) {
    UpdateData(true);
    const std::string path = ChooseMenuPicture(this);
    if (path.empty())
        return;
    field = path;
    App().theOptions.SetValue(key, field);
    UpdateData(false);
}

void COptionsDlg::OnPickTitlePicture() {
    PickPicture(titlePicture, keys::BACKGROUND_PICTURE_OF_TITLE_MENU);
}

void COptionsDlg::OnPickRootPicture() {
    PickPicture(rootPicture, keys::BACKGROUND_PICTURE_OF_ROOT_MENU);
}

void COptionsDlg::OnBrowseFolder() {
    UpdateData(true);
    std::string folder;
    if (BrowseForFolder(this, folder,
                        tr("Working folder(atleast 10GB of free space)").toStdString(), "",
                        workingFolder) != 0 ||
        folder.empty())
        return;
    if (folder.back() != '/')
        folder += '/';
    workingFolder = folder;
    App().theOptions.SetValue(keys::WORKING_FOLDER, workingFolder);
    UpdateData(false);
}

void COptionsDlg::accept() {
    UpdateData(true);
    // Both radios unchecked cannot happen from the user; keep the folder then.
    if (clearChoice != 0 && clearChoice != 1)
        clearChoice = 1;
    App().theOptions.SetIntValue(keys::CLEAR_TEMP_FOLDER_WHEN_EXIT, clearChoice);
    QDialog::accept();
}

int RunOptionsDialog(QWidget* parent) {
    COptionsDlg dialog(parent);
    return dialog.exec();
}
