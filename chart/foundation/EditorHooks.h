#pragma once
// Small routines the chart editor's forms share: enabling a group of controls at once, and the
// extension points a program may set to adjust each editor form and text as it is shown (none
// is set in this program).
#include <functional>
#include <initializer_list>
#include <string>

class TControl;
class TForm;

// Sets Enabled of every control given; null entries are skipped.
void SetControlsEnabled(bool Value, std::initializer_list<TControl*> Controls);

using TFormHook = std::function<void(TForm* Form, void* Data, int Index)>;
using TTextHook = std::function<void(std::string& Text, void* Data)>;
extern TFormHook FormHook;
extern TTextHook TextHook;

// Calls FormHook when one is set.
void ApplyFormHookEx(TForm* Form, void* Data, int Index);
// FormHook for Control's form, index -1.
void ApplyFormHook(TControl* Control);
// Calls TextHook when one is set.
void ApplyTextHook(std::string& Text, void* Data);
