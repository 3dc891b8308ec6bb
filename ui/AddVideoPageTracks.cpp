// The add-video page's sound tracks: a row of a video with several says
// which it holds, and its context menu drops or takes back each of them.
#include <QCoreApplication>
#include <QListWidget>
#include <QMenu>

#include "ui/AddVideoPage.h"

namespace {

QString Translate(const char* text) {
    return QCoreApplication::translate("CDVDAuthorAddDlg", text);
}

QString TrackLanguage(const AudioTrack& track) {
    return track.language.empty() ? Translate("no language")
                                  : QString::fromStdString(track.language);
}

}  // namespace

QString CDVDAuthorAddDlg::RowText(const MediaItem& item) {
    const QString info = QString::fromStdString(item.infoText);
    if (item.audioTracks.size() <= 1)
        return info;
    QStringList languages;
    for (const AudioTrack& track : item.audioTracks)
        if (track.kept)
            languages << TrackLanguage(track);
    const QString audio =
        languages.isEmpty()
            ? Translate("Audio: no track kept")
            : (languages.size() == 1 ? Translate("Audio: 1 track (%1)")
                                     : Translate("Audio: %1 tracks (%2)").arg(languages.size()))
                  .arg(languages.join(", "));
    QStringList lines = info.split('\n');
    for (QString& line : lines)
        if (line.startsWith("Audio:"))
            line = audio;
    return lines.join('\n');
}

void CDVDAuthorAddDlg::OnTrackMenu(const QPoint& at) {
    QListWidgetItem* row = list_->itemAt(at);
    // Rows keep their videos in items_, which the page owns.
    auto* item = row ? const_cast<MediaItem*>(ItemOf(row)) : nullptr;
    if (!item || item->audioTracks.size() <= 1)
        return;
    QMenu menu(this);
    for (AudioTrack& track : item->audioTracks) {
        QAction* action = menu.addAction(
            Translate("Sound track %1 (%2)").arg(track.number + 1).arg(TrackLanguage(track)));
        action->setCheckable(true);
        action->setChecked(track.kept);
        connect(action, &QAction::toggled, this, [&track](bool on) { track.kept = on; });
    }
    if (!menu.exec(list_->viewport()->mapToGlobal(at)))
        return;
    row->setText(RowText(*item));
    EstimateDiscUsage();
}
