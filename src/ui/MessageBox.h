// The plain message box: a modal dialog with a text and one row of buttons.
#pragma once

#include <string>

namespace ui {

enum class MessageBoxButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class MessageBoxIcon { kNone, kInformation, kWarning, kError, kQuestion };

// Shows the box modally over the active form and returns the modal result of the pressed
// button (kMrOk, kMrCancel, kMrYes, kMrNo); closing the box gives kMrCancel (kMrOk for an OK-only
// box, whose only button is also its cancel button).
int ShowMessageBox(const std::string& text, const std::string& caption,
                   MessageBoxButtons buttons = MessageBoxButtons::kOk,
                   MessageBoxIcon icon = MessageBoxIcon::kNone);

// Shows the text in an information box with one OK button.
void ShowMessage(const std::string& text);

}  // namespace ui
