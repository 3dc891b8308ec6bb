// Placeholder until the dialog lands: tells the user it is not there yet.
#include <QMessageBox>

#include "ui/Dialogs.h"

int RunOptionsDialog(QWidget* parent) {
    QMessageBox::information(parent, "Quorva", "This window is not available yet.");
    return 0;
}
