#include "ui/AddVideoPage.h"

#include <QApplication>
#include <QBitmap>
#include <QFileDialog>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

#include "app/QuorvaApp.h"
#include "media/Estimate.h"
#include "media/Probe.h"
#include "platform/MessageBox.h"
#include "settings/Options.h"
#include "ui/DialogUnits.h"
#include "ui/Dialogs.h"
#include "ui/MacSliderCtrl.h"
#include "ui/QtDispatcher.h"
#include "ui/QtMessagePresenter.h"
#include "ui/UserInterface.h"

namespace {

constexpr std::uint32_t kFullJob = 7;  // convert, menus and burn
constexpr int kPictureWidth = 128;
constexpr int kPictureHeight = 96;
constexpr const char* kMediaFilter =
    "Media Files(*.mpg;*.mpeg;*.avi;*.rm;*.rmvb;*.mp4;*.mov;*.asf;*.wmv;*.vob)|"
    "*.mpg;*.mpeg;*.avi;*.rm;*.rmvb;*.mp4;*.mov;*.asf;*.wmv;*.vob||";

// "Description|*.a;*.b||" as the file dialog's filters. The patterns are
// hidden behind the description, and they match either letter case.
QStringList FileDialogFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        const QStringList given = patterns;
        for (const QString& pattern : given) {
            if (pattern.toUpper() != pattern)
                patterns << pattern.toUpper();
        }
        result << parts[i] + " (" + patterns.join(' ') + ")";
    }
    return result;
}

// The thumbnail as the list shows it: 16-bit colour, pure black transparent.
QPixmap ListPicture(const QImage& thumbnail) {
    QImage image = thumbnail.scaled(kPictureWidth, kPictureHeight)
                       .convertToFormat(QImage::Format_RGB16)
                       .convertToFormat(QImage::Format_RGB32);
    QPixmap picture = QPixmap::fromImage(image);
    picture.setMask(QBitmap::fromImage(image.createMaskFromColor(qRgb(0, 0, 0), Qt::MaskInColor)));
    return picture;
}

// Draws a row: the picture, and the four description lines beside it.
class RowDelegate : public QStyledItemDelegate {
  public:
    RowDelegate(QListWidget* list, const std::vector<QPixmap>& pictures)
        : QStyledItemDelegate(list), list_(list), pictures_(pictures) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return QSize(kPictureWidth + 4, kPictureHeight + 1);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPalette& palette = option.palette;
        const bool selected = option.state & QStyle::State_Selected;
        const bool listFocus = list_->hasFocus();
        const QRect row = option.rect;
        const QRect icon(row.left() + 2, row.top(), kPictureWidth, kPictureHeight);
        const QRect label(icon.right() + 3, row.top(), row.right() - icon.right() - 2,
                          row.height() - 1);
        painter->save();

        QColor background = palette.color(QPalette::Base);
        QColor text = palette.color(QPalette::ButtonText);
        if (selected && listFocus) {
            background = palette.color(QPalette::Highlight);
            text = palette.color(QPalette::HighlightedText);
        } else if (selected) {
            background = palette.color(QPalette::Button);
        }
        painter->fillRect(row.adjusted(0, 0, 0, -1), palette.color(QPalette::Base));
        painter->fillRect(label, background);

        const int pictureIndex = index.data(CDVDAuthorAddDlg::kPictureRole).toInt();
        if (pictureIndex >= 0 && pictureIndex < int(pictures_.size())) {
            const QPixmap& picture = pictures_[pictureIndex];
            if (selected && listFocus) {
                QPixmap blended = picture;
                QPainter p(&blended);
                p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
                QColor tint = palette.color(QPalette::Highlight);
                tint.setAlpha(64);
                p.fillRect(blended.rect(), tint);
                p.end();
                painter->drawPixmap(icon.topLeft(), blended);
            } else {
                painter->drawPixmap(icon.topLeft(), picture);
            }
        }

        QFont font("Terminal");
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(16);
        font.setWeight(QFont::Normal);
        painter->setFont(font);
        painter->setPen(text);
        const QString info = index.data(Qt::DisplayRole).toString();
        const QStringList pieces = info.split('\n');
        // Only pieces that ended in a line feed are lines.
        for (int i = 0; i + 1 < pieces.size(); ++i) {
            QRect lineRect(QPoint(label.left() + 10, label.top() + 20 * i + 5),
                           QPoint(label.right(), label.bottom() + 60));
            painter->drawText(lineRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                              pieces[i]);
        }

        // Grid line under the row.
        painter->setPen(palette.color(QPalette::Midlight));
        painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());

        if (listFocus && (option.state & QStyle::State_HasFocus)) {
            painter->setPen(QPen(text, 1, Qt::DotLine));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(label.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

  private:
    QListWidget* list_;
    const std::vector<QPixmap>& pictures_;
};

}  // namespace

