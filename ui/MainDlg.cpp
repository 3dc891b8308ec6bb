#include "ui/MainDlg.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include "app/QuorvaApp.h"
#include "pipeline/AuthoringJob.h"
#include "settings/Options.h"
#include "ui/BrowseForFolder.h"
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
    {CQuorvaDlg::IDC_CREATE_DVD, DialogRect(252, 66, 69, 14), "Create DVD step by step.",
     "&Create DVD"},
    {CQuorvaDlg::IDC_DIRECT_BURN, DialogRect(254, 118, 69, 14),
     "Direct burn the DVD folder which authored by us.", "&Direct burn"},
    {CQuorvaDlg::IDC_OPTIONS, DialogRect(93, 163, 69, 14), "Options", "&Options"},
    {CQuorvaDlg::IDC_HELP, DialogRect(173, 161, 69, 14), "Help", "&Help"},
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
    setFixedSize(DialogRect(0, 0, 330, 194).size());
    setWindowIcon(ApplicationIcon());
    CreateControls();
    ApplySkinShape(this, "shape_main_dialog");
    CenterOnScreen();
    setWindowTitle(
        QString::fromStdString(App().theProductSettings.GetValue(keys::PRODUCT_NAME, true)));

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
    for (const ButtonRow& row : kButtons) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::number(row.id));
        button->setGeometry(row.rect);
        button->setToolTip(row.tooltip);
        button->setAutoDefault(false);
        if (plain)
            button->setText(row.caption);
        connect(button, &QPushButton::clicked, this, [this, id = row.id] { OnCommand(id); });
    }
    // The skin draws no picture here, so the window says what its buttons do.
    // Light text on the skin's dark ground.
    const QString look = plain ? QString() : "color: white; background: transparent;";
    auto* heading = new QLabel(
        QString::fromStdString(App().theProductSettings.GetValue(keys::PRODUCT_NAME, true)), this);
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    heading->setFont(big);
    heading->setGeometry(DialogRect(16, 14, 200, 24));
    heading->setStyleSheet(look);
    const struct {
        const char* text;
        QRect rect;
    } notes[] = {
        {"Make a DVD from your videos, step by step.", DialogRect(16, 64, 228, 18)},
        {"Burn a DVD folder that was authored before.", DialogRect(16, 116, 230, 18)},
    };
    for (const auto& note : notes) {
        auto* label = new QLabel(note.text, this);
        label->setGeometry(note.rect);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setStyleSheet(look);
    }
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

void CQuorvaDlg::OnCreateDvd() {
    App().theMediaList.clear();
    RunHidden([this] { RunAddVideoPage(JOB_CONVERT | JOB_MENUS | JOB_BURN, this); });
}

void CQuorvaDlg::OnDirectBurn() {
    std::string folder;
    const int status = BrowseForFolder(this, folder, "DVD folder", "VIDEO_TS/VTS_01_0.IFO");
    App().theDvdFolder = folder;
    if (status != 0 || folder.empty())
        return;
    RunHidden([this] { RunProgressDialog(JOB_BURN, this); });
}

QMenu* CQuorvaDlg::HelpMenu() {
    if (!helpMenu_) {
        helpMenu_ = new QMenu("help", this);
        helpMenu_->setObjectName(QString::number(IDM_HELP));
        QAction* about = helpMenu_->addAction("&About");
        about->setObjectName(QString::number(ID_HELP_ABOUT));
        connect(about, &QAction::triggered, this, [this] { OnCommand(ID_HELP_ABOUT); });
        helpMenu_->addSeparator();
        QAction* online = helpMenu_->addAction("Product Online");
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
    // Whether a browser opens is not reported.
    QDesktopServices::openUrl(QUrl(
        QString::fromStdString(App().theProductSettings.GetValue(keys::URL_PRODUCT_HOME, true))));
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
