#pragma once
// Qt key events in the terms of the windows' handlers: key codes for
// KeyDown (forms/keys.h), the shift state, and the character for KeyPress.
#include <QKeyEvent>

namespace qtui {

// The key code of the key (letters and digits as their upper-case ASCII),
// or 0 for a key the windows know no code for.
int KeyDownCode(const QKeyEvent& event);
// Shift 1, Ctrl 2, Alt 4.
int ShiftState(Qt::KeyboardModifiers modifiers);
// The character code the key types (Backspace 8, Enter 13, Escape 27,
// printable Latin-1 characters), or 0 when it types none for KeyPress.
int KeyPressAscii(const QKeyEvent& event);

}  // namespace qtui
