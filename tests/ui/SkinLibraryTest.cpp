// The skinning library with the installed skin file and made-up ones.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "components/skin/Skin.h"

namespace {

class SkinLibraryTest : public ::testing::Test {
  protected:
    void TearDown() override { skin::Shutdown(); }
    std::string Write(const char* name, const QByteArray& text) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path.toStdString();
    }
    const std::string installed_ = std::string(QUORVA_BIN_DIR) + "quorva.skin";
    QTemporaryDir dir_;
};

TEST_F(SkinLibraryTest, StartUpStepsFailInOrder) {
    EXPECT_FALSE(skin::LoadSkinFile(installed_));  // not started
    ASSERT_TRUE(skin::Initialize("Demo"));
    EXPECT_FALSE(skin::LoadSkinFile(installed_ + ".missing"));
    EXPECT_FALSE(skin::LoadSkinFile(Write("plain.qss", "QPushButton { color: red; }")));
    EXPECT_FALSE(skin::SetDialogSkin("Dialog"));  // nothing loaded
    ASSERT_TRUE(skin::LoadSkinFile(installed_));
    EXPECT_TRUE(skin::HasSkinObject("Dialog"));
    EXPECT_FALSE(skin::SetDialogSkin("Panel"));
    EXPECT_FALSE(skin::Loaded());
    EXPECT_TRUE(skin::SetDialogSkin("Dialog"));
    EXPECT_TRUE(skin::Loaded());
}

TEST_F(SkinLibraryTest, DialogsTakeTheSkinUnlessTheyTookItOff) {
    ASSERT_TRUE(skin::Initialize("Demo"));
    ASSERT_TRUE(skin::LoadSkinFile(installed_));
    QDialog before;
    before.show();
    ASSERT_TRUE(skin::SetDialogSkin("Dialog"));
    EXPECT_EQ(before.property(skin::kSkinProperty).toString(), "Dialog");  // already open

    QDialog plain, shaped;
    skin::RemoveWindowSkin(&shaped);
    auto* create = new QPushButton(&shaped);
    create->setObjectName("1011");
    skin::ApplyShape(&shaped, "shape_main_dialog");
    plain.show();
    shaped.show();
    EXPECT_EQ(plain.property(skin::kSkinProperty).toString(), "Dialog");
    EXPECT_FALSE(shaped.property(skin::kSkinProperty).isValid());
    EXPECT_EQ(shaped.property(skin::kShapeProperty).toString(), "shape_main_dialog");
    EXPECT_EQ(create->text(), "&Create DVD");  // the skin labels the button, Alt+C included
}

TEST_F(SkinLibraryTest, RelativePicturesComeFromTheSkinFolder) {
    QImage(4, 4, QImage::Format_RGB32).save(dir_.filePath("ground.png"));
    ASSERT_TRUE(skin::Initialize("Demo"));
    ASSERT_TRUE(skin::LoadSkinFile(
        Write("pictures.skin", "QDialog[skin=\"Dialog\"] { background-image: url(ground.png); }")));
    ASSERT_TRUE(skin::SetDialogSkin("Dialog"));
    EXPECT_TRUE(qApp->styleSheet().contains(dir_.filePath("ground.png")))
        << qApp->styleSheet().toStdString();
    skin::Shutdown();
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_FALSE(skin::Loaded());
}

}  // namespace
