// The splash screen's life and the about box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/QuorvaApp.h"
#include "components/skin/Skin.h"
#include "support/TestMedia.h"
#include "ui/AboutBox.h"
#include "ui/Dialogs.h"
#include "ui/SplashDlg.h"

namespace {

class SplashAboutTest : public ::testing::Test {
  protected:
    void SetUp() override { App().theProgramFolder = QUORVA_BIN_DIR; }
};

TEST_F(SplashAboutTest, SplashTakesThePictureSizeInTheMiddleAndGoesByItself) {
    const QImage picture(QString(QUORVA_BIN_DIR) + "splash1.jpg");
    ASSERT_FALSE(picture.isNull());
    CSplashDlg splash;
    EXPECT_EQ(splash.windowTitle(), "Initializing...");
    EXPECT_EQ(splash.size(), picture.size());
    EXPECT_EQ(splash.geometry().center(), splash.screen()->geometry().center());

    QElapsedTimer clock;
    clock.start();
    splash.StartSplash();
    EXPECT_TRUE(splash.isVisible());
    splash.WaitForSplash();  // real timings: 2.5 s in, 1 s standing, 0.75 s out
    EXPECT_GE(clock.elapsed(), 4200);
    EXPECT_TRUE(splash.Closed());
    EXPECT_FALSE(splash.isVisible());
    splash.WaitForSplash();  // returns at once once closed
}

TEST_F(SplashAboutTest, SplashWithoutItsPictureStillComesAndGoes) {
    App().theProgramFolder = "/nonexistent/";
    CSplashDlg splash;
    EXPECT_FALSE(splash.size().isEmpty());
    splash.SetTimings(20, 20, 20);
    splash.StartSplash();
    splash.WaitForSplash();
    EXPECT_TRUE(splash.Closed());
}

TEST_F(SplashAboutTest, AboutBoxClosesWithOkOverAVisibleMainWindow) {
    QWidget main;
    main.show();
    bool mainVisible = false, labelsHidden = false;
    QString okText, shape, content;
    QTimer::singleShot(0, [&] {
        auto* about = dynamic_cast<CAboutDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        mainVisible = main.isVisible();
        shape = about->property(skin::kShapeProperty).toString();
        labelsHidden = true;
        for (int id : {1024, 1025, 1026})
            labelsHidden &= !about->findChild<QLabel*>(QString::number(id))->isVisible();
        content = about->findChild<QLabel*>("content")->text();
        auto* ok = about->findChild<QPushButton*>("1");
        okText = ok->text();
        ok->click();
    });
    EXPECT_EQ(RunAboutBox(&main), QDialog::Accepted);
    EXPECT_TRUE(mainVisible);
    EXPECT_TRUE(labelsHidden);
    EXPECT_EQ(shape, "shape_page_about");
    EXPECT_EQ(okText, "OK");  // no skin: the button says what it does
    // The version, as quorva-cli --version gives it.
    const auto cli =
        testsupport::RunCommand({std::string(QUORVA_BIN_DIR) + "quorva-cli", "--version"});
    ASSERT_EQ(cli.output.rfind("quorva-cli ", 0), 0u) << cli.output;
    const QString version = QString::fromStdString(cli.output.substr(11)).trimmed();
    EXPECT_TRUE(content.contains("Version " + version)) << content.toStdString();
}

}  // namespace
