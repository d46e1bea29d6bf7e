#include "chart/editors/EditorControls.h"

#include "platform/rtl/Strings.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

TTabSheet* MakeTabSheet(TComponent* owner, TPageControl* pages, const std::string& caption) {
    TTabSheet* sheet = new TTabSheet(owner);
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
    return sheet;
}

TLabel* MakeLabel(TWinControl* parent, int left, int top, const std::string& caption) {
    TLabel* label = MakeControl<TLabel>(parent);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

TCheckBox* MakeCheckBox(TWinControl* parent, int left, int top, int width,
                        const std::string& caption) {
    TCheckBox* box = MakeControl<TCheckBox>(parent, left, top, width, 19);
    box->SetCaption(caption);
    return box;
}

TButton* MakePushButton(TWinControl* parent, int left, int top, int width,
                        const std::string& caption) {
    TButton* button = MakeControl<TButton>(parent, left, top, width, 25);
    button->SetCaption(caption);
    return button;
}

TComboBox* MakeComboBox(TWinControl* parent, int left, int top, int width,
                        std::initializer_list<const char*> items, bool editable) {
    TComboBox* combo = MakeControl<TComboBox>(parent, left, top, width, 23);
    combo->SetStyle(editable ? csDropDown : csDropDownList);
    for (const char* item : items) combo->Items()->Add(item);
    return combo;
}

TUpDownEdit MakeUpDownEdit(TWinControl* parent, int left, int top, int width, int min, int max,
                           int increment) {
    TEdit* edit = MakeControl<TEdit>(parent, left, top, width, 23);
    TUpDown* upDown = MakeControl<TUpDown>(parent, left + width, top, 17, 23);
    upDown->SetMin(min);
    upDown->SetMax(max);
    upDown->SetIncrement(increment);
    upDown->SetAssociate(edit);
    return {edit, upDown};
}
