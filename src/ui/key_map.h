#pragma once
// Qt key events as the logic's window sees them: a key code and the Shift/Ctrl/Alt state.
#include <Qt>

#include "platform/form.h"

namespace qv::ui {

// The key of a Qt key code. scanCode is the hardware key code of the X11/evdev keyboard, or 0
// when the platform does not give one; with it the digit row is recognised whatever the layout
// makes of Shift (Shift+5 arrives as "%" but is the key 5 with Shift).
Key MapKey(int qtKey, Qt::KeyboardModifiers modifiers, quint32 scanCode = 0);

// Shift, Ctrl, Alt (AltGr, Meta, Caps Lock) pressed alone.
bool IsModifierKey(int qtKey);

// Shift, Ctrl and Alt; the keypad flag is part of the key, not of the shift state.
ShiftState MapShift(Qt::KeyboardModifiers modifiers);

}  // namespace qv::ui
