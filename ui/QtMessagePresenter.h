// Message boxes as Qt message boxes, shown on the user-interface thread also
// when a worker asks; the owner window is found through the window table.
#pragma once

#include <QWidget>

#include "platform/MessageBox.h"

class QtMessagePresenter : public platform::MessagePresenter {
  public:
    int Show(platform::HWND owner, const std::string& text, const std::string& caption,
             unsigned type) override;
};

// Which widget stands for a window handle, for owning message boxes.
void SetOwnerWidget(platform::HWND window, QWidget* widget);
QWidget* OwnerWidget(platform::HWND window);
