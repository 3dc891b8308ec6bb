// The add-video page's project commands: a list saved with the choices that
// make its disc, and opened again, with the videos that cannot be read kept
// in their places as marked rows.
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>

#include "app/ProjectFile.h"
#include "app/QuorvaApp.h"
#include "pipeline/DiscAudio.h"
#include "pipeline/DroppedSubtitles.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "settings/Options.h"
#include "ui/AddVideoPage.h"

namespace {

constexpr const char* kProjectFilter =
    QT_TRANSLATE_NOOP("CDVDAuthorAddDlg", "Quorva projects (*.quorva *.QUORVA)");

// The folder of a file, without a trailing slash, as RECENT_OPEN keeps one.
std::string FolderOfFile(const QString& path) {
    return QFileInfo(path).absolutePath().toStdString();
}

// The file dialog for projects, starting in folder; the chosen file, or
// empty after Cancel. Saving, a name without an ending gets the project's.
QString ChooseProjectFile(QWidget* owner, const QString& title, const QString& folder, bool save) {
    QFileDialog dialog(owner, title, folder);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(QCoreApplication::translate("CDVDAuthorAddDlg", kProjectFilter));
    if (save)
        dialog.setDefaultSuffix(QString(kProjectExtension).mid(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

}  // namespace

QString CDVDAuthorAddDlg::ProjectFolder() const {
    QString folder = QString::fromStdString(App().theOptions.GetValue(keys::LAST_PROJECT_FOLDER));
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QString::fromStdString(App().theOptions.GetValue(keys::RECENT_OPEN));
    return folder;
}

void CDVDAuthorAddDlg::OnOpenProject() {
    if (reading_)
        return;
    const QString path = ChooseProjectFile(this, tr("Open project"), ProjectFolder(), false);
    if (!path.isEmpty())
        OpenProject(path);
}

void CDVDAuthorAddDlg::OnSaveProject() {
    if (reading_)
        return;
    QString path = ChooseProjectFile(this, tr("Save project"), ProjectFolder(), true);
    if (path.isEmpty())
        return;
    // A name with another ending ("disc.v2") still gets the project's; the
    // dialog asked about replacing only the name it was given.
    if (!IsProjectFile(path.toStdString())) {
        path += kProjectExtension;
        if (QFileInfo::exists(path) &&
            platform::MessageBox(handle_,
                                 tr("%1 already exists. Replace it?").arg(path).toStdString(),
                                 tr("Save project").toStdString(),
                                 platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES)
            return;
    }
    SaveProjectAs(path);
}

bool CDVDAuthorAddDlg::SaveProjectAs(const QString& path) {
    std::vector<std::string> videos;
    std::vector<std::vector<int>> dropped;
    std::vector<std::vector<int>> droppedSubtitles;
    std::vector<std::string> names;
    for (const MediaItem& item : RowItems()) {
        videos.push_back(item.sourcePath);
        dropped.push_back(DroppedAudioTracks(item));
        droppedSubtitles.push_back(DroppedSubtitles(item));
        names.push_back(item.name);
    }
    Project project = ProjectOf(App().theOptions, videos, discIndex_, names);
    project.droppedAudio = std::move(dropped);
    project.droppedSubtitles = std::move(droppedSubtitles);
    if (platform::Result<void> saved = SaveProject(path.toStdString(), project); !saved) {
        platform::MessageBox(handle_, saved.error(), tr("Save project").toStdString(),
                             platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return false;
    }
    App().theOptions.SetValue(keys::LAST_PROJECT_FOLDER, FolderOfFile(path));
    savedSources_ = RowSources();
    return true;
}

bool CDVDAuthorAddDlg::OpenProject(const QString& path) {
    if (reading_)
        return false;
    platform::Result<Project> project = LoadProject(path.toStdString());
    if (!project) {
        platform::MessageBox(handle_, project.error(), tr("Open project").toStdString(),
                             platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return false;
    }
    const int count = list_->count();
    const QString name = QFileInfo(path).fileName();
    if (count > 0 &&
        platform::MessageBox(
            handle_,
            (count == 1
                 ? tr("Replace the video of the list with the videos of the project %1?").arg(name)
                 : tr("Replace the %1 videos of the list with the videos of the project %2?")
                       .arg(count)
                       .arg(name))
                .toStdString(),
            tr("Open project").toStdString(),
            platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES)
        return false;

    if (const std::string later = LaterVersionNotice(*project, path.toStdString()); !later.empty())
        platform::MessageBox(handle_, later, "Open project",
                             platform::MB_OK | platform::MB_ICONINFORMATION);
    App().theOptions.SetValue(keys::LAST_PROJECT_FOLDER, FolderOfFile(path));
    ClearRows();
    // The project's choices become the user's, as if chosen in the options;
    // its disc type is the page's.
    ApplyProjectChoices(*project, App().theOptions);
    if (project->discType && (*project->discType == 0 || *project->discType == 1)) {
        discIndex_ = *project->discType;
        ShowDiscType();
    }
    droppedAudio_.clear();
    droppedSubtitles_.clear();
    for (std::size_t i = 0; i < project->videos.size() && i < project->droppedAudio.size(); ++i)
        droppedAudio_[project->videos[i]] = project->droppedAudio[i];
    for (std::size_t i = 0; i < project->videos.size() && i < project->droppedSubtitles.size(); ++i)
        droppedSubtitles_[project->videos[i]] = project->droppedSubtitles[i];
    ReadIntoRows(project->videos, true);
    droppedAudio_.clear();
    droppedSubtitles_.clear();
    NameProjectRows(project->videos, project->videoNames);
    savedSources_ = RowSources();
    return true;
}

void CDVDAuthorAddDlg::NameProjectRows(const std::vector<std::string>& videos,
                                       const std::vector<std::string>& names) {
    for (int row = 0; row < list_->count(); ++row) {
        const auto i = static_cast<std::size_t>(row);
        if (i < videos.size() && i < names.size() &&
            ItemOf(list_->item(row))->sourcePath == videos[i])
            RenameRow(row, QString::fromStdString(names[i]));
    }
}

void CDVDAuthorAddDlg::AppendMarkedRow(const std::string& path, const std::string& reason) {
    const bool missing = !platform::PathExists(path);
    MediaItem item;
    item.sourcePath = path;
    const QString file = QString::fromStdString(path);
    const QString why = QString::fromStdString(reason);
    item.infoText = (tr("File: %1").arg(file) + "\n" +
                     (missing ? tr("Video: missing") : tr("Video: cannot be used (%1)").arg(why)) +
                     "\n" + tr("Double-click to find it, or remove it.") + "\n")
                        .toStdString();
    const QString problem =
        missing
            ? tr("The video %1 of the project is missing. Find it or remove it from the list.")
                  .arg(file)
            : tr("The video %1 of the project cannot be used: %2. Find it or remove it from the "
                 "list.")
                  .arg(file, why);
    AddItemRow(std::move(item), -1, problem)->setData(kProblemRole, problem);
}

int CDVDAuthorAddDlg::MarkedRow(const std::string& path) const {
    for (int row = 0; row < list_->count(); ++row) {
        const QListWidgetItem* item = list_->item(row);
        if (item->data(kProblemRole).toString().isEmpty())
            continue;
        if (ItemOf(item)->sourcePath == path)
            return row;
    }
    return -1;
}
