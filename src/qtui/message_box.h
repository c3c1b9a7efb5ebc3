#pragma once
// Message boxes: Qt's QMessageBox with the buttons the windows ask for.
#include <string>

#include "forms/platform.h"

class QMessageBox;
class QWidget;

namespace qtui {

// The window a dialog belongs to: the active modal window, else the active one.
QWidget* DialogParent();

// A message box with the buttons asked for; the title is the application's
// name when empty. Closing the box otherwise answers Cancel (No for Yes/No).
forms::MsgResult ShowMessageBox(const std::string& text, forms::MsgButtons buttons, const std::string& title);

// A message box with an OK button, window-modal to `parent`, shown without
// waiting for its answer; it is deleted once closed, by the user or by the
// caller through the pointer returned.
QMessageBox* OpenMessageBox(const std::string& text, QWidget* parent);

}  // namespace qtui
