#include "ui/BrowseForFolder.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "platform/Files.h"

namespace {

std::string WithoutTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

}  // namespace

FolderChooser::FolderChooser(QWidget* owner, const QString& title, std::string requiredFile)
    : QFileDialog(owner, title), requiredFile_(std::move(requiredFile)) {
    // Qt's own dialog: the confirm button must be reachable to enable it.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::ShowDirsOnly, true);
    setFileMode(QFileDialog::Directory);
    setAcceptMode(QFileDialog::AcceptOpen);
    // The dialog updates its button itself on many changes; ours runs after,
    // and whenever the dialog enables the button again.
    auto later = [this] { QTimer::singleShot(0, this, [this] { UpdateConfirm(); }); };
    connect(this, &QFileDialog::currentChanged, this, later);
    connect(this, &QFileDialog::directoryEntered, this, later);
    if (auto* edit = findChild<QLineEdit*>("fileNameEdit"))
        connect(edit, &QLineEdit::textChanged, this, later);
    if (auto* list = findChild<QAbstractItemView*>("listView"); list && list->selectionModel())
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, later);
    if (auto* model = findChild<QFileSystemModel*>()) {
        connect(model, &QFileSystemModel::rootPathChanged, this, later);
        connect(model, &QFileSystemModel::directoryLoaded, this, later);
    }
    if (QPushButton* button = ConfirmButton())
        button->installEventFilter(this);
    later();
}

bool FolderChooser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::EnabledChange && watched == ConfirmButton() &&
        ConfirmButton()->isEnabled())
        QTimer::singleShot(0, this, [this] { UpdateConfirm(); });
    return QFileDialog::eventFilter(watched, event);
}

std::string FolderChooser::Candidate() const {
    const QStringList selected = selectedFiles();
    if (selected.isEmpty() || selected.first().isEmpty())
        return {};
    return WithoutTrailingSlash(selected.first().toStdString());
}

bool FolderChooser::Holds(const std::string& folder) const {
    if (folder.empty() || !platform::IsFolder(folder))
        return false;
    if (requiredFile_.empty())
        return true;
    std::string path = folder;
    if (path.back() != '/')
        path += '/';
    return platform::PathExists(path + requiredFile_);
}

QPushButton* FolderChooser::ConfirmButton() const {
    auto* box = findChild<QDialogButtonBox*>();
    if (!box)
        return nullptr;
    QPushButton* button = box->button(QDialogButtonBox::Open);
    return button ? button : box->button(QDialogButtonBox::Save);
}

void FolderChooser::UpdateConfirm() {
    if (QPushButton* button = ConfirmButton())
        button->setEnabled(Holds(Candidate()));
}

void FolderChooser::accept() {
    // Enter in the name field or a double click must not get past the check.
    if (!Holds(Candidate())) {
        UpdateConfirm();
        return;
    }
    QFileDialog::accept();
}

int BrowseForFolder(QWidget* owner, std::string& output, const std::string& title,
                    const std::string& requiredFile, const std::string& startIn) {
    output.clear();
    FolderChooser chooser(owner, QString::fromStdString(title), requiredFile);
    const QString start = QString::fromStdString(startIn);
    chooser.setDirectory(!start.isEmpty() && QFileInfo(start).isDir() ? start : QDir::homePath());
    if (chooser.exec() != QDialog::Accepted)
        return 0;
    const QStringList selected = chooser.selectedFiles();
    if (!selected.isEmpty())
        output = WithoutTrailingSlash(selected.first().toStdString());
    return 0;
}
