// The options dialog: whether the working folder is deleted at exit and the
// background pictures of the two menus. Choices of pictures and folders are
// stored in the options at once; the clear choice when the user confirms.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <string>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

class COptionsDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(COptionsDlg)

  public:
    static constexpr int IDD = 140;
    static constexpr int IDC_OK = 1;
    static constexpr int IDC_CANCEL = 2;
    static constexpr int IDC_NTSC = 1023;
    static constexpr int IDC_PAL = 1024;
    static constexpr int IDC_WORKING_FOLDER = 1025;
    static constexpr int IDC_TITLE_PICTURE = 1026;
    static constexpr int IDC_ROOT_PICTURE = 1027;
    static constexpr int IDC_BROWSE_FOLDER = 1030;
    static constexpr int IDC_PICK_TITLE_PICTURE = 1031;
    static constexpr int IDC_PICK_ROOT_PICTURE = 1032;
    static constexpr int IDC_ASPECT_16_9 = 1035;
    static constexpr int IDC_ASPECT_4_3 = 1036;
    static constexpr int IDC_CLEAR_AT_EXIT = 1040;
    static constexpr int IDC_KEEP_AT_EXIT = 1041;

    // Opens on the application's options.
    explicit COptionsDlg(QWidget* parent = nullptr);

    // The dialog's fields (radio indexes: -1 when no radio of the group is
    // checked).
    std::string workingFolder;
    int clearChoice = 0;
    int aspectRatio = 0;
    int tvStandard = 0;
    std::string titlePicture;
    std::string rootPicture;

    // Moves the fields into the controls (false) or the controls into the
    // fields (true).
    void UpdateData(bool fromControls);

    void OnPickTitlePicture();
    void OnPickRootPicture();
    void OnBrowseFolder();
    // OK: stores the clear choice and closes.
    void accept() override;

  private:
    void CreateControls();
    void ReadOptions();
    // Without a skin the buttons and radios get their own texts.
    void CaptionControls();
    void PickPicture(std::string& field, const char* key);

    QButtonGroup* clearGroup_ = nullptr;
    QButtonGroup* aspectGroup_ = nullptr;
    QButtonGroup* tvGroup_ = nullptr;
    QLineEdit* workingFolderEdit_ = nullptr;
    QLineEdit* titlePictureEdit_ = nullptr;
    QLineEdit* rootPictureEdit_ = nullptr;
};

// Asks for a menu background picture; the full path, or empty when cancelled
// or when the picture cannot serve (the user is told why).
std::string ChooseMenuPicture(QWidget* owner);
