#include "ui/SplashDlg.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLinearGradient>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>

#include "app/QuorvaApp.h"
#include "media/Pictures.h"
#include "ui/DialogUnits.h"
#include "ui/QtDispatcher.h"

namespace {

// Without the installed picture the splash keeps its resource size and draws
// a plain face, so start-up still sees it come and go.
QImage PlainSplash() {
    QImage image(DialogRect(0, 0, 254, 114).size(), QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient ground(0, 0, image.width(), image.height());
    ground.setColorAt(0, QColor(29, 53, 87));
    ground.setColorAt(1, QColor(63, 136, 197));
    p.fillRect(image.rect(), ground);
    QFont font = p.font();
    font.setPixelSize(image.height() / 4);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Quorva"));
    return image;
}

}  // namespace

CSplashDlg::CSplashDlg(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QString::number(IDD));
    setWindowTitle(tr("Initializing..."));
    picture_ = LoadPicture(App().theProgramFolder + "splash1.jpg");
    if (picture_.isNull())
        picture_ = PlainSplash();
    // Exactly the picture's size, in the middle of the screen.
    setFixedSize(picture_.size());
    if (QScreen* screen = this->screen()) {
        QRect frame(QPoint(0, 0), picture_.size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    handle_ = platform::RegisterWindow(*this, QtDispatcher::Instance());
}

CSplashDlg::~CSplashDlg() {
    platform::UnregisterWindow(handle_);
}

void CSplashDlg::SetTimings(int fadeInMs, unsigned standMs, int fadeOutMs) {
    fadeInMs_ = fadeInMs;
    standMs_ = standMs;
    fadeOutMs_ = fadeOutMs;
}

void CSplashDlg::StartSplash() {
    if (started_)
        return;
    started_ = true;
    setWindowOpacity(0.0);
    show();
    Fade(1.0, fadeInMs_, [this] { platform::SetTimer(handle_, kTimerId, standMs_); });
}

void CSplashDlg::WaitForSplash() {
    if (!started_ || closed_)
        return;
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

void CSplashDlg::Fade(double to, int ms, std::function<void()> then) {
    if (fade_)
        fade_->stop();
    fade_ = new QPropertyAnimation(this, "windowOpacity", this);
    fade_->setDuration(ms);
    fade_->setStartValue(windowOpacity());
    fade_->setEndValue(to);
    connect(fade_, &QPropertyAnimation::finished, this, std::move(then));
    fade_->start(QAbstractAnimation::DeleteWhenStopped);
}

void CSplashDlg::OnTimer(std::uint32_t timerId) {
    if (timerId != kTimerId)
        return;
    platform::KillTimer(handle_, kTimerId);
    platform::PostMessage(handle_, WM_CLOSE, 0, 0);
}

platform::LRESULT CSplashDlg::OnMessage(std::uint32_t message, platform::WPARAM, platform::LPARAM) {
    if (message == WM_CLOSE)
        close();
    return 0;
}

void CSplashDlg::closeEvent(QCloseEvent* event) {
    // The window goes only after it has faded out.
    event->ignore();
    if (fadingOut_ || closed_)
        return;
    fadingOut_ = true;
    platform::KillTimer(handle_, kTimerId);
    Fade(0.0, fadeOutMs_, [this] { Finish(); });
}

void CSplashDlg::Finish() {
    fade_ = nullptr;
    closed_ = true;
    done(QDialog::Accepted);
}

void CSplashDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}
