#include "chart/editors/EditorRoutines.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/graphics/ResourceBitmap.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Control.h"
#include "platform/ui/Form.h"
#include "platform/ui/ListBox.h"

void AddValueFormatPresets(TStrings& list) {
    for (const char* format : {"#,##0.###", "0", "0.0", "0.#", "#.#", "#,##0.00;(#,##0.00)",
                               "00e-0", "#.0 \"x10\" E+0", "#.# x10E-#"})
        list.Add(format);
}

void CenterEditorForm(TForm& form) {
    form.SetPosition(form.Owner() ? poOwnerFormCenter : poScreenCenter);
}

void EmbedTaggedEditorForm(TForm& form, TWinControl& parent, TObject* edited) {
    form.SetParentColor(true);
    form.SetPosition(poDesigned);
    form.SetBorderStyle(bsNone);
    form.SetBorderIcons({});
    form.SetTagObject(edited);
    form.SetParent(&parent);
    // Shown inside a hidden sheet the page would not load; the sheet is shown meanwhile.
    const bool wasVisible = parent.Visible();
    parent.SetVisible(true);
    form.SetLeft(4);
    form.SetTop(std::min(4, std::abs(parent.ClientHeight() - form.ClientHeight()) / 2));
    form.Show();
    parent.SetVisible(wasVisible);
}

int IndexOfItemObject(const TStrings& items, const TObject* object) {
    for (int i = 0; i < items.Count(); ++i)
        if (items.Objects(i) == object) return i;
    return -1;
}

void SetControlsVisible(bool visible, std::initializer_list<TControl*> controls) {
    for (TControl* control : controls) control->SetVisible(visible);
}

void LoadArrowBitmaps(TBitmap& up, TBitmap& down) {
    LoadResourceBitmap(up, "TeeArrowUp");
    LoadResourceBitmap(down, "TeeArrowDown");
}

void MoveSelectedItems(TListBox& source, TListBox& target) {
    TStrings& from = *source.Items();
    std::vector<int> selected;
    for (int i = 0; i < from.Count(); ++i)
        if (source.Selected(i)) {
            selected.push_back(i);
            target.Items()->AddObject(from.Strings(i), from.Objects(i));
        }
    // Deleting from the end keeps the indexes of the selected items still to delete.
    for (auto i = selected.rbegin(); i != selected.rend(); ++i) from.Delete(*i);
}

void MoveAllItems(TStrings& source, TStrings& target) {
    for (int i = 0; i < source.Count(); ++i) target.AddObject(source.Strings(i), source.Objects(i));
    source.Clear();
}
