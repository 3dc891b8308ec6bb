#include "ui/AboutBox.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/QuorvaApp.h"
#include "app/Version.h"
#include "components/skin/Skin.h"
#include "settings/Options.h"
#include "ui/DialogUnits.h"
#include "ui/Dialogs.h"

namespace {

QLabel* HiddenLabel(QWidget* parent, int id, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::number(id));
    label->hide();
    return label;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(IDD));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const QString product =
        QString::fromStdString(App().theProductSettings.GetValue(keys::PRODUCT_NAME, "Quorva"));
    const QString home =
        QString::fromStdString(App().theProductSettings.GetValue(keys::URL_PRODUCT_HOME));
    setWindowTitle(tr("About %1").arg(product));

    productLabel_ = HiddenLabel(this, IDC_STATIC_1, product);
    descriptionLabel_ = HiddenLabel(this, IDC_STATIC_2, tr("DVD authoring and burning"));
    homeLabel_ = HiddenLabel(this, IDC_STATIC_3, home);

    content_ = new QLabel(this);
    content_->setObjectName("content");
    content_->setAlignment(Qt::AlignCenter);
    content_->setWordWrap(true);
    content_->setTextFormat(Qt::RichText);
    content_->setText("<p style='font-size:14pt'><b>" + product.toHtmlEscaped() + "</b></p><p>" +
                      tr("Version %1").arg(ProductVersion()) + "</p><p>" +
                      tr("Make a DVD from your videos, or burn an authored DVD folder.") +
                      "</p><p>" + home.toHtmlEscaped() + "</p>");

    ok_ = new QPushButton(this);
    ok_->setObjectName(QString::number(IDOK));
    ok_->setMinimumSize(DialogRect(0, 0, 50, 14).size());
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(DialogX(8), DialogY(8), DialogX(8), DialogY(7));
    layout->addWidget(content_, 1);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
    setMinimumSize(DialogRect(0, 0, 167, 117).size());

    OnInitDialog();
}

void CAboutDlg::OnInitDialog() {
    skin::RemoveWindowSkin(this);
    skin::ApplyShape(this, "shape_page_about");
    // The skin labels the button; without it the button says what it does.
    if (!skin::Loaded())
        ok_->setText(tr("OK"));
}

int RunAboutBox(QWidget* parent) {
    CAboutDlg dialog(parent);
    return dialog.exec();
}
