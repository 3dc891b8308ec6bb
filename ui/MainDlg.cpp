#include "ui/MainDlg.h"

#include <QApplication>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <utility>

#include "app/QuorvaApp.h"
#include "pipeline/AuthoringJob.h"
#include "platform/MessageBox.h"
#include "settings/Options.h"
#include "ui/AddVideoPage.h"
#include "ui/BrowseForFolder.h"
#include "ui/DesktopOpen.h"
#include "ui/DialogUnits.h"
#include "ui/Dialogs.h"
#include "ui/QtDispatcher.h"
#include "ui/QtMessagePresenter.h"
#include "ui/UserInterface.h"

namespace {

struct ButtonRow {
    int id;
    QRect rect;
    const char* tooltip;
    const char* caption;  // when no skin draws the button
};

const ButtonRow kButtons[] = {
    {CQuorvaDlg::IDC_CREATE_DVD, DialogRect(252, 66, 69, 14),
     QT_TRANSLATE_NOOP("CQuorvaDlg", "Create DVD step by step."),
     QT_TRANSLATE_NOOP("CQuorvaDlg", "&Create DVD")},
    {CQuorvaDlg::IDC_DIRECT_BURN, DialogRect(254, 118, 69, 14),
     QT_TRANSLATE_NOOP("CQuorvaDlg", "Direct burn the DVD folder which authored by us."),
     QT_TRANSLATE_NOOP("CQuorvaDlg", "&Direct burn")},
    {CQuorvaDlg::IDC_OPTIONS, DialogRect(93, 163, 69, 14),
     QT_TRANSLATE_NOOP("CQuorvaDlg", "Options"), QT_TRANSLATE_NOOP("CQuorvaDlg", "&Options")},
    {CQuorvaDlg::IDC_HELP, DialogRect(173, 161, 69, 14), QT_TRANSLATE_NOOP("CQuorvaDlg", "Help"),
     QT_TRANSLATE_NOOP("CQuorvaDlg", "&Help")},
};

// The application icon: a disc.
QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QRadialGradient shine(size * 0.35, size * 0.35, size * 0.7);
        shine.setColorAt(0, QColor(235, 240, 250));
        shine.setColorAt(1, QColor(120, 140, 190));
        painter.setBrush(shine);
        painter.setPen(QPen(QColor(60, 70, 110), 1));
        painter.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(size / 2.0, size / 2.0), size / 8.0, size / 8.0);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

CQuorvaDlg::CQuorvaDlg(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(ApplicationIcon());
    CreateControls();
    // The design's size is the least; a larger font or scale grows it.
    setMinimumSize(DialogRect(0, 0, 330, 194).size());
    // Its size is what it holds: maximised it would only be emptier.
    setFixedSize(minimumSize().expandedTo(sizeHint()));
    ApplySkinShape(this, "shape_main_dialog");
    CenterOnScreen();
    setWindowTitle(QString::fromStdString(App().theProductSettings.GetValue(keys::PRODUCT_NAME)));

    handle_ = platform::RegisterWindow(*this, QtDispatcher::Instance());
    SetOwnerWidget(handle_, this);
    App().theMainWindowHandle = handle_;
}

CQuorvaDlg::~CQuorvaDlg() {
    App().theMainWindowHandle = 0;
    SetOwnerWidget(handle_, nullptr);
    platform::UnregisterWindow(handle_);
}

void CQuorvaDlg::CreateControls() {
    const bool plain = !SkinLoaded();
    // The skin draws no picture here, so the window says what its buttons do.
    // Light text on the skin's dark ground.
    const QString look = plain ? QString() : "color: white; background: transparent;";
    auto* heading = new QLabel(
        QString::fromStdString(App().theProductSettings.GetValue(keys::PRODUCT_NAME)), this);
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    heading->setFont(big);
    heading->setStyleSheet(look);
    const char* const notes[] = {
        QT_TRANSLATE_NOOP("CQuorvaDlg", "Make a DVD from your videos, step by step."),
        QT_TRANSLATE_NOOP("CQuorvaDlg", "Burn a DVD folder that was authored before."),
    };

    // The two workflows on the right with what they do beside them, the
    // options and the help below in the middle.
    auto* workflows = new QGridLayout;
    workflows->setHorizontalSpacing(DialogX(8));
    workflows->setVerticalSpacing(DialogY(28));
    workflows->setColumnStretch(0, 1);
    auto* more = new QHBoxLayout;
    more->setSpacing(DialogX(11));
    more->addStretch(1);
    int line = 0;
    for (const ButtonRow& row : kButtons) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::number(row.id));
        button->setMinimumSize(row.rect.size());
        button->setToolTip(tr(row.tooltip));
        // Return presses the button that has the focus.
        button->setAutoDefault(true);
        if (plain)
            button->setText(tr(row.caption));
        connect(button, &QPushButton::clicked, this, [this, id = row.id] { OnCommand(id); });
        if (row.id == IDC_CREATE_DVD || row.id == IDC_DIRECT_BURN) {
            auto* label = new QLabel(tr(notes[line]), this);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setWordWrap(true);
            label->setStyleSheet(look);
            workflows->addWidget(label, line, 0);
            workflows->addWidget(button, line, 1);
            ++line;
        } else {
            more->addWidget(button);
        }
    }
    more->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(DialogX(16), DialogY(14), DialogX(9), DialogY(14));
    layout->addWidget(heading);
    layout->addStretch(2);
    layout->addLayout(workflows);
    layout->addStretch(3);
    layout->addLayout(more);
}

