// The dialogs, each run modally over its parent; they return when closed.
#pragma once

#include <cstdint>

class QWidget;

// The add-video page (CDVDAuthorAddDlg) with the given job flags.
int RunAddVideoPage(std::uint32_t jobFlags, QWidget* parent);
// The progress window (CDVDAuthorProcessDlg) with the given job flags.
// discType: the disc the add-video page chose (index into DiscTypeTable).
int RunProgressDialog(std::uint32_t jobFlags, QWidget* parent, int discType = 0);
// The options dialog (COptionsDlg).
int RunOptionsDialog(QWidget* parent);
// The about box (CAboutDlg).
int RunAboutBox(QWidget* parent);
