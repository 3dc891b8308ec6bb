#include "ui/AddVideoPageProbing.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>
#include <thread>

#include "media/ReadMediaFiles.h"
#include "platform/Paths.h"
#include "platform/Process.h"

ProbeProgressDlg::ProbeProgressDlg(const std::vector<std::string>& files, std::string programFolder,
                                   QWidget* parent)
    : QDialog(parent), files_(files), programFolder_(std::move(programFolder)) {
    setObjectName("ProbeProgress");
    setWindowTitle(tr("Add video"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(this);
    label_->setObjectName("ProbeFile");
    label_->setMinimumWidth(label_->fontMetrics().averageCharWidth() * 50);
    label_->setTextFormat(Qt::PlainText);
    layout->addWidget(label_);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, int(files_.size()));
    bar_->setTextVisible(false);
    layout->addWidget(bar_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cancelButton_ = buttons->button(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProbeProgressDlg::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ProbeProgressDlg::Reading(std::size_t index) {
    if (cancel_)
        return;
    const QString name = QString::fromStdString(platform::FileNameOf(files_[index]));
    const QString text = tr("Reading %1 (%2 of %3)...").arg(name).arg(index + 1).arg(files_.size());
    label_->setText(
        label_->fontMetrics().elidedText(text, Qt::ElideMiddle, label_->minimumWidth()));
    label_->setToolTip(QString::fromStdString(files_[index]));
    bar_->setValue(int(index));
}

void ProbeProgressDlg::reject() {
    // The file being read cannot be interrupted; the window stays until it is
    // done, so the page takes no new files meanwhile.
    cancel_ = true;
    cancelButton_->setEnabled(false);
    label_->setText(tr("Stopping..."));
}

bool ProbeProgressDlg::Run(const ReadHandler& onRead) {
    if (files_.empty())
        return true;
    // Everything the worker posts goes to this window, in order; the last
    // post ends the window's run, so nothing it sent is left waiting.
    // Several files are read at once, one per core; the window names the
    // next one whose result it waits for.
    std::thread worker([this, &onRead] {
        ReadMediaFiles(
            files_, programFolder_, static_cast<std::size_t>(platform::UsableCores()),
            [this] { return cancel_.load(); },
            [this, &onRead](std::size_t i, ProbeResult&& read) {
                auto result = std::make_shared<ProbeResult>(std::move(read));
                QMetaObject::invokeMethod(
                    this,
                    [this, i, result, &onRead] {
                        if (cancel_)
                            return;
                        onRead(i, std::move(*result));
                        if (i + 1 < files_.size())
                            Reading(i + 1);
                    },
                    Qt::QueuedConnection);
            });
        QMetaObject::invokeMethod(
            this, [this] { done(Accepted); }, Qt::QueuedConnection);
    });
    Reading(0);
    exec();
    worker.join();
    return !cancel_;
}
