#pragma once
// The toolkit's key codes, modifiers and mouse buttons in the platform's terms (virtual key
// codes, shift states, mouse buttons), for the window layer's .cpp files.
#include "platform/ui/ControlTypes.h"
#include "platform/ui/MouseMessage.h"

// The virtual key code of a toolkit key (letters and digits are their upper-case character);
// 0 for a key without one.
int VirtualKeyOf(int toolkitKey);
// The shift state of toolkit keyboard modifiers and pressed mouse buttons.
TShiftState ShiftStateOf(int toolkitModifiers, int toolkitButtons);
// A toolkit mouse event (its button, modifiers and held buttons) at pos as a mouse message.
TMouseMessage MouseMessageOf(TMouseMessageKind kind, int toolkitButton, int toolkitModifiers,
                             int toolkitButtons, TPoint pos);
