// The progress window: its controls, the drive list, the fields it keeps in
// the options and the working-folder chooser.
#include "ui/ProgressDialog.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string_view>

#include "app/QuorvaApp.h"
#include "components/skin/Skin.h"
#include "engines/DiscBurner.h"
#include "media/Estimate.h"
#include "platform/MessageBox.h"
#include "settings/Options.h"
#include "ui/BrowseForFolder.h"
#include "ui/DesktopOpen.h"
#include "ui/DialogUnits.h"
#include "ui/Dialogs.h"
#include "ui/MenuPreviewDialog.h"
#include "ui/OptionsDialog.h"
#include "ui/QtDispatcher.h"
#include "ui/QtMessagePresenter.h"
#include "ui/SkinButton.h"

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

template <typename Widget>
Widget* Named(Widget* widget, int id) {
    return Named(widget, QString::number(id));
}

}  // namespace

std::string FormatHms(std::int64_t seconds) {
    return FormatClock(std::max<std::int64_t>(seconds, 0));
}

CDVDAuthorProcessDlg::CDVDAuthorProcessDlg(std::uint32_t jobFlags, QWidget* parent, int discType)
    : QDialog(parent),
      jobFlags_(jobFlags),
      fullJob_(jobFlags == (JOB_CONVERT | JOB_MENUS | JOB_BURN)),
      discType_(discType) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    handle_ = platform::RegisterWindow(*this, QtDispatcher::Instance());
    SetOwnerWidget(handle_, this);

    choosePicture = [](QWidget* owner) { return ChooseMenuPicture(owner); };
    chooseFolder = [this](QWidget* owner, const QString& title) {
        std::string folder;
        if (BrowseForFolder(owner, folder, title.toStdString(), std::string(),
                            workingFolderEdit_->text().toStdString()) != 0)
            folder.clear();
        return folder;
    };
    openFolder = [this](const std::string& folder) {
        // A failure may be told after this returns (see OpenOnDesktop).
        OpenOnDesktop(QUrl::fromLocalFile(QString::fromStdString(folder)), this,
                      [this, folder](const QString& reason) {
                          ReportUnopenedFolder(folder, reason.toStdString());
                      });
        return true;
    };

    CreateControls();
    FillDriveList();
    LoadFields();
    ApplyLayoutForJob();
    skin::RemoveWindowSkin(startButton_);
    SetBusyLook(false);
    // The window opens on its first field, not on the default button, where
    // Space would start a job unseen.
    deviceCombo_->setFocus();

    // The design's size is the starting size, within the screen.
    QSize size(DialogX(477), DialogY(365));
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size.expandedTo(minimumSizeHint()));
}

QLabel* CDVDAuthorProcessDlg::FieldCaption(int controlId, const QString& text, QWidget* buddy) {
    auto* caption = new QLabel(text, this);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setBuddy(buddy);
    fieldCaptions_[controlId] = caption;
    return caption;
}

