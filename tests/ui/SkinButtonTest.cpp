// The picture button: kinds, settings, masked drawing, radio groups, input.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "app/QuorvaApp.h"
#include "ui/SkinButton.h"

namespace {

QImage Solid(QColor colour, QSize size = QSize(81, 44)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class SkinButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        App().theProgramFolder = QUORVA_BIN_DIR;
        dialog_.setAutoFillBackground(true);
        QPalette ground = dialog_.palette();
        ground.setColor(QPalette::Window, QColor(10, 200, 10));
        dialog_.setPalette(ground);
        dialog_.resize(300, 100);
        dialog_.show();
    }
    QImage Shot(CxSkinButton& button) {
        button.setGeometry(0, 0, 81, 44);
        button.show();
        return dialog_.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QWidget dialog_;
};

TEST_F(SkinButtonTest, KindComesFromTheStyleBits) {
    EXPECT_EQ(CxSkinButton(nullptr, 0x3).ButtonKind(), CxSkinButton::Kind::CheckBox);
    EXPECT_EQ(CxSkinButton(nullptr, 0xB).ButtonKind(), CxSkinButton::Kind::CheckBox);
    EXPECT_EQ(CxSkinButton(nullptr, 0x9).ButtonKind(), CxSkinButton::Kind::RadioButton);
    EXPECT_EQ(CxSkinButton(nullptr, 0x1).ButtonKind(), CxSkinButton::Kind::PushButton);
    EXPECT_EQ(CxSkinButton(nullptr, 0x8).ButtonKind(), CxSkinButton::Kind::PushButton);
    CxSkinButton push;
    push.SetCheck(1);
    EXPECT_EQ(push.GetCheck(), 0);  // a push button is never checked
}

TEST_F(SkinButtonTest, SettingsAreClamped) {
    CxSkinButton button;
    button.LoadSkinPictures({}, 5, 0, -3);
    EXPECT_EQ(button.DrawMode(), CxSkinButton::kDrawTile);
    EXPECT_EQ(button.FocusMargin(), 0);
    button.LoadSkinPictures({}, -1, 0, 4);
    EXPECT_EQ(button.DrawMode(), CxSkinButton::kDrawPlain);
    EXPECT_EQ(button.FocusMargin(), 4);
}

TEST_F(SkinButtonTest, InstalledStartLookShowsTheGroundWhereTheMaskIsWhite) {
    CxSkinButton button(&dialog_);
    button.LoadSkinPictures(149, 149, 148, 0, 0, 150, 0, 0, 0);
    EXPECT_FALSE(button.MaskRegion().isEmpty());
    EXPECT_FALSE(button.MaskRegion().contains(QPoint(0, 0)));
    EXPECT_TRUE(button.MaskRegion().contains(QPoint(40, 22)));
    const QImage shot = Shot(button);
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(10, 200, 10));  // corner: the dialog's ground
    const QImage picture(QString(QUORVA_BIN_DIR) + "149.bmp");
    EXPECT_EQ(shot.pixelColor(40, 5), picture.pixelColor(40, 5));

    // Disabled without a disabled picture: the normal one.
    button.setEnabled(false);
    EXPECT_EQ(Shot(button).pixelColor(40, 5), picture.pixelColor(40, 5));
}

TEST_F(SkinButtonTest, StatesPickTheirPictures) {
    CxSkinButton button(&dialog_);
    button.LoadSkinPictures({Solid(Qt::red), Solid(Qt::blue), Solid(Qt::yellow), {}, {}, {}}, 1, 0,
                            0);
    EXPECT_EQ(Shot(button).pixelColor(40, 22), QColor(Qt::red));
    button.setDown(true);
    EXPECT_EQ(Shot(button).pixelColor(40, 22), QColor(Qt::blue));
    button.setDown(false);
    QTest::mouseMove(&button, QPoint(10, 10));
    EXPECT_TRUE(button.Hovering());
    EXPECT_EQ(Shot(button).pixelColor(40, 22), QColor(Qt::yellow));

    // No normal picture: a plain button-face rectangle.
    button.LoadSkinPictures({}, 1, 0, 0);
    EXPECT_EQ(Shot(button).pixelColor(40, 22), button.palette().color(QPalette::Button));
}

TEST_F(SkinButtonTest, TileModeRepeatsThePicture) {
    QImage tile = Solid(Qt::red, QSize(10, 10));
    tile.setPixelColor(0, 0, Qt::blue);
    CxSkinButton button(&dialog_);
    button.LoadSkinPictures({tile, {}, {}, {}, {}, {}}, 2, 0, 0);
    const QImage shot = Shot(button);
    EXPECT_EQ(shot.pixelColor(30, 20), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(31, 20), QColor(Qt::red));
}

TEST_F(SkinButtonTest, CheckingARadioClearsOnlyItsGroup) {
    CxSkinButton a(&dialog_, 0x9), b(&dialog_, 0x9), c(&dialog_, 0x9), d(&dialog_, 0x9);
    a.SetGroupStart(true);
    c.SetGroupStart(true);  // a, b | c, d
    b.SetCheck(1);
    c.SetCheck(1);
    a.SetCheck(1);
    EXPECT_EQ(a.GetCheck(), 1);
    EXPECT_EQ(b.GetCheck(), 0);
    EXPECT_EQ(c.GetCheck(), 1);
    d.click();  // a click sets a radio button
    EXPECT_EQ(c.GetCheck(), 0);
    EXPECT_EQ(d.GetCheck(), 1);
    EXPECT_EQ(a.GetCheck(), 1);
}

TEST_F(SkinButtonTest, SpaceTogglesACheckBoxAndDoubleClickPressesTwice) {
    CxSkinButton box(&dialog_, 0x3);
    box.setGeometry(0, 0, 81, 44);
    box.show();
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_EQ(box.GetCheck(), 1);
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_EQ(box.GetCheck(), 0);

    CxSkinButton push(&dialog_);
    push.setGeometry(100, 0, 81, 44);
    push.show();
    QSignalSpy clicks(&push, &QAbstractButton::clicked);
    QTest::mouseClick(&push, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseDClick(&push, Qt::LeftButton, {}, QPoint(20, 20));  // the second press
    QTest::mouseRelease(&push, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(clicks.count(), 2);
}

}  // namespace
