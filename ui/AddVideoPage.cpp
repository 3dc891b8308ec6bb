#include "ui/AddVideoPage.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QUrl>

#include "app/ProjectFile.h"
#include "app/QuorvaApp.h"
#include "media/Estimate.h"
#include "media/Probe.h"
#include "pipeline/DiscAudio.h"
#include "pipeline/DroppedSubtitles.h"
#include "pipeline/RootMenuPages.h"
#include "platform/MessageBox.h"
#include "settings/Options.h"
#include "ui/AddVideoPageProbing.h"
#include "ui/DialogUnits.h"
#include "ui/Dialogs.h"
#include "ui/MacSliderCtrl.h"
#include "ui/MenuPreviewDialog.h"
#include "ui/QtDispatcher.h"
#include "ui/QtMessagePresenter.h"
#include "ui/UserInterface.h"

namespace {

constexpr std::uint32_t kFullJob = 7;  // convert, menus and burn
constexpr int kPictureWidth = 128;
constexpr int kPictureHeight = 96;
constexpr const char* kMediaFilter =
    "Media Files(*.mpg;*.mpeg;*.avi;*.rm;*.rmvb;*.mp4;*.mov;*.asf;*.wmv;*.vob)|"
    "*.mpg;*.mpeg;*.avi;*.rm;*.rmvb;*.mp4;*.mov;*.asf;*.wmv;*.vob;"
    "*.mkv;*.m4v;*.webm;*.ts;*.m2ts;*.mts;*.flv;*.3gp;*.ogv||";
// The filter's name as the user reads it, before its patterns.
constexpr const char* kMediaFilesName = QT_TRANSLATE_NOOP("CDVDAuthorAddDlg", "Media Files");

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
        QString name = parts[i];
        if (name.startsWith(kMediaFilesName))
            name.replace(0, int(std::strlen(kMediaFilesName)),
                         QCoreApplication::translate("CDVDAuthorAddDlg", kMediaFilesName));
        result << name + " (" + patterns.join(' ') + ")";
    }
    return result;
}

// The thumbnail as the list shows it, opaque: dark footage keeps its dark
// pixels (a colour key on black would let the row's background through).
QPixmap ListPicture(const QImage& thumbnail) {
    return QPixmap::fromImage(
        thumbnail.scaled(kPictureWidth, kPictureHeight).convertToFormat(QImage::Format_RGB32));
}

// Where a row's name line is, beside its picture.
QRect NameLine(const QRect& row) {
    return QRect(row.left() + kPictureWidth + 5 + 10, row.top() + 2,
                 row.width() - kPictureWidth - 5 - 12, 18);
}

