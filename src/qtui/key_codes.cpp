#include "qtui/key_codes.h"

#include "forms/keys.h"

namespace qtui {

namespace {

int PunctuationCode(int key) {
  // Key tables: one line per key.
  // clang-format off
  switch (key) {
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 186;
    case Qt::Key_Equal: case Qt::Key_Plus: return 187;
    case Qt::Key_Comma: case Qt::Key_Less: return 188;
    case Qt::Key_Minus: case Qt::Key_Underscore: return 189;
    case Qt::Key_Period: case Qt::Key_Greater: return 190;
    case Qt::Key_Slash: case Qt::Key_Question: return 191;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return 192;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return 219;
    case Qt::Key_Backslash: case Qt::Key_Bar: return 220;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return 221;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return 222;
    // Shifted digits of a US keyboard report the digit's key.
    case Qt::Key_ParenRight: return '0';
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return '8';
    case Qt::Key_ParenLeft: return '9';
    default: return 0;
  }
  // clang-format on
}

}  // namespace

int KeyDownCode(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = (event.modifiers() & Qt::KeypadModifier) != 0;
  if (keypad) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    // clang-format off
    switch (key) {
      case Qt::Key_Asterisk: return 106;
      case Qt::Key_Plus: return 107;
      case Qt::Key_Minus: return 109;
      case Qt::Key_Period: case Qt::Key_Comma: return 110;
      case Qt::Key_Slash: return 111;
      default: break;
    }
    // clang-format on
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F16) return 112 + (key - Qt::Key_F1);
  namespace k = forms::keys;
  // clang-format off
  switch (key) {
    case Qt::Key_Backspace: return k::Back;
    case Qt::Key_Tab: case Qt::Key_Backtab: return k::Tab;
    case Qt::Key_Return: case Qt::Key_Enter: return k::Return;
    case Qt::Key_Escape: return k::Escape;
    case Qt::Key_Space: return k::Space;
    case Qt::Key_PageUp: return k::PageUp;
    case Qt::Key_PageDown: return k::PageDown;
    case Qt::Key_End: return k::End;
    case Qt::Key_Home: return k::Home;
    case Qt::Key_Left: return k::Left;
    case Qt::Key_Up: return k::Up;
    case Qt::Key_Right: return k::Right;
    case Qt::Key_Down: return k::Down;
    case Qt::Key_Insert: return k::Insert;
    case Qt::Key_Delete: return k::Delete;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    default: return PunctuationCode(key);
  }
  // clang-format on
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= forms::keys::ShiftMask;
  if (modifiers & Qt::ControlModifier) shift |= forms::keys::CtrlMask;
  if (modifiers & Qt::AltModifier) shift |= forms::keys::AltMask;
  return shift;
}

int KeyPressAscii(const QKeyEvent& event) {
  // clang-format off
  switch (event.key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 0;
    default: break;
  }
  // clang-format on
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  const QString text = event.text();
  if (text.size() != 1) return 0;
  const char16_t c = text.at(0).unicode();
  if (c < 32 || c == 127 || c > 255) return 0;
  return c;
}

}  // namespace qtui