CDVDAuthorAddDlg::CDVDAuthorAddDlg(std::uint32_t jobFlags, QWidget* parent)
    : QDialog(parent), jobFlags_(jobFlags) {
    setObjectName(QString::number(IDD));
    setWindowTitle("Add video");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(DialogRect(0, 0, 383, 242).size());

    list_ = new QListWidget(this);
    list_->setObjectName(QString::number(IDC_LIST_VIDEO));
    list_->setGeometry(DialogRect(23, 49, 360, 124));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setItemDelegate(new RowDelegate(list_, pictures_));

    MakeButton(IDC_ADD, DialogRect(19, 199, 50, 14), "Add", "Add videos");
    MakeButton(IDC_REMOVE, DialogRect(77, 199, 50, 14), "Remove", "Remove the selected video");
    MakeButton(IDC_CLEAR, DialogRect(133, 199, 50, 14), "Clear", "Remove all videos");
    MakeButton(IDC_NEXT, DialogRect(259, 199, 50, 14), "Next", "Next");
    MakeButton(IDC_MOVE_UP, DialogRect(167, 218, 16, 6), QString::fromUtf8("\u25B2"), "Move up");
    MakeButton(IDC_MOVE_DOWN, DialogRect(167, 232, 16, 8), QString::fromUtf8("\u25BC"),
               "Move down");
    discButton_ = MakeButton(IDC_DISC_TYPE, DialogRect(281, 7, 35, 16), {}, "Switch disc type");

    gauge_ = new CMacSliderCtrl(this);
    gauge_->setObjectName(QString::number(IDC_GAUGE));
    gauge_->setGeometry(DialogRect(15, 28, 319, 16));
    gauge_->setTickPosition(QSlider::TicksAbove);
    gauge_->setTickInterval(0);
    gauge_->setEnabled(false);

    connect(findChild<QPushButton*>(QString::number(IDC_ADD)), &QPushButton::clicked, this,
            [this] { OnAdd(); });
    connect(findChild<QPushButton*>(QString::number(IDC_REMOVE)), &QPushButton::clicked, this,
            [this] { OnRemove(); });
    connect(findChild<QPushButton*>(QString::number(IDC_CLEAR)), &QPushButton::clicked, this,
            [this] { OnClear(); });
    connect(findChild<QPushButton*>(QString::number(IDC_NEXT)), &QPushButton::clicked, this,
            [this] { OnNext(); });
    connect(findChild<QPushButton*>(QString::number(IDC_MOVE_UP)), &QPushButton::clicked, this,
            [this] { OnMoveUp(); });
    connect(findChild<QPushButton*>(QString::number(IDC_MOVE_DOWN)), &QPushButton::clicked, this,
            [this] { OnMoveDown(); });
    connect(discButton_, &QPushButton::clicked, this, [this] { OnSwitchDiscType(); });

    // Opens on DVD-5 with the gauge set for it.
    OnSwitchDiscType();
    EstimateDiscUsage();

    // The page's look comes from the skin's shape for it.
    if (jobFlags_ == kFullJob) {
        ApplySkinShape(this, "shape_page_02");
    } else {
        gauge_->hide();
        discButton_->hide();
        findChild<QPushButton*>(QString::number(IDC_MOVE_UP))->hide();
        findChild<QPushButton*>(QString::number(IDC_MOVE_DOWN))->hide();
        ApplySkinShape(this, "shape_page_convert_add");
    }

    handle_ = platform::RegisterWindow(*this, QtDispatcher::Instance());
    SetOwnerWidget(handle_, this);
}

CDVDAuthorAddDlg::~CDVDAuthorAddDlg() {
    SetOwnerWidget(handle_, nullptr);
    platform::UnregisterWindow(handle_);
}

QPushButton* CDVDAuthorAddDlg::MakeButton(int id, const QRect& rect, const QString& caption,
                                          const QString& tip) {
    // Without a skin the buttons say what they do.
    auto* button = new QPushButton(SkinLoaded() ? QString() : caption, this);
    button->setObjectName(QString::number(id));
    button->setGeometry(rect);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

void CDVDAuthorAddDlg::UpdateDiscButton() {
    // The disc button names the chosen disc type, with or without a skin.
    discButton_->setText(DiscTypeAt(discIndex_).name);
}

void CDVDAuthorAddDlg::OnAdd() {
    CQuorvaApp& app = App();
    const QString recent = QString::fromStdString(app.theOptions.GetValue(keys::RECENT_OPEN));
    QFileDialog dialog(this, "Open", recent);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(FileDialogFilters(kMediaFilter));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return;
    const QString first = files.front();
    app.theOptions.SetValue(keys::RECENT_OPEN, first.left(first.lastIndexOf('/')).toStdString());
    AddFiles(files);
}

void CDVDAuthorAddDlg::AddFiles(const QStringList& paths) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const QString& path : paths) {
        ProbeResult probe = ProbeMediaFile(path.toStdString());
        if (!probe.error.empty()) {
            QApplication::restoreOverrideCursor();
            platform::MessageBox(handle_, probe.error, "Error",
                                 platform::MB_OK | platform::MB_ICONERROR);
            QApplication::setOverrideCursor(Qt::WaitCursor);
            continue;
        }
        // A video without a thumbnail gets no picture rather than another
        // video's.
        int picture = -1;
        if (!probe.thumbnail.isNull()) {
            pictures_.push_back(ListPicture(probe.thumbnail));
            picture = int(pictures_.size()) - 1;
        }
        items_.push_back(std::move(probe.item));
        MediaItem& item = items_.back();
        auto* row = new QListWidgetItem(QString::fromStdString(item.infoText), list_);
        row->setData(kPictureRole, picture);
        row->setData(kItemRole, QVariant::fromValue(reinterpret_cast<quintptr>(&item)));
        EstimateDiscUsage();
    }
    QApplication::restoreOverrideCursor();
}

