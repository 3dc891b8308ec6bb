// The menu preview window: the disc's title menu and every root menu page as
// a television will show them, one tab each, drawn from the videos'
// thumbnails without converting anything.
#pragma once

#include <QDialog>
#include <vector>

#include "media/MediaItem.h"
#include "pipeline/MenuPreview.h"
#include "platform/Window.h"

class CMenuPreviewDlg : public QDialog {
  public:
    static constexpr const char* kTabsName = "menuTabs";

    CMenuPreviewDlg(const std::vector<PreviewMenu>& menus, const JobParameters& params,
                    QWidget* parent);
};

// Draws the menus of videos as a job with the options as they stand would
// make them (discType: the disc they go on) and shows them in a modal
// window; says why in a message box owned by ownerHandle (owner's) when they
// cannot be drawn. A background that is not there is shown as the installed
// one that the job's start offers in its place.
void ShowMenuPreview(QWidget* owner, platform::HWND ownerHandle, const MediaList& videos,
                     int discType);