// Draws a row: the picture, and beside it the video's name and the four
// description lines. F2 edits the name in place.
class RowDelegate : public QStyledItemDelegate {
  public:
    RowDelegate(QListWidget* list, const std::vector<QPixmap>& pictures,
                std::function<void(int row, const QString& name)> rename)
        : QStyledItemDelegate(list), list_(list), pictures_(pictures), rename_(std::move(rename)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->setObjectName("nameEditor");
        editor->setToolTip(
            QCoreApplication::translate("CDVDAuthorAddDlg",
                                        "The name under the video's picture in the menu (empty: "
                                        "the file's name)"));
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = static_cast<QLineEdit*>(editor);
        line->setText(index.data(CDVDAuthorAddDlg::kNameRole).toString());
        line->selectAll();
    }
    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        rename_(index.row(), static_cast<QLineEdit*>(editor)->text());
    }
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex&) const override {
        editor->setGeometry(NameLine(option.rect).adjusted(-4, -1, 0, 2));
    }

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

        // A video of a project that could not be read: its facts in red, a
        // crossed frame where its picture would be.
        const bool marked = !index.data(CDVDAuthorAddDlg::kProblemRole).toString().isEmpty();
        QColor background = palette.color(QPalette::Base);
        QColor text = marked ? QColor(190, 0, 0) : palette.color(QPalette::ButtonText);
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
        } else if (marked) {
            const QRect frame = icon.adjusted(8, 8, -8, -8);
            painter->fillRect(frame, palette.color(QPalette::Window));
            painter->setPen(QPen(QColor(190, 0, 0), 2));
            painter->drawRect(frame);
            painter->drawLine(frame.topLeft(), frame.bottomRight());
            painter->drawLine(frame.bottomLeft(), frame.topRight());
        }

        QFont font("Terminal");
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(16);
        font.setWeight(QFont::Normal);
        painter->setFont(font);
        painter->setPen(text);
        const QString info = index.data(Qt::DisplayRole).toString();
        const QStringList pieces = info.split('\n');
        // The name first, in bold; the description lines under it.
        const QRect nameLine = NameLine(row);
        QFont bold = font;
        bold.setBold(true);
        painter->setFont(bold);
        painter->drawText(
            nameLine, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            painter->fontMetrics().elidedText(index.data(CDVDAuthorAddDlg::kNameRole).toString(),
                                              Qt::ElideMiddle, nameLine.width() - 4));
        painter->setFont(font);
        // Only pieces that ended in a line feed are lines.
        for (int i = 0; i + 1 < pieces.size(); ++i) {
            QRect lineRect(QPoint(label.left() + 10, nameLine.bottom() + 1 + 18 * i),
                           QPoint(label.right(), label.bottom() + 60));
            // A long path keeps its file name in sight.
            const QString line =
                painter->fontMetrics().elidedText(pieces[i], Qt::ElideMiddle, lineRect.width() - 4);
            painter->drawText(lineRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line);
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
    std::function<void(int row, const QString& name)> rename_;
};

}  // namespace