void CDVDAuthorAddDlg::OnRemove() {
    const int row = list_->currentRow();
    if (row < 0 || !list_->item(row)->isSelected())
        return;
    QListWidgetItem* gone = list_->takeItem(row);
    const auto* item = reinterpret_cast<const MediaItem*>(gone->data(kItemRole).value<quintptr>());
    delete gone;
    items_.remove_if([item](const MediaItem& candidate) { return &candidate == item; });
    if (list_->count() > 0) {
        const int next = std::min(row, list_->count() - 1);
        list_->setCurrentRow(next, QItemSelectionModel::ClearAndSelect);
    }
    EstimateDiscUsage();
}

void CDVDAuthorAddDlg::OnClear() {
    App().theMediaList.clear();
    list_->clear();
    items_.clear();
    pictures_.clear();
    EstimateDiscUsage();
}

void CDVDAuthorAddDlg::SwapRows(int row, int other) {
    QListWidgetItem* a = list_->item(row);
    QListWidgetItem* b = list_->item(other);
    for (int role : {int(Qt::DisplayRole), kPictureRole, kItemRole}) {
        const QVariant value = a->data(role);
        a->setData(role, b->data(role));
        b->setData(role, value);
    }
    // The selection follows the video.
    const bool selected = a->isSelected();
    list_->setCurrentRow(
        other, selected ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate);
    list_->scrollToItem(b);
}

void CDVDAuthorAddDlg::OnMoveUp() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = list_->row(selected.front());
    if (row > 0)
        SwapRows(row, row - 1);
}

void CDVDAuthorAddDlg::OnMoveDown() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = list_->row(selected.front());
    if (row + 1 < list_->count())
        SwapRows(row, row + 1);
}

void CDVDAuthorAddDlg::OnSwitchDiscType() {
    discIndex_ = discIndex_ == 0 ? 1 : 0;
    const DiscType& disc = DiscTypeAt(discIndex_);
    gauge_->SetRange(0, disc.gaugeEndMB, false);
    gauge_->SetPos(disc.limitMB);
    gauge_->update();
    UpdateDiscButton();
}

MediaList CDVDAuthorAddDlg::RowItems() const {
    MediaList result;
    for (int i = 0; i < list_->count(); ++i) {
        const auto* item =
            reinterpret_cast<const MediaItem*>(list_->item(i)->data(kItemRole).value<quintptr>());
        result.push_back(*item);
    }
    return result;
}

bool CDVDAuthorAddDlg::EstimateDiscUsage() {
    const int quality = ReadIntOption(App().theOptions, keys::VIDEO_QUALITY_MODE);
    const double estimate = EstimateDiscUsageMB(RowItems(), QualityAt(quality).videoKbps);
    gauge_->SetSelection(0, int(estimate));
    gauge_->update();
    return gauge_->GetPos() >= estimate;
}

void CDVDAuthorAddDlg::OnNext() {
    CQuorvaApp& app = App();
    app.theMediaList.clear();
    if (jobFlags_ == kFullJob && !EstimateDiscUsage()) {
        const DiscType& disc = DiscTypeAt(discIndex_);
        char question[256];
        std::snprintf(question, sizeof question,
                      "A %s disc should not greater than %d MB. Are you sure to continue ?",
                      disc.name, disc.limitMB);
        if (platform::MessageBox(handle_, question, "Warnning",
                                 platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES)
            return;
    }
    app.theMediaList = RowItems();
    if (list_->count() > 0) {
        RunProgressDialog(jobFlags_, this);
        return;
    }
    if (platform::MessageBox(handle_, "No file added, do you want do it now?", "Information",
                             platform::MB_YESNO | platform::MB_ICONINFORMATION) == platform::IDYES)
        OnAdd();
}

int RunAddVideoPage(std::uint32_t jobFlags, QWidget* parent) {
    CDVDAuthorAddDlg page(jobFlags, parent);
    return page.exec();
}
