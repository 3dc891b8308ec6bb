// The add-video page's sound tracks and subtitles: a row says which it holds,
// and its context menu drops or takes back each sound track and subtitle.
#include <QCoreApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>

#include "ui/AddVideoPage.h"

namespace {

QString TrackLanguage(const AudioTrack& track) {
    return track.language.empty() ? QCoreApplication::translate("CDVDAuthorAddDlg", "no language")
                                  : QString::fromStdString(track.language);
}

// text with the video's subtitles told at the end of its audio line
// ("Subtitles: 2 (en, fr)").
QString WithSubtitles(QString text, const MediaItem& item) {
    int count = 0;
    QStringList languages;
    for (const SubtitleTrack& track : item.subtitles) {
        if (!track.problem.empty() || !track.kept)
            continue;
        ++count;
        if (!track.language.empty())
            languages << QString::fromStdString(track.language);
    }
    const int audio = text.indexOf("\nAudio:");
    const int end = audio < 0 ? -1 : int(text.indexOf('\n', audio + 1));
    if (count == 0 || end < 0)
        return text;
    QString told = QCoreApplication::translate("CDVDAuthorAddDlg", "Subtitles: %1").arg(count);
    if (!languages.isEmpty())
        told += " (" + languages.join(", ") + ")";
    return text.insert(end, QString::fromUtf8(" \u00b7 ") + told);
}

}  // namespace

QString CDVDAuthorAddDlg::RowText(const MediaItem& item) {
    const QString info = QString::fromStdString(item.infoText);
    if (item.audioTracks.size() <= 1)
        return WithSubtitles(info, item);
    QStringList languages;
    for (const AudioTrack& track : item.audioTracks)
        if (track.kept)
            languages << TrackLanguage(track);
    const QString audio =
        languages.isEmpty()
            ? QCoreApplication::translate("CDVDAuthorAddDlg", "Audio: no track kept")
            : (languages.size() == 1
                   ? QCoreApplication::translate("CDVDAuthorAddDlg", "Audio: 1 track (%1)")
                   : QCoreApplication::translate("CDVDAuthorAddDlg", "Audio: %1 tracks (%2)")
                         .arg(languages.size()))
                  .arg(languages.join(", "));
    QStringList lines = info.split('\n');
    for (QString& line : lines)
        if (line.startsWith("Audio:"))
            line = audio;
    return WithSubtitles(lines.join('\n'), item);
}

void CDVDAuthorAddDlg::OnTrackMenu(const QPoint& at) {
    QListWidgetItem* row = list_->itemAt(at);
    // Rows keep their videos in items_, which the page owns.
    auto* item = row ? const_cast<MediaItem*>(ItemOf(row)) : nullptr;
    if (!item)
        return;
    QMenu menu(this);
    // One sound track is always kept: there is nothing to choose.
    if (item->audioTracks.size() > 1)
        for (AudioTrack& track : item->audioTracks) {
            QAction* action = menu.addAction(
                QCoreApplication::translate("CDVDAuthorAddDlg", "Sound track %1 (%2)")
                    .arg(track.number + 1)
                    .arg(TrackLanguage(track)));
            action->setCheckable(true);
            action->setChecked(track.kept);
            connect(action, &QAction::toggled, this, [&track](bool on) { track.kept = on; });
        }
    if (!menu.isEmpty() && !item->subtitles.empty())
        menu.addSeparator();
    for (std::size_t i = 0; i < item->subtitles.size(); ++i) {
        SubtitleTrack& track = item->subtitles[i];
        // One that cannot be read never reaches the disc.
        if (!track.problem.empty())
            continue;
        const QString language =
            track.language.empty() ? QCoreApplication::translate("CDVDAuthorAddDlg", "no language")
                                   : QString::fromStdString(track.language);
        const QString where = track.stream >= 0
                                  ? QCoreApplication::translate("CDVDAuthorAddDlg", "in the video")
                                  : QFileInfo(QString::fromStdString(track.file)).fileName();
        QAction* action =
            menu.addAction(QCoreApplication::translate("CDVDAuthorAddDlg", "Subtitles %1 (%2), %3")
                               .arg(int(i) + 1)
                               .arg(language)
                               .arg(where));
        action->setCheckable(true);
        action->setChecked(track.kept);
        connect(action, &QAction::toggled, this, [&track](bool on) { track.kept = on; });
    }
    if (menu.isEmpty())
        return;
    if (!menu.exec(list_->viewport()->mapToGlobal(at)))
        return;
    row->setText(RowText(*item));
    EstimateDiscUsage();
}
