// The progress window: its controls, the drive list, the fields it keeps in
// the options and the working-folder chooser.
#include "ui/ProgressDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cstdio>

#include "app/QuorvaApp.h"
#include "components/skin/Skin.h"
#include "engines/DiscBurner.h"
#include "platform/MessageBox.h"
#include "settings/Options.h"
#include "ui/BrowseForFolder.h"
#include "ui/DialogUnits.h"
#include "ui/Dialogs.h"
#include "ui/QtDispatcher.h"
#include "ui/QtMessagePresenter.h"
#include "ui/SkinButton.h"

namespace {

template <typename Widget>
Widget* Place(Widget* widget, int id, QRect rect) {
    widget->setObjectName(QString::number(id));
    widget->setGeometry(rect);
    return widget;
}

}  // namespace

std::string FormatHms(std::int64_t seconds) {
    return FormatClock(std::max<std::int64_t>(seconds, 0));
}

CDVDAuthorProcessDlg::CDVDAuthorProcessDlg(std::uint32_t jobFlags, QWidget* parent)
    : QDialog(parent), job_(jobFlags) {
    setWindowTitle("Process in progress...");
    setFixedSize(DialogX(477), DialogY(365));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    handle_ = platform::RegisterWindow(*this, QtDispatcher::Instance());
    SetOwnerWidget(handle_, this);
    job_.window = handle_;
    job_.conversionBar = handle_;

    choosePicture = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(owner, QString(), QString(),
                                            "Picture Files (*.bmp *.jpg)")
            .toStdString();
    };
    chooseFolder = [](QWidget* owner, const QString& title) {
        std::string folder;
        if (BrowseForFolder(owner, folder, title.toStdString(), std::string()) != 0)
            folder.clear();
        return folder;
    };

    CreateControls();
    FillDriveList();
    LoadFields();
    ApplyLayoutForJob();
    skin::RemoveWindowSkin(startButton_);
    SetBusyLook(false);
}

void CDVDAuthorProcessDlg::CreateControls() {
    startButton_ = Place(new CxSkinButton(this, CxSkinButton::BS_DEFPUSHBUTTON), IDC_START,
                         DialogRect(328, 131, 54, 27));
    startButton_->setDefault(true);
    connect(startButton_, &QPushButton::clicked, this, [this] { OnStartButton(); });

    logEdit_ = Place(new QPlainTextEdit(this), IDC_LOG, DialogRect(19, 166, 362, 42));
    logEdit_->setReadOnly(true);
    logEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    logEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    hiddenButton_ = Place(new QPushButton(this), IDC_HIDDEN_BUTTON, DialogRect(328, 42, 50, 14));
    hiddenButton_->hide();

    // The radio buttons are wider than their resource so that the captions fit
    // the platform's font.
    ntscRadio_ = Place(new QRadioButton("NTSC DVD", this), IDC_NTSC, DialogRect(139, 94, 70, 10));
    palRadio_ = Place(new QRadioButton("PAL DVD", this), IDC_PAL, DialogRect(267, 94, 70, 10));
    auto* tvGroup = new QButtonGroup(this);
    tvGroup->addButton(ntscRadio_, 0);
    tvGroup->addButton(palRadio_, 1);

    workingFolderEdit_ =
        Place(new QLineEdit(this), IDC_WORKING_FOLDER, DialogRect(139, 107, 144, 13));
    workingFolderEdit_->setReadOnly(true);
    browseButton_ =
        Place(new QPushButton("Browse...", this), IDC_BROWSE, DialogRect(296, 105, 50, 14));
    connect(browseButton_, &QPushButton::clicked, this, [this] { OnBrowse(); });

    convertBar_ = Place(new QProgressBar(this), IDC_CONVERT_BAR, DialogRect(140, 132, 180, 9));
    burnBar_ = Place(new QProgressBar(this), IDC_BURN_BAR, DialogRect(140, 147, 180, 9));
    for (QProgressBar* bar : {convertBar_, burnBar_}) {
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
    }

    labelEdit_ = Place(new QLineEdit(this), IDC_LABEL, DialogRect(139, 58, 78, 13));

    const struct {
        const char* caption;
        int id;
        QLabel** value;
        int x, y;
    } figures[] = {
        {"Time used:", IDC_TIME_USED, &timeUsedText_, 83, 292},
        {"Time reserved:", IDC_TIME_LEFT, &timeLeftText_, 224, 292},
        {"Convert time:", IDC_CONVERT_TIME, &convertTimeText_, 83, 307},
        {"Speed:", IDC_SPEED, &speedText_, 224, 307},
    };
    for (const auto& figure : figures) {
        auto* caption = new QLabel(figure.caption, this);
        caption->setGeometry(DialogRect(figure.x, figure.y, 68, 8));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *figure.value =
            Place(new QLabel(this), figure.id, DialogRect(figure.x + 76, figure.y, 68, 8));
        figureLabels_.push_back(caption);
        figureLabels_.push_back(*figure.value);
    }

    wideRadio_ =
        Place(new QRadioButton("16:9", this), IDC_ASPECT_16_9, DialogRect(139, 81, 50, 10));
    standardRadio_ =
        Place(new QRadioButton("4:3", this), IDC_ASPECT_4_3, DialogRect(267, 81, 50, 10));
    auto* aspectGroup = new QButtonGroup(this);
    aspectGroup->addButton(wideRadio_, 0);
    aspectGroup->addButton(standardRadio_, 1);

    deviceCombo_ = Place(new QComboBox(this), IDC_DRIVES, DialogRect(139, 43, 186, 12));
    unusedCombo_ = Place(new QComboBox(this), IDC_UNUSED_LIST, DialogRect(279, 7, 73, 12));
    unusedCombo_->hide();

    if (!skin::Loaded()) {
        AddFieldCaption(IDC_DRIVES, "Drive:", 45);
        AddFieldCaption(IDC_LABEL, "Volume label:", 60);
        AddFieldCaption(IDC_ASPECT_16_9, "Aspect ratio:", 81);
        AddFieldCaption(IDC_NTSC, "TV standard:", 94);
        AddFieldCaption(IDC_WORKING_FOLDER, "Working folder:", 109);
        AddFieldCaption(IDC_CONVERT_BAR, "Converting:", 131);
        AddFieldCaption(IDC_BURN_BAR, "Burning:", 146);
    }
}

