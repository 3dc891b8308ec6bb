// The main window: starts the two workflows (make a DVD, burn a DVD folder)
// and opens the options, the about box and the product's home page.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QStringList>
#include <functional>

#include "platform/Window.h"

class QLabel;
class QMenu;
class QPushButton;

class CQuorvaDlg : public QDialog, public platform::MessageTarget {
    Q_DECLARE_TR_FUNCTIONS(CQuorvaDlg)

  public:
    static constexpr int IDD = 102;
    static constexpr int IDC_CREATE_DVD = 1011;
    static constexpr int IDC_DIRECT_BURN = 1013;
    static constexpr int IDC_OPTIONS = 1015;
    static constexpr int IDC_HELP = 1016;
    static constexpr int IDM_HELP = 139;
    static constexpr int ID_HELP_ABOUT = 32774;
    static constexpr int ID_HELP_PRODUCT_ONLINE = 32775;

    explicit CQuorvaDlg(QWidget* parent = nullptr);
    ~CQuorvaDlg() override;
    CQuorvaDlg(const CQuorvaDlg&) = delete;
    CQuorvaDlg& operator=(const CQuorvaDlg&) = delete;

    platform::HWND Handle() const { return handle_; }

    // Runs the window modally until its close box ends the run; hiding it
    // while a page runs over it does not.
    int exec() override;

    // Runs the command of a button or menu item.
    void OnCommand(int id);
    // The Help menu, made on first use and kept.
    QMenu* HelpMenu();
    // Adds these videos, as if they were chosen in the page's file dialog, to
    // the add-video page, opening it when none is open (the program's command
    // line, "Open with" while it runs), and comes to the front. While another
    // window is in the way (options, a question, the progress window) they
    // wait until the page or this window is the one in use again.
    void OpenWithVideos(const QStringList& videos);
    // Brings the window (or the page that runs over it) to the front,
    // restored from minimised; for a second start of the program.
    void BringToFront();

    platform::LRESULT OnMessage(std::uint32_t message, platform::WPARAM wParam,
                                platform::LPARAM lParam) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CreateControls();
    void CenterOnScreen();
    // Hides this window while page runs, then shows it again in its place.
    void RunHidden(const std::function<void()>& page);
    void OnCreateDvd(const QStringList& videos = {});
    void OnDirectBurn();
    void OnHelp();
    void OnProductOnline();
    // Hands the waiting videos to the page or a new page, when one can take
    // them now; tries again shortly otherwise.
    void DeliverVideos();

    platform::HWND handle_ = 0;
    QMenu* helpMenu_ = nullptr;
    QStringList waitingVideos_;
};