CDVDAuthorAddDlg::CDVDAuthorAddDlg(std::uint32_t jobFlags, QWidget* parent)
    : QDialog(parent), jobFlags_(jobFlags) {
    setObjectName(QString::number(IDD));
    setWindowTitle(tr("Add video"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    setAcceptDrops(true);

    list_ = new QListWidget(this);
    list_->setObjectName(QString::number(IDC_LIST_VIDEO));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->setItemDelegate(new RowDelegate(
        list_, pictures_, [this](int row, const QString& name) { RenameRow(row, name); }));
    list_->setEditTriggers(QAbstractItemView::EditKeyPressed);

    // The buttons in the order of the page; Alt with the underlined letter
    // presses them (the skin keeps the same letters).
    QPushButton* add = MakeButton(IDC_ADD, tr("&Add"), tr("Add videos"));
    QPushButton* remove =
        MakeButton(IDC_REMOVE, tr("&Remove"), tr("Remove the selected video (Delete)"));
    QPushButton* clear = MakeButton(IDC_CLEAR, tr("&Clear"), tr("Remove all videos"));
    QPushButton* next = MakeButton(IDC_NEXT, tr("&Next"), tr("Next"));
    QPushButton* up = MakeButton(IDC_MOVE_UP, QString::fromUtf8("\u25B2"),
                                 tr("Move the selected video up (Alt+Up)"));
    QPushButton* down = MakeButton(IDC_MOVE_DOWN, QString::fromUtf8("\u25BC"),
                                   tr("Move the selected video down (Alt+Down)"));
    discButton_ = MakeButton(IDC_DISC_TYPE, {}, tr("Switch disc type (Alt+D)"));
    // Captioned with or without a skin: a skin older than them has no label
    // for them.
    QPushButton* openProject =
        MakeButton(IDC_OPEN_PROJECT, {}, tr("Open a project: its videos and choices (Ctrl+O)"));
    openProject->setText(tr("&Open project…"));
    QPushButton* saveProject = MakeButton(
        IDC_SAVE_PROJECT, {}, tr("Save the videos and the choices as a project (Ctrl+S)"));
    saveProject->setText(tr("&Save project…"));
    QPushButton* preview = MakeButton(
        IDC_PREVIEW_MENUS, {}, tr("Show the disc's menus for these videos, before converting"));
    preview->setText(tr("&Preview menus…"));
    next->setDefault(true);

    gauge_ = new CMacSliderCtrl(this);
    gauge_->setObjectName(QString::number(IDC_GAUGE));
    gauge_->setTickPosition(QSlider::TicksAbove);
    gauge_->setTickInterval(0);
    gauge_->setEnabled(false);

    connect(add, &QPushButton::clicked, this, [this] { OnAdd(); });
    connect(remove, &QPushButton::clicked, this, [this] { OnRemove(); });
    connect(clear, &QPushButton::clicked, this, [this] { OnClear(); });
    connect(next, &QPushButton::clicked, this, [this] { OnNext(); });
    connect(up, &QPushButton::clicked, this, [this] { OnMoveUp(); });
    connect(down, &QPushButton::clicked, this, [this] { OnMoveDown(); });
    connect(discButton_, &QPushButton::clicked, this, [this] { OnSwitchDiscType(); });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* row) { OnFindVideo(list_->row(row)); });
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QListWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { OnTrackMenu(at); });
    connect(openProject, &QPushButton::clicked, this, [this] { OnOpenProject(); });
    connect(saveProject, &QPushButton::clicked, this, [this] { OnSaveProject(); });
    connect(preview, &QPushButton::clicked, this, [this] { OnPreviewMenus(); });

    // Keys of their own; the move buttons carry arrows, not letters.
    auto* del = new QShortcut(QKeySequence::Delete, list_, [this] { OnRemove(); });
    del->setContext(Qt::WidgetShortcut);
    auto shortcut = [this](QKeyCombination key, QPushButton* button) {
        new QShortcut(QKeySequence(key), this, [button] {
            if (button->isVisible())
                button->click();
        });
    };
    shortcut(Qt::ALT | Qt::Key_Up, up);
    shortcut(Qt::ALT | Qt::Key_Down, down);
    // Alt+D is the disc button's own letter ("&DVD-5"): a shortcut of the
    // same key would make both ambiguous, and Qt then only moves the focus.
    shortcut(Qt::CTRL | Qt::Key_O, openProject);
    shortcut(Qt::CTRL | Qt::Key_S, saveProject);

    LayOut();
    // Top to bottom, left to right; the move buttons sit under Clear.
    QWidget::setTabOrder(openProject, saveProject);
    QWidget::setTabOrder(saveProject, preview);
    QWidget::setTabOrder(preview, discButton_);
    QWidget::setTabOrder(discButton_, list_);
    QWidget::setTabOrder(list_, add);
    QWidget::setTabOrder(add, remove);
    QWidget::setTabOrder(remove, clear);
    QWidget::setTabOrder(clear, up);
    QWidget::setTabOrder(up, down);
    QWidget::setTabOrder(down, next);
    add->setFocus();

    // Opens on DVD-5 with the gauge set for it.
    OnSwitchDiscType();
    EstimateDiscUsage();

    // The page's look comes from the skin's shape for it.
    if (jobFlags_ == kFullJob) {
        ApplySkinShape(this, "shape_page_02");
    } else {
        gauge_->hide();
        discButton_->hide();
        preview->hide();  // a job without menus
        up->hide();
        down->hide();
        ApplySkinShape(this, "shape_page_convert_add");
    }

    handle_ = platform::RegisterWindow(*this, QtDispatcher::Instance());
    SetOwnerWidget(handle_, this);
}

CDVDAuthorAddDlg::~CDVDAuthorAddDlg() {
    SetOwnerWidget(handle_, nullptr);
    platform::UnregisterWindow(handle_);
}

