#pragma once
// The few lines every window of the workbench repeats when it builds its controls in code.
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/Control.h"

// A control owned by and shown in `parent`, aligned when asked.
template <class T>
T* MakeControl(TWinControl* parent, TAlign align = alNone) {
    T* control = new T(parent);
    control->SetParent(parent);
    if (align != alNone) control->SetAlign(align);
    return control;
}

// A push button with its caption and hint at (left, top).
inline TButton* MakeButton(TWinControl* parent, int left, int top, int width,
                           const std::string& caption, const std::string& hint = {}) {
    TButton* b = MakeControl<TButton>(parent);
    b->SetBounds(left, top, width, 27);
    b->SetCaption(caption);
    b->SetHint(hint);
    b->SetShowHint(!hint.empty());
    return b;
}