void CDVDAuthorProcessDlg::AddFieldCaption(int controlId, const char* text, int y) {
    auto* caption = new QLabel(text, this);
    caption->setGeometry(DialogRect(60, y, 74, 10));
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fieldCaptions_[controlId] = caption;
}

void CDVDAuthorProcessDlg::FillDriveList() {
    const std::shared_ptr<IDiscBurner>& burner = App().theBurner;
    std::int32_t count = 0;
    if (burner)
        burner->GetDeviceCount(&count);
    if (count <= 0) {
        platform::MessageBox(handle_, "No DVD Device found!", "Error", platform::MB_ICONERROR);
        return;
    }
    int selected = -1;
    for (std::int32_t index = 0; index < count; ++index) {
        char name[1024] = {};
        std::int32_t result = 0;
        burner->GetDeviceName(index, name, sizeof name, &result);
        deviceCombo_->addItem(QString::fromUtf8(name));
        BurnerDeviceInfo info{};
        if (burner->GetDeviceInfo(&info, index, &result) >= 0 && info.CanBurn())
            selected = index;  // a later capable drive wins
    }
    deviceCombo_->setCurrentIndex(selected >= 0 ? selected : 0);
}

void CDVDAuthorProcessDlg::LoadFields() {
    const CXMLAccess& options = App().theOptions;
    labelText_ = options.GetValue(keys::DVD_DISC_VOLUME);
    workingFolderText_ = options.GetValue(keys::WORKING_FOLDER);
    aspectRatio_ = ReadIntOption(options, keys::VIDEO_ASPECT_RATIO);
    tvStandard_ = ReadIntOption(options, keys::TARGET_DVD_TYPE);
    FieldsToControls();
}

void CDVDAuthorProcessDlg::ApplyLayoutForJob() {
    skin::RemoveWindowSkin(this);
    const bool fullJob = job_.jobFlags.load() == (JOB_CONVERT | JOB_MENUS | JOB_BURN);
    if (fullJob) {
        skin::ApplyShape(this, "shape_page_03");
        return;
    }
    for (int id : {IDC_CONVERT_BAR, IDC_NTSC, IDC_PAL, IDC_WORKING_FOLDER, IDC_BROWSE,
                   IDC_ASPECT_16_9, IDC_ASPECT_4_3}) {
        if (QWidget* control = findChild<QWidget*>(QString::number(id)))
            control->hide();
        if (auto caption = fieldCaptions_.find(id); caption != fieldCaptions_.end())
            caption->second->hide();
    }
    for (QLabel* label : figureLabels_)
        label->hide();  // a burn converts nothing
    skin::ApplyShape(this, "shape_page03_burn");
    MoveControl(startButton_, 3, 93);
    MoveControl(burnBar_, 30, 110);
    if (auto caption = fieldCaptions_.find(IDC_BURN_BAR); caption != fieldCaptions_.end())
        MoveControl(caption->second, 30, 110);
    // The moved button and bar would cover the log; the log goes below them.
    const int logTop =
        std::max(startButton_->geometry().bottom(), burnBar_->geometry().bottom()) + DialogY(6);
    MoveControl(logEdit_, 0, std::max(0, logTop - logEdit_->y()));
}

void CDVDAuthorProcessDlg::MoveControl(QWidget* control, int dx, int dy) {
    control->move(control->pos() + QPoint(dx, dy));
    control->update();
}

void CDVDAuthorProcessDlg::ControlsToFields() {
    labelText_ = labelEdit_->text().toStdString();
    workingFolderText_ = workingFolderEdit_->text().toStdString();
    tvStandard_ = ntscRadio_->isChecked() ? 0 : palRadio_->isChecked() ? 1 : -1;
    aspectRatio_ = wideRadio_->isChecked() ? 0 : standardRadio_->isChecked() ? 1 : -1;
}

void CDVDAuthorProcessDlg::FieldsToControls() {
    labelEdit_->setText(QString::fromStdString(labelText_));
    workingFolderEdit_->setText(QString::fromStdString(workingFolderText_));
    ntscRadio_->setChecked(tvStandard_ == 0);
    palRadio_->setChecked(tvStandard_ == 1);
    wideRadio_->setChecked(aspectRatio_ == 0);
    standardRadio_->setChecked(aspectRatio_ == 1);
}

void CDVDAuthorProcessDlg::OnBrowse() {
    ControlsToFields();
    std::string folder = chooseFolder(this, "Working folder(atleast 10GB of free space)");
    if (folder.empty())
        return;
    burnBar_->setRange(0, 100);
    if (folder.back() != '/')
        folder += '/';
    workingFolderText_ = folder;
    App().theOptions.SetValue(keys::WORKING_FOLDER, workingFolderText_);
    FieldsToControls();
}

int RunProgressDialog(std::uint32_t jobFlags, QWidget* parent) {
    CDVDAuthorProcessDlg dialog(jobFlags, parent);
    return dialog.exec();
}
