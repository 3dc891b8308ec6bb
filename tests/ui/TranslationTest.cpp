// The windows in the user's language: run with LANGUAGE=de they speak
// German and every caption still fits; with a language that has no
// catalogue, English. ctest runs the program once per language.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "components/skin/Skin.h"
#include "platform/Translation.h"
#include "ui/AddVideoPage.h"
#include "ui/LayoutCheck.h"
#include "ui/MainDlg.h"
#include "ui/OptionsDialog.h"
#include "ui/ProgressDialog.h"
#include "ui/UiTestEnvironment.h"

namespace {

class TranslationTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        // As the program does once its Qt application is made.
        language = platform::UseTranslations(std::string(QUORVA_BIN_DIR) + "translations/");
    }

    // The window's texts, its title first.
    static QStringList Texts(QWidget& window) {
        QStringList texts{window.windowTitle()};
        for (QGroupBox* box : window.findChildren<QGroupBox*>())
            texts << box->title();
        for (QLabel* label : window.findChildren<QLabel*>())
            texts << label->text();
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
            texts << button->text() << button->toolTip();
        return texts;
    }

    // Expects text among the window's texts, and (in any language) a layout
    // that holds every caption whole.
    void Expect(QWidget& window, const QString& text) {
        EXPECT_TRUE(Texts(window).contains(text))
            << text.toStdString() << " not in: " << Texts(window).join(" | ").toStdString();
        QStringList faults = LayoutFaults(&window);
        // The add page's arrow buttons are narrow by design, in any language.
        for (int arrow : {CDVDAuthorAddDlg::IDC_MOVE_UP, CDVDAuthorAddDlg::IDC_MOVE_DOWN})
            faults.removeIf([arrow](const QString& fault) {
                return fault.startsWith(QString("QPushButton %1 ").arg(arrow));
            });
        EXPECT_EQ(faults.join("\n").toStdString(), "");
        window.hide();
    }

    std::string language;
};

TEST_F(TranslationTest, WindowsSpeakTheLanguageThatHasACatalogueElseEnglish) {
    skin::Shutdown();  // the plain look shows every caption as text
    const QByteArray asked = qgetenv("LANGUAGE");
    ASSERT_TRUE(asked == "de" || asked == "xx") << "run with LANGUAGE=de or LANGUAGE=xx";
    const bool german = asked == "de";
    EXPECT_EQ(language, german ? "de" : "");
    App().theMediaList.clear();
    CQuorvaDlg window;
    Expect(window, german ? "Schritt für Schritt eine DVD aus Ihren Videos machen."
                          : "Make a DVD from your videos, step by step.");
    CDVDAuthorAddDlg add(7);
    Expect(add, german ? "&Hinzufügen" : "&Add");
    CDVDAuthorProcessDlg progress(JOB_CONVERT | JOB_MENUS | JOB_BURN, nullptr);
    Expect(progress, german ? "Datenträger&name:" : "&Volume label:");
    COptionsDlg options;
    Expect(options, german ? "Hintergrundbild der Menüs" : "Background picture of menu");
}

}  // namespace
