// The splash screen: the installed picture, faded in, shown for a second,
// faded out; it closes itself. Start-up goes on while it shows and waits for
// it before the main window opens.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QPropertyAnimation>

#include <functional>

#include "platform/Window.h"

class CSplashDlg : public QDialog, public platform::MessageTarget {
    Q_DECLARE_TR_FUNCTIONS(CSplashDlg)

  public:
    static constexpr int IDD = 134;
    static constexpr std::uint32_t kTimerId = 1;
    static constexpr unsigned kStandMs = 1000;
    static constexpr int kFadeInMs = 2500;
    static constexpr int kFadeOutMs = 750;
    static constexpr std::uint32_t WM_CLOSE = 0x0010;

    explicit CSplashDlg(QWidget* parent = nullptr);
    ~CSplashDlg() override;

    // Shows the splash without blocking and starts its fade-in; the rest of
    // its life runs on the event loop.
    void StartSplash();
    // Runs a local event loop until the splash has closed (at once when it
    // has closed already or was never started).
    void WaitForSplash();
    bool Closed() const { return closed_; }
    // Shortens the fades and the standing time, for tests.
    void SetTimings(int fadeInMs, unsigned standMs, int fadeOutMs);

    platform::LRESULT OnMessage(std::uint32_t message, platform::WPARAM wParam,
                                platform::LPARAM lParam) override;
    void OnTimer(std::uint32_t timerId) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Fade(double to, int ms, std::function<void()> then);
    void Finish();

    QImage picture_;
    platform::HWND handle_ = 0;
    QPointer<QPropertyAnimation> fade_;
    int fadeInMs_ = kFadeInMs;
    unsigned standMs_ = kStandMs;
    int fadeOutMs_ = kFadeOutMs;
    bool started_ = false;
    bool fadingOut_ = false;
    bool closed_ = false;
};
