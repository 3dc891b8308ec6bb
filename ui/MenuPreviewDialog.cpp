#include "ui/MenuPreviewDialog.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>

#include "app/AppJob.h"
#include "app/QuorvaApp.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "settings/Options.h"

namespace {

QString MenuName(const PreviewMenu& menu, bool onePage) {
    if (menu.kind == PreviewMenu::Kind::Title)
        return QCoreApplication::translate("CMenuPreviewDlg", "Title menu");
    if (onePage)
        return QCoreApplication::translate("CMenuPreviewDlg", "Root menu");
    return QCoreApplication::translate("CMenuPreviewDlg", "Root menu, page %1").arg(menu.page);
}

}  // namespace

CMenuPreviewDlg::CMenuPreviewDlg(const std::vector<PreviewMenu>& menus, const JobParameters& params,
                                 QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("CMenuPreviewDlg", "Preview menus"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(kTabsName);
    const bool onePage = menus.size() <= 2;
    QSize largest;
    for (const PreviewMenu& menu : menus) {
        // The picture at its size on the screen: one pixel per television
        // pixel, whatever the screen's scale.
        QPixmap shown = QPixmap::fromImage(menu.Shown(params));
        shown.setDevicePixelRatio(devicePixelRatioF());
        auto* picture = new QLabel;
        picture->setPixmap(shown);
        picture->setAlignment(Qt::AlignCenter);
        auto* scroll = new QScrollArea;
        scroll->setWidget(picture);
        scroll->setWidgetResizable(true);
        scroll->setAlignment(Qt::AlignCenter);
        tabs->addTab(scroll, MenuName(menu, onePage));
        largest = largest.expandedTo(shown.deviceIndependentSize().toSize());
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* page = new QVBoxLayout(this);
    page->addWidget(tabs, 1);
    page->addWidget(buttons);
    QSize size = largest + QSize(40, 110);
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

void ShowMenuPreview(QWidget* owner, platform::HWND ownerHandle, const MediaList& videos,
                     int discType) {
    CQuorvaApp& app = App();
    JobInput input = MakeJobInput(app, JobChoices{JOB_MENUS, -1, {}, discType});
    input.videos = videos;
    input.params = DeriveJobParameters(app.theOptions, videos, discType);
    for (auto [background, installed] :
         {std::pair{&input.titleMenuBackground, kDefaultTitleBackground},
          std::pair{&input.rootMenuBackground, kDefaultRootBackground}})
        if (!platform::IsRegularFile(*background))
            *background = input.programFolder + installed;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const platform::Result<std::vector<PreviewMenu>> menus = PreviewMenus(input);
    QApplication::restoreOverrideCursor();
    if (!menus) {
        platform::MessageBox(
            ownerHandle, menus.error(),
            QCoreApplication::translate("CMenuPreviewDlg", "Preview menus").toStdString(),
            platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return;
    }
    CMenuPreviewDlg dialog(*menus, input.params, owner);
    dialog.exec();
}
