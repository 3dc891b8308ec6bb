// The about box: a small modal dialog whose look comes from the skin.
#pragma once

#include <QCoreApplication>
#include <QDialog>

class QLabel;
class QPushButton;

class CAboutDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CAboutDlg)

  public:
    static constexpr int IDD = 100;
    static constexpr int IDOK = 1;
    static constexpr int IDC_STATIC_1 = 1024;
    static constexpr int IDC_STATIC_2 = 1025;
    static constexpr int IDC_STATIC_3 = 1026;

    explicit CAboutDlg(QWidget* parent = nullptr);

  private:
    void OnInitDialog();

    QPushButton* ok_ = nullptr;
    // Bound to the three hidden labels; they are never shown.
    QLabel* productLabel_ = nullptr;
    QLabel* descriptionLabel_ = nullptr;
    QLabel* homeLabel_ = nullptr;
    // What the box shows: the skin's content when a skin is on, otherwise
    // the product's name, what it does and its home page.
    QLabel* content_ = nullptr;
};
