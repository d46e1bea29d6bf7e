#include "chart/foundation/EditorHooks.h"

#include "platform/ui/Control.h"

TFormHook FormHook;
TTextHook TextHook;

void SetControlsEnabled(bool Value, std::initializer_list<TControl*> Controls) {
    for (TControl* control : Controls)
        if (control) control->SetEnabled(Value);
}

void ApplyFormHookEx(TForm* Form, void* Data, int Index) {
    if (FormHook) FormHook(Form, Data, Index);
}

void ApplyFormHook(TControl* Control) {
    if (FormHook) FormHook(Control ? Control->ParentForm() : nullptr, Control, -1);
}

void ApplyTextHook(std::string& Text, void* Data) {
    if (TextHook) TextHook(Text, Data);
}
