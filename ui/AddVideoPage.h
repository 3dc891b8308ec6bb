// The add-video page: the user collects the videos for a disc, orders them,
// sees the estimated disc usage against DVD-5 or DVD-9 and moves on to the
// progress window.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QPixmap>
#include <QStringList>

#include <cstdint>
#include <list>
#include <map>
#include <vector>

#include "media/MediaItem.h"
#include "media/Probe.h"
#include "platform/Window.h"

class QDragEnterEvent;
class QDropEvent;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class CMacSliderCtrl;

class CDVDAuthorAddDlg : public QDialog, public platform::MessageTarget {
    Q_DECLARE_TR_FUNCTIONS(CDVDAuthorAddDlg)

  public:
    static constexpr int IDD = 132;
    static constexpr int IDC_LIST_VIDEO = 1000;
    static constexpr int IDC_ADD = 1001;
    static constexpr int IDC_REMOVE = 1002;
    static constexpr int IDC_CLEAR = 1003;
    static constexpr int IDC_NEXT = 1005;
    static constexpr int IDC_MOVE_UP = 1011;
    static constexpr int IDC_MOVE_DOWN = 1012;
    static constexpr int IDC_DISC_TYPE = 1020;
    static constexpr int IDC_GAUGE = 1033;
    static constexpr int IDC_OPEN_PROJECT = 1040;
    static constexpr int IDC_SAVE_PROJECT = 1041;
    static constexpr int IDC_PREVIEW_MENUS = 1042;

    // Item data and picture index of a row.
    static constexpr int kItemRole = 0x0100 + 1;     // Qt::UserRole + 1
    static constexpr int kPictureRole = 0x0100 + 2;  // Qt::UserRole + 2
    // Of a row whose video could not be read from a project: why the job
    // cannot start with it (empty for a row that can go on the disc).
    static constexpr int kProblemRole = 0x0100 + 3;
    // The name shown under the video's thumbnail in the menu: the one given
    // to it (F2 on its row), else the one made from its file.
    static constexpr int kNameRole = 0x0100 + 4;

    CDVDAuthorAddDlg(std::uint32_t jobFlags, QWidget* parent = nullptr);
    ~CDVDAuthorAddDlg() override;

    // Commands of the page's buttons.
    void OnAdd();
    void OnRemove();
    void OnClear();
    void OnNext();
    void OnMoveUp();
    void OnMoveDown();
    void OnSwitchDiscType();
    void OnOpenProject();
    void OnSaveProject();
    // Shows the disc's menus for the rows as they stand.
    void OnPreviewMenus();
    // A double-click on a marked row: the file chosen takes its place.
    void OnFindVideo(int row);

    // Adds the files as if they were chosen in the file dialog: the folder of
    // the first one becomes RECENT_OPEN, and each file is read (a small window
    // names it, with Cancel) and appended as a row, in the given order. Files
    // that cannot become a title are named, with the reason, in one message.
    // A file that a marked row of a project names fills that row instead.
    // A project file among them is opened first (see OpenProject).
    // Used for Add, for files dropped on the page and for files given at start.
    void AddFiles(const QStringList& paths);

    // Opens a project: asks before the rows it replaces are dropped, makes
    // its choices the options (its disc type the page's), then reads its
    // videos into rows in order. A video that cannot be read keeps its place
    // as a marked row, which Next refuses until it is removed or added again.
    // A file that is no project is named in a message and nothing changes.
    // False when nothing was opened.
    bool OpenProject(const QString& path);
    // Saves the rows, in order, with the options' choices; false (after a
    // message) when the file cannot be written.
    bool SaveProjectAs(const QString& path);

    // Updates the gauge; true when the estimate fits the chosen disc.
    bool EstimateDiscUsage();

    // The items of the rows, in row order.
    MediaList RowItems() const;
    int DiscIndex() const { return discIndex_; }
    platform::HWND Handle() const { return handle_; }
    const std::vector<QPixmap>& Pictures() const { return pictures_; }

    platform::LRESULT OnMessage(std::uint32_t, platform::WPARAM, platform::LPARAM) override {
        return 0;
    }

    // Esc and the close box: a page with videos asks before they are dropped.
    void reject() override;

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QPushButton* MakeButton(int id, const QString& caption, const QString& tip);
    void LayOut();
    void AppendRow(ProbeResult&& probe);
    void AppendMarkedRow(const std::string& path, const std::string& reason);
    // Keeps item and shows it in a new last row with the picture of that
    // index (-1: none) and the tip.
    QListWidgetItem* AddItemRow(MediaItem&& item, int picture, const QString& tip);
    // The folder of file becomes RECENT_OPEN, where the file dialogs start.
    static void RememberVideoFolder(const QString& file);
    // The video a row shows.
    static const MediaItem* ItemOf(const QListWidgetItem* row);
    // A row's text: the video's description, with its sound tracks when it
    // has several.
    static QString RowText(const MediaItem& item);
    // The sound tracks of the row at (list coordinates), to keep or drop.
    void OnTrackMenu(const QPoint& at);
    // Takes a row and its video out of the list.
    void DropRow(int row);
    // Gives the row's video a name (empty: the one made from its file).
    void RenameRow(int row, const QString& name);
    // Shows each row the name its video gets in the menu.
    void ShowNames();
    // The marked row naming path, or -1.
    int MarkedRow(const std::string& path) const;
    // Reads files into rows (see AddFiles); the files that could not be read,
    // as "path: reason.", unless keepUnread marks rows for them. A file read
    // fills the marked row intoRow, or else the marked row naming it.
    QStringList ReadIntoRows(const std::vector<std::string>& files, bool keepUnread,
                             int intoRow = -1);
    void ClearRows();
    // Names the files not added, with their reasons, in one message.
    void ReportRefused(const QStringList& refused);
    // Gives the rows of a project's videos the names it keeps.
    void NameProjectRows(const std::vector<std::string>& videos,
                         const std::vector<std::string>& names);
    void ShowDiscType();
    // The folder the project dialogs start in.
    QString ProjectFolder() const;
    void SwapRows(int row, int other);
    void UpdateDiscButton();
    bool Confirm(const QString& question);
    // The videos of the rows, in order.
    QStringList RowSources() const;

    std::uint32_t jobFlags_;
    int discIndex_ = 1;           // the opening switch brings it to DVD-5
    std::list<MediaItem> items_;  // elements never move while the page is open
    std::vector<QPixmap> pictures_;
    QListWidget* list_ = nullptr;
    CMacSliderCtrl* gauge_ = nullptr;
    QPushButton* discButton_ = nullptr;
    platform::HWND handle_ = 0;
    bool reading_ = false;  // files are being read; no new ones meanwhile
    // The rows as the project last saved or opened holds them.
    QStringList savedSources_;
    // While a project's videos are read: the sound tracks and the subtitles
    // it leaves off, by video.
    std::map<std::string, std::vector<int>> droppedAudio_;
    std::map<std::string, std::vector<int>> droppedSubtitles_;
};
