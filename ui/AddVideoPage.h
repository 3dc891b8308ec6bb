// The add-video page: the user collects the videos for a disc, orders them,
// sees the estimated disc usage against DVD-5 or DVD-9 and moves on to the
// progress window.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QStringList>

#include <cstdint>
#include <list>
#include <vector>

#include "media/MediaItem.h"
#include "media/Probe.h"
#include "platform/Window.h"

class QDragEnterEvent;
class QDropEvent;
class QListWidget;
class QPushButton;
class CMacSliderCtrl;

class CDVDAuthorAddDlg : public QDialog, public platform::MessageTarget {
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

    // Item data and picture index of a row.
    static constexpr int kItemRole = 0x0100 + 1;     // Qt::UserRole + 1
    static constexpr int kPictureRole = 0x0100 + 2;  // Qt::UserRole + 2

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

    // Adds the files as if they were chosen in the file dialog: the folder of
    // the first one becomes RECENT_OPEN, and each file is read (a small window
    // names it, with Cancel) and appended as a row, in the given order. Files
    // that cannot become a title are named, with the reason, in one message.
    // Used for Add, for files dropped on the page and for files given at start.
    void AddFiles(const QStringList& paths);

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
    void SwapRows(int row, int other);
    void UpdateDiscButton();
    bool Confirm(const QString& question);

    std::uint32_t jobFlags_;
    int discIndex_ = 1;           // the opening switch brings it to DVD-5
    std::list<MediaItem> items_;  // elements never move while the page is open
    std::vector<QPixmap> pictures_;
    QListWidget* list_ = nullptr;
    CMacSliderCtrl* gauge_ = nullptr;
    QPushButton* discButton_ = nullptr;
    platform::HWND handle_ = 0;
    bool reading_ = false;  // files are being read; no new ones meanwhile
};