void CDVDAuthorProcessDlg::CreateControls() {
    // The controls in the order of the design; the layout below places them.
    startButton_ = Named(new CxSkinButton(this, CxSkinButton::BS_DEFPUSHBUTTON), IDC_START);
    startButton_->setDefault(true);
    startButton_->setMinimumSize(DialogX(54), DialogY(27));
    startButton_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(startButton_, &QPushButton::clicked, this, [this] { OnStartButton(); });

    logEdit_ = Named(new QPlainTextEdit(this), IDC_LOG);
    logEdit_->setReadOnly(true);
    logEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    logEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    logEdit_->setMinimumHeight(DialogY(42));

    hiddenButton_ = Named(new QPushButton(this), IDC_HIDDEN_BUTTON);
    hiddenButton_->hide();

    ntscRadio_ = Named(new QRadioButton(tr("NTSC DVD"), this), IDC_NTSC);
    palRadio_ = Named(new QRadioButton(tr("PAL DVD"), this), IDC_PAL);
    auto* tvGroup = new QButtonGroup(this);
    tvGroup->addButton(ntscRadio_, 0);
    tvGroup->addButton(palRadio_, 1);

    workingFolderEdit_ = Named(new QLineEdit(this), IDC_WORKING_FOLDER);
    workingFolderEdit_->setReadOnly(true);
    workingFolderEdit_->setMinimumWidth(DialogX(144));
    browseButton_ = Named(new QPushButton(tr("Browse..."), this), IDC_BROWSE);
    connect(browseButton_, &QPushButton::clicked, this, [this] { OnBrowse(); });

    convertBar_ = Named(new QProgressBar(this), IDC_CONVERT_BAR);
    burnBar_ = Named(new QProgressBar(this), IDC_BURN_BAR);
    for (QProgressBar* bar : {convertBar_, burnBar_}) {
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        bar->setMinimumWidth(DialogX(180));
    }

    labelEdit_ = Named(new QLineEdit(this), IDC_LABEL);
    labelEdit_->setMinimumWidth(DialogX(78));

    const struct {
        const char* caption;
        int id;
        QLabel** value;
    } figures[] = {
        {QT_TR_NOOP("Time used:"), IDC_TIME_USED, &timeUsedText_},
        {QT_TR_NOOP("Time reserved:"), IDC_TIME_LEFT, &timeLeftText_},
        {QT_TR_NOOP("Convert time:"), IDC_CONVERT_TIME, &convertTimeText_},
        {QT_TR_NOOP("Speed:"), IDC_SPEED, &speedText_},
    };
    auto* figureGrid = new QGridLayout;
    int figureIndex = 0;
    for (const auto& figure : figures) {
        auto* caption = new QLabel(tr(figure.caption), this);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *figure.value = Named(new QLabel(this), figure.id);
        (*figure.value)->setMinimumWidth(DialogX(40));
        figureGrid->addWidget(caption, figureIndex / 2, (figureIndex % 2) * 2);
        figureGrid->addWidget(*figure.value, figureIndex / 2, (figureIndex % 2) * 2 + 1);
        figureLabels_.push_back(caption);
        figureLabels_.push_back(*figure.value);
        ++figureIndex;
    }
    figureGrid->setColumnStretch(1, 1);
    figureGrid->setColumnStretch(3, 1);

    wideRadio_ = Named(new QRadioButton("16:9", this), IDC_ASPECT_16_9);
    standardRadio_ = Named(new QRadioButton("4:3", this), IDC_ASPECT_4_3);
    auto* aspectGroup = new QButtonGroup(this);
    aspectGroup->addButton(wideRadio_, 0);
    aspectGroup->addButton(standardRadio_, 1);

    deviceCombo_ = Named(new QComboBox(this), IDC_DRIVES);
    deviceCombo_->setMinimumWidth(DialogX(186));
    // The speeds DVD writers offer; the drive takes its nearest.
    burnSpeedCombo_ = Named(new QComboBox(this), kBurnSpeedName);
    burnSpeedCombo_->addItem(tr("The drive's best"), 0);
    for (int speed : {1, 2, 4, 6, 8, 12, 16, 24})
        burnSpeedCombo_->addItem(QString("%1x").arg(speed), speed);
    unusedCombo_ = Named(new QComboBox(this), IDC_UNUSED_LIST);
    unusedCombo_->hide();

    // Beyond the design: the quality of the conversion, the folder a burn
    // takes, and what the last run made.
    qualityCombo_ = Named(new QComboBox(this), kQualityName);
    for (const Quality& quality : QualityTable)
        qualityCombo_->addItem(
            QString::fromStdString(platform::Translate("Quality", quality.label)));
    estimateText_ = Named(new QLabel(this), kEstimateName);
    connect(qualityCombo_, &QComboBox::currentIndexChanged, this, [this] { ShowEstimate(); });
    burnFolderText_ = Named(new QLabel(this), kBurnFolderName);
    burnFolderText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    burnFolderText_->setWordWrap(true);
    resultBox_ = Named(new QFrame(this), kResultBoxName);
    resultBox_->setFrameShape(QFrame::StyledPanel);
    resultText_ = Named(new QLabel(resultBox_), kResultName);
    resultText_->setWordWrap(true);
    resultText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    openFolderButton_ = Named(new QPushButton(tr("&Open Folder"), resultBox_), kOpenFolderName);
    connect(openFolderButton_, &QPushButton::clicked, this, [this] { OnOpenFolder(); });
    auto* resultRow = new QHBoxLayout(resultBox_);
    resultRow->addWidget(resultText_, 1);
    resultRow->addWidget(openFolderButton_, 0, Qt::AlignVCenter);
    resultBox_->hide();

    // Beyond the design too: what the menus show and how the disc plays.
    discTitleEdit_ = Named(new QLineEdit(this), kDiscTitleName);
    chapterMinutesSpin_ = Named(new QSpinBox(this), kChapterMinutesName);
    chapterMinutesSpin_->setRange(0, 999);
    chapterMinutesSpin_->setSuffix(tr(" min"));
    chapterMinutesSpin_->setSpecialValueText(tr("one per video"));
    afterEachCombo_ = Named(new QComboBox(this), kAfterEachName);
    afterEachCombo_->addItem(tr("Play the next video"));
    afterEachCombo_->addItem(tr("Return to the menu"));
    previewButton_ = Named(new QPushButton(tr("&Preview menus..."), this), kPreviewName);
    connect(previewButton_, &QPushButton::clicked, this, [this] { OnPreviewMenus(); });

    // Fields on the left, captions before them; the start button beside the
    // bars, the log and the figures below.
    auto* fields = new QGridLayout;
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(2, 1);
    int row = 0;
    auto addRow = [&](int id, const QString& text, QWidget* first, QWidget* second = nullptr,
                      QWidget* third = nullptr) {
        fields->addWidget(FieldCaption(id, text, first), row, 0);
        if (second == nullptr) {
            fields->addWidget(first, row, 1, 1, third ? 2 : 3);
        } else {
            fields->addWidget(first, row, 1);
            fields->addWidget(second, row, 2, 1, third ? 1 : 2);
        }
        if (third)
            fields->addWidget(third, row, 3);
        ++row;
    };
    addRow(IDC_DRIVES, tr("&Drive:"), deviceCombo_);
    addRow(kBurnSpeedId, tr("&Burn speed:"), burnSpeedCombo_);
    addRow(IDC_LABEL, tr("&Volume label:"), labelEdit_);
    addRow(kDiscTitleId, tr("Disc &title:"), discTitleEdit_);
    addRow(kBurnFolderId, tr("DVD folder:"), burnFolderText_);
    addRow(IDC_ASPECT_16_9, tr("Aspect ratio:"), wideRadio_, standardRadio_);
    addRow(IDC_NTSC, tr("TV standard:"), ntscRadio_, palRadio_);
    addRow(kQualityId, tr("&Quality:"), qualityCombo_, estimateText_);
    // The minutes take the width of the quality's list, not the whole row.
    fields->addWidget(FieldCaption(kChapterMinutesId, tr("&Chapters every:"), chapterMinutesSpin_),
                      row, 0);
    fields->addWidget(chapterMinutesSpin_, row, 1);
    ++row;
    addRow(kAfterEachId, tr("&After each video:"), afterEachCombo_, nullptr, previewButton_);
    addRow(IDC_WORKING_FOLDER, tr("Working folder:"), workingFolderEdit_, nullptr, browseButton_);
    fields->addWidget(FieldCaption(IDC_CONVERT_BAR, tr("Converting:"), convertBar_), row, 0);
    fields->addWidget(convertBar_, row, 1, 1, 2);
    fields->addWidget(startButton_, row, 3, 2, 1, Qt::AlignCenter);
    ++row;
    fields->addWidget(FieldCaption(IDC_BURN_BAR, tr("Burning:"), burnBar_), row, 0);
    fields->addWidget(burnBar_, row, 1, 1, 2);

    auto* page = new QVBoxLayout(this);
    page->addLayout(fields);
    page->addWidget(logEdit_, 1);
    page->addWidget(resultBox_);
    page->addLayout(figureGrid);

    // Tab follows the fields from top to bottom, then the start button, the
    // log and what the run made.
    QWidget* order[] = {deviceCombo_,       burnSpeedCombo_,     labelEdit_,      discTitleEdit_,
                        wideRadio_,         standardRadio_,      ntscRadio_,      palRadio_,
                        qualityCombo_,      chapterMinutesSpin_, afterEachCombo_, previewButton_,
                        workingFolderEdit_, browseButton_,       startButton_,    logEdit_,
                        openFolderButton_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void CDVDAuthorProcessDlg::FillDriveList() {
    const std::shared_ptr<IDiscBurner>& burner = App().theBurner;
    std::int32_t count = 0;
    if (burner)
        burner->GetDeviceCount(&count);
    if (count <= 0) {
        platform::MessageBox(handle_, tr("No DVD Device found!").toStdString(),
                             tr("Error").toStdString(), platform::MB_ICONERROR);
        return;
    }
    // A drive that can burn is chosen (a later one wins); the disc image
    // device, which can always "burn", only when there is none.
    int selected = -1;
    int image = -1;
    for (std::int32_t index = 0; index < count; ++index) {
        char name[1024] = {};
        std::int32_t result = 0;
        burner->GetDeviceName(index, name, sizeof name, &result);
        // The image device is named in the user's language; drives by their maker.
        const bool isImage = std::string_view(name) == kImageDeviceName;
        deviceCombo_->addItem(QString::fromStdString(
            isImage ? platform::Translate("DiscBurner", kImageDeviceName) : std::string(name)));
        BurnerDeviceInfo info{};
        if (burner->GetDeviceInfo(&info, index, &result) < 0 || !info.CanBurn())
            continue;
        if (std::string_view(name) == kImageDeviceName)
            image = index;
        else
            selected = index;
    }
    deviceCombo_->setCurrentIndex(selected >= 0 ? selected : image >= 0 ? image : 0);
}

void CDVDAuthorProcessDlg::LoadFields() {
    const CXMLAccess& options = App().theOptions;
    labelText_ = options.GetValue(keys::DVD_DISC_VOLUME);
    workingFolderText_ = options.GetValue(keys::WORKING_FOLDER);
    aspectRatio_ = ReadIntOption(options, keys::VIDEO_ASPECT_RATIO);
    tvStandard_ = ReadIntOption(options, keys::TARGET_DVD_TYPE);
    burnSpeed_ = std::clamp(ReadNewIntOption(options, keys::BURN_SPEED, 0), 0, int(kMaxDvdSpeed));
    quality_ = std::clamp(ReadIntOption(options, keys::VIDEO_QUALITY_MODE), 0,
                          static_cast<int>(QualityTable.size()) - 1);
    discTitle_ = options.GetValue(keys::DISC_TITLE);
    chapterMinutes_ = std::clamp(ReadNewIntOption(options, keys::CHAPTER_MINUTES, 5), 0, 999);
    afterEach_ = ReadNewIntOption(options, keys::AFTER_EACH_VIDEO, 0) == 1 ? 1 : 0;
    FieldsToControls();
    burnFolderText_->setText(QString::fromStdString(App().theDvdFolder));
}

void CDVDAuthorProcessDlg::ShowEstimate() {
    const MediaList& list = App().theMediaList;
    if (list.empty() || qualityCombo_->currentIndex() < 0) {
        estimateText_->clear();
        return;
    }
    const double megabytes = EstimateDiscUsageMB(
        list, VideoKbpsFor(qualityCombo_->currentIndex(), list, DiscTypeAt(discType_)));
    // Whole megabytes cut as the add page's gauge cuts them, so that both
    // windows show the same figure.
    estimateText_->setText(tr("about %1 MB on the disc").arg(static_cast<long long>(megabytes)));
}

void CDVDAuthorProcessDlg::ApplyLayoutForJob() {
    skin::RemoveWindowSkin(this);
    const bool fullJob = jobFlags_ == (JOB_CONVERT | JOB_MENUS | JOB_BURN);
    if (fullJob) {
        fieldCaptions_[kBurnFolderId]->hide();
        burnFolderText_->hide();
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
    // A burn converts nothing and makes no menus: no quality, estimate,
    // figures, title, chapters or ends of videos.
    for (QWidget* widget : std::initializer_list<QWidget*>{
             qualityCombo_, estimateText_, fieldCaptions_[kQualityId], discTitleEdit_,
             fieldCaptions_[kDiscTitleId], chapterMinutesSpin_, fieldCaptions_[kChapterMinutesId],
             afterEachCombo_, fieldCaptions_[kAfterEachId], previewButton_})
        widget->hide();
    for (QLabel* label : figureLabels_)
        label->hide();
    skin::ApplyShape(this, "shape_page03_burn");
}

void CDVDAuthorProcessDlg::ControlsToFields() {
    labelText_ = labelEdit_->text().toStdString();
    workingFolderText_ = workingFolderEdit_->text().toStdString();
    tvStandard_ = ntscRadio_->isChecked() ? 0 : palRadio_->isChecked() ? 1 : -1;
    aspectRatio_ = wideRadio_->isChecked() ? 0 : standardRadio_->isChecked() ? 1 : -1;
    quality_ = qualityCombo_->currentIndex();
    discTitle_ = discTitleEdit_->text().toStdString();
    chapterMinutes_ = chapterMinutesSpin_->value();
    afterEach_ = afterEachCombo_->currentIndex();
    burnSpeed_ = burnSpeedCombo_->currentData().toInt();
}

void CDVDAuthorProcessDlg::FieldsToControls() {
    labelEdit_->setText(QString::fromStdString(labelText_));
    workingFolderEdit_->setText(QString::fromStdString(workingFolderText_));
    qualityCombo_->setCurrentIndex(quality_);
    discTitleEdit_->setText(QString::fromStdString(discTitle_));
    chapterMinutesSpin_->setValue(chapterMinutes_);
    afterEachCombo_->setCurrentIndex(afterEach_);
    // A speed the list lacks (written in the options file by hand) joins it.
    if (burnSpeedCombo_->findData(burnSpeed_) < 0)
        burnSpeedCombo_->addItem(QString("%1x").arg(burnSpeed_), burnSpeed_);
    burnSpeedCombo_->setCurrentIndex(burnSpeedCombo_->findData(burnSpeed_));
    ntscRadio_->setChecked(tvStandard_ == 0);
    palRadio_->setChecked(tvStandard_ == 1);
    wideRadio_->setChecked(aspectRatio_ == 0);
    standardRadio_->setChecked(aspectRatio_ == 1);
}

void CDVDAuthorProcessDlg::OnBrowse() {
    ControlsToFields();
    std::string folder = chooseFolder(this, tr("Working folder(atleast 10GB of free space)"));
    if (folder.empty())
        return;
    burnBar_->setRange(0, 100);
    if (folder.back() != '/')
        folder += '/';
    workingFolderText_ = folder;
    App().theOptions.SetValue(keys::WORKING_FOLDER, workingFolderText_);
    FieldsToControls();
}

void CDVDAuthorProcessDlg::OnPreviewMenus() {
    // The preview shows the choices made here, which count from now on as
    // they do when the window is closed.
    ControlsToFields();
    KeepChoices();
    ShowMenuPreview(this, handle_, App().theMediaList, discType_);
}

int RunProgressDialog(std::uint32_t jobFlags, QWidget* parent, int discType) {
    CDVDAuthorProcessDlg dialog(jobFlags, parent, discType);
    return dialog.exec();
}
