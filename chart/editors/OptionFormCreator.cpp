#include "chart/editors/OptionFormCreator.h"

#include <cctype>

#include "chart/editors/EditorControls.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/classes/PropAccess.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/UpDown.h"

namespace {

bool IsUpper(char c) { return std::toupper(static_cast<unsigned char>(c)) == c; }

// The room left to a control as wide as the panel less Margin.
int WidthLess(const TWinControl* parent, int margin) { return parent->Width() - margin; }

// The property as an integer; a real one (the rotation angle) is rounded.
int ReadInteger(const TObject* filter, const std::string& name) {
    return int(GetPropValue(filter, name, false).AsInteger());
}

}  // namespace

std::string PrettyEnumName(const std::string& Name) {
    size_t start = 0;
    while (start < Name.size() && !IsUpper(Name[start])) ++start;
    std::string result;
    // The last character never gets a space before it, so "Eye2" stays one word.
    for (size_t i = start; i < Name.size(); ++i) {
        if (i > start && i + 1 < Name.size() && IsUpper(Name[i])) result += ' ';
        result += Name[i];
    }
    return result.empty() ? Name : result;
}

TOptionFormCreator::TOptionFormCreator(TWinControl* Parent) : FParent(Parent) {}
TOptionFormCreator::~TOptionFormCreator() = default;

void TOptionFormCreator::Start(TObject* Filter) {
    FItems.clear();
    FTop = 8;
    FFilter = Filter;
}

TOptionFormCreator::TFormItem& TOptionFormCreator::AddItem(const std::string& PropertyName,
                                                           std::function<void()> ChangeHandler) {
    FItems.push_back({PropertyName, std::move(ChangeHandler)});
    return FItems.back();
}

void TOptionFormCreator::Changed(const TFormItem& Item) {
    if (Item.ChangeHandler) Item.ChangeHandler();
    if (OnChange) OnChange();
}

template <class V>
void TOptionFormCreator::WriteBack(const TFormItem& Item, const V& Value) {
    if (FBuilding || !FFilter) return;
    // A text that is no number raises here, before any handler runs: the filter keeps its value.
    SetPropValue(FFilter, Item.PropertyName, Variant(Value));
    Changed(Item);
}

void TOptionFormCreator::AddBooleanEditor(const std::string& PropertyName,
                                          const std::string& Caption,
                                          std::function<void()> ChangeHandler) {
    TFormItem& item = AddItem(PropertyName, std::move(ChangeHandler));
    TCheckBox* box = MakeControl<TCheckBox>(FParent, 4, FTop, 75, 16);
    box->SetCaption(Caption);
    box->SetChecked(GetPropValue(FFilter, PropertyName).AsInteger() != 0);
    box->OnClick = [this, &item, box](TObject*) { WriteBack(item, box->Checked()); };
    FTop += box->Height() + 2;
}

void TOptionFormCreator::AddColorEditor(const std::string& PropertyName,
                                        const std::string& Caption) {
    TFormItem& item = AddItem(PropertyName, nullptr);
    TButtonColor* button = MakeControl<TButtonColor>(FParent);
    button->SetLeft(4);
    button->SetTop(FTop);
    button->SetCaption(Caption);
    button->LinkToProperty(FFilter, PropertyName);
    // The button has written the colour itself by the time it tells of the click.
    button->OnClick = [this, &item](TObject*) {
        if (!FBuilding) Changed(item);
    };
    FTop += button->Height() + 6;
}

void TOptionFormCreator::AddChoiceEditor(const std::string& PropertyName) {
    TFormItem& item = AddItem(PropertyName, nullptr);
    TComboFlat* combo = MakeControl<TComboFlat>(FParent, 4, FTop, WidthLess(FParent, 8), 16);
    const TPropInfo* info = GetPropInfo(FFilter, PropertyName);
    if (info && info->EnumInfo) {
        for (int i = 0; i < info->EnumInfo->Count(); ++i)
            combo->AppendItem(PrettyEnumName(info->EnumInfo->Name(i)));
        combo->SetItemIndex(info->EnumInfo->Value(GetEnumProp(FFilter, PropertyName)));
    }
    combo->OnChange = [this, &item, combo](TObject*) { WriteBack(item, combo->ItemIndex()); };
    FTop += combo->Height() + 6;
}

void TOptionFormCreator::AddIntegerEditor(const std::string& PropertyName,
                                          const std::string& Caption, int Minimum, int Maximum) {
    TFormItem& item = AddItem(PropertyName, nullptr);
    std::string text = Caption.empty() ? PropertyName : Caption;
    if (text.find('&') == std::string::npos) text = "&" + text;
    TLabel* label = MakeLabel(FParent, 4, FTop + 4, text);
    TEdit* edit = MakeControl<TEdit>(FParent, 44, FTop, WidthLess(FParent, 68), 16);
    label->SetFocusControl(edit);
    TUpDown* upDown = MakeControl<TUpDown>(FParent, 44 + edit->Width(), FTop, 17, edit->Height());
    upDown->SetMin(Minimum);
    upDown->SetMax(Maximum);
    upDown->SetAssociate(edit);
    upDown->SetPosition(ReadInteger(FFilter, PropertyName));
    edit->OnChange = [this, &item, edit](TObject*) { WriteBack(item, edit->Text()); };
    FTop += edit->Height() + 6;
}

TScrollBar* TOptionFormCreator::AddScrollBar(const std::string& PropertyName, int Minimum,
                                             int Maximum) {
    TFormItem& item = AddItem(PropertyName, nullptr);
    TScrollBar* bar = MakeControl<TScrollBar>(FParent, 4, FTop, WidthLess(FParent, 8), 16);
    bar->SetParams(ReadInteger(FFilter, PropertyName), Minimum, Maximum);
    bar->OnChange = [this, &item, bar](TObject*) { WriteBack(item, bar->Position()); };
    FTop += bar->Height() + 6;
    return bar;
}
