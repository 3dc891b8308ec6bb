// The program folder's settings for the main-window tests (UiTestMain.cpp
// makes the Qt application): private temp and runtime folders, scripted message boxes, and a way
// to act on the modal window that a click opens.
#pragma once

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "app/QuorvaApp.h"
#include "platform/MessageBox.h"
#include "support/TestMedia.h"

class UiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedTmpDir_ = Saved("TMPDIR");
        savedRuntimeDir_ = Saved("XDG_RUNTIME_DIR");
        setenv("TMPDIR", temp_.Path().c_str(), 1);
        const std::string runtime = temp_ / "run";
        mkdir(runtime.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        CQuorvaApp& app = App();
        app.theProgramFolder = QUORVA_BIN_DIR;
        app.theOptions = CXMLAccess();
        app.theProductSettings = CXMLAccess();
        ASSERT_TRUE(app.LoadSettings());
        presenter_ = std::make_shared<platform::ScriptedPresenter>();
        previous_ = platform::SetMessagePresenter(presenter_);
    }
    void TearDown() override {
        platform::SetMessagePresenter(previous_);
        Restore("TMPDIR", savedTmpDir_);
        Restore("XDG_RUNTIME_DIR", savedRuntimeDir_);
    }

    // Runs act on the first modal window that is not `except` once it shows
    // (act must close it); gives up after a few seconds.
    static void WhenModal(std::function<void(QWidget*)> act, QWidget* except = nullptr) {
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        auto poll = std::make_shared<std::function<void()>>();
        std::weak_ptr<std::function<void()>> self = poll;
        *poll = [act = std::move(act), except, clock, self] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != except && modal->isVisible())
                act(modal);
            else if (clock->elapsed() < 5000)
                QTimer::singleShot(10, [again = self.lock()] { (*again)(); });
        };
        QTimer::singleShot(0, [poll] { (*poll)(); });
    }

    static std::string Saved(const char* name) {
        const char* value = std::getenv(name);
        return value ? value : "";
    }
    static void Restore(const char* name, const std::string& value) {
        if (value.empty())
            unsetenv(name);
        else
            setenv(name, value.c_str(), 1);
    }

    std::string savedTmpDir_;
    std::string savedRuntimeDir_;
    testsupport::TempFolder temp_;
    std::shared_ptr<platform::ScriptedPresenter> presenter_;
    std::shared_ptr<platform::MessagePresenter> previous_;
};