void CDVDAuthorAddDlg::LayOut() {
    // The page's proportions: the gauge across the top with the disc button
    // over its right end, the list taking every spare pixel, the buttons in a
    // row under it and the move buttons under Clear.
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(DialogX(15), DialogY(7), DialogX(15), DialogY(4));
    page->setSpacing(DialogY(3));

    // The project buttons at the left of the disc button's line.
    auto* top = new QHBoxLayout;
    top->setSpacing(DialogX(4));
    for (int id : {IDC_OPEN_PROJECT, IDC_SAVE_PROJECT, IDC_PREVIEW_MENUS})
        top->addWidget(findChild<QPushButton*>(QString::number(id)));
    top->addStretch(1);
    top->addWidget(discButton_);
    top->addSpacing(DialogX(334 - 316));
    page->addLayout(top);

    gauge_->setMinimumHeight(DialogY(16));
    gauge_->setMinimumWidth(DialogX(200));
    page->addWidget(gauge_);

    // Wide enough for a row's picture and its facts, tall enough for a row.
    list_->setMinimumSize(DialogX(300), kPictureHeight + 2 * list_->frameWidth() + 2);
    page->addWidget(list_, 1);
    page->addSpacing(DialogY(4));

    auto* buttons = new QGridLayout;
    buttons->setHorizontalSpacing(DialogX(8));
    buttons->setVerticalSpacing(DialogY(2));
    const int ids[] = {IDC_ADD, IDC_REMOVE, IDC_CLEAR};
    for (int column = 0; column < 3; ++column) {
        auto* button = findChild<QPushButton*>(QString::number(ids[column]));
        button->setMinimumWidth(DialogX(50));
        buttons->addWidget(button, 0, column);
    }
    buttons->setColumnStretch(3, 1);
    auto* next = findChild<QPushButton*>(QString::number(IDC_NEXT));
    next->setMinimumWidth(DialogX(50));
    buttons->addWidget(next, 0, 4);
    buttons->addItem(new QSpacerItem(DialogX(383 - 309 - 15), 0), 0, 5);

    auto* moves = new QVBoxLayout;
    moves->setSpacing(DialogY(2));
    for (int id : {IDC_MOVE_UP, IDC_MOVE_DOWN}) {
        // Small arrow buttons, as wide as two text lines are tall.
        auto* button = findChild<QPushButton*>(QString::number(id));
        button->setFixedWidth(std::max(DialogX(16), 2 * button->fontMetrics().height()));
        moves->addWidget(button, 0, Qt::AlignRight);
    }
    buttons->addLayout(moves, 1, 2, Qt::AlignRight);
    page->addLayout(buttons);

    // Starts at the page's own proportions with room for a third row, within
    // the screen and never below what the contents need.
    QSize start = DialogRect(0, 0, 383, 242).size() + QSize(0, kPictureHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        start = start.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(start.expandedTo(minimumSizeHint()));
}

QPushButton* CDVDAuthorAddDlg::MakeButton(int id, const QString& caption, const QString& tip) {
    // Without a skin the buttons say what they do.
    auto* button = new QPushButton(SkinLoaded() ? QString() : caption, this);
    button->setObjectName(QString::number(id));
    button->setToolTip(tip);
    return button;
}

void CDVDAuthorAddDlg::UpdateDiscButton() {
    // The disc button names the chosen disc type, with or without a skin.
    discButton_->setText(QString("&") + DiscTypeAt(discIndex_).name);
}

void CDVDAuthorAddDlg::OnAdd() {
    CQuorvaApp& app = App();
    const QString recent = QString::fromStdString(app.theOptions.GetValue(keys::RECENT_OPEN));
    QFileDialog dialog(this, tr("Open"), recent);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(FileDialogFilters(kMediaFilter));
    if (dialog.exec() != QDialog::Accepted)
        return;
    AddFiles(dialog.selectedFiles());
}

void CDVDAuthorAddDlg::AddFiles(const QStringList& paths) {
    if (paths.isEmpty() || reading_)
        return;
    // One project opens; its videos come first, the other files after them.
    QString project;
    QStringList videos;
    QStringList refused;
    for (const QString& path : paths) {
        if (!IsProjectFile(path.toStdString()))
            videos << path;
        else if (project.isEmpty())
            project = path;
        else
            refused << tr("%1: only one project opens at a time.").arg(path);
    }
    if (!project.isEmpty() && !OpenProject(project))
        return;
    if (!videos.isEmpty()) {
        RememberVideoFolder(videos.front());
        std::vector<std::string> files;
        for (const QString& path : videos)
            files.push_back(path.toStdString());
        refused << ReadIntoRows(files, false);
    }
    ReportRefused(refused);
}

void CDVDAuthorAddDlg::ReportRefused(const QStringList& refused) {
    if (refused.isEmpty())
        return;
    const QString heading =
        refused.size() == 1 ? tr("This file was not added:") : tr("These files were not added:");
    platform::MessageBox(handle_, (heading + "\n\n" + refused.join("\n\n")).toStdString(),
                         tr("Add video").toStdString(),
                         platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

QStringList CDVDAuthorAddDlg::ReadIntoRows(const std::vector<std::string>& files, bool keepUnread,
                                           int intoRow) {
    CQuorvaApp& app = App();
    QStringList refused;
    std::size_t delivered = 0;
    reading_ = true;
    ProbeProgressDlg reader(files, app.theProgramFolder, this);
    reader.Run([&](std::size_t index, ProbeResult&& probe) {
        delivered = index + 1;
        if (!probe.error.empty()) {
            if (keepUnread)
                AppendMarkedRow(files[index], probe.reason);
            else
                refused << tr("%1: %2.").arg(QString::fromStdString(files[index]),
                                             QString::fromStdString(probe.reason));
            return;
        }
        NameMediaItem(probe.item, App().theOptions.GetValue(keys::WORKING_FOLDER),
                      App().TakeRunningNumber());
        const int marked = intoRow >= 0 ? intoRow : MarkedRow(files[index]);
        if (marked >= 0)
            probe.item.name = ItemOf(list_->item(marked))->name;
        AppendRow(std::move(probe));
        if (marked >= 0) {
            // The video found again takes the place its project gave it.
            QListWidgetItem* found = list_->takeItem(list_->count() - 1);
            DropRow(marked);
            list_->insertItem(marked, found);
        }
    });
    reading_ = false;
    // After Cancel, the videos of a project not read yet keep their places.
    for (std::size_t i = delivered; keepUnread && i < files.size(); ++i)
        AppendMarkedRow(files[i], tr("it was not read: reading was cancelled").toStdString());
    ShowNames();
    EstimateDiscUsage();
    return refused;
}

void CDVDAuthorAddDlg::OnFindVideo(int row) {
    if (reading_ || row < 0 || row >= list_->count() ||
        list_->item(row)->data(kProblemRole).toString().isEmpty())
        return;
    const QString lost = QString::fromStdString(ItemOf(list_->item(row))->sourcePath);
    QString folder = lost.left(lost.lastIndexOf('/'));
    if (!QFileInfo(folder).isDir())
        folder = QString::fromStdString(App().theOptions.GetValue(keys::RECENT_OPEN));
    QFileDialog dialog(this, tr("Find %1").arg(lost.mid(lost.lastIndexOf('/') + 1)), folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(FileDialogFilters(kMediaFilter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString found = dialog.selectedFiles().front();
    RememberVideoFolder(found);
    ReportRefused(ReadIntoRows({found.toStdString()}, false, row));
}

void CDVDAuthorAddDlg::AppendRow(ProbeResult&& probe) {
    // A video without a thumbnail gets no picture rather than another
    // video's.
    int picture = -1;
    if (!probe.thumbnail.isNull()) {
        pictures_.push_back(ListPicture(probe.thumbnail));
        picture = int(pictures_.size()) - 1;
    }
    if (auto dropped = droppedAudio_.find(probe.item.sourcePath); dropped != droppedAudio_.end())
        DropAudioTracks(probe.item, dropped->second);
    if (auto dropped = droppedSubtitles_.find(probe.item.sourcePath);
        dropped != droppedSubtitles_.end())
        DropSubtitles(probe.item, dropped->second);
    const QString tip = RowText(probe.item).trimmed();
    // The new video is shown, however long the list.
    list_->scrollToItem(AddItemRow(std::move(probe.item), picture, tip));
    EstimateDiscUsage();
}

QListWidgetItem* CDVDAuthorAddDlg::AddItemRow(MediaItem&& item, int picture, const QString& tip) {
    items_.push_back(std::move(item));
    auto* row = new QListWidgetItem(RowText(items_.back()), list_);
    row->setData(kPictureRole, picture);
    row->setData(kItemRole, QVariant::fromValue(reinterpret_cast<quintptr>(&items_.back())));
    row->setToolTip(tip);
    row->setFlags(row->flags() | Qt::ItemIsEditable);
    ShowNames();
    return row;
}

void CDVDAuthorAddDlg::RenameRow(int row, const QString& name) {
    if (row < 0 || row >= list_->count())
        return;
    const MediaItem* shown = ItemOf(list_->item(row));
    for (MediaItem& item : items_)
        if (&item == shown)
            item.name = name.trimmed().toStdString();
    ShowNames();
}

void CDVDAuthorAddDlg::ShowNames() {
    const std::vector<std::string> names = VideoNames(RowItems());
    for (int row = 0; row < list_->count(); ++row)
        list_->item(row)->setData(kNameRole, QString::fromStdString(names[row]));
}

void CDVDAuthorAddDlg::RememberVideoFolder(const QString& file) {
    App().theOptions.SetValue(keys::RECENT_OPEN, file.left(file.lastIndexOf('/')).toStdString());
}

void CDVDAuthorAddDlg::OnRemove() {
    const int row = list_->currentRow();
    if (row < 0 || !list_->item(row)->isSelected())
        return;
    DropRow(row);
    if (list_->count() > 0) {
        const int next = std::min(row, list_->count() - 1);
        list_->setCurrentRow(next, QItemSelectionModel::ClearAndSelect);
    }
    EstimateDiscUsage();
}

void CDVDAuthorAddDlg::OnClear() {
    if (list_->count() > 0 && !Confirm(tr("Remove all videos from the list?")))
        return;
    ClearRows();
}

void CDVDAuthorAddDlg::ClearRows() {
    App().theMediaList.clear();
    list_->clear();
    items_.clear();
    pictures_.clear();
    EstimateDiscUsage();
}

void CDVDAuthorAddDlg::SwapRows(int row, int other) {
    QListWidgetItem* a = list_->item(row);
    QListWidgetItem* b = list_->item(other);
    for (int role :
         {int(Qt::DisplayRole), int(Qt::ToolTipRole), kPictureRole, kItemRole, kProblemRole}) {
        const QVariant value = a->data(role);
        a->setData(role, b->data(role));
        b->setData(role, value);
    }
    // The selection follows the video.
    const bool selected = a->isSelected();
    list_->setCurrentRow(
        other, selected ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate);
    list_->scrollToItem(b);
    ShowNames();  // a name told apart by a number follows the order
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
    ShowDiscType();
}

void CDVDAuthorAddDlg::ShowDiscType() {
    const DiscType& disc = DiscTypeAt(discIndex_);
    gauge_->SetRange(0, disc.gaugeEndMB, false);
    gauge_->SetPos(disc.limitMB);
    gauge_->update();
    UpdateDiscButton();
    // "Fit to disc" chooses its rate for the disc, so its estimate follows it.
    if (ReadIntOption(App().theOptions, keys::VIDEO_QUALITY_MODE) >= kFitToDiscQuality)
        EstimateDiscUsage();
}

MediaList CDVDAuthorAddDlg::RowItems() const {
    MediaList result;
    for (int i = 0; i < list_->count(); ++i)
        result.push_back(*ItemOf(list_->item(i)));
    return result;
}

const MediaItem* CDVDAuthorAddDlg::ItemOf(const QListWidgetItem* row) {
    return reinterpret_cast<const MediaItem*>(row->data(kItemRole).value<quintptr>());
}

void CDVDAuthorAddDlg::DropRow(int row) {
    QListWidgetItem* gone = list_->takeItem(row);
    const MediaItem* item = ItemOf(gone);
    delete gone;
    items_.remove_if([item](const MediaItem& candidate) { return &candidate == item; });
    ShowNames();
}

bool CDVDAuthorAddDlg::EstimateDiscUsage() {
    const int quality = ReadIntOption(App().theOptions, keys::VIDEO_QUALITY_MODE);
    const MediaList items = RowItems();
    const double estimate =
        EstimateDiscUsageMB(items, VideoKbpsFor(quality, items, DiscTypeAt(discIndex_)));
    gauge_->SetSelection(0, int(estimate));
    gauge_->update();
    return gauge_->GetPos() >= estimate;
}

void CDVDAuthorAddDlg::OnNext() {
    CQuorvaApp& app = App();
    app.theMediaList.clear();
    // A video of a project that is not there cannot go on the disc.
    for (int row = 0; row < list_->count(); ++row) {
        const QString problem = list_->item(row)->data(kProblemRole).toString();
        if (problem.isEmpty())
            continue;
        list_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        list_->scrollToItem(list_->item(row));
        platform::MessageBox(handle_, problem.toStdString(), tr("Add video").toStdString(),
                             platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return;
    }
    if (jobFlags_ == kFullJob && !EstimateDiscUsage()) {
        const DiscType& disc = DiscTypeAt(discIndex_);
        const QString question =
            tr("A %1 disc should not greater than %2 MB. Are you sure to continue ?")
                .arg(QString::fromUtf8(disc.name))
                .arg(disc.limitMB);
        if (platform::MessageBox(handle_, question.toStdString(), tr("Warnning").toStdString(),
                                 platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES)
            return;
    }
    app.theMediaList = RowItems();
    if (list_->count() > 0) {
        RunProgressDialog(jobFlags_, this, discIndex_);
        EstimateDiscUsage();  // the quality may have been chosen there
        return;
    }
    if (platform::MessageBox(handle_, tr("No file added, do you want do it now?").toStdString(),
                             tr("Information").toStdString(),
                             platform::MB_YESNO | platform::MB_ICONINFORMATION) == platform::IDYES)
        OnAdd();
}

void CDVDAuthorAddDlg::OnPreviewMenus() {
    if (reading_)
        return;
    ShowMenuPreview(this, handle_, RowItems(), discIndex_);
}

bool CDVDAuthorAddDlg::Confirm(const QString& question) {
    return platform::MessageBox(handle_, question.toStdString(), tr("Add video").toStdString(),
                                platform::MB_YESNO | platform::MB_ICONQUESTION) == platform::IDYES;
}

QStringList CDVDAuthorAddDlg::RowSources() const {
    QStringList sources;
    for (int i = 0; i < list_->count(); ++i)
        sources << QString::fromStdString(ItemOf(list_->item(i))->sourcePath);
    return sources;
}

void CDVDAuthorAddDlg::reject() {
    const int count = list_->count();
    // The list is asked about unless the program is being ended (logout, kill)
    // or it is the project just saved or opened.
    const bool kept = !savedSources_.isEmpty() && savedSources_ == RowSources();
    if (count > 0 && !EndingOnRequest() && !kept &&
        !Confirm(count == 1
                     ? tr("Close the page and discard the video of the list?")
                     : tr("Close the page and discard the %1 videos of the list?").arg(count)))
        return;
    QDialog::reject();
}

namespace {

// The local files among dropped things, in their order.
QStringList DroppedFiles(const QMimeData* data) {
    QStringList files;
    if (data && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile())
                files << url.toLocalFile();
        }
    }
    return files;
}

}  // namespace

void CDVDAuthorAddDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!reading_ && !DroppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CDVDAuthorAddDlg::dropEvent(QDropEvent* event) {
    const QStringList files = DroppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    AddFiles(files);
}

int RunAddVideoPage(std::uint32_t jobFlags, QWidget* parent) {
    CDVDAuthorAddDlg page(jobFlags, parent);
    return page.exec();
}
