#pragma once
// The few lines every editor page repeats when it builds its controls in code.
#include <string>

#include "platform/ui/Control.h"

class TLabel;
class TEdit;
class TUpDown;
class TCheckBox;
class TButton;
class TComboBox;
class TPageControl;
class TTabSheet;

// A control owned by and shown in parent, at (left, top) with the given size.
template <class T>
T* MakeControl(TWinControl* parent, int left = 0, int top = 0, int width = 0, int height = 0) {
    T* control = new T(parent);
    control->SetParent(parent);
    if (width > 0 && height > 0) control->SetBounds(left, top, width, height);
    return control;
}

// A new last page of pages with the caption, owned (and so freed) by owner.
TTabSheet* MakeTabSheet(TComponent* owner, TPageControl* pages, const std::string& caption);

TLabel* MakeLabel(TWinControl* parent, int left, int top, const std::string& caption);
TCheckBox* MakeCheckBox(TWinControl* parent, int left, int top, int width,
                        const std::string& caption);
TButton* MakePushButton(TWinControl* parent, int left, int top, int width,
                        const std::string& caption);
// A drop-down list (or, editable, an edit with a list) of the items.
TComboBox* MakeComboBox(TWinControl* parent, int left, int top, int width,
                        std::initializer_list<const char*> items, bool editable = false);
// An edit with an up-down at its right, limited to min..max.
struct TUpDownEdit {
    TEdit* Edit;
    TUpDown* UpDown;
};
TUpDownEdit MakeUpDownEdit(TWinControl* parent, int left, int top, int width, int min, int max,
                           int increment = 1);