int CQuorvaDlg::exec() {
    // QDialog's own modal run ends as soon as the dialog is hidden, and this
    // window hides while each of its pages runs. This run ends only when the
    // window is done (its close box).
    QEventLoop loop;
    const auto ended = connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    setResult(0);
    show();
    loop.exec(QEventLoop::DialogExec);
    disconnect(ended);
    return result();
}

void CQuorvaDlg::CenterOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void CQuorvaDlg::keyPressEvent(QKeyEvent* event) {
    // Esc never closes the main window; only its close box does.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

platform::LRESULT CQuorvaDlg::OnMessage(std::uint32_t, platform::WPARAM, platform::LPARAM) {
    return 0;
}

void CQuorvaDlg::OnCommand(int id) {
    switch (id) {
        case IDC_CREATE_DVD:
            OnCreateDvd();
            break;
        case IDC_DIRECT_BURN:
            OnDirectBurn();
            break;
        case IDC_OPTIONS:
            RunHidden([this] { RunOptionsDialog(this); });
            break;
        case IDC_HELP:
            OnHelp();
            break;
        case ID_HELP_ABOUT:
            RunAboutBox(this);
            break;
        case ID_HELP_PRODUCT_ONLINE:
            OnProductOnline();
            break;
        default:
            break;
    }
}

void CQuorvaDlg::RunHidden(const std::function<void()>& page) {
    const QPoint place = pos();
    hide();
    page();
    move(place);
    show();
}

void CQuorvaDlg::OnCreateDvd(const QStringList& videos) {
    App().theMediaList.clear();
    constexpr std::uint32_t flags = JOB_CONVERT | JOB_MENUS | JOB_BURN;
    RunHidden([this, &videos] {
        if (videos.isEmpty()) {
            RunAddVideoPage(flags, this);
            return;
        }
        CDVDAuthorAddDlg page(flags, this);
        // Added once the page shows, so it can report on them as it would on
        // its file dialog's choice.
        QTimer::singleShot(0, &page, [&page, videos] { page.AddFiles(videos); });
        page.exec();
    });
}

void CQuorvaDlg::OpenWithVideos(const QStringList& videos) {
    if (videos.isEmpty())
        return;
    const bool waiting = !waitingVideos_.isEmpty();
    waitingVideos_ << videos;
    BringToFront();
    // Not from inside the caller (a socket's signal): the page runs a loop.
    if (!waiting)
        QTimer::singleShot(0, this, [this] { DeliverVideos(); });
}

void CQuorvaDlg::DeliverVideos() {
    constexpr int kRetryMs = 200;
    if (waitingVideos_.isEmpty())
        return;
    QWidget* modal = QApplication::activeModalWidget();
    auto* page = findChild<QDialog*>(QString::number(CDVDAuthorAddDlg::IDD));
    if (page && page == modal) {
        static_cast<CDVDAuthorAddDlg*>(page)->AddFiles(std::exchange(waitingVideos_, {}));
    } else if (!page && !modal && isVisible()) {
        OnCreateDvd(std::exchange(waitingVideos_, {}));
    } else {
        QTimer::singleShot(kRetryMs, this, [this] { DeliverVideos(); });
    }
}

void CQuorvaDlg::OnDirectBurn() {
    std::string folder;
    // Authored folders (DVD_1, ...) are made in the working folder.
    const int status =
        BrowseForFolder(this, folder, tr("DVD folder").toStdString(), "VIDEO_TS/VTS_01_0.IFO",
                        App().theOptions.GetValue(keys::WORKING_FOLDER));
    App().theDvdFolder = folder;
    if (status != 0 || folder.empty())
        return;
    RunHidden([this] { RunProgressDialog(JOB_BURN, this); });
}

QMenu* CQuorvaDlg::HelpMenu() {
    if (!helpMenu_) {
        helpMenu_ = new QMenu("help", this);
        helpMenu_->setObjectName(QString::number(IDM_HELP));
        QAction* about = helpMenu_->addAction(tr("&About"));
        about->setObjectName(QString::number(ID_HELP_ABOUT));
        connect(about, &QAction::triggered, this, [this] { OnCommand(ID_HELP_ABOUT); });
        helpMenu_->addSeparator();
        QAction* online = helpMenu_->addAction(tr("Product Online"));
        online->setObjectName(QString::number(ID_HELP_PRODUCT_ONLINE));
        connect(online, &QAction::triggered, this, [this] { OnCommand(ID_HELP_PRODUCT_ONLINE); });
    }
    return helpMenu_;
}

void CQuorvaDlg::OnHelp() {
    auto* button = findChild<QPushButton*>(QString::number(IDC_HELP));
    HelpMenu()->exec(button->mapToGlobal(QPoint(0, button->height())));
}

void CQuorvaDlg::OnProductOnline() {
    const std::string home = App().theProductSettings.GetValue(keys::URL_PRODUCT_HOME);
    // Without a browser the user still learns where the home page is.
    OpenOnDesktop(QUrl(QString::fromStdString(home)), this, [this, home](const QString& reason) {
        platform::MessageBox(handle_,
                             tr("No web browser could be opened for %1 (%2).")
                                 .arg(QString::fromStdString(home), reason)
                                 .toStdString(),
                             App().theProductSettings.GetValue(keys::PRODUCT_NAME),
                             platform::MB_OK | platform::MB_ICONINFORMATION);
    });
}

void CQuorvaDlg::BringToFront() {
    // While a page runs over the hidden main window, that page is the one
    // the user wants to see.
    QWidget* window = QApplication::activeModalWidget();
    if (!window)
        window = this;
    if (!window->isVisible())
        return;
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}
